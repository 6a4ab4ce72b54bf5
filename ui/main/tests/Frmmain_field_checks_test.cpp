#include <QImage>
#include <QTest>

#include "ui/main/tests/main_window_fixture.h"

using namespace capillary;

// The silent checks while typing, and when a field the calculation marked red turns white.
class FrmmainFieldChecksTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { fixture.open(); }
    void cleanup() { fixture.close(); }

    void typingLeavesText_data();
    void typingLeavesText();
    void tabArrivingInAFieldRunsItsCheck();
    void pastedTextWaitsForAKeyRelease();
    void redTurnsWhite_data();
    void redTurnsWhite();
    void rejectedCombosAreRedAllOver();

  private:
    testing::MainWindowFixture fixture;
};

// The face and the drop-down button of a rejected combo are pure red, like a rejected text box;
// only the frame, the text and the arrow are drawn in other colours.
void FrmmainFieldChecksTest::rejectedCombosAreRedAllOver() {
    for (const char* name : {"Cmbrt", "Cmbdpd"}) {
        QComboBox* combo = fixture.combo(QString::fromLatin1(name));
        setFieldBackground(combo, kFieldRed);
        const QImage face = combo->grab().toImage();
        int red = 0, other = 0;
        for (int x = 3; x < face.width() - 3; ++x) {
            const QColor pixel = face.pixelColor(x, 3);  // a row above the text and the arrow
            ++(pixel == kFieldRed ? red : other);
        }
        QCOMPARE(other, 0);
        QCOMPARE(face.pixelColor(face.width() - 4, face.height() - 4), kFieldRed);  // the button
        setFieldBackground(combo, kFieldWhite);
        QVERIFY(combo->grab().toImage().pixelColor(face.width() / 2, 3) != kFieldRed);
    }
}

void FrmmainFieldChecksTest::typingLeavesText_data() {
    QTest::addColumn<UnitSystem>("unit");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expected");
    const UnitSystem ip = UnitSystem::English;
    const UnitSystem si = UnitSystem::Metric;
    const auto row = [](const char* name, UnitSystem unit, const char* field, const char* keys,
                        const char* expected) {
        QTest::newRow(name) << unit << field << keys << expected;
    };
    // The rules themselves are the engine's; these rows show each field runs its own, in the
    // unit system in effect, key by key.
    row("capacity 11 tons", ip, "Txtcapacity", "11", "");
    row("capacity emptied then typed on", ip, "Txtcapacity", "115", "5");
    row("capacity 36 kW", si, "Txtcapacity", "36", "");
    row("evaporating minus", ip, "Txtet", "-", "-");
    row("condensing 151 F", ip, "Txtct", "151", "");
    row("subcooling 21 F", ip, "Txtsc", "21", "");
    row("pressure drop dot", ip, "Cmbdpd", ".", ".");
    row("pressure drop letter", ip, "Cmbdpd", "x", "");
    row("circuits 2.", ip, "Txtcircuit", "2.", "2");
    row("circuits 2.5", ip, "Txtcircuit", "2.5", "25");  // the dot goes before the 5 arrives
}

void FrmmainFieldChecksTest::typingLeavesText() {
    QFETCH(UnitSystem, unit);
    QFETCH(QString, field);
    QFETCH(QString, keys);
    QFETCH(QString, expected);
    fixture.session().unit = unit;
    fixture.type(field, keys);
    QCOMPARE(fixture.text(field), expected);
    QVERIFY(fixture.services().messages.empty());
}

// The release of the Tab that moved the focus arrives in the next field and is checked there.
void FrmmainFieldChecksTest::tabArrivingInAFieldRunsItsCheck() {
    fixture.edit("Txtcapacity")->setText(QStringLiteral("11"));
    QComboBox* refrigerant = fixture.combo("Cmbrt");
    refrigerant->setFocus(Qt::OtherFocusReason);
    QTest::keyPress(refrigerant, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), fixture.edit("Txtcapacity"));
    QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(fixture.text("Txtcapacity"), QString());
}

void FrmmainFieldChecksTest::pastedTextWaitsForAKeyRelease() {
    QLineEdit* condensing = fixture.edit("Txtct");
    condensing->setText(QStringLiteral("abc"));  // as a mouse paste puts it there
    QCOMPARE(condensing->text(), QStringLiteral("abc"));
    condensing->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(condensing, Qt::Key_Shift);
    QCOMPARE(condensing->text(), QString());
}

void FrmmainFieldChecksTest::redTurnsWhite_data() {
    QTest::addColumn<QString>("field");
    // "keys:<text>", "leave:<text>" (typed, then Tab), "enter:<text>" (typed, then Enter),
    // "arrow", "pick:<item>" or "set:<text>"
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("white");
    const auto row = [](const char* name, const char* field, const char* action, bool white) {
        QTest::newRow(name) << field << action << white;
    };
    row("refrigerant picked", "Cmbrt", "pick:R134a", true);
    row("capacity arrow key", "Txtcapacity", "arrow", true);
    row("capacity bad key", "Txtcapacity", "keys:x", true);
    row("evaporating typed", "Txtet", "keys:4", true);
    row("evaporating set by code", "Txtet", "set:40", true);
    row("evaporating arrow key", "Txtet", "arrow", false);
    row("condensing typed", "Txtct", "keys:9", true);
    row("condensing arrow key", "Txtct", "arrow", false);
    row("pressure drop typed", "Cmbdpd", "keys:5", false);
    row("pressure drop item typed and left", "Cmbdpd", "leave:10", false);
    row("pressure drop item typed and entered", "Cmbdpd", "enter:10", false);
    row("pressure drop new value entered", "Cmbdpd", "enter:25", false);
    row("pressure drop picked", "Cmbdpd", "pick:10", true);
    row("circuits numeric", "Txtcircuit", "keys:2", true);
    row("circuits letter", "Txtcircuit", "keys:a", false);
}

void FrmmainFieldChecksTest::redTurnsWhite() {
    QFETCH(QString, field);
    QFETCH(QString, action);
    QFETCH(bool, white);
    QWidget* control = fixture.find<QWidget>(field);
    setFieldBackground(control, kFieldRed);

    const QString argument = action.section(QLatin1Char(':'), 1);
    if (action.startsWith(QLatin1String("keys:"))) {
        fixture.type(field, argument);
    } else if (action.startsWith(QLatin1String("leave:"))) {
        fixture.type(field, argument);
        QTest::keyClick(control, Qt::Key_Tab);
        QVERIFY(!control->hasFocus());
    } else if (action.startsWith(QLatin1String("enter:"))) {
        fixture.type(field, argument);
        QTest::keyClick(control, Qt::Key_Return);
    } else if (action == QLatin1String("arrow")) {
        control->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(control, Qt::Key_Left);
    } else if (action.startsWith(QLatin1String("pick:"))) {
        fixture.pick(field, argument);
    } else {
        fixture.edit(field)->setText(argument);
    }
    QCOMPARE(fixture.background(field), white ? kFieldWhite : kFieldRed);
    QCOMPARE(fixture.combo("Cmbdpd")->count(), 15);  // a typed value never joins the list
}

QTEST_MAIN(FrmmainFieldChecksTest)
#include "Frmmain_field_checks_test.moc"
