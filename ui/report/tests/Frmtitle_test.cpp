#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <optional>

#include "testing/pdf_text.h"
#include "ui/main/tests/main_window_fixture.h"
#include "ui/report/Frmplot.h"
#include "ui/report/Frmtitle.h"
#include "ui/report/report_printing.h"

using namespace capillary;

Q_DECLARE_METATYPE(capillary::UnitSystem)

namespace {

const QStringList kHeadingBoxes{"Txtcustomer", "Txtproject", "Txtnote"};

QString boxText(QDialog& dialog, const QString& name) {
    if (auto* note = dialog.findChild<QPlainTextEdit*>(name)) return note->toPlainText();
    return dialog.findChild<QLineEdit*>(name)->text();
}

}  // namespace

// The report title dialog reached through the Print command, and the report it prints.
class FrmtitleTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        folder.emplace();
        fixture.open();
        // A printer that prints to a file, as when none is installed: the report asks for a
        // PDF name, which the fake file dialog answers.
        fixture.window().printer().setOutputFormat(QPrinter::PdfFormat);
    }
    void cleanup() { fixture.close(); }

    void dialogLayoutAndKeys();
    void headingIsKeptOnlyByOk_data();
    void headingIsKeptOnlyByOk();
    void headingNeverEnteredBecomesEmptyText();
    void headingFromTheSessionIsOffered();
    void sheetShowsTheWindowAsDisplayed_data();
    void sheetShowsTheWindowAsDisplayed();
    void printedReportHoldsDesignAndHeading();
    void failedPrintIsReportedAfterTheDialogCloses();
    void cancelledFileNamePrintsNothing();
    void pdfNameWithoutExtensionGetsOne();
    void printsOnAnInstalledPrinter();
    void cancelledPrintSetupKeepsThePrinter();

  private:
    // Runs the Print command; `inDialog` works the title dialog while it is open.
    void print(const std::function<void(QDialog&)>& inDialog) {
        fixture.services().onDialog = inDialog;
        fixture.find<QAction>(QStringLiteral("print"))->trigger();
        fixture.services().onDialog = nullptr;
    }
    static void typeHeading(QDialog& dialog, const QStringList& texts) {
        for (int i = 0; i < kHeadingBoxes.size(); ++i) {
            QWidget* box = dialog.findChild<QWidget*>(kHeadingBoxes[i]);
            box->setFocus(Qt::OtherFocusReason);
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(box, Qt::Key_Delete);
            const QStringList lines = texts[i].split(QLatin1Char('\n'));
            for (int line = 0; line < lines.size(); ++line) {
                if (line > 0) QTest::keyClick(box, Qt::Key_Return);
                QTest::keyClicks(box, lines[line]);
            }
        }
    }
    static void press(QDialog& dialog, const char* button) {
        QTest::mouseClick(dialog.findChild<QPushButton*>(QString::fromLatin1(button)),
                          Qt::LeftButton);
    }
    // Confirms `texts` as the heading; the report goes to a PDF in `folder`.
    void printWithHeading(const QStringList& texts, const QString& pdf) {
        fixture.services().saveAnswers.push_back(pdf);
        print([&](QDialog& dialog) {
            typeHeading(dialog, texts);
            press(dialog, "Cmd1");
        });
    }
    QStringList offeredHeading() {
        QStringList shown;
        print([&](QDialog& dialog) {
            for (const QString& name : kHeadingBoxes) shown << boxText(dialog, name);
            press(dialog, "Cmd2");
        });
        return shown;
    }
    QStringList sessionHeading() {
        const Session& s = fixture.session();
        return {s.customer.value_or(QStringLiteral("<unset>")),
                s.project.value_or(QStringLiteral("<unset>")), s.note};
    }
    void calculate(const QStringList& inputs) {  // refrigerant, capacity, et, ct, sc, dpd, circuits
        fixture.combo("Cmbrt")->setCurrentIndex(fixture.combo("Cmbrt")->findText(inputs[0]));
        fixture.edit("Txtcapacity")->setText(inputs[1]);
        fixture.edit("Txtet")->setText(inputs[2]);
        fixture.edit("Txtct")->setText(inputs[3]);
        fixture.edit("Txtsc")->setText(inputs[4]);
        fixture.combo("Cmbdpd")->setEditText(inputs[5]);
        fixture.edit("Txtcircuit")->setText(inputs[6]);
        fixture.click("Cmdcalculate");
    }

    QStringList writtenPdfs() const {
        return QDir(folder->path()).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
    }

    testing::MainWindowFixture fixture;
    std::optional<QTemporaryDir> folder;  // a fresh one for each test
};

