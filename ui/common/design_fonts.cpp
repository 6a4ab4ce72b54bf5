#include "ui/common/design_fonts.h"

namespace capillary {
namespace {

constexpr const char* kFamily = "DejaVu Sans Condensed";

QFont makeFont(double points, bool bold) {
    QFont font(QString::fromLatin1(kFamily));
    font.setPointSizeF(points);
    // Set explicitly, so that a control keeps its weight inside a frame with a bold caption.
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

}  // namespace

// DejaVu is wider than MS Sans Serif; at 7.5 pt the longest caption of the input frame still
// fits its 2295-twip label.
QFont dialogFont() { return makeFont(7.5, false); }

QFont frameCaptionFont() { return makeFont(8.25, true); }

// The line-size box is only 375 twips wide; 7.5 pt bold is the largest size at which a
// four-character bore label fits it.
QFont lineSizeFont() { return makeFont(7.5, true); }

}  // namespace capillary
