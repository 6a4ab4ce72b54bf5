#include "ui/report/Frmtitle.h"

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
    : QDialog(parent), session_(session), source_(std::move(source)), print_(std::move(print)) {
    setupUi(this);
    setFont(dialogFont());
    for (QLabel* caption : {Label1, Label2, Label3}) caption->setFont(frameCaptionFont());
    Txtnote->setFont(noteFont());
    makeFixedCentredDialog(*this);
    connect(Cmd1, &QPushButton::clicked, this, &Frmtitle::Frmtitle_Cmd1_Click);
    connect(Cmd2, &QPushButton::clicked, this, &Frmtitle::Frmtitle_Cmd2_Click);
    Frmtitle_Form_Load();
    Txtcustomer->setFocus(Qt::OtherFocusReason);
}

void Frmtitle::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void Frmtitle::Frmtitle_Form_Load() {
    Txtcustomer->setText(shown(session_.customer));
    Txtproject->setText(shown(session_.project));
    Txtnote->setPlainText(session_.note);
}

// The sheet is filled from the main window first and given the heading afterwards; the
// heading is remembered before printing, so it survives a print that fails.
void Frmtitle::Frmtitle_Cmd1_Click() {
    const QString customer = Txtcustomer->text();
    const QString project = Txtproject->text();
    const QString note = Txtnote->toPlainText();
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
