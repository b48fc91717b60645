#include "rightscale.h"

#include "drawingsurface.h"
#include "palette.h"

namespace kavel {

void DrawRightScale(DrawingSurface& surface, double right, double lineFrom, const std::vector<ScaleMark>& marks)
{
    for (const ScaleMark& mark : marks) {
        surface.line(mark.tick == 0 ? lineFrom : right - mark.tick, mark.y, right, mark.y);
        if (mark.label) {
            surface.point(right, mark.y - 0.5, Palette::kLightGrey);
            surface.printNumber(*mark.label);
        }
    }
}

} // namespace kavel
