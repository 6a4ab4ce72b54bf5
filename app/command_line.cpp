#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace capillary {
namespace {

constexpr int kUsage = 64;

void describeOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("Sizes the capillary tube of a small refrigeration circuit."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(QCommandLineOption(QStringLiteral("no-splash"),
                                        QStringLiteral("Open the main window directly.")));
    parser.addPositionalArgument(QStringLiteral("FILE.cqz"),
                                 QStringLiteral("A project file to open at start."),
                                 QStringLiteral("[FILE.cqz]"));
}

}  // namespace

bool answeredWithoutWindows(const QStringList& arguments, std::FILE* out) {
    QCommandLineParser parser;
    describeOptions(parser);
    parser.parse(arguments);
    if (parser.isSet(QStringLiteral("help"))) {
        // Without an application object the parser cannot name the program itself.
        QString help = parser.helpText();
        help.replace(QStringLiteral("<executable_name>"), QCoreApplication::applicationName());
        std::fputs(qPrintable(help), out);
        return true;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::fprintf(out, "%s %s\n", qPrintable(QCoreApplication::applicationName()),
                     qPrintable(QCoreApplication::applicationVersion()));
        return true;
    }
    return false;
}

std::variant<StartupRequest, int> readStartupRequest(const QStringList& arguments, std::FILE* err) {
    QCommandLineParser parser;
    describeOptions(parser);
    if (!parser.parse(arguments)) {
        std::fprintf(err, "capillary-design: %s\n", qPrintable(parser.errorText()));
        return kUsage;
    }
    if (parser.positionalArguments().size() > 1) {
        std::fputs("capillary-design: give at most one project file\n", err);
        return kUsage;
    }
    return StartupRequest{!parser.isSet(QStringLiteral("no-splash")),
                          parser.positionalArguments().value(0)};
}

}  // namespace capillary
