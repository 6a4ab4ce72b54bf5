#include <QApplication>
#include <QStringList>

#include <csignal>
#include <cstdio>
#include <optional>
#include <variant>

#include "app/command_line.h"
#include "app/startup.h"
#include "ui/common/design_fonts.h"
#include "ui/common/product_info.h"
#include "ui/common/session.h"
#include "ui/main/Frmmain.h"
#include "ui/misc/Frmstart.h"
#include "ui/platform/qt_platform_services.h"

namespace {

QStringList argumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName(QStringLiteral("capillary-design"));
    QCoreApplication::setApplicationVersion(capillary::kProductVersionText);
    if (capillary::answeredWithoutWindows(argumentsOf(argc, argv), stdout)) return 0;

    // A file-size limit reached while saving must fail the save, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);

    QApplication app(argc, argv);
    QApplication::setFont(capillary::dialogFont());
    const auto read = capillary::readStartupRequest(QApplication::arguments(), stderr);
    if (const int* exitCode = std::get_if<int>(&read)) return *exitCode;
    const capillary::StartupRequest& request = std::get<capillary::StartupRequest>(read);

    capillary::Session session;
    capillary::QtPlatformServices services;
    std::optional<capillary::Frmmain> window;
    auto openMainWindow = [&] {
        capillary::openMainWindowAtStart(window, session, services, request.projectFile);
    };
    std::optional<capillary::Frmstart> splash;
    if (!request.splash) {
        openMainWindow();
    } else {
        splash.emplace(openMainWindow);
        splash->show();
    }
    const int status = QApplication::exec();
    splash.reset();  // the splash may hold the main window's opener; it goes first
    return status;
}
