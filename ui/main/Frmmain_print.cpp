#include "ui/main/Frmmain.h"

#include "ui/platform/platform_services.h"
#include "ui/report/Frmtitle.h"
#include "ui/report/report_printing.h"

namespace capillary {

// Shows the report title dialog; its OK builds the report sheet from what the window shows
// and prints it. A print that fails is reported once the dialog has closed.
void Frmmain::Frmmain_print_Click() {
    PrintOutcome outcome;
    Frmtitle dialog(
        session_, [this] { return reportDataFromWindow(controls_, session_); },
        [this, &outcome](const Frmplot& sheet) {
            outcome = printReportSheet(services_, printer(), this, sheet);
        },
        this);
    services_.runModal(dialog);
    if (outcome.status == PrintOutcome::Status::Failed) showPrintFailure(services_, this, outcome);
}

}  // namespace capillary
