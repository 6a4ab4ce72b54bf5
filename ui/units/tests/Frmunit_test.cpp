#include <QRadioButton>
#include <QTest>

#include "ui/main/tests/main_window_fixture.h"
#include "ui/units/Frmunit.h"

using namespace capillary;

namespace {

const QStringList kConverted{"Txtcapacity", "Txtet", "Txtct", "Txtsh", "Txtsc", "Cmbdpd"};
const QStringList kCaptions{"Lbl2", "Lbl3",  "Lbl4",  "Lbl5",  "Lbl6",
                            "Lbl7", "Lbl15", "Lbl17", "Lbl19", "Label2"};
const QStringList kTipped{"Txtcapacity", "Txtet", "Txtct", "Txtsh", "Txtsc"};

}  // namespace

// The units dialog, and what its OK does to the main window.
class FrmunitTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { fixture.open(); }
    void cleanup() { fixture.close(); }

    void dialogLayout();
    void dialogShowsTheSystemInEffect_data();
    void dialogShowsTheSystemInEffect();
    void switchingThereAndBackConvertsAndRelabels();
    void pressureDropWithoutNumberKeepsThePreviousSwitch();
    void switchingLeavesEmptyFieldsEmpty();
    void okWithTheSameSystemChangesNothing();
    void closeBoxAppliesNothing();

  private:
    void fillInputs(const QStringList& texts) {  // the texts of kConverted
        for (int i = 0; i < kConverted.size(); ++i) {
            if (kConverted[i] == QLatin1String("Cmbdpd")) {
                fixture.combo("Cmbdpd")->setEditText(texts[i]);
            } else {
                fixture.edit(kConverted[i])->setText(texts[i]);
            }
        }
    }
    QStringList texts(const QStringList& names) {
        QStringList shown;
        for (const QString& name : names) shown << fixture.text(name);
        return shown;
    }
    QStringList tooltips() {
        QStringList shown;
        for (const QString& name : kTipped) shown << fixture.find<QWidget>(name)->toolTip();
        return shown;
    }
    QStringList pressureDropList() {
        QStringList items;
        QComboBox* box = fixture.combo("Cmbdpd");
        for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
        return items;
    }
    // Calculates the first worked design so that results are on display.
    void showResults() {
        fixture.combo("Cmbrt")->setCurrentIndex(0);
        fillInputs({"1", "40", "110", "0", "10", "10"});
        fixture.edit("Txtcircuit")->setText(QStringLiteral("1"));
        fixture.click("Cmdcalculate");
        QCOMPARE(fixture.text("Txtlinesize"), QStringLiteral("0.09"));
    }

    testing::MainWindowFixture fixture;
};

