#pragma once

#include "zeptal/curveflags.h"
#include "zeptal/unbalanceresponse.h"
#include "zeptal/zeptalsettings.h"

#include "support/chartops.h"

#include <vector>

namespace kavel::test {

// A response of the given curves, each a list of (speed, amplitude, phase)
// points; every curve has the same speeds.
struct Point3 {
    float speed, amplitude, phase;
};
inline UnbalanceResponse responseOf(const std::vector<std::vector<Point3>>& curves)
{
    UnbalanceResponse r;
    r.FileComment = QStringLiteral("comment");
    r.curveCount = int(curves.size());
    r.speedCount = curves.empty() ? 0 : int(curves.front().size());
    r.values.assign(std::size_t(r.speedCount + 1) * std::size_t(r.curveCount + 1) * 2, 0.f);
    for (int j = 1; j <= r.curveCount; ++j) {
        for (int i = 1; i <= r.speedCount; ++i) {
            const Point3& p = curves[std::size_t(j - 1)][std::size_t(i - 1)];
            r.values[r.cell(i, 0, 0)] = p.speed;
            r.values[r.cell(i, j, 0)] = p.amplitude;
            r.values[r.cell(i, j, 1)] = p.phase;
        }
    }
    return r;
}

// The Bode edge case: 0..6000 rpm over 20 cm, 0..100 μm over 10 cm in 20s.
inline ZeptalSettings bodeSettings()
{
    ZeptalSettings s;
    s.Xmin = 0, s.Xmax = 6000, s.Xpitch = 1000, s.Xlength = 20;
    s.Ymin = 0, s.Ymax = 100, s.Ypitch = 20, s.Ylength = 10;
    s.FrameWidth = 3, s.CurveWidth = 2;
    s.XTitle = QStringLiteral("speed"), s.PhaseTitle = QStringLiteral("phase");
    s.AmplitudeTitle = QStringLiteral("amp"), s.Title = QStringLiteral("title");
    return s;
}

// The polar edge case: outer circle 60 μm, circles every 20, 12 cm across.
inline ZeptalSettings polarSettings()
{
    ZeptalSettings s = bodeSettings();
    s.Ymax = 60, s.Ypitch = 20, s.Ylength = 12;
    return s;
}

} // namespace kavel::test
