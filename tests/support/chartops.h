#pragma once

#include "framework/recordingsurface.h"

#include <QStringList>
#include <algorithm>
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

// The operations from the first text `text` on.
inline OpList from(const OpList& ops, const QString& text)
{
    const auto it = std::find_if(ops.begin(), ops.end(), [&](const SurfaceOp& op) {
        const auto* t = std::get_if<Op::Text>(&op);
        return t && t->text == text;
    });
    return OpList(it, ops.end());
}

} // namespace kavel::test
