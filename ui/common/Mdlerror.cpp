#include "ui/common/Mdlerror.h"

#include <QMessageBox>
#include <QString>

#include "engine/messages.h"
#include "ui/common/qt_text.h"
#include "ui/platform/platform_services.h"

namespace capillary::Mdlerror {
namespace {

void showError(PlatformServices& services, QWidget* parent, std::string_view message) {
    showMessage(services, parent, toQString(message));
}

}  // namespace

void showMessage(PlatformServices& services, QWidget* parent, const QString& message) {
    services.showMessage(parent, MessageRequest{toQString(kTitle), message, QMessageBox::Critical,
                                                QMessageBox::Retry | QMessageBox::Cancel});
}

void ShowDataIncomplete(PlatformServices& s, QWidget* p) { showError(s, p, kDataIncomplete); }
void ShowNoPipeSize(PlatformServices& s, QWidget* p) { showError(s, p, kNoPipeSize); }
void ShowEvapRangeF(PlatformServices& s, QWidget* p) { showError(s, p, kEvapRangeF); }
void ShowEvapRangeC(PlatformServices& s, QWidget* p) { showError(s, p, kEvapRangeC); }
void ShowCondRangeF(PlatformServices& s, QWidget* p) { showError(s, p, kCondRangeF); }
void ShowCondRangeC(PlatformServices& s, QWidget* p) { showError(s, p, kCondRangeC); }

void showFailure(PlatformServices& services, QWidget* parent, std::string_view message) {
    using Routine = void (*)(PlatformServices&, QWidget*);
    struct Entry {
        std::string_view message;
        Routine show;
    };
    static constexpr Entry kRoutines[] = {
        {kDataIncomplete, ShowDataIncomplete}, {kNoPipeSize, ShowNoPipeSize},
        {kEvapRangeF, ShowEvapRangeF},         {kEvapRangeC, ShowEvapRangeC},
        {kCondRangeF, ShowCondRangeF},         {kCondRangeC, ShowCondRangeC},
    };
    for (const Entry& entry : kRoutines) {
        if (entry.message == message) return entry.show(services, parent);
    }
    // A message the table does not know is still shown rather than lost.
    showError(services, parent, message);
}

}  // namespace capillary::Mdlerror
