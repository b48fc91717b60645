#include "holpixviewer.h"

#include "framework/ui/runviewer.h"

int main(int argc, char** argv)
{
    return kavel::runViewer(argc, argv, [] { return std::make_unique<kavel::HolpixViewer>(); });
}
