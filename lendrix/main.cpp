#include "lendrixviewer.h"
#include "lendrixwindow.h"

#include "framework/ui/runviewer.h"

int main(int argc, char** argv)
{
    return kavel::runViewer(
        argc, argv, [] { return std::make_unique<kavel::LendrixViewer>(); },
        [](kavel::Viewer& viewer) { return std::make_unique<kavel::LendrixWindow>(viewer); });
}
