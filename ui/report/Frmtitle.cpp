#include "ui/report/Frmtitle.h"

#include "ui_Frmtitle.h"

#include <QFont>
#include <QKeyEvent>

#include <utility>

#include "ui/common/design_fonts.h"
#include "ui/common/fixed_dialog.h"

namespace capillary {
namespace {

// Captions are bold "Arial" 8.25 pt and the note box "Tahoma" 8.25 pt, mapped as the other
// windows map their fonts; Tahoma is used where it is installed.
QFont noteFont() {
    QFont font = dialogFont();
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans Condensed")});
    font.setPointSizeF(8.25);
    return font;
}

QString shown(const std::optional<QString>& remembered) {
    return remembered.has_value() ? *remembered : QString();
}

}  // namespace

Frmtitle::Frmtitle(Session& session, ReportSource source, SheetPrinter print, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::Frmtitle>()),
      session_(session),
      source_(std::move(source)),
      print_(std::move(print)) {
    ui_->setupUi(this);
    setFont(dialogFont());
    for (QLabel* caption : {ui_->Label1, ui_->Label2, ui_->Label3})
        caption->setFont(frameCaptionFont());
    ui_->Txtnote->setFont(noteFont());
    makeFixedCentredDialog(*this);
    connect(ui_->Cmd1, &QPushButton::clicked, this, &Frmtitle::Frmtitle_Cmd1_Click);
    connect(ui_->Cmd2, &QPushButton::clicked, this, &Frmtitle::Frmtitle_Cmd2_Click);
    Frmtitle_Form_Load();
    ui_->Txtcustomer->setFocus(Qt::OtherFocusReason);
}

Frmtitle::~Frmtitle() = default;

void Frmtitle::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void Frmtitle::Frmtitle_Form_Load() {
    ui_->Txtcustomer->setText(shown(session_.customer));
    ui_->Txtproject->setText(shown(session_.project));
    ui_->Txtnote->setPlainText(session_.note);
}

// The sheet is filled from the main window first and given the heading afterwards; the
// heading is remembered before printing, so it survives a print that fails.
void Frmtitle::Frmtitle_Cmd1_Click() {
    const QString customer = ui_->Txtcustomer->text();
    const QString project = ui_->Txtproject->text();
    const QString note = ui_->Txtnote->toPlainText();
    {
        Frmplot sheet(source_());
        sheet.setText("Txtcustomer", customer);
        sheet.setText("Txtproject", project);
        sheet.setText("Txtnote", note);
        session_.customer.emplace(customer);
        session_.project.emplace(project);
        session_.note = note;
        print_(sheet);
    }
    accept();
}

void Frmtitle::Frmtitle_Cmd2_Click() { reject(); }

}  // namespace capillary
