#include "largerotor.h"

#include <cmath>
#include <tuple>

namespace kavel {

const QString& largeRotorModelText()
{
    static const QString text = [] {
        QString t = QStringLiteral("SAVLEN  ROTOR MODEL DATA\r\nBenchmark rotor  5000 elements\r\n%1\r\n").arg(kLargeRotorElements, 6);
        for (int e = 0; e < kLargeRotorElements; ++e) {
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

const RotorModel& largeRotorModel()
{
    static const RotorModel model = [] {
        RotorModel m;
        ReadRotorModelText(QStringLiteral("bench"), largeRotorModelText(), m);
        return m;
    }();
    return model;
}

} // namespace kavel
