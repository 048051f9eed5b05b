// Placeholder routing until the handlers land: nothing happens on any event.
#include "ui/app.h"

namespace ui {

App::App(scheduler::Controls& controls, scheduler::Services& services, Shell& shell,
         scheduler::ProgramVariables& variables)
    : controls_(controls), services_(services), shell_(shell), variables_(variables) {}

void App::OnCreated() {}
void App::OnDestroy() {}
void App::OnEvent(ControlId, EventKind) {}
void App::OnFilesReceived(std::string_view) {}

}  // namespace ui
