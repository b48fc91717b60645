#pragma once

#include <array>
#include <compare>

namespace kavel {

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
    auto operator<=>(const Rgb&) const = default;
};

// The classic 16-colour palette in which every chart names its colours.
namespace Palette {

inline constexpr std::array<Rgb, 16> kColours { {
    { 0, 0, 0 }, { 0, 0, 128 }, { 0, 128, 0 }, { 0, 128, 128 },
    { 128, 0, 0 }, { 128, 0, 128 }, { 128, 128, 0 }, { 192, 192, 192 },
    { 128, 128, 128 }, { 0, 0, 255 }, { 0, 255, 0 }, { 0, 255, 255 },
    { 255, 0, 0 }, { 255, 0, 255 }, { 255, 255, 0 }, { 255, 255, 255 },
} };

inline constexpr int kLightGrey = 7;
inline constexpr int kLightRed = 12;

// An index outside 0..15 wraps into the palette instead of reading past it.
constexpr Rgb colour(int index)
{
    return kColours[static_cast<unsigned>(index) % kColours.size()];
}

// Curve colours run 0, 1, 2, 3, 4, 5, 6, 8, 9, ... 14, then 0 again: 7 marks
// text positions and 15 is the white of the paper.
constexpr int curveColour(int curveNumber)
{
    constexpr std::array<int, 14> kCurveColours { 0, 1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14 };
    const int n = static_cast<int>(kCurveColours.size());
    return kCurveColours[static_cast<unsigned>(((curveNumber % n) + n) % n)];
}

} // namespace Palette

} // namespace kavel
