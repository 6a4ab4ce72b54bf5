#pragma once

#include <QDialog>

#include <memory>

#include <functional>

#include "ui/common/session.h"
#include "ui/report/Frmplot.h"
#include "ui/report/report_data.h"

class QKeyEvent;

namespace Ui {
class Frmtitle;
}

namespace capillary {

// The report title dialog: asks for the report heading, remembers it in the session, and on
// OK builds the report sheet, prints it and discards it.
class Frmtitle : public QDialog {
    Q_OBJECT

  public:
    // What the sheet is filled from, read at the moment of OK.
    using ReportSource = std::function<ReportData()>;
    // Prints the filled sheet; it reports its own outcome to whoever gave it.
    using SheetPrinter = std::function<void(const Frmplot&)>;

    Frmtitle(Session& session, ReportSource source, SheetPrinter print, QWidget* parent = nullptr);
    ~Frmtitle() override;

  protected:
    // Neither button answers the Escape key; only Cancel and the close box drop the typing.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Frmtitle_Form_Load();
    void Frmtitle_Cmd1_Click();
    void Frmtitle_Cmd2_Click();

    std::unique_ptr<Ui::Frmtitle> ui_;
    Session& session_;
    ReportSource source_;
    SheetPrinter print_;
};

}  // namespace capillary
