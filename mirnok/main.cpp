#include "mirnokviewer.h"
#include "mirnokwindow.h"

#include "framework/ui/runviewer.h"

int main(int argc, char** argv)
{
    return kavel::runViewer(
        argc, argv, [] { return std::make_unique<kavel::MirnokViewer>(); },
        [](kavel::Viewer& viewer) { return std::make_unique<kavel::MirnokWindow>(static_cast<kavel::MirnokViewer&>(viewer)); });
}
