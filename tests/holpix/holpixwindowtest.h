#pragma once

#include "holpixtesting.h"

#include "support/windowtest.h"

#include "holpix/holpixviewer.h"

namespace kavel::test {

inline const QString kWorkingFile = QStringLiteral("Gavrine/holpix/holpix.tmp");
inline const QString kFactoryFile = QStringLiteral("Gavrine/holpix/holpix.org");

using HolpixWindowTest = WindowTest<HolpixViewer>;

} // namespace kavel::test
