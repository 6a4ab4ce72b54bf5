#include "ui/report/Frmplot.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QRectF>
#include <QStringList>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>
#include <array>

#include "ui/common/product_info.h"
#include "ui/common/qt_text.h"

// Resources of a static library must be registered by name, outside any namespace.
static void registerReportArt() { Q_INIT_RESOURCE(report_art); }

namespace capillary {
namespace {

using Kind = Frmplot::Kind;
using Face = Frmplot::Face;

// The sheet's design. Unit-dependent captions are set when the sheet is filled; the value
// boxes are filled from the report data.
// clang-format off
constexpr std::array<Frmplot::Element, 47> kElements{{
    {"Image2", Kind::Picture, {720, 0, 9390, 915}, Face::Default, ":/report/header.png", 0},
    {"Image3", Kind::Picture, {645, 750, 9750, 810}, Face::Default, ":/report/strip.png", 0},
    {"Label3", Kind::Caption, {240, 1800, 975, 255}, Face::Bold, "Customer :", 0},
    {"Txtcustomer", Kind::Value, {1320, 1800, 5775, 255}, Face::Default, "", 0},
    {"Label4", Kind::Caption, {360, 2160, 735, 255}, Face::Bold, "Project :", 0},
    {"Txtproject", Kind::Value, {1320, 2160, 5775, 255}, Face::Default, "", 0},
    {"Label5", Kind::Caption, {600, 2520, 615, 255}, Face::Bold, "Note :", 0},
    {"Txtnote", Kind::MultiLineValue, {1320, 2520, 7335, 735}, Face::Note, "", 0},
    {"Label12", Kind::Caption, {9000, 1800, 615, 255}, Face::Default, "Date :", 0},
    {"Txtmdate", Kind::Value, {9480, 1800, 1215, 285}, Face::Default, "", 0},
    {"Txtdate", Kind::Value, {9000, 2160, 1815, 285}, Face::Default, "", 0},
    {"Label13", Kind::Caption, {9000, 2520, 615, 255}, Face::Default, "Time :", 0},
    {"Txttime", Kind::Value, {9480, 2520, 1215, 285}, Face::Default, "", 0},
    {"Line4", Kind::Rule, {120, 3360, 10560, 0}, Face::Default, "", 0},

    {"Label14", Kind::Caption, {600, 3600, 1695, 255}, Face::SectionHeading, "Input Data :", 0},
    {"L1", Kind::Caption, {1920, 4080, 6720, 255}, Face::Default, "Refrigerant type : ", 120},
    {"T1", Kind::Value, {8880, 4080, 975, 285}, Face::Default, "", 0},
    {"L2", Kind::Caption, {1920, 4440, 6720, 255}, Face::Default, "", 0},
    {"T2", Kind::Value, {8880, 4440, 975, 285}, Face::Default, "", 0},
    {"L3", Kind::Caption, {1920, 4800, 6720, 255}, Face::Default, "", 0},
    {"T3", Kind::Value, {8880, 4800, 975, 285}, Face::Default, "", 0},
    {"L4", Kind::Caption, {1920, 5160, 6720, 255}, Face::Default, "", 0},
    {"T4", Kind::Value, {8880, 5160, 975, 285}, Face::Default, "", 0},
    {"L5", Kind::Caption, {1920, 5520, 6720, 255}, Face::Default, "", 0},
    {"T5", Kind::Value, {8880, 5520, 975, 285}, Face::Default, "", 0},
    {"L6", Kind::Caption, {1920, 5880, 6720, 255}, Face::Default, "", 0},
    {"T6", Kind::Value, {8880, 5880, 975, 285}, Face::Default, "", 0},
    {"L7", Kind::Caption, {1920, 6240, 6720, 255}, Face::Default, "No of Circuit :  ", 125},
    {"T7", Kind::Value, {8880, 6240, 975, 285}, Face::Default, "", 0},
    {"Line2", Kind::Rule, {120, 6720, 10560, 0}, Face::Default, "", 0},

    {"Label1", Kind::Caption, {600, 7080, 1695, 255}, Face::SectionHeading, "Output Data :", 0},
    {"L8", Kind::Caption, {1920, 7680, 4680, 255}, Face::Bold, "Line Size :  ", 82},
    {"T8", Kind::Value, {6720, 7680, 495, 285}, Face::Bold, "", 0},
    {"Lbl30", Kind::Caption, {7320, 7680, 2535, 255}, Face::Default, "", 0},
    {"L9", Kind::Caption, {1920, 8160, 6720, 255}, Face::Bold, "Velocity :  ", 129},
    {"T9", Kind::Value, {8880, 8160, 585, 285}, Face::Bold, "", 0},
    {"L26", Kind::Caption, {9600, 8160, 480, 255}, Face::Bold, "", 0},
    {"L10", Kind::Caption, {1920, 8640, 6720, 255}, Face::Bold, "Lengths :  ", 129},
    {"T10", Kind::Value, {8880, 8640, 615, 285}, Face::Bold, "", 0},
    {"L27", Kind::Caption, {9600, 8640, 480, 255}, Face::Bold, "", 0},
    {"L11", Kind::Caption, {1920, 9120, 6720, 255}, Face::Bold, "Total Pressure Drop  :  ", 106},
    {"T11", Kind::Value, {8880, 9120, 585, 285}, Face::Bold, "", 0},
    {"L28", Kind::Caption, {9600, 9120, 360, 255}, Face::Bold, "", 0},
    {"Line3", Kind::Rule, {120, 9720, 10560, 0}, Face::Default, "", 0},

    {"Image1", Kind::Picture, {1320, 9840, 8355, 5805}, Face::Default, ":/report/circuit.png", 0},
    {"Text1", Kind::Caption, {120, 15720, 6255, 285}, Face::Default, "", 0},
    {"Text3", Kind::Caption, {120, 15960, 6735, 195}, Face::Default, "", 0},
}};
// clang-format on

// The captions that follow the unit system: the text before the leader and its full stops.
struct UnitCaption {
    std::string_view name;
    std::string_view english;
    int englishStops;
    std::string_view metric;
    int metricStops;
};

constexpr std::array<UnitCaption, 8> kUnitCaptions{{
    {"L2", "System Capacity (tons):  ", 108, "System Capacity (kw):  ", 110},
    {"L3", "Evaporating Temperature (F) :  ", 99, "Evaporating Temperature (C) :  ", 99},
    {"L4", "Condensing Temperature (F) :  ", 99, "Condensing Temperature (C) :  ", 99},
    {"L5", "Subcool (F) :  ", 126, "Subcool (C) :  ", 126},
    {"L6", "Pressure drop (Psi / Ft) :  ", 107, "Pressure drop (Bar / Meter) :  ", 100},
    {"L26", "FPS", 0, "m/s", 0},
    {"L27", "Ft", 0, "mm", 0},
    {"L28", "PSI", 0, "bar", 0},
}};

// The maker's numbers, as the contact line at the foot of the page gives them.
constexpr const char* kTelephone = "+1-555-0142";
constexpr const char* kFax = "+1-555-0143";

// Inner margin of a value box, and the frame and rule strokes: one pixel at 96 dpi.
constexpr double kBoxPadding = 20.0;
constexpr double kStroke = 15.0;
constexpr QColor kBoxFrame{150, 150, 150};

QString withLeader(std::string_view text, int fullStops) {
    return toQString(text) + QString(fullStops, QLatin1Char('.'));
}

constexpr std::size_t kElementCount = kElements.size();
static_assert(kElements.back().name == "Text3", "every element of the sheet is listed");

void drawLine(QPainter& painter, const QFont& font, const QString& line, const QRectF& box,
              bool centredVertically) {
    const QFontMetricsF metrics(font);
    const double top = centredVertically
                           ? box.top() + (box.height() - metrics.ascent() - metrics.descent()) / 2
                           : box.top();
    painter.setFont(font);
    painter.drawText(QPointF(box.left(), top + metrics.ascent()), line);
}

// A value too long for its box ends in "…" where it is cut, so the cut shows.
QString elided(const QString& text, const QFont& font, double width) {
    return QFontMetricsF(font).elidedText(text, Qt::ElideRight, width);
}

// The note as the lines it wraps into at `width`, keeping its own line breaks.
QStringList wrappedLines(const QString& text, const QFont& font, double width) {
    QString note = text;
    note.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    note.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    QStringList lines;
    for (const QString& paragraph : note.split(QLatin1Char('\n'))) {
        if (paragraph.isEmpty()) {
            lines << QString();
            continue;
        }
        QTextLayout layout(paragraph, font);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            QString wrapped = paragraph.mid(line.textStart(), line.textLength());
            while (wrapped.endsWith(QLatin1Char(' '))) wrapped.chop(1);  // where it wrapped
            lines << wrapped;
        }
        layout.endLayout();
    }
    return lines;
}

// Lays the note out in lines that fit the box; when more lines follow than the box holds, the
// last one shown ends in "…" rather than the rest being dropped without a mark.
void drawNote(QPainter& painter, const QFont& font, const QString& text, const QRectF& box) {
    const QStringList lines = wrappedLines(text, font, box.width());
    const QFontMetricsF metrics(font);
    const auto fitting = static_cast<qsizetype>((box.height() + 0.5) / metrics.lineSpacing());
    const qsizetype shown = std::min(lines.size(), fitting);
    for (qsizetype i = 0; i < shown; ++i) {
        QString line = lines[i];
        if (i == shown - 1 && shown < lines.size()) {
            line = elided(line + QChar(0x2026), font, box.width());  // more lines follow
        }
        const QRectF row(box.left(), box.top() + i * metrics.lineSpacing(), box.width(),
                         metrics.lineSpacing());
        drawLine(painter, font, line, row, false);
    }
}

}  // namespace

