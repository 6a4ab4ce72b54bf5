#include <QLabel>
#include <QTest>

#include "engine/messages.h"
#include "ui/main/tests/main_window_fixture.h"

using namespace capillary;

namespace {

const QStringList kInputs{"Cmbrt", "Txtcapacity", "Txtet",  "Txtct",
                          "Txtsh", "Txtsc",       "Cmbdpd", "Txtcircuit"};
const QStringList kResults{"Txtlinesize", "Txtvelocity", "Txtel", "Txttpd", "Adpd", "Lbl13"};

QString q(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

}  // namespace

// The Calculate command driven from the window: its checks, the sizing and the results.
class FrmmainCalculateTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { fixture.open(); }
    void cleanup() { fixture.close(); }

    void failedCheckMarksOneFieldAndKeepsResults_data();
    void failedCheckMarksOneFieldAndKeepsResults();
    void boundaryValuesPass_data();
    void boundaryValuesPass();
    void workedExamplesTypedIntoTheWindow_data();
    void workedExamplesTypedIntoTheWindow();
    void noBoreClearsTheResultsAfterTheMessage();
    void emptySuperheatAndSubcoolingBecomeZero();

  private:
    // Fills the eight inputs as given, without the typing checks.
    void fill(const QStringList& texts) {
        fixture.combo("Cmbrt")->setCurrentIndex(fixture.combo("Cmbrt")->findText(texts[0]));
        for (int i = 1; i < kInputs.size(); ++i) {
            if (auto* box = fixture.window().findChild<QComboBox*>(kInputs[i])) {
                box->setEditText(texts[i]);
            } else {
                fixture.edit(kInputs[i])->setText(texts[i]);
            }
        }
    }
    QStringList results() {
        QStringList shown;
        for (const QString& name : kResults) shown << fixture.text(name);
        return shown;
    }

    testing::MainWindowFixture fixture;
};

void FrmmainCalculateTest::failedCheckMarksOneFieldAndKeepsResults_data() {
    QTest::addColumn<UnitSystem>("unit");
    QTest::addColumn<QStringList>("inputs");  // the texts of kInputs
    QTest::addColumn<QString>("red");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("superheat");  // Txtsh and Txtsc afterwards
    QTest::addColumn<QString>("subcooling");
    const UnitSystem ip = UnitSystem::English;
    const UnitSystem si = UnitSystem::Metric;
    const QString incomplete = q(Mdlerror::kDataIncomplete);
    const auto row = [](const char* name, UnitSystem unit, QStringList inputs, const char* red,
                        QString message, const char* sh, const char* sc) {
        QTest::newRow(name) << unit << inputs << red << message << sh << sc;
    };
    // One failure for each control the checks can mark; the check sequence itself is the
    // engine's and is tested there.
    row("everything empty", ip, {"", "", "", "", "", "", "", ""}, "Cmbrt", incomplete, "", "");
    row("capacity empty", ip, {"R22", "", "40", "110", "0", "10", "10", "1"}, "Txtcapacity",
        incomplete, "0", "10");
    row("evaporating below -40 F", ip, {"R22", "1", "-40.5", "110", "0", "10", "10", "1"}, "Txtet",
        q(Mdlerror::kEvapRangeF), "0", "10");
    row("condensing below 25 C", si, {"R22", "1", "5", "24.9", "0", "5", "2", "1"}, "Txtct",
        q(Mdlerror::kCondRangeC), "0", "5");
    row("pressure drop dot", ip, {"R22", "1", "40", "110", "x", "", ".", "1"}, "Cmbdpd", incomplete,
        "0", "0");
    row("circuits zero", si, {"R407C", "1", "5", "45", "0", "5", "2", "0"}, "Txtcircuit",
        incomplete, "0", "5");
}

// A failed check turns exactly one field red, shows its message and leaves the results of the
// previous calculation on display.
void FrmmainCalculateTest::failedCheckMarksOneFieldAndKeepsResults() {
    QFETCH(UnitSystem, unit);
    QFETCH(QStringList, inputs);
    QFETCH(QString, red);
    QFETCH(QString, message);
    QFETCH(QString, superheat);
    QFETCH(QString, subcooling);

    fill({"R22", "1", "40", "110", "0", "10", "10", "1"});
    fixture.click("Cmdcalculate");
    const QStringList previous = results();
    QCOMPARE(previous.first(), QStringLiteral("0.09"));

    fixture.session().unit = unit;
    fill(inputs);
    fixture.click("Cmdcalculate");

    QCOMPARE(fixture.services().messages.size(), size_t(1));
    const MessageRequest& box = fixture.services().messages.front();
    QCOMPARE(box.text, message);
    QCOMPARE(box.title, QStringLiteral("error"));
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(box.buttons, QMessageBox::Retry | QMessageBox::Cancel);
    for (const QString& name : kInputs) {
        QCOMPARE(fixture.background(name), name == red ? kFieldRed : kFieldWhite);
    }
    QCOMPARE(results(), previous);
    QCOMPARE(fixture.text("Txtsh"), superheat);
    QCOMPARE(fixture.text("Txtsc"), subcooling);
}

