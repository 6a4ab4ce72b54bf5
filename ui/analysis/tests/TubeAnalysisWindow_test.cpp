#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QScatterSeries>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "ui/analysis/TubeAnalysisWindow.h"
#include "ui/analysis/analysis_charts.h"
#include "ui/analysis/analysis_tables.h"
#include "ui/main/tests/main_window_fixture.h"

using namespace capillary;

namespace {

// The first worked design, or another as given: capacity, evaporating, condensing, subcooling,
// pressure drop, circuits.
const QStringList kFirstExample{"1", "40", "110", "10", "10", "1"};

QString cell(const QTableWidget* table, int row, int column) {
    return table->item(row, column)->text();
}

}  // namespace

// The tube analysis window, opened from the Analysis menu of the main window.
class TubeAnalysisWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        folder.emplace();
        fixture.open();
    }
    void cleanup() { fixture.close(); }

    void analysisMenuOpensTheWindow();
    void oneWindowFollowsEachCalculate();
    void keepsTheUnitsItWasCalculatedIn();
    void nothingStaleAfterADesignWithoutABore();
    void tableHoldsTheSizersFigures();
    void designWithoutABoreStillShowsItsBores();
    void pickingABoreShowsTheFlowAlongIt();
    void chokeIsMarkedWhenTheFlowChokes();
    void exportWritesTheVisibleTableAndChart();

  private:
    void calculate(const QStringList& typed, UnitSystem unit = UnitSystem::English) {
        if (unit != fixture.session().unit) fixture.switchUnits(unit);
        fixture.combo("Cmbrt")->setCurrentIndex(fixture.combo("Cmbrt")->findText("R22"));
        const QStringList fields{"Txtcapacity", "Txtet", "Txtct", "Txtsc", "Cmbdpd", "Txtcircuit"};
        for (int i = 0; i < fields.size(); ++i) {
            if (fields[i] == QLatin1String("Cmbdpd")) {
                fixture.combo("Cmbdpd")->setEditText(typed[i]);
            } else {
                fixture.edit(fields[i])->setText(typed[i]);
            }
        }
        fixture.services().messages.clear();
        fixture.click("Cmdcalculate");
    }
    TubeAnalysisWindow* openAnalysis() {
        QTest::keyClick(&fixture.window(), Qt::Key_T, Qt::ControlModifier);
        return fixture.window().findChild<TubeAnalysisWindow*>();
    }
    template <typename Child>
    static Child* part(TubeAnalysisWindow* window, const char* name) {
        auto* child = window->findChild<Child*>(QString::fromLatin1(name));
        if (!child) qFatal("no %s in the analysis window", name);
        return child;
    }

    testing::MainWindowFixture fixture;
    std::optional<QTemporaryDir> folder;
};

// The main window's layout test checks the menu item, its caption and shortcut.
void TubeAnalysisWindowTest::analysisMenuOpensTheWindow() {
    fixture.find<QAction>("Tubeanalysis")->trigger();
    auto* analysis = fixture.window().findChild<TubeAnalysisWindow*>();
    QVERIFY(analysis->isVisible());
    // Asked for again while minimised, it comes back.
    analysis->showMinimized();
    fixture.find<QAction>("Tubeanalysis")->trigger();
    QVERIFY(!analysis->isMinimized());
}

