#pragma once

#include "support/windowtest.h"

#include "valden/valdeneditdialogs.h"
#include "valden/valdenviewer.h"
#include "valden/valdenwindow.h"

namespace kavel::test {

inline const QString kWorkingFile = QStringLiteral("Gavrine/valdens/valdens.tmp");
inline const QString kFactoryFile = QStringLiteral("Gavrine/valdens/valdens.org");
inline const QString kLegacyFactoryFile = QStringLiteral("Gavrine/valden/valden.org");
inline const QString kLegacyWorkingFile = QStringLiteral("Gavrine/valden/valden.tmp");

using ValdenWindowTest = WindowTest<ValdenViewer, ValdenWindow, ValdenEditDialog>;

} // namespace kavel::test
