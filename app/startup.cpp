#include "app/startup.h"

#include "ui/main/Frmmain.h"

namespace capillary {

void openMainWindowAtStart(std::optional<Frmmain>& window, Session& session,
                           PlatformServices& services, const QString& projectFile) {
    window.emplace(session, services);
    window->show();
    if (!projectFile.isEmpty()) window->openProjectFile(projectFile);
}

}  // namespace capillary
