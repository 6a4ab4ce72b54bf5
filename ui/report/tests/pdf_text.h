#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <optional>

namespace capillary::testing {

// Runs a poppler tool on `pdf` and returns what it printed; none when the tool is missing or
// fails. Tests skip their PDF checks when poppler-utils is not installed.
inline std::optional<QString> runPoppler(const QString& tool, QStringList arguments) {
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty()) return std::nullopt;
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The texts of a PDF as pdftotext reads them, keeping the page's layout, one line per row.
inline std::optional<QString> pdfText(const QString& pdf) {
    return runPoppler(QStringLiteral("pdftotext"),
                      {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
}

// The number of pages pdfinfo reports; 0 when it cannot tell.
inline int pdfPages(const QString& pdf) {
    const std::optional<QString> info = runPoppler(QStringLiteral("pdfinfo"), {pdf});
    if (!info) return 0;
    const QRegularExpressionMatch pages =
        QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption)
            .match(*info);
    return pages.hasMatch() ? pages.captured(1).toInt() : 0;
}

inline bool havePoppler() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty();
}

}  // namespace capillary::testing
