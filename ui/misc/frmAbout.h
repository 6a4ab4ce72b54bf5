#pragma once

#include <QDialog>

#include <memory>

class QMovie;

namespace Ui {
class frmAbout;
}

namespace capillary {

// The About box: the maker's artwork with an animated strip, closed by OK.
class frmAbout : public QDialog {
    Q_OBJECT

  public:
    explicit frmAbout(QWidget* parent = nullptr);
    ~frmAbout() override;

    // The animation now playing, loaded afresh each time the box is shown.
    QMovie* animation() const { return animation_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void frmAbout_Form_Activate();
    void frmAbout_CmdOK_Click();

    std::unique_ptr<Ui::frmAbout> ui_;
    QMovie* animation_ = nullptr;
};

}  // namespace capillary
