#pragma once

#include "framework/models/rotormodel.h"
#include "largefiles.h"

#include <QString>

namespace kavel {

// The large rotor the rotor-drawing benchmarks share: 5000 elements (20000
// points) of 10 mm each, discs and bores of varying size.
inline constexpr int kLargeRotorElements = LargeFiles::kRotorElements;

// As the model-input analysis writes it into savlen.mac.
const QString& largeRotorModelText();
// The same, read.
const RotorModel& largeRotorModel();

} // namespace kavel
