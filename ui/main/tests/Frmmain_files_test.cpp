#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

#include <csignal>

#include "testing/golden_projects.h"
#include "ui/main/tests/main_window_fixture.h"

using namespace capillary;

namespace {

// The project file of a design typed into a fresh English window, and a Metric design as a
// Metric window saves it, with a heading and a two-line note: the golden project files.
const QByteArray kFreshEnglishFile =
    QByteArray::fromStdString(test_support::goldenProject("english.cqz"));
const QByteArray kMetricFile = QByteArray::fromStdString(test_support::goldenProject("metric.cqz"));

const QStringList kShownControls{"Cmbrt",  "Txtcapacity", "Txtet",       "Txtct", "Txtsh",  "Txtsc",
                                 "Cmbdpd", "Txtcircuit",  "Lbl2",        "Lbl3",  "Lbl4",   "Lbl5",
                                 "Lbl6",   "Lbl7",        "Lbl9",        "Lbl15", "Lbl17",  "Lbl19",
                                 "Label2", "Txtlinesize", "Txtvelocity", "Txtel", "Txttpd", "Adpd",
                                 "Lbl13"};

}  // namespace

// Saving the design to project files and opening them again, from the File menu.
class FrmmainFilesTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        QVERIFY(folder.isValid());
        fixture.open();
    }
    void cleanup() { fixture.close(); }

    void savesTheLayoutOfAFreshWindowByteForByte();
    void roundTripsEnglishAndMetricDesigns_data();
    void roundTripsEnglishAndMetricDesigns();
    void metricFileSwitchesAnEnglishWindow();
    void pressureDropShowsRoundedToTheFilesSystem_data();
    void pressureDropShowsRoundedToTheFilesSystem();
    void shortFilesAndEmptyFieldsOpen();
    void cancellingEitherDialogChangesNothing();
    void refusedFilesLeaveTheWindowAsItWas_data();
    void refusedFilesLeaveTheWindowAsItWas();
    void failedSaveKeepsTheOldFileAndSaysWhy_data();
    void failedSaveKeepsTheOldFileAndSaysWhy();
    void shortcutsAndHelpMenu();

  private:
    QString path(const QString& name) const { return folder.filePath(name); }
    QString write(const QString& name, const QByteArray& bytes) {
        QFile file(path(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(name));
        return file.fileName();
    }
    static QByteArray read(const QString& fileName) {
        QFile file(fileName);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void typeFirstDesign() {
        fixture.pick("Cmbrt", "R22");
        fixture.type("Txtcapacity", "5");
        fixture.type("Txtet", "40");
        fixture.type("Txtct", "110");
        fixture.type("Txtsc", "10");
        fixture.pick("Cmbdpd", "5");
        fixture.type("Txtcircuit", "1");
    }
    void saveAs(const QString& fileName) {
        fixture.services().saveAnswers.push_back(fileName);
        fixture.find<QAction>("save")->trigger();
    }
    void openFile(const QString& fileName) {
        fixture.services().openAnswers.push_back(fileName);
        fixture.find<QAction>("open")->trigger();
    }
    // Everything the window shows of a design: texts, captions, list, tooltips, colours.
    QStringList snapshot() {
        QStringList shown;
        for (const QString& name : kShownControls) shown << name + "=" + fixture.text(name);
        QComboBox* list = fixture.combo("Cmbdpd");
        for (int i = 0; i < list->count(); ++i) shown << list->itemText(i);
        for (const char* name : {"Txtcapacity", "Txtet", "Txtct", "Txtsh", "Txtsc"})
            shown << fixture.edit(name)->toolTip();
        for (const char* name : {"Cmbrt", "Txtet", "Cmbdpd"})
            shown << fixture.background(name).name();
        shown << QString::number(int(fixture.session().unit));
        return shown;
    }

    QTemporaryDir folder;
    testing::MainWindowFixture fixture;
};

void FrmmainFilesTest::savesTheLayoutOfAFreshWindowByteForByte() {
    typeFirstDesign();
    saveAs(path("design.cqz"));
    QCOMPARE(read(path("design.cqz")), kFreshEnglishFile);
    const FileDialogRequest& asked = fixture.services().saveRequests.at(0);
    QCOMPARE(asked.filter, QStringLiteral("tolmerk capillary tube design(*.cqz)"));
    QCOMPARE(asked.startName, QString());
    // The next dialog starts at the file of the last save; the name is used as chosen.
    saveAs(path("no extension"));
    QCOMPARE(fixture.services().saveRequests.at(1).startName, path("design.cqz"));
    QCOMPARE(read(path("no extension")), kFreshEnglishFile);
    QVERIFY(fixture.services().messages.empty());
}

void FrmmainFilesTest::roundTripsEnglishAndMetricDesigns_data() {
    QTest::addColumn<bool>("metric");
    QTest::newRow("English") << false;
    QTest::newRow("Metric") << true;
}

// A design saved, the program started afresh and the file opened shows the same design,
// with its results cleared.
void FrmmainFilesTest::roundTripsEnglishAndMetricDesigns() {
    QFETCH(bool, metric);
    typeFirstDesign();
    if (metric) fixture.switchUnits(UnitSystem::Metric);
    fixture.edit("Txtsh")->setText("7");
    fixture.session().customer = QStringLiteral("Cold Store Ltd");
    fixture.session().note = QStringLiteral("two\nlines");
    // Opening relabels the window in the file's system, which settles the unit captions
    // ("Psi " of a fresh window becomes "Psi"); from then on a design round-trips exactly.
    saveAs(path("first.cqz"));
    openFile(path("first.cqz"));
    const QStringList before = snapshot();
    saveAs(path("trip.cqz"));
    fixture.click("Cmdcalculate");
    QVERIFY(!fixture.text("Txtlinesize").isEmpty());
    const QByteArray saved = read(path("trip.cqz"));

    fixture.open();  // a fresh run
    openFile(path("trip.cqz"));
    QVERIFY(fixture.services().messages.empty());
    QCOMPARE(snapshot(), before);
    QCOMPARE(fixture.session().customer, std::optional<QString>(QStringLiteral("Cold Store Ltd")));
    QCOMPARE(fixture.session().project, std::optional<QString>());
    QCOMPARE(fixture.session().note, QStringLiteral("two\nlines"));
    saveAs(path("again.cqz"));
    QCOMPARE(read(path("again.cqz")), saved);
}

void FrmmainFilesTest::metricFileSwitchesAnEnglishWindow() {
    fixture.click("Cmdcalculate");  // marks Cmbrt red
    openFile(write("metric.cqz", kMetricFile));
    QVERIFY(fixture.services().messages.size() == 1);  // only the Calculate message
    QCOMPARE(fixture.session().unit, UnitSystem::Metric);
    QCOMPARE(fixture.session().history, UnitSystem::Metric);
    QCOMPARE(fixture.text("Cmbrt"), QStringLiteral("R22"));
    QCOMPARE(fixture.background("Cmbrt"), kFieldWhite);
    QCOMPARE(fixture.text("Txtcapacity"), QStringLiteral("3.5"));
    QCOMPARE(fixture.text("Txtet"), QStringLiteral("5"));
    QCOMPARE(fixture.text("Txtsh"), QStringLiteral("3"));
    QCOMPARE(fixture.text("Cmbdpd"), QStringLiteral("2"));  // 2.004 rounded to two decimals
    QCOMPARE(fixture.text("Lbl2"), QStringLiteral("System Capacity (kw) :"));
    QCOMPARE(fixture.text("Lbl15"), QStringLiteral("bar"));
    QCOMPARE(fixture.text("Lbl17"), QStringLiteral("m/s"));
    QCOMPARE(fixture.text("Lbl19"), QStringLiteral("mm "));
    QCOMPARE(fixture.text("Label2"), QStringLiteral("Bar / Meter"));
    QCOMPARE(fixture.combo("Cmbdpd")->itemText(0), QStringLiteral("0.05"));
    QCOMPARE(fixture.edit("Txtcapacity")->toolTip(), QStringLiteral("Valid Range Is 1 to 35 KW"));
    QCOMPARE(fixture.session().note, QStringLiteral("line one\nline \"two\""));
    QCOMPARE(fixture.session().project, std::optional<QString>(QString()));

    // The units dialog now opens with Metric chosen.
    bool metricChosen = false;
    fixture.services().onDialog = [&](QDialog& dialog) {
        metricChosen = dialog.findChild<QRadioButton*>("metric")->isChecked();
    };
    fixture.find<QAction>("units")->trigger();
    QVERIFY(metricChosen);
}

void FrmmainFilesTest::pressureDropShowsRoundedToTheFilesSystem_data() {
    QTest::addColumn<QByteArray>("saved");
    QTest::addColumn<QByteArray>("unit");
    QTest::addColumn<QString>("shown");
    QTest::newRow("Metric 0.5") << QByteArray("0.5") << QByteArray("1") << "0.5";
    QTest::newRow("Metric 0.123") << QByteArray("0.123") << QByteArray("1") << "0.12";
    QTest::newRow("English 4.27") << QByteArray("4.27") << QByteArray("0") << "4.3";
    QTest::newRow("English 100") << QByteArray("100") << QByteArray("0") << "100";
}

void FrmmainFilesTest::pressureDropShowsRoundedToTheFilesSystem() {
    QFETCH(QByteArray, saved);
    QFETCH(QByteArray, unit);
    QFETCH(QString, shown);
    QByteArray file = kFreshEnglishFile;
    file.replace("\"5\"\r\n\"1\"\r\n\r\n", "\"" + saved + "\"\r\n\"1\"\r\n\r\n");
    file.replace("0\r\n0\r\n", "0\r\n" + unit + "\r\n");
    openFile(write("pd.cqz", file));
    QCOMPARE(fixture.text("Cmbdpd"), shown);
}

void FrmmainFilesTest::shortFilesAndEmptyFieldsOpen() {
    fixture.switchUnits(UnitSystem::Metric);
    // 22 lines: the missing unit system reads as English.
    QByteArray shortFile = kFreshEnglishFile;
    shortFile.chop(3);
    openFile(write("short.cqz", shortFile));
    QCOMPARE(fixture.session().unit, UnitSystem::English);
    QCOMPARE(fixture.text("Lbl2"), QStringLiteral("System Capacity (tons) :"));
    // Texts longer than a field lets the user type open whole: the limit is on typing.
    QByteArray longTexts = kFreshEnglishFile;
    longTexts.replace("\"40\"", "\"40.0000\"");
    openFile(write("long.cqz", longTexts));
    QCOMPARE(fixture.text("Txtet"), QStringLiteral("40.0000"));
    // Eight lines: the inputs only; the captions stay as they are.
    const QByteArray inputsOnly = kFreshEnglishFile.left(kFreshEnglishFile.indexOf("\r\n\r\n"));
    openFile(write("inputs.cqz", inputsOnly));
    QCOMPARE(fixture.text("Lbl9"), QStringLiteral("No of Circuit :"));
    QCOMPARE(fixture.text("Lbl19"), QStringLiteral("Ft "));
    QCOMPARE(fixture.text("Txtcircuit"), QStringLiteral("1"));

    // Saved with no refrigerant and no pressure drop: both open empty, the rest applies.
    fixture.pick("Cmbrt", "R22");
    QByteArray empty = kFreshEnglishFile;
    empty.replace("\"R22\"", "\"\"").replace("\"5\"\r\n\"1\"\r\n\r\n", "\"\"\r\n\"1\"\r\n\r\n");
    openFile(write("empty.cqz", empty));
    QVERIFY(fixture.services().messages.empty());
    QCOMPARE(fixture.combo("Cmbrt")->currentIndex(), -1);
    QCOMPARE(fixture.text("Cmbdpd"), QString());
    QCOMPARE(fixture.text("Txtcapacity"), QStringLiteral("5"));
    saveAs(path("empty again.cqz"));
    empty.replace("\"Psi \"", "\"Psi\"").replace("\"Ft\"", "\"Ft \"");  // relabelled
    QCOMPARE(read(path("empty again.cqz")), empty);
}

void FrmmainFilesTest::cancellingEitherDialogChangesNothing() {
    typeFirstDesign();
    saveAs(write("kept.cqz", kMetricFile));
    openFile(path("kept.cqz"));
    const QStringList before = snapshot();
    const QByteArray file = read(path("kept.cqz"));
    fixture.find<QAction>("open")->trigger();  // no answer queued: cancelled
    fixture.find<QAction>("save")->trigger();
    QCOMPARE(snapshot(), before);
    QCOMPARE(read(path("kept.cqz")), file);
    QCOMPARE(fixture.services().openRequests.back().startName, path("kept.cqz"));
    QCOMPARE(fixture.services().saveRequests.back().startName, path("kept.cqz"));
    QVERIFY(fixture.services().messages.empty());
}

void FrmmainFilesTest::refusedFilesLeaveTheWindowAsItWas_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QByteArray notNumeric = kMetricFile;
    notNumeric.replace("\"2.004\"", "\"fast\"");
    QByteArray badUnit = kMetricFile;
    badUnit.replace("1\r\n1\r\n", "1\r\nSI\r\n");
    QTest::newRow("unknown refrigerant")
        << QByteArray("\"R12\"\r\n\"5\"\r\n")
        << "Cannot open bad.cqz: line 1 names no known refrigerant (\"R12\").";
    QTest::newRow("pressure drop not a number")
        << notNumeric << "Cannot open bad.cqz: line 7 is not a number (\"fast\").";
    QTest::newRow("unit not a whole number")
        << badUnit << "Cannot open bad.cqz: line 23 is not a whole number (\"SI\").";
    QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0", 10)
                            << "Cannot open bad.cqz: the file holds binary data.";
}

