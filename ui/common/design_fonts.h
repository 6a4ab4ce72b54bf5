#pragma once

#include <QFont>

namespace capillary {

// The fonts of the window design, mapped onto the DejaVu fonts of this platform so that every
// caption fits its fixed box. "MS Sans Serif" 8.25 pt and "Arial" both become DejaVu Sans
// Condensed, which is the DejaVu face closest to their widths.
QFont dialogFont();        // the default dialog font, "MS Sans Serif" 8.25 pt
QFont frameCaptionFont();  // frame captions, bold "Arial" 8.25 pt
QFont lineSizeFont();      // the line-size result, bold "Arial" 9.75 pt

}  // namespace capillary
