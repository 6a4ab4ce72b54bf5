#include "ui/main/Frmmain.h"

#include <QString>

#include <string>

#include "engine/MdlLiquid.h"
#include "engine/calculation_request.h"
#include "engine/output_texts.h"
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
        Cmbrt->currentText().toStdString(),  Txtcapacity->text().toStdString(),
        Txtet->text().toStdString(),         Txtct->text().toStdString(),
        Txtsh->text().toStdString(),         Txtsc->text().toStdString(),
        Cmbdpd->currentText().toStdString(), Txtcircuit->text().toStdString(),
    };
    const CalculationRequest request = checkCalculationRequest(std::move(typed), session_.unit);
    // Superheat and subcooling default to "0" once their checks are reached, whatever
    // happens afterwards.
    writeBack(Txtsh, request.texts.superheat);
    writeBack(Txtsc, request.texts.subcooling);
    if (request.failure) {
        const std::string name(controlName(request.failure->field));
        setFieldBackground(findChild<QWidget*>(toQString(name)), kFieldRed);
        Mdlerror::showFailure(services_, this, request.failure->message);
        return;
    }

    designCase_ = request.designCase;
    const auto sizing = SizeCapillary(designCase_, request.texts.refrigerant, request.circuits);
    if (!sizing) {
        // The message is shown while the previous results are still on display.
        Mdlerror::ShowNoPipeSize(services_, this);
        ClearOutputs(controls_);
        return;
    }
    const OutputTexts out = formatOutputs(*sizing, session_.unit);
    Txttpd->setText(toQString(out.totalPressureDrop));
    Txtvelocity->setText(toQString(out.velocity));
    Txtel->setText(toQString(out.length));
    Adpd->setText(toQString(out.actualPressureDrop));
    Txtlinesize->setText(toQString(out.lineSize));
    Lbl13->setText(toQString(out.lineSizeCaption));
}

}  // namespace capillary
