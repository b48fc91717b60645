#include "mirno1viewer.h"
#include "mirno1window.h"

#include "framework/ui/runviewer.h"

int main(int argc, char** argv)
{
    return kavel::runViewer(
        argc, argv, [] { return std::make_unique<kavel::Mirno1Viewer>(); },
        [](kavel::Viewer& viewer) { return std::make_unique<kavel::ViewerWindow>(viewer, kavel::Mirno1WindowLayout()); });
}
