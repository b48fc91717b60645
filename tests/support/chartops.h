#pragma once

#include "framework/surface/recordingsurface.h"

#include <QPointF>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <initializer_list>
#include <vector>

// What the chart tests ask of a recorded chart.
namespace kavel::test {

inline const Rgb kBlack { 0, 0, 0 };
inline const Rgb kGrey { 192, 192, 192 };

template <class T>
std::vector<T> all(const OpList& ops)
{
    std::vector<T> out;
    for (const SurfaceOp& op : ops) {
        if (const T* t = std::get_if<T>(&op))
            out.push_back(*t);
    }
    return out;
}

inline QStringList textsOf(const OpList& ops)
{
    QStringList texts;
    for (const Op::Text& t : all<Op::Text>(ops))
        texts << t.text;
    return texts;
}

// The lines drawn in one colour, or one palette colour.
inline std::vector<Op::Line> linesIn(const OpList& ops, const Rgb& rgb)
{
    std::vector<Op::Line> out;
    for (const Op::Line& line : all<Op::Line>(ops)) {
        if (line.rgb == rgb)
            out.push_back(line);
    }
    return out;
}

inline std::vector<Op::Line> linesIn(const OpList& ops, int colour)
{
    return linesIn(ops, Palette::colour(colour));
}

// A line as the charts draw it, in palette colour `colour`.
inline Op::Line lineOf(float x1, float y1, float x2, float y2, int colour = 0, int width = 1)
{
    return { x1, y1, x2, y2, Palette::colour(colour), width };
}

// Success when the circles among `ops` (the result markers) stand at
// `centres`, in that order, to 1e-5 cm, each in `rgb`.
inline ::testing::AssertionResult circlesAt(const OpList& ops, std::initializer_list<QPointF> centres, const Rgb& rgb)
{
    const std::vector<Op::Circle> circles = all<Op::Circle>(ops);
    if (circles.size() != centres.size())
        return ::testing::AssertionFailure() << circles.size() << " circles, expected " << centres.size();
    auto centre = centres.begin();
    for (const Op::Circle& c : circles) {
        if (std::abs(c.x - centre->x()) > 1e-5 || std::abs(c.y - centre->y()) > 1e-5 || !(c.rgb == rgb))
            return ::testing::AssertionFailure() << "circle at (" << c.x << ", " << c.y << "), expected (" << centre->x() << ", " << centre->y() << ") in the colour given";
        ++centre;
    }
    return ::testing::AssertionSuccess();
}

// A table of check-box values (curve or mode flags) with the listed boxes
// set and the others clear.
template <class Flags>
Flags flagsOf(std::initializer_list<int> set)
{
    Flags flags {};
    for (int k : set)
        flags[std::size_t(k)] = 1;
    return flags;
}

// The operations from the first text `text` on; none without it.
inline OpList from(const OpList& ops, const QString& text)
{
    const auto it = std::find_if(ops.begin(), ops.end(), [&](const SurfaceOp& op) {
        const auto* t = std::get_if<Op::Text>(&op);
        return t && t->text == text;
    });
    return OpList(it, ops.end());
}

} // namespace kavel::test
