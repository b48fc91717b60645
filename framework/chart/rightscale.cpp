#include "rightscale.h"

#include "framework/surface/drawingsurface.h"
#include "framework/surface/palette.h"

namespace kavel {

void DrawRightScale(DrawingSurface& surface, double right, double lineFrom, const std::vector<ScaleMark>& marks)
{
    for (const ScaleMark& mark : marks) {
        surface.line(mark.tick == 0 ? lineFrom : right - mark.tick, mark.y, right, mark.y);
        if (mark.label) {
            surface.printNumberAt(right, mark.y - 0.5, *mark.label);
        }
    }
}

} // namespace kavel
