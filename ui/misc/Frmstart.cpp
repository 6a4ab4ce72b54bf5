#include "ui/misc/Frmstart.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>

static void registerMiscResources() { Q_INIT_RESOURCE(misc_resources); }

namespace capillary {
namespace {

constexpr QSize kClientArea{461, 416};  // 6915 x 6240 twips
constexpr std::int16_t kTicks = 4;

}  // namespace

Frmstart::Frmstart(std::function<void()> openMainWindow, std::chrono::milliseconds tick,
                   QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      openMainWindow_(std::move(openMainWindow)) {
    registerMiscResources();
    setObjectName(QStringLiteral("Frmstart"));
    setWindowTitle(QStringLiteral("Loading Program ..."));
    setFixedSize(kClientArea);
    // The picture is a few pixels larger than the window, which cuts its right and lower edge.
    auto* picture = new QLabel(this);
    picture->setPixmap(QPixmap(QStringLiteral(":/capillary/splash.png")));
    picture->move(0, 0);
    picture->adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    Timer1.setInterval(tick);
    connect(&Timer1, &QTimer::timeout, this, &Frmstart::Frmstart_Timer1_Timer);
    Frmstart_Form_Load();
}

void Frmstart::Frmstart_Form_Load() {
    start_ = kTicks;
    Timer1.start();
}

void Frmstart::Frmstart_Timer1_Timer() {
    if (--start_ > 0) return;
    openMainWindowOnce();
}

// Closed early by its close box, the splash opens the main window straight away.
void Frmstart::closeEvent(QCloseEvent* event) {
    event->accept();
    openMainWindowOnce();
}

// The main window is shown before the splash goes, so the program never stands without a
// window (which would end it).
void Frmstart::openMainWindowOnce() {
    if (mainWindowOpened_) return;
    mainWindowOpened_ = true;
    Timer1.stop();
    openMainWindow_();
    close();
}

}  // namespace capillary