void FrmtitleTest::dialogLayoutAndKeys() {
    print([](QDialog& dialog) {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Plot Title"));
        QVERIFY(dialog.isModal());
        QCOMPARE(dialog.size(), QSize(479, 160));  // 7185 x 2400 twips
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        QVERIFY(!(dialog.windowFlags() &
                  (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        for (const char* caption : {"Label1", "Label2", "Label3"}) {
            QVERIFY2(dialog.findChild<QLabel*>(QString::fromLatin1(caption))->font().bold(),
                     caption);
        }
        const QFont note = dialog.findChild<QPlainTextEdit*>(QStringLiteral("Txtnote"))->font();
        QCOMPARE(note.families().value(0), QStringLiteral("Tahoma"));
        QCOMPARE(note.pointSizeF(), 8.25);

        // Focus starts in the customer box and runs through the table's order.
        QTRY_COMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Txtcustomer"));
        QStringList visited;
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, QStringList({"Txtproject", "Txtnote", "Cmd1", "Cmd2", "Txtcustomer"}));

        // Neither Enter nor Escape is bound to a button.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(dialog.isVisible());
    });
    QVERIFY(fixture.services().saveRequests.empty());
    QVERIFY(!fixture.session().customer.has_value());
}

void FrmtitleTest::headingIsKeptOnlyByOk_data() {
    QTest::addColumn<QString>("ending");
    QTest::addColumn<bool>("kept");
    QTest::newRow("OK") << "Cmd1" << true;
    QTest::newRow("Cancel") << "Cmd2" << false;
    QTest::newRow("close box") << "" << false;
}

// After a first print, the dialog offers its heading again; new typing counts only with OK.
void FrmtitleTest::headingIsKeptOnlyByOk() {
    QFETCH(QString, ending);
    QFETCH(bool, kept);
    const QStringList first{"Polar Cold Stores", "Cabinet 4", "glass door\nnight blind"};
    const QStringList second{"Other customer", "Other project", "other note"};
    printWithHeading(first, folder->filePath(QStringLiteral("first.pdf")));
    QCOMPARE(sessionHeading(), first);
    QCOMPARE(offeredHeading(), first);

    fixture.services().saveAnswers.push_back(folder->filePath(QStringLiteral("second.pdf")));
    print([&](QDialog& dialog) {
        typeHeading(dialog, second);
        if (!ending.isEmpty()) press(dialog, qPrintable(ending));
    });
    QCOMPARE(sessionHeading(), kept ? second : first);
    QCOMPARE(offeredHeading(), kept ? second : first);
    QCOMPARE(writtenPdfs(),
             kept ? QStringList({"first.pdf", "second.pdf"}) : QStringList({"first.pdf"}));
}

void FrmtitleTest::headingNeverEnteredBecomesEmptyText() {
    QCOMPARE(offeredHeading(), QStringList({"", "", ""}));
    QVERIFY(!fixture.session().customer.has_value());
    QVERIFY(!fixture.session().project.has_value());
    printWithHeading({"", "", ""}, folder->filePath(QStringLiteral("empty.pdf")));
    QCOMPARE(fixture.session().customer, std::optional<QString>(QString()));
    QCOMPARE(fixture.session().project, std::optional<QString>(QString()));
    QCOMPARE(writtenPdfs(), QStringList({"empty.pdf"}));
}

// A project file puts its heading into the session; the dialog then offers it.
void FrmtitleTest::headingFromTheSessionIsOffered() {
    fixture.session().customer = QStringLiteral("From the file");
    fixture.session().project = QString();
    fixture.session().note = QStringLiteral("two\nlines");
    QCOMPARE(offeredHeading(), QStringList({"From the file", "", "two\nlines"}));
}

void FrmtitleTest::sheetShowsTheWindowAsDisplayed_data() {
    QTest::addColumn<UnitSystem>("unit");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<bool>("calculated");
    QTest::addColumn<QString>("velocityUnit");
    QTest::newRow("English, calculated")
        << UnitSystem::English << QStringList{"R22", "1", "40", "110", "10", "10", "1"} << true
        << "FPS";
    QTest::newRow("Metric, calculated")
        << UnitSystem::Metric << QStringList{"R134a", "3.5", "5", "45", "5", "2", "1"} << true
        << "m/s";
    QTest::newRow("before any calculation")
        << UnitSystem::English << QStringList{"R404A", "2", "", "120", "", "3", "2"} << false
        << "FPS";
}

void FrmtitleTest::sheetShowsTheWindowAsDisplayed() {
    QFETCH(UnitSystem, unit);
    QFETCH(QStringList, inputs);
    QFETCH(bool, calculated);
    QFETCH(QString, velocityUnit);
    if (unit == UnitSystem::Metric) fixture.switchUnits(unit);
    if (calculated) {
        calculate(inputs);
        QVERIFY(!fixture.text("Txtlinesize").isEmpty());
    } else {
        fixture.combo("Cmbrt")->setCurrentIndex(fixture.combo("Cmbrt")->findText(inputs[0]));
        fixture.edit("Txtcapacity")->setText(inputs[1]);
        fixture.edit("Txtct")->setText(inputs[3]);
        fixture.combo("Cmbdpd")->setEditText(inputs[5]);
        fixture.edit("Txtcircuit")->setText(inputs[6]);
    }
    const Frmplot sheet(reportDataFromWindow(fixture.window().controls(), fixture.session()));
    const QStringList sources{"Cmbrt",      "Txtcapacity", "Txtet",       "Txtct", "Txtsc", "Adpd",
                              "Txtcircuit", "Txtlinesize", "Txtvelocity", "Txtel", "Txttpd"};
    for (int i = 0; i < sources.size(); ++i) {
        QCOMPARE(sheet.text("T" + std::to_string(i + 1)), fixture.text(sources[i]));
    }
    QCOMPARE(sheet.text("Lbl30"), fixture.text("Lbl13"));
    QCOMPARE(sheet.text("L26"), velocityUnit);
    if (!calculated) {
        for (const char* empty : {"T6", "T8", "T9", "T10", "T11", "Lbl30"}) {
            QVERIFY2(sheet.text(empty).isEmpty(), empty);
        }
        QCOMPARE(sheet.text("T1"), QStringLiteral("R404A"));
        QCOMPARE(sheet.text("T3"), QString());
    }
    QVERIFY(sheet.text("Txtmdate").endsWith(QLatin1String("   ")));
    QVERIFY(!sheet.text("Txtdate").isEmpty());
    QVERIFY(!sheet.text("Txttime").isEmpty());
}

// The whole road: type a design, Calculate, Print, give the heading, OK: one PDF page.
void FrmtitleTest::printedReportHoldsDesignAndHeading() {
    calculate({"R22", "1", "40", "110", "10", "10", "1"});
    const QString pdf = folder->filePath(QStringLiteral("report.pdf"));
    printWithHeading({"Polar Cold Stores", "Cabinet 4", "glass door\nnight blind"}, pdf);
    QCOMPARE(fixture.services().saveRequests.size(), 1u);
    QCOMPARE(fixture.services().saveRequests[0].filter, QStringLiteral("PDF document (*.pdf)"));
    QCOMPARE(writtenPdfs(), QStringList({"report.pdf"}));
    QVERIFY(fixture.services().messages.empty());
    // The printer chosen with Print Setup is left as it was.
    QVERIFY(fixture.window().printer().outputFileName().isEmpty());
    if (!test_support::havePoppler())
        QSKIP("pdftotext and pdfinfo (poppler-utils) are not installed");
    QCOMPARE(test_support::pdfPages(pdf), 1);
    const std::optional<QString> text = test_support::pdfText(pdf);
    QVERIFY(text);
    for (const char* expected : {"Polar Cold Stores", "Cabinet 4", "glass door", "night blind",
                                 "System Capacity (tons):", "R22", "110", "0.09", "15.86", "22.1",
                                 "130", "5.9", "Inch Copper Tube Inside diameter"}) {
        QVERIFY2(text->contains(QLatin1String(expected)), expected);
    }
    const QString date =
        Frmplot(reportDataFromWindow(fixture.window().controls(), fixture.session()))
            .text("Txtmdate")
            .trimmed();
    QVERIFY(text->contains(date));
}

void FrmtitleTest::failedPrintIsReportedAfterTheDialogCloses() {
    const QString pdf = folder->filePath(QStringLiteral("no such folder/broken.pdf"));
    bool dialogOpen = true;
    fixture.services().onMessage = [&](const MessageRequest&) {
        dialogOpen = QApplication::activeModalWidget() != nullptr;
    };
    printWithHeading({"Customer", "Project", ""}, pdf);
    QCOMPARE(fixture.services().messages.size(), 1u);
    const MessageRequest& message = fixture.services().messages[0];
    QCOMPARE(message.title, QStringLiteral("error"));
    QCOMPARE(message.icon, QMessageBox::Critical);
    QCOMPARE(message.text, QStringLiteral("The report could not be written to %1: No such file or "
                                          "directory.")
                               .arg(pdf));
    QVERIFY(!dialogOpen);
    QCOMPARE(sessionHeading(), QStringList({"Customer", "Project", ""}));
}

void FrmtitleTest::cancelledFileNamePrintsNothing() {
    print([&](QDialog& dialog) {
        typeHeading(dialog, {"Customer", "", ""});
        press(dialog, "Cmd1");
    });
    QCOMPARE(fixture.services().saveRequests.size(), 1u);
    QVERIFY(writtenPdfs().isEmpty());
    QVERIFY(fixture.services().messages.empty());
    QCOMPARE(fixture.session().customer, std::optional<QString>(QStringLiteral("Customer")));
}

void FrmtitleTest::pdfNameWithoutExtensionGetsOne() {
    printWithHeading({"Customer", "", ""}, folder->filePath(QStringLiteral("cabinet")));
    QCOMPARE(fixture.services().saveRequests.at(0).defaultSuffix, QStringLiteral("pdf"));
    QCOMPARE(writtenPdfs(), QStringList({"cabinet.pdf"}));
    QVERIFY(fixture.services().messages.empty());
}

// With a printer installed the page goes to it, and a printer that fails is named.
void FrmtitleTest::printsOnAnInstalledPrinter() {
    fixture.services().installedPrinter = QStringLiteral("Office");
    calculate({"R22", "1", "40", "110", "10", "10", "1"});
    print([&](QDialog& dialog) { press(dialog, "Cmd1"); });
    QCOMPARE(fixture.services().pagesPrinted, 1);
    QVERIFY(fixture.services().saveRequests.empty());  // no file name asked
    QVERIFY(fixture.services().messages.empty());
    QVERIFY(fixture.services().lastPage.size() > 0);

    fixture.services().printSucceeds = false;
    print([&](QDialog& dialog) { press(dialog, "Cmd1"); });
    QCOMPARE(fixture.services().messages.size(), 1u);
    QCOMPARE(fixture.services().messages[0].text,
             QStringLiteral("The report could not be printed on Office."));
    QCOMPARE(fixture.services().messages[0].title, QStringLiteral("error"));
}

void FrmtitleTest::cancelledPrintSetupKeepsThePrinter() {
    QPrinter& printer = fixture.window().printer();
    const QPageLayout before = printer.pageLayout();
    fixture.services().onPrinterSetup = [](QPrinter&) { return false; };  // Cancel
    fixture.find<QAction>(QStringLiteral("Printsetup"))->trigger();
    QCOMPARE(fixture.services().printerSetups, 1);
    QVERIFY(printer.pageLayout().isEquivalentTo(before));
    QCOMPARE(printer.outputFormat(), QPrinter::PdfFormat);
    QVERIFY(fixture.services().messages.empty());
    QCOMPARE(fixture.services().pagesPrinted, 0);
}

QTEST_MAIN(FrmtitleTest)
#include "Frmtitle_test.moc"