void FrmunitTest::dialogLayout() {
    Frmunit dialog(fixture.session(), fixture.window().controls(), &fixture.window());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Default Units"));
    QVERIFY(dialog.isModal());
    QCOMPARE(dialog.size(), QSize(254, 93));  // 3810 x 1395 twips
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QVERIFY(
        !(dialog.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    auto* english = dialog.findChild<QRadioButton*>("imperial");
    auto* metric = dialog.findChild<QRadioButton*>("metric");
    QCOMPARE(english->text(), QStringLiteral("English (IP)"));
    QCOMPARE(metric->text(), QStringLiteral("Metric (SI)"));
    QCOMPARE(english->geometry(), QRect(16, 16, 81, 25));
    QCOMPARE(metric->geometry(), QRect(16, 48, 81, 25));
    QCOMPARE(dialog.findChild<QPushButton*>("CmdOK")->geometry(), QRect(152, 56, 73, 25));
    QCOMPARE(dialog.findChild<QPushButton*>("CmdOK")->text(), QStringLiteral("OK"));
    metric->setChecked(true);
    QVERIFY(!english->isChecked());
}

void FrmunitTest::dialogShowsTheSystemInEffect_data() {
    QTest::addColumn<UnitSystem>("unit");
    QTest::newRow("English") << UnitSystem::English;
    QTest::newRow("Metric") << UnitSystem::Metric;
}

void FrmunitTest::dialogShowsTheSystemInEffect() {
    QFETCH(UnitSystem, unit);
    fixture.session().unit = unit;
    fixture.session().history = unit;
    Frmunit dialog(fixture.session(), fixture.window().controls(), &fixture.window());
    QCOMPARE(dialog.findChild<QRadioButton*>("imperial")->isChecked(), unit == UnitSystem::English);
    QCOMPARE(dialog.findChild<QRadioButton*>("metric")->isChecked(), unit == UnitSystem::Metric);
}

void FrmunitTest::switchingThereAndBackConvertsAndRelabels() {
    showResults();
    fillInputs({"5", "40", "110", "0", "10", "5"});
    const QStringList englishCaptions = texts(kCaptions);
    const QStringList englishTips = tooltips();
    const QStringList englishList = pressureDropList();

    fixture.switchUnits(UnitSystem::Metric);
    QCOMPARE(fixture.session().unit, UnitSystem::Metric);
    QCOMPARE(fixture.session().history, UnitSystem::Metric);
    QCOMPARE(texts(kConverted), QStringList({"18", "4", "43", "0", "6", "1.13"}));
    QCOMPARE(texts({"Txtlinesize", "Txtvelocity", "Txtel", "Txttpd", "Adpd", "Lbl13"}),
             QStringList({"", "", "", "", "", ""}));
    QCOMPARE(
        texts(kCaptions),
        QStringList({"System Capacity (kw) :", "Evaporating Temperature (C) :",
                     "Condensing Temperature (C) :", "Superheat (C) :", "Subcool (C) :",
                     "Max. Pressure drop (Bar / Meter) :", "bar", "m/s", "mm ", "Bar / Meter"}));
    QCOMPARE(tooltips(), QStringList({"Valid Range Is 1 to 35 KW", "Valid Range Is -40 to 12 C",
                                      "Valid Range Is 25 to 65 C", "Valid Range Is 0 to 25 C",
                                      "Valid Range Is 0 to 10 C"}));
    QCOMPARE(pressureDropList(), QStringList({"0.05", "0.1", "0.15", "0.2", "0.25", "0.35", "0.5",
                                              "0.7", "1", "1.5", "2", "2.5", "3.5", "5", "7"}));
    // Refrigerant and circuits are not part of the switch.
    QCOMPARE(fixture.text("Cmbrt"), QStringLiteral("R22"));
    QCOMPARE(fixture.text("Txtcircuit"), QStringLiteral("1"));

    fixture.switchUnits(UnitSystem::English);
    QCOMPARE(fixture.session().unit, UnitSystem::English);
    // Whole-number rounding makes the round trip change values.
    QCOMPARE(texts(kConverted), QStringList({"5", "39", "109", "0", "11", "5"}));
    QStringList relabelled = englishCaptions;
    relabelled[6] = QStringLiteral("Psi");  // the English relabelling writes these two
    relabelled[8] = QStringLiteral("Ft ");  // without and with a trailing blank
    QCOMPARE(texts(kCaptions), relabelled);
    QCOMPARE(tooltips(), englishTips);
    QCOMPARE(pressureDropList(), englishList);
}

void FrmunitTest::pressureDropWithoutNumberKeepsThePreviousSwitch() {
    fixture.combo("Cmbdpd")->setEditText(QStringLiteral("."));
    fixture.switchUnits(UnitSystem::Metric);
    QCOMPARE(fixture.text("Cmbdpd"), QStringLiteral("0"));  // nothing converted yet

    fixture.switchUnits(UnitSystem::English);
    fixture.combo("Cmbdpd")->setEditText(QStringLiteral("5"));
    fixture.switchUnits(UnitSystem::Metric);
    QCOMPARE(fixture.text("Cmbdpd"), QStringLiteral("1.13"));
    QCOMPARE(fixture.session().pdhistory, 1.13);

    fixture.combo("Cmbdpd")->clearEditText();
    fixture.switchUnits(UnitSystem::English);
    QCOMPARE(fixture.text("Cmbdpd"), QStringLiteral("1.13"));  // unconverted, now psi per foot
}

void FrmunitTest::switchingLeavesEmptyFieldsEmpty() {
    fixture.switchUnits(UnitSystem::Metric);
    QCOMPARE(texts({"Txtcapacity", "Txtet", "Txtct", "Txtsh", "Txtsc"}),
             QStringList({"", "", "", "0", ""}));
}

void FrmunitTest::okWithTheSameSystemChangesNothing() {
    showResults();
    const QStringList before = texts(kConverted + kCaptions + QStringList{"Txtlinesize", "Lbl13"});
    fixture.switchUnits(UnitSystem::English);
    QCOMPARE(texts(kConverted + kCaptions + QStringList{"Txtlinesize", "Lbl13"}), before);
    QCOMPARE(fixture.text("Lbl15"), QStringLiteral("Psi "));  // not even relabelled
}

void FrmunitTest::closeBoxAppliesNothing() {
    showResults();
    const QStringList before = texts(kConverted + kCaptions + QStringList{"Txtlinesize"});
    bool shownEnglish = false;
    fixture.services().onDialog = [&](QDialog& dialog) {
        QTest::mouseClick(dialog.findChild<QRadioButton*>("metric"), Qt::LeftButton);
        QVERIFY(dialog.close());
    };
    fixture.find<QAction>("units")->trigger();
    QCOMPARE(fixture.session().unit, UnitSystem::English);
    QCOMPARE(texts(kConverted + kCaptions + QStringList{"Txtlinesize"}), before);

    fixture.services().onDialog = [&](QDialog& dialog) {
        shownEnglish = dialog.findChild<QRadioButton*>("imperial")->isChecked();
    };
    fixture.find<QAction>("units")->trigger();
    QVERIFY(shownEnglish);
}

QTEST_MAIN(FrmunitTest)
#include "Frmunit_test.moc"
