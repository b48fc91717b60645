#pragma once

#include <optional>
#include <vector>

namespace kavel {

class DrawingSurface;

// A logarithmic chart axis whose decades are counted from its minimum: the
// labels are min, 10·min, 100·min, … (powers of ten only when the minimum is
// one), each with a grid line across the frame and, when a whole further
// decade follows, minor ticks at 2 to 9 times its value.
struct LogAxis {
    double min = 0;
    double max = 0;
    // Chart units per unit of natural logarithm: length / ln(max / min).
    double factor = 0;

    // A log axis cannot start at or below 0: such a minimum becomes max / 1000.
    static double usableMinimum(double min, double max);

    // The axis over min (already usable) to max, `length` chart units long.
    // Nullopt when the range cannot be drawn on a log scale: a maximum or
    // minimum that is not positive, or equal ends.
    static std::optional<LogAxis> compute(double min, double max, double length);

    // Chart distance of `value` from the axis's start. A value below the
    // minimum is pinned to the start: it has no place on the scale.
    double offset(double value) const;

    struct Decade {
        double offset;   // chart distance from the axis's start
        double value;    // the label: min × 10^n
        bool minorTicks; // a whole further decade follows
    };
    // A last decade up to about 2.7 % beyond the maximum is still labelled.
    std::vector<Decade> decades() const;
};

// The decades of an X axis along the bottom edge of a frame whose lower-left
// corner is (originX, originY): a grid line up the whole frame height, the
// label at a light-grey point 0.2 below the edge, and minor ticks 0.5 long
// pointing up into the frame.
void DrawLogXAxis(DrawingSurface& surface, const LogAxis& axis, double originX, double originY, double frameHeight);
// The decades of a Y axis along the left edge: a grid line across the whole
// frame width, the label at a light-grey point `labelOffset` left of the
// edge and 0.3 above the line, and minor ticks 0.5 long pointing right.
void DrawLogYAxis(DrawingSurface& surface, const LogAxis& axis, double originX, double originY, double frameWidth, double labelOffset);

} // namespace kavel