std::span<const Frmplot::Element> Frmplot::elements() { return kElements; }

const Frmplot::Element* Frmplot::element(std::string_view name) {
    for (const Element& e : elements()) {
        if (e.name == name) return &e;
    }
    return nullptr;
}

// The fonts of the design mapped onto this platform's DejaVu faces, as for the windows:
// "MS Sans Serif" 8.25 pt and bold "Arial" 8.25 pt become DejaVu Sans Condensed 7.5 pt, the
// section headings keep their 12 pt, and the note's "Tahoma" is used where it is installed. Sizes
// are in twips (20 per point), without hinting, so that the page scales evenly to any printer.
QFont Frmplot::font(Face face) {
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans Condensed")});
    font.setHintingPreference(QFont::PreferNoHinting);
    // Without shaping no ligatures are formed, so "fi" stays two letters in the PDF's text.
    font.setStyleStrategy(QFont::PreferNoShaping);
    switch (face) {
        case Face::Default:
            font.setPixelSize(150);
            break;
        case Face::Bold:
            // At 8.25 pt a two-decimal velocity of three digits would not fit its box.
            font.setPixelSize(150);
            font.setWeight(QFont::Bold);
            break;
        case Face::SectionHeading:
            font.setPixelSize(240);
            font.setWeight(QFont::Bold);
            font.setItalic(true);
            break;
        case Face::Note:
            font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans Condensed")});
            font.setPixelSize(165);
            break;
    }
    return font;
}

