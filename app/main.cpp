#include <QApplication>
#include <QCommandLineParser>
#include <QStringList>

#include <cstdio>

#include "ui/main/Frmmain.h"
#include "ui/main/design_fonts.h"
#include "ui/platform/qt_platform_services.h"
#include "ui/session.h"

namespace {

void describeOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("Sizes the capillary tube of a small refrigeration circuit."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(QCommandLineOption(QStringLiteral("no-splash"),
                                        QStringLiteral("Open the main window directly.")));
}

// --help and --version must answer even where no display is available, so they are looked
// for before the window system starts.
bool answeredWithoutWindows(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    describeOptions(parser);
    parser.parse(arguments);
    if (parser.isSet(QStringLiteral("help"))) {
        // Without an application object the parser cannot name the program itself.
        QString help = parser.helpText();
        help.replace(QStringLiteral("<executable_name>"), QCoreApplication::applicationName());
        std::fputs(qPrintable(help), stdout);
        return true;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
        return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName(QStringLiteral("capillary-design"));
    QCoreApplication::setApplicationVersion(QStringLiteral(CAPILLARY_VERSION));
    if (answeredWithoutWindows(argc, argv)) return 0;

    QApplication app(argc, argv);
    QApplication::setFont(capillary::dialogFont());
    QCommandLineParser parser;
    describeOptions(parser);
    parser.process(app);  // rejects unknown options; --no-splash is accepted, there is no splash

    capillary::Session session;
    capillary::QtPlatformServices services;
    capillary::Frmmain window(session, services);
    window.show();
    return QApplication::exec();
}
