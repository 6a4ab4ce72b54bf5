#pragma once

#include <QString>

#include <string_view>

namespace capillary {

// The engine's and the project file's texts are UTF-8; the windows show them as QStrings.
inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace capillary