void TubeAnalysisWindowTest::oneWindowFollowsEachCalculate() {
    TubeAnalysisWindow* analysis = openAnalysis();
    QVERIFY(analysis && analysis->isVisible());
    QCOMPARE(analysis->windowTitle(), QStringLiteral("Tube analysis"));
    QVERIFY(part<QLabel>(analysis, "Summary")->text().startsWith("Press Calculate"));
    QVERIFY(!part<QTabWidget>(analysis, "Tabs")->isEnabled());

    calculate(kFirstExample);
    QVERIFY(part<QLabel>(analysis, "Summary")->text().endsWith("line size 0.09 in."));
    const auto* bores = part<QTableWidget>(analysis, "BoreTable");
    QCOMPARE(bores->rowCount(), 14);
    // The chosen bore's row is marked, and only it.
    for (int row = 0; row < 14; ++row) {
        QCOMPARE(bores->item(row, 0)->data(kChosenRole).toBool(), row == 7);
        QCOMPARE(bores->item(row, 0)->font().bold(), row == 7);
    }
    QCOMPARE(cell(bores, 7, 6), QStringLiteral("yes, line size"));

    calculate({"1", "40", "110", "10", "10", "2"});
    QVERIFY(part<QLabel>(analysis, "Summary")->text().endsWith("line size 0.07 in."));
    QCOMPARE(openAnalysis(), analysis);  // a second Ctrl+T brings the same window forward
    QCOMPARE(fixture.window().findChildren<TubeAnalysisWindow*>().size(), 1);
    QVERIFY(fixture.services().messages.empty());
}

// The window shows a design in the units of its Calculate, whatever the main window shows since.
void TubeAnalysisWindowTest::keepsTheUnitsItWasCalculatedIn() {
    TubeAnalysisWindow* analysis = openAnalysis();
    calculate({"3.5", "5", "45", "5", "2", "1"}, UnitSystem::Metric);
    fixture.switchUnits(UnitSystem::English);
    const auto heading = [&](const char* table, int column) {
        return part<QTableWidget>(analysis, table)->horizontalHeaderItem(column)->text();
    };
    QCOMPARE(heading("BoreTable", 3), QStringLiteral("Length\n(mm)"));
    QCOMPARE(heading("StepTable", 1), QStringLiteral("Pressure\n(bar)"));
    QCOMPARE(heading("StepTable", 5), QStringLiteral("Length from the inlet\n(m)"));
    QVERIFY(part<QLabel>(analysis, "Summary")->text().contains("evaporating 5.0 C"));
    QStringList axes;
    for (QAbstractAxis* axis : part<QChartView>(analysis, "PressureChart")->chart()->axes()) {
        axes << axis->titleText();
    }
    QVERIFY2(axes.join('|').contains("(m)") && axes.join('|').contains("(bar)"),
             qPrintable(axes.join('|')));
}

// A design without a bore leaves nothing of the one before it; the next one brings all back.
void TubeAnalysisWindowTest::nothingStaleAfterADesignWithoutABore() {
    TubeAnalysisWindow* analysis = openAnalysis();
    const auto chosenMarks = [&] {
        int marks = 0;
        for (QAbstractSeries* s : part<QChartView>(analysis, "BoreChart")->chart()->series()) {
            marks += s->objectName() == QLatin1String(kChosenBoreSeries);
        }
        return marks;
    };
    calculate(kFirstExample);
    auto* bores = part<QTableWidget>(analysis, "BoreTable");
    bores->setCurrentCell(9, 0);
    QCOMPARE(analysis->profileBore(), std::optional<int>(10));
    QCOMPARE(chosenMarks(), 1);

    calculate({"10", "40", "120", "10", "1", "1"});
    QCOMPARE(analysis->profileBore(), std::optional<int>(14));
    QCOMPARE(part<QTableWidget>(analysis, "OpinionTable")->rowCount(), 0);
    QVERIFY(part<QLabel>(analysis, "OpinionHint")->text().startsWith("No standard bore"));
    QCOMPARE(chosenMarks(), 0);
    for (int row = 0; row < 14; ++row) QVERIFY(!bores->item(row, 0)->data(kChosenRole).toBool());

    calculate(kFirstExample);
    QCOMPARE(analysis->profileBore(), std::optional<int>(8));
    QCOMPARE(part<QTableWidget>(analysis, "OpinionTable")->rowCount(), 3);
    QCOMPARE(chosenMarks(), 1);
}