void FrmmainCalculateTest::boundaryValuesPass_data() {
    QTest::addColumn<UnitSystem>("unit");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("lineSize");
    QTest::newRow("evaporating -40 F")
        << UnitSystem::English << QStringList{"R22", "1", "-40", "110", "0", "10", "10", "1"}
        << "0.09";
    QTest::newRow("evaporating 60 F, above the tooltip range")
        << UnitSystem::English << QStringList{"R22", "1", "60", "110", "0", "10", "10", "1"}
        << "0.09";
    QTest::newRow("condensing 80 F")
        << UnitSystem::English << QStringList{"R22", "1", "40", "80", "0", "10", "10", "1"}
        << "0.08";
    QTest::newRow("condensing 25 C")
        << UnitSystem::Metric << QStringList{"R22", "3.5", "5", "25", "0", "5", "2", "1"} << "0.08";
}

// A value at its bound passes every check: nothing turns red and the design is sized.
void FrmmainCalculateTest::boundaryValuesPass() {
    QFETCH(UnitSystem, unit);
    QFETCH(QStringList, inputs);
    QFETCH(QString, lineSize);
    fixture.session().unit = unit;
    fill(inputs);
    fixture.click("Cmdcalculate");
    QVERIFY(fixture.services().messages.empty());
    for (const QString& name : kInputs) QCOMPARE(fixture.background(name), kFieldWhite);
    QCOMPARE(fixture.text("Txtlinesize"), lineSize);
    QCOMPARE(fixture.text("Lbl13"), QStringLiteral("Inch Copper Tube Inside diameter"));
}

void FrmmainCalculateTest::workedExamplesTypedIntoTheWindow_data() {
    QTest::addColumn<UnitSystem>("unit");
    QTest::addColumn<QStringList>("typed");     // capacity, evap., cond., subcool, dp, circuits
    QTest::addColumn<QStringList>("expected");  // line size, velocity, length, total, actual
    // One worked example in each unit system; the sizing's figures are the engine's tests.
    QTest::newRow("English 10 psi/ft")
        << UnitSystem::English << QStringList{"1", "40", "110", "10", "10", "1"}
        << QStringList{"0.09", "15.86", "22.1", "130", "5.9"};
    QTest::newRow("Metric 3.5 kW")
        << UnitSystem::Metric << QStringList{"3.5", "5", "45", "5", "2", "1"}
        << QStringList{"0.09", "4.91", "7137", "10", "1.4"};
}

void FrmmainCalculateTest::workedExamplesTypedIntoTheWindow() {
    QFETCH(UnitSystem, unit);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, expected);
    if (unit == UnitSystem::Metric) fixture.switchUnits(UnitSystem::Metric);
    fixture.pick("Cmbrt", "R22");
    const QStringList fields{"Txtcapacity", "Txtet", "Txtct", "Txtsc", "Cmbdpd", "Txtcircuit"};
    for (int i = 0; i < fields.size(); ++i) {
        if (fields[i] == QLatin1String("Cmbdpd")) fixture.combo("Cmbdpd")->clearEditText();
        fixture.type(fields[i], typed[i]);
        QCOMPARE(fixture.text(fields[i]), typed[i]);
    }
    fixture.click("Cmdcalculate");
    QVERIFY(fixture.services().messages.empty());
    expected << QStringLiteral("Inch Copper Tube Inside diameter");
    QCOMPARE(results(), expected);
}

void FrmmainCalculateTest::noBoreClearsTheResultsAfterTheMessage() {
    fill({"R22", "1", "40", "110", "0", "10", "10", "1"});
    fixture.click("Cmdcalculate");
    const QStringList previous = results();
    QLineEdit* velocity = fixture.edit("Txtvelocity");
    QPalette odd = velocity->palette();
    odd.setColor(QPalette::Base, Qt::yellow);
    odd.setColor(QPalette::Text, Qt::blue);
    velocity->setPalette(odd);

    QStringList shownWithTheMessage;
    fixture.services().onMessage = [&](const MessageRequest&) { shownWithTheMessage = results(); };
    fill({"R22", "10", "40", "120", "0", "10", "1", "1"});
    fixture.click("Cmdcalculate");

    QCOMPARE(fixture.services().messages.size(), size_t(1));
    QCOMPARE(fixture.services().messages.front().text, q(Mdlerror::kNoPipeSize));
    QCOMPARE(fixture.services().messages.front().title, QStringLiteral("error"));
    QCOMPARE(shownWithTheMessage, previous);
    QCOMPARE(results(), QStringList({"", "", "", "", "", ""}));
    QCOMPARE(velocity->palette().color(QPalette::Base), QColor(Qt::white));
    QCOMPARE(velocity->palette().color(QPalette::Text), QColor(Qt::black));
    for (const QString& name : kInputs) QCOMPARE(fixture.background(name), kFieldWhite);
}

void FrmmainCalculateTest::emptySuperheatAndSubcoolingBecomeZero() {
    fill({"R22", "1", "40", "110", "", "", "10", "1"});
    fixture.click("Cmdcalculate");
    QCOMPARE(fixture.text("Txtsh"), QStringLiteral("0"));
    QCOMPARE(fixture.text("Txtsc"), QStringLiteral("0"));
    QVERIFY(fixture.services().messages.empty());
    QCOMPARE(fixture.text("Txtlinesize").isEmpty(), false);
    // Superheat has no influence on any result.
    const QStringList withoutSuperheat = results();
    fixture.edit("Txtsh")->setText(QStringLiteral("25"));
    fixture.click("Cmdcalculate");
    QCOMPARE(results(), withoutSuperheat);
}

QTEST_MAIN(FrmmainCalculateTest)
#include "Frmmain_calculate_test.moc"