void FrmmainFilesTest::refusedFilesLeaveTheWindowAsItWas() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    typeFirstDesign();
    fixture.click("Cmdcalculate");
    const QStringList before = snapshot();
    openFile(write("bad.cqz", bytes));
    QCOMPARE(snapshot(), before);
    QCOMPARE(fixture.services().messages.size(), size_t(1));
    const MessageRequest& shown = fixture.services().messages.back();
    QCOMPARE(shown.title, QStringLiteral("error"));
    QCOMPARE(shown.icon, QMessageBox::Critical);
    QCOMPARE(shown.text, message);
}

void FrmmainFilesTest::failedSaveKeepsTheOldFileAndSaysWhy_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("sizeLimit");
    QTest::newRow("missing folder") << "no such folder/design.cqz" << false;
    QTest::newRow("through a file") << "old.cqz/design.cqz" << false;
    QTest::newRow("file size limit") << "old.cqz" << true;
}

// As root no permission stops a write, so the failures are made of paths and size limits.
void FrmmainFilesTest::failedSaveKeepsTheOldFileAndSaysWhy() {
    QFETCH(QString, target);
    QFETCH(bool, sizeLimit);
    const QString old = write("old.cqz", kMetricFile);
    typeFirstDesign();
    rlimit previous{};
    if (sizeLimit) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous);
        rlimit small = previous;
        small.rlim_cur = 100;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    saveAs(path(target));
    if (sizeLimit) setrlimit(RLIMIT_FSIZE, &previous);
    QCOMPARE(read(old), kMetricFile);
    QCOMPARE(fixture.services().messages.size(), size_t(1));
    const QString text = fixture.services().messages.back().text;
    QVERIFY2(text.startsWith(QStringLiteral("Cannot save %1: ").arg(QFileInfo(target).fileName())),
             qPrintable(text));
    QCOMPARE(fixture.services().messages.back().title, QStringLiteral("error"));
    if (sizeLimit) QVERIFY2(text.endsWith(QStringLiteral("File too large.")), qPrintable(text));
}

void FrmmainFilesTest::shortcutsAndHelpMenu() {
    QWidget* focus = fixture.edit("Txtcapacity");
    focus->setFocus();
    QTest::keyClick(focus, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(fixture.services().openRequests.size(), size_t(1));
    QTest::keyClick(focus, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(fixture.services().saveRequests.size(), size_t(1));

    fixture.find<QAction>("Printsetup")->trigger();
    QCOMPARE(fixture.services().printerSetups, 1);
    fixture.find<QAction>("web")->trigger();
    QCOMPARE(fixture.services().openedAddresses.at(0), QUrl("https://www.tolmerk.example"));
    QString aboutTitle;
    fixture.services().onDialog = [&](QDialog& dialog) { aboutTitle = dialog.windowTitle(); };
    fixture.find<QAction>("About")->trigger();
    QCOMPARE(aboutTitle, QStringLiteral("About Tolmerk"));
}

QTEST_MAIN(FrmmainFilesTest)
#include "Frmmain_files_test.moc"