// The window and capillary-size --bores show the same figures for the same design.
void TubeAnalysisWindowTest::tableHoldsTheSizersFigures() {
    calculate({"3.5", "5", "45", "5", "2", "1"}, UnitSystem::Metric);
    TubeAnalysisWindow* analysis = openAnalysis();
    QProcess sizer;
    sizer.start(
        QStringLiteral(CAPILLARY_SIZE_PATH),
        {"--units", "si", "--refrigerant", "R22", "--capacity", "3.5", "--evaporating", "5",
         "--condensing", "45", "--subcooling", "5", "--max-dp", "2", "--circuits", "1", "--bores"});
    QVERIFY(sizer.waitForFinished(20000));
    const QStringList lines = QString::fromUtf8(sizer.readAllStandardOutput()).split('\n');
    const auto* bores = part<QTableWidget>(analysis, "BoreTable");
    QCOMPARE(bores->horizontalHeaderItem(3)->text(), QStringLiteral("Length\n(mm)"));
    for (int row = 0; row < 14; ++row) {
        const QString label = cell(bores, row, 0);
        const auto line = std::find_if(lines.begin(), lines.end(),
                                       [&](const QString& l) { return l.startsWith(label + ' '); });
        QVERIFY2(line != lines.end(), qPrintable(label));
        const QStringList cli = line->simplified().split(' ');
        QCOMPARE(cell(bores, row, 2), cli[1]);  // velocity
        QCOMPARE(cell(bores, row, 3), cli[2]);  // length
        QCOMPARE(cell(bores, row, 5), cli[3]);  // gradient
        QCOMPARE(cell(bores, row, 6).startsWith("yes"), cli[4] == QLatin1String("yes"));
    }
}

void TubeAnalysisWindowTest::designWithoutABoreStillShowsItsBores() {
    TubeAnalysisWindow* analysis = openAnalysis();
    calculate({"10", "40", "120", "10", "1", "1"});
    QCOMPARE(fixture.services().messages.size(), size_t(1));  // the main window's own message
    QVERIFY(
        part<QLabel>(analysis, "Summary")->text().endsWith("no standard bore meets the limit."));
    const auto* bores = part<QTableWidget>(analysis, "BoreTable");
    QCOMPARE(bores->rowCount(), 14);
    QCOMPARE(cell(bores, 13, 6), QStringLiteral("no"));
    QCOMPARE(analysis->profileBore(), std::optional<int>(14));
}

void TubeAnalysisWindowTest::pickingABoreShowsTheFlowAlongIt() {
    calculate(kFirstExample);
    TubeAnalysisWindow* analysis = openAnalysis();  // opened after the Calculate: it shows it too
    QCOMPARE(analysis->profileBore(), std::optional<int>(8));
    auto* bores = part<QTableWidget>(analysis, "BoreTable");
    const QRect tenth = bores->visualItemRect(bores->item(9, 0));
    QTest::mouseClick(bores->viewport(), Qt::LeftButton, {}, tenth.center());
    QCOMPARE(analysis->profileBore(), std::optional<int>(10));
    QVERIFY(part<QLabel>(analysis, "ProfileTitle")->text().contains("picked 0.12 in bore"));
    QTest::keyClick(bores, Qt::Key_Down);  // the keyboard picks a bore as the mouse does
    QCOMPARE(analysis->profileBore(), std::optional<int>(11));
    const auto* steps = part<QTableWidget>(analysis, "StepTable");
    QVERIFY(steps->rowCount() > 50);  // 1 °F steps from 100 °F down to 40 °F
    QCOMPARE(steps->horizontalHeaderItem(0)->text(), QStringLiteral("Temperature\n(F)"));
    QCOMPARE(cell(steps, steps->rowCount() - 1, 0), QStringLiteral("40.00"));
}

