#pragma once

#include <QRect>
#include <QRectF>
#include <QSize>
#include <QString>

#include <span>
#include <string_view>
#include <vector>

#include "ui/report/report_data.h"

class QFont;
class QPainter;

namespace capillary {

// The report sheet: one page of captions, value boxes, rules and pictures at fixed places,
// filled from plain report data and painted as vector text onto a printer or a PDF. It is
// never shown on screen.
class Frmplot {
  public:
    enum class Kind { Caption, Value, MultiLineValue, Rule, Picture };
    enum class Face { Default, Bold, SectionHeading, Note };

    // One element of the sheet. Geometry is in twips (1/1440 inch) from the page's top-left
    // corner; a rule runs along the top edge of its rectangle.
    struct Element {
        std::string_view name;
        Kind kind;
        QRect twips;
        Face face;
        std::string_view caption;  // the fixed caption, or the picture's resource path
        int fullStops;             // how many full stops follow the fixed caption
    };

    // The page in twips: 7.51 x 11.26 inches.
    static constexpr QSize kPageTwips{10815, 16215};

    static std::span<const Element> elements();
    static const Element* element(std::string_view name);

    // The font an element is drawn in, sized in twips.
    static QFont font(Face face);
    // Where an element's text goes, in twips: a value box keeps a margin inside its frame.
    static QRectF textArea(const Element& element);

    // Creating the sheet fills it completely, as Frmplot_Form_Load does.
    explicit Frmplot(const ReportData& data);

    // The text of a named element; a name the sheet does not have ends the program.
    QString text(std::string_view name) const;
    void setText(std::string_view name, const QString& text);

    // Paints the page into `target` (device coordinates of `painter`), scaled to fit with its
    // proportions kept, centred across and from the top.
    void paint(QPainter& painter, const QRectF& target) const;

  private:
    static std::size_t indexOf(std::string_view name);
    void Frmplot_Form_Load(const ReportData& data);

    std::vector<QString> texts_;  // one per element, in the order of elements()
};

// The single line of `text` that fits `width` twips in `font`: the longest prefix that does,
// so that full-stop leaders end before the value box beside them.
QString fittingPrefix(const QString& text, const QFont& font, double width);

}  // namespace capillary
