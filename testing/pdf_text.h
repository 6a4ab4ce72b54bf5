#pragma once

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#ifdef QT_CORE_LIB
#include <QString>
#endif

namespace capillary::test_support {

// Whether poppler-utils' pdftotext and pdfinfo are installed; tests that read PDFs back skip
// without them.
inline bool havePoppler() {
    return std::system("command -v pdftotext >/dev/null && command -v pdfinfo >/dev/null") == 0;
}

// What a command prints on standard output; none when it fails.
inline std::optional<std::string> commandOutput(const std::string& command) {
    std::FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return std::nullopt;
    std::string out;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.append(buffer, n);
    return pclose(pipe) == 0 ? std::optional(out) : std::nullopt;
}

inline std::string shellQuoted(const std::string& path) {
    std::string quoted = "'";
    for (char c : path) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// The texts of a PDF as pdftotext reads them, keeping the page's layout, one line per row.
inline std::optional<std::string> pdfText(const std::string& pdf) {
    return commandOutput("pdftotext -layout " + shellQuoted(pdf) + " - 2>/dev/null");
}

// The number of pages pdfinfo reports; 0 when it cannot tell.
inline int pdfPages(const std::string& pdf) {
    const std::optional<std::string> info =
        commandOutput("pdfinfo " + shellQuoted(pdf) + " 2>/dev/null");
    if (!info) return 0;
    const std::size_t at = info->find("Pages:");
    return at == std::string::npos ? 0 : std::atoi(info->c_str() + at + 6);
}

#ifdef QT_CORE_LIB
// The same for tests that hold their paths and texts as QStrings.
inline std::optional<QString> pdfText(const QString& pdf) {
    const std::optional<std::string> text = pdfText(pdf.toStdString());
    return text ? std::optional(QString::fromStdString(*text)) : std::nullopt;
}
inline int pdfPages(const QString& pdf) { return pdfPages(pdf.toStdString()); }
#endif

}  // namespace capillary::test_support
