#pragma once

#include "support/windowtest.h"

#include "savlen/savlenviewer.h"

namespace kavel::test {

inline const QString kWorkingFile = QStringLiteral("Gavrine/savlen/savlen.tmp");
inline const QString kFactoryFile = QStringLiteral("Gavrine/savlen/savlen.org");

// The common main window as SAVLEN has it: SAVLEN adds nothing to it.
using SavlenWindowTest = WindowTest<SavlenViewer>;

} // namespace kavel::test
