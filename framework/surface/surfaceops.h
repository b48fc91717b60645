#pragma once

#include "palette.h"

#include <QString>
#include <iosfwd>
#include <string>
#include <variant>
#include <vector>

namespace kavel {

// The operations a chart issues on a drawing surface, as plain values. The
// recording surface keeps them in order; the painter renderer draws them.
// Coordinates are chart centimetres (x right, y down, origin top-left).
// Where a printed text stands against its point: its top-left corner there,
// as every chart prints, or its top-right, so that it ends at the point
// however wide the device's font draws it (a scale left of its axis).
enum class TextAnchor { TopLeft, TopRight };

namespace Op {

struct Clear {
    bool operator==(const Clear&) const = default;
};
struct Line {
    float x1, y1, x2, y2;
    Rgb rgb;
    int width;
    bool operator==(const Line&) const = default;
};
struct Point {
    float x, y;
    Rgb rgb;
    int width;
    bool operator==(const Point&) const = default;
};
struct Circle {
    float x, y, r;
    Rgb rgb;
    int width;
    bool operator==(const Circle&) const = default;
};
// A text whose top-left corner (or top-right, by its anchor) is at (x, y).
// An upright text has a size in points; a rotated one (angle 90, running
// upward) has the height the platform font API was given, in pixels, and
// its anchor counts along its own direction.
struct Text {
    float x, y;
    QString text;
    QString font;
    double size = 0;
    int angle = 0;
    int height = 0;
    Rgb rgb;
    TextAnchor anchor = TextAnchor::TopLeft;
    bool operator==(const Text&) const = default;
};
struct EndDocument {
    bool operator==(const EndDocument&) const = default;
};
// Until the next Unclip, only what lies inside the rectangle (x, y its
// top-left corner, w × h) is shown: a line up to where it leaves it, a
// point, circle or text only when its point lies inside. A chart keeps its
// curves within its frame so; the operations themselves stay as drawn.
struct Clip {
    float x, y, w, h;
    bool operator==(const Clip&) const = default;
};
struct Unclip {
    bool operator==(const Unclip&) const = default;
};

} // namespace Op

using SurfaceOp = std::variant<Op::Clear, Op::Line, Op::Point, Op::Circle, Op::Text, Op::EndDocument, Op::Clip, Op::Unclip>;
using OpList = std::vector<SurfaceOp>;

// One line of JSON per operation, the form of the chart export.
QString toJson(const SurfaceOp& op);
// The same line appended to `out` in UTF-8, without its line end: a chart
// of a hundred thousand operations is written without a text apiece.
void appendJson(std::string& out, const SurfaceOp& op);

// Readable forms for test failures.
void PrintTo(const SurfaceOp& op, std::ostream* os);

} // namespace kavel