void TubeAnalysisWindowTest::chokeIsMarkedWhenTheFlowChokes() {
    TubeAnalysisWindow* analysis = openAnalysis();
    const auto chokeMarks = [&] {
        int marks = 0;
        for (const char* chart : {"PressureChart", "QualityChart"}) {
            for (QAbstractSeries* s : part<QChartView>(analysis, chart)->chart()->series()) {
                marks += s->objectName() == QLatin1String(kChokeSeries);
            }
        }
        return marks;
    };
    calculate(kFirstExample);  // not choked at 40 °F
    QCOMPARE(chokeMarks(), 0);
    calculate({"1", "0", "110", "10", "10", "1"});  // chokes before the 0 °F evaporator
    QCOMPARE(chokeMarks(), 2);
    QVERIFY(part<QLabel>(analysis, "ProfileTitle")->text().contains("chokes"));
    QVERIFY(cell(part<QTableWidget>(analysis, "OpinionTable"), 1, 2).startsWith("yes, at"));
}

void TubeAnalysisWindowTest::exportWritesTheVisibleTableAndChart() {
    calculate(kFirstExample);
    TubeAnalysisWindow* analysis = openAnalysis();
    auto* bores = part<QTableWidget>(analysis, "BoreTable");
    bores->setFocus();
    QTest::keyClick(bores, Qt::Key_C, Qt::ControlModifier);
    const QString copied = QApplication::clipboard()->text();
    QVERIFY(copied.startsWith("Bore (in)\tBore (mm)\tVelocity (FPS)"));
    QVERIFY(copied.contains("0.09\t2.29\t15.86\t22.1\t130\t5.9\tyes, line size\n"));

    const auto savedTable = [&](const QString& name) {
        fixture.services().saveAnswers.push_back(folder->filePath(name));
        analysis->saveVisibleTable();
        QFile table(folder->filePath(name + ".csv"));
        return table.open(QIODevice::ReadOnly) ? QString::fromUtf8(table.readAll()) : QString();
    };
    const QString boreCsv = savedTable("bores");
    QVERIFY(boreCsv.startsWith("Bore (in),Bore (mm),Velocity (FPS),"));
    QVERIFY(boreCsv.contains("\n0.09,2.29,15.86,22.1,130,5.9,\"yes, line size\"\n"));

    part<QTabWidget>(analysis, "Tabs")->setCurrentIndex(1);
    const QStringList steps = savedTable("steps").split('\n');
    QVERIFY(steps[0].startsWith("Temperature (F),Pressure (psia),Quality,"));
    QVERIFY(steps[1].startsWith("100.00,240.148,0.00000,"));  // the inlet, as --profile has it
    fixture.services().saveAnswers.push_back(folder->filePath("along.svg"));
    fixture.services().saveAnswers.push_back(folder->filePath("along"));
    analysis->saveVisibleChart();
    analysis->saveVisibleChart();
    QFile svg(folder->filePath("along.svg"));
    QVERIFY(svg.open(QIODevice::ReadOnly) && svg.readAll().contains("<svg"));
    QFile png(folder->filePath("along.png"));
    QVERIFY(png.open(QIODevice::ReadOnly) && png.read(8) == QByteArray("\x89PNG\r\n\x1a\n", 8));
    QVERIFY(fixture.services().messages.empty());

    // A failed save is reported, as the main window reports its own; so is a chart asked for
    // under a name that is no picture.
    fixture.services().saveAnswers.push_back(folder->filePath("no such folder/x.csv"));
    analysis->saveVisibleTable();
    fixture.services().saveAnswers.push_back(folder->filePath("along.csv"));
    analysis->saveVisibleChart();
    QCOMPARE(fixture.services().messages.size(), size_t(2));
    QVERIFY(fixture.services().messages[0].text.startsWith("Cannot save x.csv: "));
    QCOMPARE(fixture.services().messages[1].text,
             QStringLiteral("Cannot save along.csv: .csv is not a picture format; save the "
                            "chart as .png or .svg."));
    QVERIFY(!QFile::exists(folder->filePath("along.csv")));
}

QTEST_MAIN(TubeAnalysisWindowTest)
#include "TubeAnalysisWindow_test.moc"
