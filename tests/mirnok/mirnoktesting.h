#pragma once

#include "mirnok/mirnoksettings.h"
#include "mirnok/modeshapes.h"

#include "framework/surface/recordingsurface.h"

#include "support/chartops.h"
#include "support/qtprint.h"
#include "support/readtext.h"

#include <QStringList>
#include <vector>

namespace kavel::test {

inline const Rgb kDarkBlue { 0, 0, 128 };

// One fixed-column result line: the 7-character label, then each value in
// a field of 11 characters.
inline QString resultLine(const QString& label, const std::vector<double>& values)
{
    QString line = label.leftJustified(7, QLatin1Char(' '), true);
    for (double v : values)
        line += QString::number(v, 'g', 7).rightJustified(11);
    return line + QStringLiteral("\r\n");
}

// A mode of a hand-made result: per station the horizontal and vertical
// amplitude and phase, and the five mode numbers.
struct Mode {
    std::vector<double> h; // amplitude, phase, amplitude, phase, …
    std::vector<double> v;
    std::vector<double> info; // speed, -, direction, real, imaginary
};

inline QString resultText(const QString& comment, const std::vector<double>& stations, const std::vector<Mode>& modes)
{
    QString text = QStringLiteral("DASMOR6  COMPLEX MODE SHAPES\r\n") + comment + QStringLiteral("\r\n");
    text += QStringLiteral("%1%2\r\n").arg(stations.size(), 5).arg(modes.size(), 5);
    text += resultLine(QStringLiteral(" Z(mm)"), stations);
    for (std::size_t i = 0; i < modes.size(); ++i) {
        text += resultLine(QStringLiteral("%1-H").arg(i + 1, 3), modes[i].h);
        text += resultLine(QStringLiteral("%1-V").arg(i + 1, 3), modes[i].v);
    }
    for (std::size_t i = 0; i < modes.size(); ++i)
        text += resultLine(QStringLiteral("%1-EV").arg(i + 1, 3), modes[i].info);
    return text;
}

inline ComplexModeShapes shapesOf(const QString& text)
{
    return readText<ComplexModeShapes>(ReadComplexModeShapesText, text);
}

} // namespace kavel::test