Frmplot::Frmplot(const ReportData& data) : texts_(kElementCount) {
    registerReportArt();
    for (std::size_t i = 0; i < kElementCount; ++i) {
        const Element& e = kElements[i];
        if (e.kind == Kind::Caption) texts_[i] = withLeader(e.caption, e.fullStops);
    }
    setText("Text1", kProductTitleText + QStringLiteral("  version ") + kProductVersionText);
    setText("Text3", QStringLiteral("Tel: %1   Fax: %2   %3")
                         .arg(QLatin1String(kTelephone), QLatin1String(kFax), kMakerWebsite));
    Frmplot_Form_Load(data);
    // The heading comes last, as the title dialog writes it into a sheet already filled.
    setText("Txtcustomer", data.heading.customer);
    setText("Txtproject", data.heading.project);
    setText("Txtnote", data.heading.note);
}

void Frmplot::Frmplot_Form_Load(const ReportData& data) {
    setText("Txtmdate", data.moment.gregorianDate);
    setText("Txtdate", data.moment.solarHijriDate);
    setText("Txttime", data.moment.timeOfDay);
    const bool metric = data.unit == UnitSystem::Metric;
    for (const UnitCaption& caption : kUnitCaptions) {
        setText(caption.name, metric ? withLeader(caption.metric, caption.metricStops)
                                     : withLeader(caption.english, caption.englishStops));
    }
    setText("T1", data.refrigerant);
    setText("T2", data.capacity);
    setText("T3", data.evaporatingTemperature);
    setText("T4", data.condensingTemperature);
    setText("T5", data.subcooling);
    setText("T6", data.pressureDrop);
    setText("T7", data.circuits);
    setText("T8", data.lineSize);
    setText("T9", data.velocity);
    setText("T10", data.length);
    setText("T11", data.totalPressureDrop);
    setText("Lbl30", data.boreDescription);
}

