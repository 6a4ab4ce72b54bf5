#include <QFontMetricsF>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <ctime>
#include <iterator>
#include <string_view>

#include "testing/pdf_text.h"
#include "ui/report/Frmplot.h"
#include "ui/report/report_data.h"
#include "ui/report/report_pdf.h"

using namespace capillary;

Q_DECLARE_METATYPE(capillary::UnitSystem)

namespace {

std::tm localTime(int year, int month, int day, int hour, int minute, int second) {
    std::tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = second;
    local.tm_isdst = -1;
    std::mktime(&local);  // fills in the weekday
    return local;
}

// A sized English design as the main window shows it after Calculate, printed on a Wednesday.
ReportData calculatedDesign() {
    ReportData data;
    data.refrigerant = QStringLiteral("R22");
    data.capacity = QStringLiteral("1");
    data.evaporatingTemperature = QStringLiteral("40");
    data.condensingTemperature = QStringLiteral("110");
    data.subcooling = QStringLiteral("10");
    data.pressureDrop = QStringLiteral("5.9");
    data.circuits = QStringLiteral("1");
    data.lineSize = QStringLiteral("0.09");
    data.velocity = QStringLiteral("15.86");
    data.length = QStringLiteral("22.1");
    data.totalPressureDrop = QStringLiteral("130");
    data.boreDescription = QStringLiteral("Inch Copper Tube Inside diameter");
    data.heading = {QStringLiteral("Polar Cold Stores"), QStringLiteral("Display cabinet 4"),
                    QStringLiteral("first line of the note\nsecond line\nthird line")};
    data.moment = reportMomentOf(localTime(2005, 10, 26, 14, 5, 9));
    return data;
}

}  // namespace

// The report sheet: its captions, its filling, its geometry and its PDF.
class FrmplotTest : public QObject {
    Q_OBJECT

  private slots:
    void captions_data();
    void captions();
    void fillsEveryBoxFromTheReportData();
    void elementsStayOnThePageWithoutOverlapping();
    void longestTextsFitTheirBoxes_data();
    void longestTextsFitTheirBoxes();
    void pdfHoldsOnePageWithItsTexts();
    void pdfThatCannotBeWrittenIsReported();
    void headingCutAtItsBoxEndsInAnEllipsis();
};

void FrmplotTest::captions_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("english");  // what the caption says in each unit system
    QTest::addColumn<QString>("metric");
    QTest::newRow("capacity") << "L2"
                              << "System Capacity (tons):"
                              << "System Capacity (kw):";
    QTest::newRow("evaporating") << "L3"
                                 << "Temperature (F)"
                                 << "Temperature (C)";
    QTest::newRow("condensing") << "L4"
                                << "Temperature (F)"
                                << "Temperature (C)";
    QTest::newRow("subcooling") << "L5"
                                << "Subcool (F)"
                                << "Subcool (C)";
    QTest::newRow("pressure drop") << "L6"
                                   << "(Psi / Ft)"
                                   << "(Bar / Meter)";
    QTest::newRow("velocity") << "L26"
                              << "FPS"
                              << "m/s";
    QTest::newRow("length") << "L27"
                            << "Ft"
                            << "mm";
    QTest::newRow("total pressure drop") << "L28"
                                         << "PSI"
                                         << "bar";
}

// The unit captions follow the unit system of the design, and only those change.
void FrmplotTest::captions() {
    QFETCH(QString, name);
    QFETCH(QString, english);
    QFETCH(QString, metric);
    ReportData data = calculatedDesign();
    const Frmplot englishSheet(data);
    data.unit = UnitSystem::Metric;
    const Frmplot metricSheet(data);
    QVERIFY(englishSheet.text(name.toStdString()).contains(english));
    QVERIFY(metricSheet.text(name.toStdString()).contains(metric));
    for (const Frmplot::Element& e : Frmplot::elements()) {
        if (e.kind != Frmplot::Kind::Caption || !e.caption.empty()) {
            QCOMPARE(metricSheet.text(e.name), englishSheet.text(e.name));
        }
    }
}

