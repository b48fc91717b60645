#pragma once

#include "mirnoktesting.h"

#include "support/windowtest.h"

#include "mirnok/mirnokeditdialog.h"
#include "mirnok/mirnokviewer.h"
#include "mirnok/mirnokwindow.h"

namespace kavel::test {

inline const QString kWorkingFile = QStringLiteral("Gavrine/mirnok/mirnok.tmp");
inline const QString kFactoryFile = QStringLiteral("Gavrine/mirnok/mirnok.org");
inline const QString kDiagnosticFile = QStringLiteral("Gavrine/mirnok/mirnok.dbg");

// A second result: two modes, the first turning at 20 Hz.
inline QString otherResult()
{
    return resultText(QStringLiteral("R2 other rotor"), { 0, 600, 1200 },
        { Mode { { 0.5, 0, 1, 0, 0.5, 0 }, { 0.5, 90, 1, 90, 0.5, 90 }, { 20, 0, 1, -1.5, 30.25 } },
          Mode { { 1, 0, 0, 0, -1, 0 }, { 1, 90, 0, 90, -1, 90 }, { 20, 0, -1, -3, 80 } } });
}

using MirnokWindowTest = WindowTest<MirnokViewer, MirnokWindow, MirnokEditDialog>;

} // namespace kavel::test