// A name the sheet does not have is a mistake in the program, never something to pass over.
std::size_t Frmplot::indexOf(std::string_view name) {
    const Element* e = element(name);
    if (!e) qFatal("the report sheet has no element %.*s", int(name.size()), name.data());
    return static_cast<std::size_t>(e - kElements.data());
}

QString Frmplot::text(std::string_view name) const { return texts_[indexOf(name)]; }

void Frmplot::setText(std::string_view name, const QString& text) { texts_[indexOf(name)] = text; }

void Frmplot::paint(QPainter& painter, const QRectF& target) const {
    const double scale =
        std::min(target.width() / kPageTwips.width(), target.height() / kPageTwips.height());
    painter.save();
    painter.translate(target.left() + (target.width() - kPageTwips.width() * scale) / 2,
                      target.top());
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // Line art stays sharp: a PDF would otherwise hold the pictures as JPEG.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    for (std::size_t i = 0; i < kElementCount; ++i) {
        const Element& e = kElements[i];
        const QRectF box(e.twips);
        const QString& text = texts_[i];
        switch (e.kind) {
            case Kind::Caption:
                // Full-stop leaders are meant to run to the box's end and stop there.
                painter.setPen(Qt::black);
                drawLine(painter, font(e.face), fittingPrefix(text, font(e.face), box.width()), box,
                         false);
                break;
            case Kind::Value:
            case Kind::MultiLineValue: {
                painter.setPen(QPen(kBoxFrame, kStroke));
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(box);
                painter.setPen(Qt::black);
                const QRectF inner = textArea(e);
                if (e.kind == Kind::Value) {
                    drawLine(painter, font(e.face), elided(text, font(e.face), inner.width()),
                             inner, true);
                } else {
                    drawNote(painter, font(e.face), text, inner);
                }
                break;
            }
            case Kind::Rule:
                painter.setPen(QPen(Qt::black, kStroke));
                painter.drawLine(box.topLeft(), box.topRight());
                break;
            case Kind::Picture: {
                const QImage picture(toQString(e.caption));
                if (!picture.isNull()) painter.drawImage(box, picture);
                break;
            }
        }
    }
    painter.restore();
}

QRectF Frmplot::textArea(const Element& element) {
    const QRectF box(element.twips);
    if (element.kind != Kind::Value && element.kind != Kind::MultiLineValue) return box;
    return box.adjusted(kBoxPadding, kBoxPadding, -kBoxPadding, -kBoxPadding);
}

QString fittingPrefix(const QString& text, const QFont& font, double width) {
    const QFontMetricsF metrics(font);
    qsizetype length = text.size();
    while (length > 0 && metrics.horizontalAdvance(text.left(length)) > width) --length;
    return text.left(length);
}

}  // namespace capillary