void FrmplotTest::fillsEveryBoxFromTheReportData() {
    const ReportData data = calculatedDesign();
    const Frmplot sheet(data);
    const QStringList values{"R22", "1",    "40",    "110",  "10", "5.9",
                             "1",   "0.09", "15.86", "22.1", "130"};
    for (int i = 0; i < values.size(); ++i) {
        QCOMPARE(sheet.text("T" + std::to_string(i + 1)), values[i]);
    }
    QCOMPARE(sheet.text("Lbl30"), QStringLiteral("Inch Copper Tube Inside diameter"));
    QCOMPARE(sheet.text("Txtmdate"), QStringLiteral("26/10/2005   "));
    QCOMPARE(sheet.text("Txtdate"), QStringLiteral("1384/8/4   wednesday"));
    QVERIFY(!sheet.text("Txttime").isEmpty());
    QCOMPARE(sheet.text("Txtcustomer"), QStringLiteral("Polar Cold Stores"));
    QCOMPARE(sheet.text("Txtproject"), QStringLiteral("Display cabinet 4"));
    QCOMPARE(sheet.text("Txtnote"), data.heading.note);
    QVERIFY(sheet.text("Text1").startsWith(QLatin1String("Tolmerk Capillary Tube Design")));
    QVERIFY(sheet.text("Text3").contains(QLatin1String("https://www.tolmerk.example")));
}

// Some boxes of the design overlap: the header strip lies over the lower edge of the header
// band, the date and time captions reach into their value boxes, and the footer's box into
// the contact line's. There the first one's text must still end before the second box.
// Nothing else may touch another element, and rules run between the rows.
void FrmplotTest::elementsStayOnThePageWithoutOverlapping() {
    struct DesignOverlap {
        std::string_view first, second;
        bool across;  // side by side, else one above the other
    };
    const DesignOverlap designOverlaps[] = {
        {"Label12", "Txtmdate", true}, {"Label13", "Txttime", true}, {"Text1", "Text3", false}};
    const QRect page(QPoint(0, 0), Frmplot::kPageTwips);
    const auto area = [](const Frmplot::Element& e) {  // a rule covers its row
        return e.kind == Frmplot::Kind::Rule ? e.twips.adjusted(0, 0, 0, 1) : e.twips;
    };
    const ReportData data = calculatedDesign();
    const Frmplot sheet(data);
    for (const Frmplot::Element& a : Frmplot::elements()) {
        QVERIFY2(page.contains(a.twips), a.name.data());
        for (const Frmplot::Element& b : Frmplot::elements()) {
            if (&a >= &b || !area(a).intersects(area(b))) continue;
            if (a.name == "Image2" && b.name == "Image3") continue;
            const auto overlap = std::find_if(
                std::begin(designOverlaps), std::end(designOverlaps),
                [&](const DesignOverlap& o) { return o.first == a.name && o.second == b.name; });
            QVERIFY2(
                overlap != std::end(designOverlaps),
                qPrintable(QStringLiteral("%1 overlaps %2").arg(a.name.data(), b.name.data())));
            const QFontMetricsF metrics(Frmplot::font(a.face));
            if (overlap->across) {
                QVERIFY(a.twips.left() + metrics.horizontalAdvance(sheet.text(a.name)) <
                        b.twips.left());
            } else {
                QVERIFY(a.twips.top() + metrics.ascent() + metrics.descent() < b.twips.top());
            }
        }
    }
}

void FrmplotTest::longestTextsFitTheirBoxes_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    const auto row = [](const char* name, const char* text) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(text);
    };
    row("Txtmdate", "30/12/2005   ");
    row("Txtdate", "1384/12/30   wednesday");
    row("Txttime", "11:59:59 PM");
    row("T1", "R404A");
    row("T2", "-40.00");
    row("T6", "999.9");
    row("T8", "0.12");
    row("T9", "123.45");
    row("T10", "12345");
    row("T11", "1234");
    row("Lbl30", "Inch Copper Tube Inside diameter");
    row("L26", "FPS");
    row("L27", "mm");
    row("L28", "PSI");
    row("Label1", "Output Data :");
    row("Label14", "Input Data :");
    row("Label3", "Customer :");
    row("Label4", "Project :");
    row("Label12", "Date :");
    row("Label13", "Time :");
}

