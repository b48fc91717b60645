#pragma once

#include "holpix/holpixsettings.h"
#include "lendrix/lendrixsettings.h"
#include "mirno1/mirno1settings.h"
#include "mirnok/mirnoksettings.h"
#include "savlen/savlensettings.h"
#include "valden/valdensettings.h"
#include "wespar/wesparsettings.h"
#include "zeptal/zeptalsettings.h"

#include <QString>

namespace kavel::LargeFiles {

// The large result of every viewer, as its analysis writes it, with the
// chart settings that show it whole. The benchmarks read and draw them, and
// kavel_largeroot writes them as an installation root for timing the
// command line. Every axial result spans the large rotor's 50 m.

// savlen.mac: 5000 elements (20000 points) of 10 mm, discs and bores.
inline constexpr int kRotorElements = 5000;
const QString& rotorModel();
SavlenSettings savlenSettings();

// valden.mac: a run-up of 2000 speed steps × 12 modes, 0 to 200 rps.
inline constexpr int kEigenSteps = 2000;
inline constexpr int kEigenModes = 12;
const QString& eigenvalues();
ValdenSettings valdenSettings();

// mirnok.mac: 2000 stations, 13 complex modes.
inline constexpr int kComplexStations = 2000;
inline constexpr int kComplexModes = 13;
const QString& complexModeShapes();
MirnokSettings mirnokSettings();

// mirno1.mac: 2000 stations, 10 modes in two directions.
inline constexpr int kPlanarStations = 2000;
inline constexpr int kPlanarModes = 10;
const QString& planarModeShapes();
Mirno1Settings mirno1Settings();

// holpix.mac: a stiffness sweep of 5000 points, 6 modes.
inline constexpr int kMapPoints = 5000;
inline constexpr int kMapModes = 6;
const QString& criticalSpeedMap();
HolpixSettings holpixSettings();

// zeptala.mac: a run-up of 20000 speeds, 5 responses.
inline constexpr int kResponseSpeeds = 20000;
inline constexpr int kResponseCurves = 5;
const QString& unbalanceResponse();
ZeptalSettings zeptalSettings();

// wespar.mac: a deflection line of 20000 points.
inline constexpr int kDeflectionPoints = 20000;
const QString& deflection();
WesparSettings wesparSettings();

// lendrix.mac: 2000 stations × 12 columns (2 physical, 10 modal).
inline constexpr int kLendrixStations = 2000;
inline constexpr int kLendrixPhysical = 2;
inline constexpr int kLendrixModal = 10;
const QString& lendrixModel();
LendrixSettings lendrixSettings();

} // namespace kavel::LargeFiles
