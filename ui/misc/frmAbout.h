#pragma once

#include <QDialog>

#include "ui_frmAbout.h"

class QMovie;

namespace capillary {

// The About box: the maker's artwork with an animated strip, closed by OK.
class frmAbout : public QDialog, private Ui::frmAbout {
    Q_OBJECT

  public:
    explicit frmAbout(QWidget* parent = nullptr);

    // The animation now playing, loaded afresh each time the box is shown.
    QMovie* animation() const { return animation_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void frmAbout_Form_Activate();
    void frmAbout_CmdOK_Click();

    QMovie* animation_ = nullptr;
};

}  // namespace capillary
