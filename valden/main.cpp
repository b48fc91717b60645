#include "valdenviewer.h"
#include "valdenwindow.h"

#include "framework/ui/runviewer.h"

int main(int argc, char** argv)
{
    return kavel::runViewer(
        argc, argv, [] { return std::make_unique<kavel::ValdenViewer>(); },
        [](kavel::Viewer& viewer) -> std::unique_ptr<kavel::ViewerWindow> {
            return std::make_unique<kavel::ValdenWindow>(static_cast<kavel::ValdenViewer&>(viewer));
        });
}
