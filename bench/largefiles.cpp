#include "largefiles.h"

#include <cmath>
#include <tuple>

namespace kavel::LargeFiles {

namespace {

// A field of 11 characters, as the analyses write them.
QString field(double v, int decimals = 5)
{
    return QString::number(v, 'f', decimals).rightJustified(11);
}

// The same with up to `digits` significant digits, fewer where the number
// would fill the field: a solver's fields never run into each other.
QString generalField(double v, int digits)
{
    QString text = QString::number(v, 'g', digits);
    while (text.size() > 10 && digits > 1)
        text = QString::number(v, 'g', --digits);
    return text.rightJustified(11);
}

// The large rotor's length in mm: every axial result spans it.
constexpr double kRotorLength = kRotorElements * 10.0;

} // namespace

const QString& rotorModel()
{
    static const QString text = [] {
        QString t = QStringLiteral("SAVLEN  ROTOR MODEL DATA\r\nBenchmark rotor  5000 elements\r\n%1\r\n").arg(kRotorElements, 6);
        for (int e = 0; e < kRotorElements; ++e) {
            const double x0 = e * 10.0;
            const double x1 = x0 + 10.0;
            const double D = 80 + 60 * std::sin(e * 0.05) + (e % 97 == 0 ? 300 : 0);
            const double d = e % 3 == 0 ? 20 : 0;
            const int n = e % 30000 + 1;
            for (const auto& [x, outer, inner] : { std::tuple { x0, 0.0, 0.0 }, { x0, D, d }, { x1, D, d }, { x1, 0.0, 0.0 } })
                t += QStringLiteral("%1 %2 %3 %4\r\n").arg(n, 6).arg(x, 10, 'f', 2).arg(outer, 10, 'f', 2).arg(inner, 10, 'f', 2);
        }
        return t;
    }();
    return text;
}

SavlenSettings savlenSettings()
{
    SavlenSettings s;
    s.X = { 0, kRotorLength, 5000, 25 };
    s.Y = { -250, 250, 50, 10 };
    s.FrameWidth = 3;
    s.ContourMode = 1;
    s.XTitle = QStringLiteral("Axial position (mm)");
    s.YTitle = QStringLiteral("Radius (mm)");
    s.Title = QStringLiteral("Benchmark rotor");
    return s;
}

// A long run-up, 0 to 200 rps in 2000 steps, of twelve modes whose
// frequencies split with speed (forward and backward whirl) and whose
// damping falls and rises: every curve crosses the chart.
const QString& eigenvalues()
{
    static const QString text = [] {
        QString t = QStringLiteral("\r\n    *** MAC VALDEN **\r\nBenchmark run-up  2000 steps  12 modes\r\n%1%2\r\n").arg(kEigenSteps, 5).arg(kEigenModes, 5);
        t += QStringLiteral("  STEP      SIGMA1     OMEGA1\r\n RPS   ");
        for (int i = 0; i < kEigenSteps; ++i)
            t += QString::number(i * 0.1, 'f', 4).rightJustified(11);
        t += QStringLiteral("\r\n");
        for (int i = 0; i < kEigenSteps; ++i) {
            t += QString::number(i + 1).rightJustified(5).leftJustified(7);
            for (int j = 1; j <= kEigenModes; ++j) {
                const double speed = i * 0.1;
                const double whirl = (j % 2 == 0 ? 1 : -1) * 0.3 * speed;
                const double omega = 2 * 3.1415926535 * (25.0 * ((j + 1) / 2) + whirl);
                const double sigma = -omega * (0.01 + 0.03 * std::sin(speed / 40 + j));
                t += generalField(sigma, 7) + generalField(omega, 7);
            }
            t += QStringLiteral("\r\n");
        }
        return t;
    }();
    return text;
}

ValdenSettings valdenSettings()
{
    ValdenSettings s;
    s.Xmin = 0, s.Xmax = 200, s.Ymin = 0, s.Ymax = 350;
    s.Xpitch = 25, s.Ypitch = 50, s.Xlength = 20, s.Ylength = 14;
    s.ReMin = -800, s.ReMax = 200, s.ImMin = 0, s.ImMax = 2000;
    s.RePitch = 200, s.ImPitch = 250, s.ReLength = 16, s.ImLength = 13;
    s.FrameWidth = 3;
    s.CurveWidth = 2;
    s.XYXTitle = QStringLiteral("Speed (rps)");
    s.GaussXTitle = QStringLiteral("Re (1/s)");
    s.DampingTitle = QStringLiteral("Damping ratio");
    s.GaussYTitle = QStringLiteral("Im (rad/s)");
    s.FrequencyTitle = QStringLiteral("Natural frequency (Hz)");
    s.XYTitle = QStringLiteral("Campbell diagram");
    s.GaussTitle = QStringLiteral("Eigenvalue paths");
    return s;
}

// 2000 stations along the rotor, 13 complex modes of rising order with
// phases that change along the shaft, in the result file's fixed columns.
const QString& complexModeShapes()
{
    static const QString text = [] {
        QString t = QStringLiteral("DASMOR6  COMPLEX MODE SHAPES\r\nBenchmark rotor  2000 stations  13 modes\r\n%1%2\r\n").arg(kComplexStations, 6).arg(kComplexModes, 6);
        t += QStringLiteral(" Z(mm) ");
        for (int s = 0; s < kComplexStations; ++s)
            t += field(s * kRotorLength / (kComplexStations - 1), 3);
        t += QStringLiteral("\r\n");
        for (int i = 1; i <= kComplexModes; ++i) {
            for (int j = 0; j <= 1; ++j) {
                t += QStringLiteral("%1-%2  ").arg(i, 3).arg(j == 0 ? QLatin1Char('H') : QLatin1Char('V'));
                for (int s = 0; s < kComplexStations; ++s) {
                    const double x = double(s) / (kComplexStations - 1);
                    t += field(std::sin(M_PI * i * x)) + field(90.0 * j + 30.0 * i * x);
                }
                t += QStringLiteral("\r\n");
            }
        }
        for (int i = 1; i <= kComplexModes; ++i)
            t += QStringLiteral("%1-EV ").arg(i, 3) + field(50) + field(0) + field(i % 2 ? 1 : -1) + field(-2.5 * i) + field(60.0 * i) + QStringLiteral("\r\n");
        return t;
    }();
    return text;
}

MirnokSettings mirnokSettings()
{
    MirnokSettings s;
    s.zMin = 0;
    s.zMax = kRotorLength;
    s.zPitch = 5000;
    s.zChart = 16;
    s.viewAngle = -20;
    s.xyMin = -1.5;
    s.xyMax = 1.5;
    s.xyPitch = 0.5;
    s.xyChart = 9;
    s.FrameWidth = 3;
    s.zTitle = QStringLiteral("Axial position (mm)");
    s.xTitle = QStringLiteral("Horizontal (mm)");
    s.yTitle = QStringLiteral("Vertical (mm)");
    s.chartTitle = QStringLiteral("Benchmark modes");
    s.animStep = 10;
    return s;
}

// 2000 stations along the rotor, ten modes of rising order, the vertical
// direction a quarter of the horizontal one.
const QString& planarModeShapes()
{
    static const QString text = [] {
        QString t = QStringLiteral("DASMOR1  MODE SHAPES\r\nBenchmark rotor  2000 stations  10 modes\r\n%1%2\r\n").arg(kPlanarStations, 6).arg(kPlanarModes, 6);
        t += QStringLiteral(" Z(mm) ");
        for (int s = 0; s < kPlanarStations; ++s)
            t += field(s * kRotorLength / (kPlanarStations - 1), 3);
        t += QStringLiteral("\r\n");
        for (int i = 1; i <= kPlanarModes; ++i) {
            for (int j = 0; j <= 1; ++j) {
                t += QStringLiteral("%1-%2  ").arg(i, 3).arg(j == 0 ? QLatin1Char('X') : QLatin1Char('Y'));
                for (int s = 0; s < kPlanarStations; ++s)
                    t += field((j == 0 ? 1.0 : 0.25) * std::sin(M_PI * i * double(s) / (kPlanarStations - 1)));
                t += QStringLiteral("\r\n");
            }
        }
        return t;
    }();
    return text;
}

Mirno1Settings mirno1Settings()
{
    Mirno1Settings s;
    s.X = { 0, kRotorLength, 5000, 20 };
    s.Y = { -1.5, 1.5, 0.5, 10 };
    s.FrameWidth = 3;
    s.XTitle = QStringLiteral("Axial position (mm)");
    s.YTitle = QStringLiteral("Deflection (-)");
    s.Title = QStringLiteral("Benchmark modes");
    return s;
}

// A fine stiffness sweep, 10 to 10^6 kgf/mm, of six modes whose critical
// speeds rise from their pinned-pinned to their clamped values: every curve
// crosses the chart on log-log axes.
const QString& criticalSpeedMap()
{
    static const QString text = [] {
        QString t = QStringLiteral("HOLPIX  UNDAMPED CRITICAL SPEED MAP\r\nBenchmark map  5000 points  6 modes\r\n%1%2\r\n  SUPPORT STIFFNESS (kgf/mm)\r\n")
                        .arg(kMapPoints, 5)
                        .arg(kMapModes, 5);
        auto stiffness = [](int i) { return 10 * std::pow(10.0, 5.0 * (i - 1) / (kMapPoints - 1)); };
        for (int i = 1; i <= kMapPoints; ++i)
            t += QString::number(stiffness(i), 'E', 5).rightJustified(14) + QStringLiteral("\r\n");
        for (int j = 1; j <= kMapModes; ++j) {
            for (int k = 0; k < 3; ++k) {
                t += QStringLiteral("  MODE %1  KIND %2 (Hz)\r\n").arg(j).arg(k);
                for (int i = 1; i <= kMapPoints; ++i) {
                    const double low = 15.0 * j * j, high = 40.0 * j * j;
                    const double f = low + (high - low) / (1 + 3e4 * j / stiffness(i)) - 0.02 * k;
                    t += QString::number(f, 'E', 5).rightJustified(14) + QStringLiteral("\r\n");
                }
            }
        }
        return t;
    }();
    return text;
}

HolpixSettings holpixSettings()
{
    HolpixSettings s;
    s.X = { 10, 1e6, 1e5, 21 };
    s.Y = { 10, 10000, 1000, 15 };
    s.FrameWidth = 3;
    s.XTitle = QStringLiteral("Support stiffness (kgf/mm)");
    s.YTitle = QStringLiteral("Frequency (Hz)");
    s.Title = QStringLiteral("Benchmark map");
    return s;
}

// A run-up from 0 to 12000 rpm in 20000 steps: five responses, each a
// resonance peak at its own speed with the phase turning through −180.
const QString& unbalanceResponse()
{
    static const QString text = [] {
        QString t = QStringLiteral("    *** MAC QORVAT **\r\nBenchmark run-up  20000 speeds  5 curves\r\n%1%2\r\n").arg(kResponseSpeeds, 6).arg(kResponseCurves, 6);
        t += QStringLiteral("   NO.  SPEED(rpm)   AMP1(um)     PHASE1\r\n");
        for (int i = 1; i <= kResponseSpeeds; ++i) {
            const double speed = i * 0.6;
            t += QString::number(i).rightJustified(6).leftJustified(7) + QString::number(speed, 'f', 3).rightJustified(11);
            for (int j = 1; j <= kResponseCurves; ++j) {
                const double r = speed / (2000.0 * j);
                const double amplitude = 2 * r * r / std::sqrt((1 - r * r) * (1 - r * r) + 0.01 * r * r);
                const double phase = -std::atan2(0.1 * r, 1 - r * r) * 180 / 3.141592653589793 - 10 * j;
                t += generalField(amplitude, 5) + QString::number(phase, 'f', 5).rightJustified(11);
            }
            t += QStringLiteral("\r\n");
        }
        return t;
    }();
    return text;
}

ZeptalSettings zeptalSettings()
{
    ZeptalSettings s;
    s.Xmin = 0, s.Xmax = 12000, s.Ymin = 0, s.Ymax = 20;
    s.Xpitch = 1000, s.Ypitch = 5, s.Xlength = 20, s.Ylength = 12;
    s.FrameWidth = 3;
    s.CurveWidth = 2;
    s.XTitle = QStringLiteral("Speed (rpm)");
    s.PhaseTitle = QStringLiteral("Phase (deg)");
    s.AmplitudeTitle = QStringLiteral("Amplitude (um)");
    s.Title = QStringLiteral("Unbalance response");
    return s;
}

// A deflection file as the analysis writes it: two lines of 20000 fields.
const QString& deflection()
{
    static const QString text = [] {
        QString xs = QStringLiteral("X(mm) "), ws = QStringLiteral("W(mm) ");
        for (int i = 0; i < kDeflectionPoints; ++i) {
            xs += QStringLiteral("%1").arg(i * 2.5, 11, 'f', 4);
            ws += QStringLiteral("%1").arg(0.08 * std::sin(i * 3.14159 / kDeflectionPoints), 11, 'f', 5);
        }
        return QStringLiteral("WESPAR  STATIC DEFLECTION\r\nBenchmark rotor\r\n%1\r\n").arg(kDeflectionPoints) + xs + QStringLiteral("\r\n") + ws + QStringLiteral("\r\n");
    }();
    return text;
}

WesparSettings wesparSettings()
{
    WesparSettings s;
    s.X = { 0, kRotorLength, 5000, 21 };
    s.Y = { -0.1, 0.1, 0.025, 6 };
    s.R = { -250, 250, 50, 6 };
    s.FrameWidth = 3;
    s.CurveWidth = 2;
    s.ContourMode = 1;
    s.Title = QStringLiteral("Benchmark deflection");
    return s;
}

// A model in the layout the model-input analysis writes; every fifth
// station carries no modal entries, so the station lines are drawn too.
const QString& lendrixModel()
{
    static const QString text = [] {
        constexpr int p = kLendrixPhysical, q = kLendrixModal;
        QString t = QStringLiteral("LENDRIX  QUASI-MODAL MODEL\r\nBenchmark model  2000 stations\r\n");
        auto matrix = [&](int r, int c) {
            t += QStringLiteral("%1%2\r\n").arg(r, 6).arg(c, 6);
            for (int k = 0; k < r * c; ++k)
                t += QStringLiteral("%1").arg(0.01 * (k + 1), 16, 'E', 7) + (k % 5 == 4 || k == r * c - 1 ? QStringLiteral("\r\n") : QString());
        };
        auto vector = [&](int n, double scale) {
            t += QStringLiteral("%1\r\n").arg(n, 6);
            for (int k = 0; k < n; ++k)
                t += QStringLiteral("%1").arg(scale * (k + 1) * (k + 1), 16, 'E', 7);
            t += QStringLiteral("\r\n");
        };
        matrix(p, p);
        matrix(p, q);
        vector(q, 1);
        matrix(p, p);
        vector(q, 3947.8418);
        matrix(p, p);
        matrix(p, q);
        matrix(q, q);
        t += QStringLiteral("%1%2%3\r\n").arg(p, 6).arg(q, 6).arg(kLendrixStations, 6);
        t += QStringLiteral("  Z    ");
        for (int i = 0; i < kLendrixStations; ++i)
            t += QStringLiteral("%1").arg(i * 25.0, 11, 'f', 4);
        t += QStringLiteral("\r\n");
        for (int i = 0; i < kLendrixStations; ++i) {
            t += QStringLiteral("%1 ").arg(i + 1, 6);
            for (int j = 0; j < p + q; ++j) {
                const double v = j >= p && i % 5 == 0 ? 0 : std::sin(i * 0.01 * (j + 1));
                t += QStringLiteral("%1").arg(v, 11, 'f', 5);
            }
            t += QStringLiteral("\r\n");
        }
        return t;
    }();
    return text;
}

LendrixSettings lendrixSettings()
{
    LendrixSettings s;
    s.X = { 0, kRotorLength, 5000, 20 };
    s.Y = { -5, 5, 1, 12 };
    s.FrameWidth = 3;
    s.XTitle = QStringLiteral("Axial position (mm)");
    s.YTitle = QStringLiteral("Mode (-)");
    s.Title = QStringLiteral("Benchmark model");
    return s;
}

} // namespace kavel::LargeFiles
