#include <QApplication>
#include <QCommandLineParser>
#include <QStringList>

#include <csignal>
#include <cstdio>
#include <optional>

#include "ui/common/design_fonts.h"
#include "ui/common/product_info.h"
#include "ui/common/session.h"
#include "ui/main/Frmmain.h"
#include "ui/misc/Frmstart.h"
#include "ui/platform/qt_platform_services.h"

namespace {

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
    QCoreApplication::setApplicationVersion(capillary::kProductVersionText);
    if (answeredWithoutWindows(argc, argv)) return 0;

    // A file-size limit reached while saving must fail the save, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);

    QApplication app(argc, argv);
    QApplication::setFont(capillary::dialogFont());
    QCommandLineParser parser;
    describeOptions(parser);
    parser.process(app);  // rejects unknown options
    if (parser.positionalArguments().size() > 1) {
        std::fputs("capillary-design: give at most one project file\n", stderr);
        return 64;
    }
    const QString projectFile = parser.positionalArguments().value(0);

    capillary::Session session;
    capillary::QtPlatformServices services;
    std::optional<capillary::Frmmain> window;
    auto openMainWindow = [&] {
        window.emplace(session, services);
        window->show();
        // Opened as the Open command would, so a double-click on a saved design works.
        if (!projectFile.isEmpty()) window->openProjectFile(projectFile);
    };
    std::optional<capillary::Frmstart> splash;
    if (parser.isSet(QStringLiteral("no-splash"))) {
        openMainWindow();
    } else {
        splash.emplace(openMainWindow);
        splash->show();
    }
    const int status = QApplication::exec();
    splash.reset();  // the splash may hold the main window's opener; it goes first
    return status;
}
