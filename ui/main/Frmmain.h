#pragma once

#include <QMainWindow>

#include <array>
#include <memory>
#include <optional>

#include "engine/design_case.h"
#include "engine/tube_analysis.h"
#include "io/project_record.h"
#include "ui/common/Frmmain_controls.h"
#include "ui/common/session.h"

class QMovie;
class QPrinter;

namespace Ui {
class Frmmain;
}

namespace capillary {

class PlatformServices;
class TubeAnalysisWindow;

// The main window: the design point is typed into the input frame, Calculate sizes the
// capillary into the output frame, and the menus reach everything else.
class Frmmain : public QMainWindow {
    Q_OBJECT

  public:
    Frmmain(Session& session, PlatformServices& services, QWidget* parent = nullptr);
    ~Frmmain() override;

    // The named controls, for the parts of the program that fill or read the window.
    const FrmmainControls& controls() const { return controls_; }

    // The last design point that passed the Calculate command's checks, in English units.
    const DesignCase& designCase() const { return designCase_; }

    // The printer chosen with Print Setup, which the report prints on. It is made on first
    // use, since asking the system for its printers slows the start.
    QPrinter& printer();

    // Opens a project file into the window, as the Open command does once a file is chosen;
    // a file that cannot be opened changes nothing and is reported in a message box.
    bool openProjectFile(const QString& fileName);
    // Saves the design into a project file; a failure is reported and leaves any old file.
    bool saveProjectFile(const QString& fileName);

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Construction (Frmmain.cpp).
    void applyDesignLooks();
    void collectControls();
    void Frmmain_Form_Load();
    void Frmmain_Cmdclose_Click();

    // The Calculate command (Frmmain_calculate.cpp).
    void Frmmain_Cmdcalculate_Click();
    void followInTheAnalysis();

    // Checks while typing (Frmmain_field_checks.cpp).
    void connectFieldChecks();
    void Frmmain_Txtcapacity_KeyUp();
    void Frmmain_Txtet_KeyUp();
    void Frmmain_Txtct_KeyUp();
    void Frmmain_Txtsc_KeyUp();
    void Frmmain_Cmbdpd_KeyUp();
    void Frmmain_Txtcircuit_KeyUp();
    void Frmmain_Txtet_Change();
    void Frmmain_Txtct_Change();
    void Frmmain_Cmbrt_Click();
    void Frmmain_Cmbdpd_Click();
    void runKeyUpHandler(QObject* control);
    // The key-release handler of each field checked while typing.
    struct KeyUpHandler {
        InputField field;
        void (Frmmain::*handle)();
    };
    static const std::array<KeyUpHandler, 6> kKeyUpHandlers;

    // Menu commands (Frmmain_menus.cpp).
    void connectMenus();
    void Frmmain_Printsetup_Click();
    void Frmmain_exit_Click();
    void Frmmain_units_Click();
    void Frmmain_web_Click();
    void Frmmain_About_Click();
    void Frmmain_Tubeanalysis_Click();

    // Project files (Frmmain_files.cpp).
    void Frmmain_open_Click();
    void Frmmain_save_Click();
    ProjectRecord currentProjectRecord() const;
    void applyProjectRecord(const ProjectRecord& record);

    // The Print command (Frmmain_print.cpp).
    void Frmmain_print_Click();

    std::unique_ptr<Ui::Frmmain> ui_;  // the form with the named controls
    Session& session_;
    PlatformServices& services_;
    FrmmainControls controls_;
    DesignCase designCase_;
    QMovie* logo_ = nullptr;
    std::unique_ptr<QPrinter> printer_;
    // The analysis window, made on first use; it follows each Calculate that passes its checks.
    TubeAnalysisWindow* analysis_ = nullptr;
    std::optional<CalculatedDesign> lastDesign_;
    QString lastFileName_;  // of the last open or save of the run; the file dialogs start there
};

}  // namespace capillary
