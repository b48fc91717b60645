#pragma once

#include "framework/surface/recordingsurface.h"
#include "holpix/criticalspeedmap.h"

#include "support/chartops.h"
#include "support/qtprint.h"
#include "support/readtext.h"

#include <QStringList>
#include <vector>

namespace kavel::test {

// A map file of np points and nm modes with both counts on one line; value
// (i, j, k) is 100·j + 10·k + i, stiffness i is 10^i.
inline QString mapText(int np, int nm)
{
    QString t = QStringLiteral("HOLPIX  MAP\r\nTest comment\r\n%1 %2\r\nSTIFFNESS\r\n").arg(np).arg(nm);
    for (int i = 1; i <= np; ++i)
        t += QStringLiteral("  1.0E+%1\r\n").arg(i, 2, 10, QLatin1Char('0'));
    for (int j = 1; j <= nm; ++j) {
        for (int k = 0; k < 3; ++k) {
            t += QStringLiteral("MODE %1 KIND %2\r\n").arg(j).arg(k);
            for (int i = 1; i <= np; ++i)
                t += QStringLiteral("  %1\r\n").arg(100 * j + 10 * k + i);
        }
    }
    return t;
}

inline CriticalSpeedMap readMap(const QString& text)
{
    return readText<CriticalSpeedMap>(ReadCriticalSpeedMapText, text);
}

} // namespace kavel::test
