#pragma once

#include <string>
#include <string_view>

namespace capillary {

// Whether `bytes` is well-formed UTF-8: no overlong forms, no surrogates, nothing above
// U+10FFFF, no sequence cut short.
bool isValidUtf8(std::string_view bytes);

// Windows-1252 (Western European) text as UTF-8. The five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters of the same number.
std::string windows1252ToUtf8(std::string_view bytes);

// Text of unknown 8-bit encoding as UTF-8: kept as it is when it is valid UTF-8, otherwise read
// as Windows-1252, the code page older project files were written in.
std::string decodeUtf8OrWindows1252(std::string_view bytes);

}  // namespace capillary
