#pragma once

#include <QString>

#include <optional>

namespace capillary {

class Frmmain;
class PlatformServices;
struct Session;

// Makes and shows the run's main window, then opens the project file named on the command
// line (if any) as File > Open would, so that a double-click on a saved design works. A file
// that cannot be opened is reported and leaves the window as it started.
void openMainWindowAtStart(std::optional<Frmmain>& window, Session& session,
                           PlatformServices& services, const QString& projectFile);

}  // namespace capillary
