#include "ui/main/Frmmain.h"

#include "ui_Frmmain.h"

#include <QString>

#include <string>

#include "engine/MdlLiquid.h"
#include "engine/calculation_request.h"
#include "engine/output_texts.h"
#include "ui/analysis/TubeAnalysisWindow.h"
#include "ui/common/Mdlclear.h"
#include "ui/common/Mdlerror.h"
#include "ui/common/field_background.h"
#include "ui/common/qt_text.h"

namespace capillary {
namespace {

void writeBack(QLineEdit* field, const std::string& text) {
    if (field->text().toStdString() != text) field->setText(toQString(text));
}

}  // namespace

void Frmmain::Frmmain_Cmdcalculate_Click() {
    InputTexts typed{
        .refrigerant = ui_->Cmbrt->currentText().toStdString(),
        .capacity = ui_->Txtcapacity->text().toStdString(),
        .evaporating = ui_->Txtet->text().toStdString(),
        .condensing = ui_->Txtct->text().toStdString(),
        .superheat = ui_->Txtsh->text().toStdString(),
        .subcooling = ui_->Txtsc->text().toStdString(),
        .maxPressureDrop = ui_->Cmbdpd->currentText().toStdString(),
        .circuits = ui_->Txtcircuit->text().toStdString(),
    };
    const CalculationRequest request = checkCalculationRequest(std::move(typed), session_.unit);
    // Superheat and subcooling default to "0" once their checks are reached, whatever
    // happens afterwards.
    writeBack(ui_->Txtsh, request.texts.superheat);
    writeBack(ui_->Txtsc, request.texts.subcooling);
    if (request.failure) {
        setFieldBackground(controls_.input(request.failure->field), kFieldRed);
        Mdlerror::showFailure(services_, this, request.failure->message);
        return;
    }

    designCase_ = request.designCase;
    lastDesign_ =
        CalculatedDesign{request.texts.refrigerant, designCase_, request.circuits, session_.unit};
    const auto sizing = SizeCapillary(designCase_, request.texts.refrigerant, request.circuits);
    if (!sizing) {
        // The message is shown while the previous results are still on display.
        Mdlerror::ShowNoPipeSize(services_, this);
        ClearOutputs(controls_);
        followInTheAnalysis();
        return;
    }
    const OutputTexts out = formatOutputs(*sizing, session_.unit);
    ui_->Txttpd->setText(toQString(out.totalPressureDrop));
    ui_->Txtvelocity->setText(toQString(out.velocity));
    ui_->Txtel->setText(toQString(out.length));
    ui_->Adpd->setText(toQString(out.actualPressureDrop));
    ui_->Txtlinesize->setText(toQString(out.lineSize));
    ui_->Lbl13->setText(toQString(out.lineSizeCaption));
    followInTheAnalysis();
}

// An open analysis window shows each design that passed the checks, bore found or not.
void Frmmain::followInTheAnalysis() {
    if (analysis_ && lastDesign_) analysis_->showDesign(*lastDesign_);
}

}  // namespace capillary
