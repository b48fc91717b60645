#include "wesparviewer.h"
#include "wesparwindow.h"

#include "framework/ui/runviewer.h"

int main(int argc, char** argv)
{
    return kavel::runViewer(
        argc, argv, [] { return std::make_unique<kavel::WesparViewer>(); },
        [](kavel::Viewer& viewer) -> std::unique_ptr<kavel::ViewerWindow> {
            return std::make_unique<kavel::WesparWindow>(static_cast<kavel::WesparViewer&>(viewer));
        });
}
