#pragma once

#include <string_view>

class QString;
class QWidget;

namespace capillary {
class PlatformServices;
}

namespace capillary::Mdlerror {

// Each routine shows one fixed error message in a modal box titled "error" with the critical
// icon and Retry and Cancel, and returns when it is closed; the answer changes nothing.
void ShowDataIncomplete(PlatformServices& services, QWidget* parent);
void ShowNoPipeSize(PlatformServices& services, QWidget* parent);
void ShowEvapRangeF(PlatformServices& services, QWidget* parent);
void ShowEvapRangeC(PlatformServices& services, QWidget* parent);
void ShowCondRangeF(PlatformServices& services, QWidget* parent);
void ShowCondRangeC(PlatformServices& services, QWidget* parent);

// Shows any other message in the same box, such as why a file could not be opened or saved.
void showMessage(PlatformServices& services, QWidget* parent, const QString& message);

// Shows whichever of the messages above `message` is (one of the k… texts of messages.h).
void showFailure(PlatformServices& services, QWidget* parent, std::string_view message);

}  // namespace capillary::Mdlerror