// Cut texts would print a wrong number: every value the sheet can hold must fit whole.
void FrmplotTest::longestTextsFitTheirBoxes() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    const Frmplot::Element* e = Frmplot::element(name.toStdString());
    QVERIFY(e);
    const QFont font = Frmplot::font(e->face);
    QCOMPARE(fittingPrefix(text, font, Frmplot::textArea(*e).width()), text);
}

void FrmplotTest::pdfHoldsOnePageWithItsTexts() {
    if (!test_support::havePoppler())
        QSKIP("pdftotext and pdfinfo (poppler-utils) are not installed");
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("report.pdf"));
    ReportData data = calculatedDesign();
    data.unit = UnitSystem::Metric;
    QCOMPARE(writeReportPdf(Frmplot(data), pdf), std::nullopt);
    QCOMPARE(test_support::pdfPages(pdf), 1);
    const std::optional<QString> text = test_support::pdfText(pdf);
    QVERIFY(text);
    for (const char* expected : {"Customer :",
                                 "Polar Cold Stores",
                                 "Project :",
                                 "Display cabinet 4",
                                 "Date :",
                                 "26/10/2005",
                                 "1384/8/4",
                                 "wednesday",
                                 "Time :",
                                 "Input Data :",
                                 "Refrigerant type :",
                                 "System Capacity (kw):",
                                 "Pressure drop (Bar / Meter) :",
                                 "No of Circuit :",
                                 "R22",
                                 "Output Data :",
                                 "Line Size :",
                                 "0.09",
                                 "Inch Copper Tube Inside diameter",
                                 "Velocity :",
                                 "15.86",
                                 "m/s",
                                 "Lengths :",
                                 "22.1",
                                 "mm",
                                 "Total Pressure Drop",
                                 "130",
                                 "bar",
                                 "Tolmerk Capillary Tube Design",
                                 "https://www.tolmerk.example"}) {
        QVERIFY2(text->contains(QLatin1String(expected)), expected);
    }
    // The note keeps its line breaks: each of its lines on a row of its own, in order.
    const QStringList rows = text->split(QLatin1Char('\n'));
    int previous = -1;
    for (const char* noteLine : {"first line of the note", "second line", "third line"}) {
        int found = -1;
        for (int i = 0; i < rows.size(); ++i) {
            if (rows[i].contains(QLatin1String(noteLine))) found = i;
        }
        QVERIFY2(found > previous, noteLine);
        previous = found;
    }
    // The leaders are cut at their boxes, so a row holds its caption and value apart.
    for (const QString& row : rows) {
        if (row.contains(QLatin1String("Refrigerant type :"))) {
            QVERIFY(row.contains(QLatin1String("R22")));
        }
    }
}

void FrmplotTest::pdfThatCannotBeWrittenIsReported() {
    QTemporaryDir folder;
    const std::optional<QString> failure = writeReportPdf(
        Frmplot(calculatedDesign()), folder.filePath(QStringLiteral("missing/folder/report.pdf")));
    QCOMPARE(failure, std::optional<QString>(QStringLiteral("No such file or directory")));
}

// A customer or note longer than its box shows where it was cut.
void FrmplotTest::headingCutAtItsBoxEndsInAnEllipsis() {
    if (!test_support::havePoppler())
        QSKIP("pdftotext and pdfinfo (poppler-utils) are not installed");
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("long.pdf"));
    ReportData data = calculatedDesign();
    data.heading.customer = QStringLiteral("Polar Cold Stores ").repeated(12) + "lastword";
    data.heading.note = QStringLiteral("one\ntwo\nthree\nfour\nfive\nsixth line");
    QCOMPARE(writeReportPdf(Frmplot(data), pdf), std::nullopt);
    const std::optional<QString> text = test_support::pdfText(pdf);
    QVERIFY(text);
    const QString ellipsis(QChar(0x2026));
    QVERIFY(text->contains(QStringLiteral("Polar Cold Stores Polar")));
    QVERIFY(!text->contains(QStringLiteral("lastword")));
    QVERIFY2(text->contains(QStringLiteral("three") + ellipsis), qPrintable(*text));
    QVERIFY(!text->contains(QStringLiteral("four")));
    QCOMPARE(text->count(ellipsis), 2);
}

QTEST_MAIN(FrmplotTest)
#include "Frmplot_test.moc"
