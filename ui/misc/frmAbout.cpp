#include "ui/misc/frmAbout.h"

#include "ui_frmAbout.h"

#include <QLabel>
#include <QMovie>
#include <QPixmap>

#include "ui/common/fixed_dialog.h"
#include "ui/common/logo_movie.h"
#include "ui/common/product_info.h"

// Resources of a static library must be registered by name, outside any namespace.
static void registerMiscResources() { Q_INIT_RESOURCE(misc_resources); }

namespace capillary {
namespace {

constexpr const char* kAnimationFile = "About.gif";  // looked up in the current folder

// The version is text on the artwork, so that it cannot fall behind the program's own.
void showVersion(QLabel& label) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    label.setFont(font);
    QPalette grey = label.palette();
    grey.setColor(QPalette::WindowText, QColor(0x5a, 0x64, 0x70));
    label.setPalette(grey);
    label.setText(QStringLiteral("Version ") + kProductVersionText);
}

}  // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent), ui_(std::make_unique<Ui::frmAbout>()) {
    registerMiscResources();
    ui_->setupUi(this);
    makeFixedCentredDialog(*this);
    QPalette white = ui_->Picture1->palette();
    white.setColor(QPalette::Window, Qt::white);
    ui_->Picture1->setPalette(white);
    ui_->Picture1->setPixmap(QPixmap(QStringLiteral(":/capillary/about.png")));
    showVersion(*ui_->LblVersion);
    connect(ui_->CmdOK, &QPushButton::clicked, this, &frmAbout::frmAbout_CmdOK_Click);
}

frmAbout::~frmAbout() = default;

// A modal box is activated when it is shown.
void frmAbout::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    frmAbout_Form_Activate();
}

void frmAbout::frmAbout_Form_Activate() {
    if (animation_) animation_->deleteLater();
    animation_ = loadLogoMovie(QString::fromLatin1(kAnimationFile),
                               QStringLiteral(":/capillary/About.gif"), this);
    ui_->AnimatedGif2->setMovie(animation_);
    animation_->start();
}

void frmAbout::frmAbout_CmdOK_Click() { accept(); }

}  // namespace capillary
