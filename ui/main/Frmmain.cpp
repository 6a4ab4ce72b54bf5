#include "ui/main/Frmmain.h"

#include "ui_Frmmain.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QMenuBar>
#include <QMovie>
#include <QPrinter>
#include <QRegularExpressionValidator>
#include <QScreen>

#include <initializer_list>

#include "engine/field_entry_checks.h"
#include "ui/common/design_fonts.h"
#include "ui/common/field_background.h"
#include "ui/common/logo_movie.h"
#include "ui/common/product_info.h"
#include "ui/platform/platform_services.h"

// Resources of a static library must be registered by name, outside any namespace.
static void registerFrmmainResources() { Q_INIT_RESOURCE(frmmain_resources); }

namespace capillary {
namespace {

constexpr const char* kLogoFile = "tolmerk.gif";
constexpr const char* kBuiltInLogo = ":/capillary/tolmerk.gif";
constexpr QColor kFrameCaptionBlue{0, 0, 192};

QIcon designIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/capillary/icon-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

}  // namespace

Frmmain::Frmmain(Session& session, PlatformServices& services, QWidget* parent)
    : QMainWindow(parent),
      ui_(std::make_unique<Ui::Frmmain>()),
      session_(session),
      services_(services) {
    registerFrmmainResources();
    ui_->setupUi(this);
    setWindowTitle(kProductTitleText);
    setWindowIcon(designIcon());
    applyDesignLooks();
    collectControls();
    connect(ui_->Cmdcalculate, &QPushButton::clicked, this, &Frmmain::Frmmain_Cmdcalculate_Click);
    connect(ui_->Cmdclose, &QPushButton::clicked, this, &Frmmain::Frmmain_Cmdclose_Click);
    connectFieldChecks();
    connectMenus();

    // The form gives the client area's size; the menu bar comes on top of it.
    const QSize clientArea = size();
    resize(clientArea.width(), clientArea.height() + menuBar()->sizeHint().height());
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    Frmmain_Form_Load();
}

// Fonts and colours that a form file cannot express: point sizes with fractions, and frame
// captions whose colour and weight must not pass to the controls inside.
void Frmmain::applyDesignLooks() {
    setFont(dialogFont());
    for (QGroupBox* frame : {ui_->Frame1, ui_->Frame2}) {
        frame->setFont(frameCaptionFont());
        QPalette captionPalette = frame->palette();
        captionPalette.setColor(QPalette::WindowText, kFrameCaptionBlue);
        frame->setPalette(captionPalette);
        const QPalette normal = palette();
        for (QWidget* control : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            control->setFont(dialogFont());
            QPalette controlPalette = control->palette();
            controlPalette.setColor(QPalette::WindowText, normal.color(QPalette::WindowText));
            control->setPalette(controlPalette);
        }
    }
    ui_->Txtlinesize->setFont(lineSizeFont());
    // The line-size box is narrow; its text uses the margins too.
    ui_->Txtlinesize->setTextMargins(-2, 0, -2, 0);
    QPalette lineSize = ui_->Txtlinesize->palette();
    lineSize.setColor(QPalette::Base, palette().color(QPalette::Button));
    ui_->Txtlinesize->setPalette(lineSize);
    const std::initializer_list<QWidget*> whiteFields{
        ui_->Cmbrt,  ui_->Txtcapacity, ui_->Txtet,       ui_->Txtct, ui_->Txtsh,  ui_->Txtsc,
        ui_->Cmbdpd, ui_->Txtcircuit,  ui_->Txtvelocity, ui_->Txtel, ui_->Txttpd, ui_->Adpd};
    for (QWidget* field : whiteFields) setFieldBackground(field, kFieldWhite);

    // The six-character limit is on typing only: a text put in by a project file or a unit
    // switch must never be cut short, which a maximum length would do.
    const QRegularExpression withinLimit(QStringLiteral("^.{0,%1}$").arg(kEntryTextLimit),
                                         QRegularExpression::DotMatchesEverythingOption);
    for (QLineEdit* field :
         {ui_->Txtcapacity, ui_->Txtet, ui_->Txtct, ui_->Txtsh, ui_->Txtsc, ui_->Txtcircuit}) {
        field->setValidator(new QRegularExpressionValidator(withinLimit, field));
    }
}

void Frmmain::collectControls() {
    controls_ = FrmmainControls{
        .Cmbrt = ui_->Cmbrt,
        .Txtcapacity = ui_->Txtcapacity,
        .Txtet = ui_->Txtet,
        .Txtct = ui_->Txtct,
        .Txtsh = ui_->Txtsh,
        .Txtsc = ui_->Txtsc,
        .Cmbdpd = ui_->Cmbdpd,
        .Txtcircuit = ui_->Txtcircuit,
        .Lbl1 = ui_->Lbl1,
        .Lbl2 = ui_->Lbl2,
        .Lbl3 = ui_->Lbl3,
        .Lbl4 = ui_->Lbl4,
        .Lbl5 = ui_->Lbl5,
        .Lbl6 = ui_->Lbl6,
        .Lbl7 = ui_->Lbl7,
        .Lbl9 = ui_->Lbl9,
        .Txtlinesize = ui_->Txtlinesize,
        .Lbl13 = ui_->Lbl13,
        .Txtvelocity = ui_->Txtvelocity,
        .Lbl17 = ui_->Lbl17,
        .Txtel = ui_->Txtel,
        .Lbl19 = ui_->Lbl19,
        .Txttpd = ui_->Txttpd,
        .Lbl15 = ui_->Lbl15,
        .Adpd = ui_->Adpd,
        .Label2 = ui_->Label2,
    };
}

// The controls outlive this class's part of the destruction; they must not call back into it.
Frmmain::~Frmmain() {
    for (QObject* child : findChildren<QObject*>()) {
        child->disconnect(this);
        child->removeEventFilter(this);
    }
}

void Frmmain::Frmmain_Form_Load() {
    logo_ = loadLogoMovie(QString::fromLatin1(kLogoFile), QString::fromLatin1(kBuiltInLogo), this);
    ui_->AnimatedGif1->setMovie(logo_);
    logo_->start();
}

void Frmmain::Frmmain_Cmdclose_Click() { services_.endProgram(); }

// Closing the window by its close box ends the program and is never refused.
void Frmmain::closeEvent(QCloseEvent* event) {
    event->accept();
    services_.endProgram();
}

}  // namespace capillary
