#include "ui/main/Frmmain.h"

#include "ui_Frmmain.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>

#include <filesystem>
#include <optional>
#include <string>

#include "engine/numeric_text.h"
#include "engine/unit_switch.h"
#include "io/project_design.h"
#include "io/project_file_reader.h"
#include "io/project_file_writer.h"
#include "ui/common/Mdlclear.h"
#include "ui/common/Mdlerror.h"
#include "ui/common/complete_file.h"
#include "ui/common/qt_text.h"
#include "ui/platform/platform_services.h"
#include "ui/units/unit_relabelling.h"

namespace capillary {
namespace {

const QString kProjectFilter = QStringLiteral("tolmerk capillary tube design(*.cqz)");

std::optional<std::string> toStd(const std::optional<QString>& text) {
    if (!text) return std::nullopt;
    return text->toStdString();
}

std::optional<QString> toOptionalQString(const std::optional<std::string>& text) {
    if (!text) return std::nullopt;
    return toQString(*text);
}

void setComboText(QComboBox* combo, const QString& text) {
    combo->setCurrentIndex(-1);
    combo->setEditText(text);
}

}  // namespace

void Frmmain::Frmmain_save_Click() {
    const auto fileName = services_.chooseFileToSave(this, {lastFileName_, kProjectFilter, {}});
    if (fileName) saveProjectFile(*fileName);
}

void Frmmain::Frmmain_open_Click() {
    const auto fileName = services_.chooseFileToOpen(this, {lastFileName_, kProjectFilter, {}});
    if (fileName) openProjectFile(*fileName);
}

bool Frmmain::saveProjectFile(const QString& fileName) {
    lastFileName_ = fileName;
    const std::string bytes = projectFileBytes(currentProjectRecord());
    const std::optional<QString> failure = writeCompleteFile(fileName, bytes);
    if (failure) {
        Mdlerror::showMessage(
            services_, this,
            QStringLiteral("Cannot save %1: %2.").arg(QFileInfo(fileName).fileName(), *failure));
    }
    return !failure;
}

bool Frmmain::openProjectFile(const QString& fileName) {
    lastFileName_ = fileName;
    const ProjectReadResult read =
        readProjectFile(std::filesystem::path(QFile::encodeName(fileName).toStdString()));
    if (!read.ok()) {
        const std::string name = QFileInfo(fileName).fileName().toStdString();
        Mdlerror::showMessage(services_, this, toQString(openFailureMessage(name, read.reason)));
        return false;
    }
    applyProjectRecord(*read.record);
    return true;
}

ProjectRecord Frmmain::currentProjectRecord() const {
    ProjectRecord r;
    r.refrigerant = ui_->Cmbrt->currentText().toStdString();
    r.capacity = ui_->Txtcapacity->text().toStdString();
    r.evaporating = ui_->Txtet->text().toStdString();
    r.condensing = ui_->Txtct->text().toStdString();
    r.superheat = ui_->Txtsh->text().toStdString();
    r.subcooling = ui_->Txtsc->text().toStdString();
    r.maxPressureDrop = ui_->Cmbdpd->currentText().toStdString();
    r.circuits = ui_->Txtcircuit->text().toStdString();
    r.customer = toStd(session_.customer);
    r.project = toStd(session_.project);
    r.note = session_.note.toStdString();
    r.captions = {ui_->Lbl2->text().toStdString(),  ui_->Lbl3->text().toStdString(),
                  ui_->Lbl4->text().toStdString(),  ui_->Lbl5->text().toStdString(),
                  ui_->Lbl6->text().toStdString(),  ui_->Lbl7->text().toStdString(),
                  ui_->Lbl9->text().toStdString(),  ui_->Lbl15->text().toStdString(),
                  ui_->Lbl17->text().toStdString(), ui_->Lbl19->text().toStdString()};
    r.history = static_cast<int>(session_.history);
    r.unit = static_cast<int>(session_.unit);
    return r;
}

// Applies a checked design in the order the window has always opened files: inputs, heading,
// captions, cleared results, the unit system, then the pressure drop and the relabelling.
void Frmmain::applyProjectRecord(const ProjectRecord& r) {
    if (r.refrigerant.empty()) {
        ui_->Cmbrt->setCurrentIndex(-1);
    } else {
        ui_->Cmbrt->setCurrentIndex(
            ui_->Cmbrt->findText(toQString(r.refrigerant), Qt::MatchExactly));
        Frmmain_Cmbrt_Click();  // selecting a refrigerant, by hand or by file, clears its red
    }
    ui_->Txtcapacity->setText(toQString(r.capacity));
    ui_->Txtet->setText(toQString(r.evaporating));
    ui_->Txtct->setText(toQString(r.condensing));
    ui_->Txtsh->setText(toQString(r.superheat));
    ui_->Txtsc->setText(toQString(r.subcooling));
    setComboText(ui_->Cmbdpd, toQString(r.maxPressureDrop));
    ui_->Txtcircuit->setText(toQString(r.circuits));

    session_.customer = toOptionalQString(r.customer);
    session_.project = toOptionalQString(r.project);
    session_.note = toQString(r.note);

    // A caption missing from a short file keeps the window's own rather than going blank
    // (the relabelling below rewrites all but the circuits caption anyway).
    const auto setCaption = [](QLabel* label, const std::string& caption) {
        if (!caption.empty()) label->setText(toQString(caption));
    };
    const ProjectCaptions& c = r.captions;
    setCaption(ui_->Lbl2, c.Lbl2);
    setCaption(ui_->Lbl3, c.Lbl3);
    setCaption(ui_->Lbl4, c.Lbl4);
    setCaption(ui_->Lbl5, c.Lbl5);
    setCaption(ui_->Lbl6, c.Lbl6);
    setCaption(ui_->Lbl7, c.Lbl7);
    setCaption(ui_->Lbl9, c.Lbl9);
    setCaption(ui_->Lbl15, c.Lbl15);
    setCaption(ui_->Lbl17, c.Lbl17);
    setCaption(ui_->Lbl19, c.Lbl19);

    ClearOutputs(controls_);
    const UnitSystem unit = r.unitSystem();
    session_.unit = unit;
    session_.history = unit;

    // The saved value goes through the other system and back, so it shows rounded to the
    // decimals of the design's own system.
    if (auto interim = openingPressureDropText(r.maxPressureDrop, unit)) {
        setComboText(ui_->Cmbdpd, toQString(*interim));
    }
    if (unit == UnitSystem::Metric) {
        unit11(controls_, session_);
    } else {
        unit01(controls_, session_);
    }
    // A design saved without a pressure drop opens without one.
    if (!isNumericText(r.maxPressureDrop)) setComboText(ui_->Cmbdpd, toQString(r.maxPressureDrop));
}

}  // namespace capillary
