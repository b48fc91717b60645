#pragma once

#include "lendrix/lendrixmodel.h"

#include <QString>
#include <vector>

namespace kavel::test {

// A station line: a 7-column label, then one 11-character field per value.
inline QString stationLine(const QString& label, const std::vector<double>& values)
{
    QString line = label.leftJustified(7, QLatin1Char(' '));
    for (double v : values)
        line += QStringLiteral("%1").arg(v, 11);
    return line + QStringLiteral("\r\n");
}

// A model of 2 physical and `q` modal columns over 4 stations at x 0, 100,
// 200, 300. Block 5 holds `block5`; the modal part of stations 1 and 4 is
// zero, station 2 has a 1 in the first modal column and station 3 a 2 in
// the last. The physical columns are i and -i.
inline QString lendrixText(int q, const std::vector<double>& block5)
{
    QString t = QStringLiteral("LENDRIX\r\nTwo plus three model\r\n");
    auto matrix = [&](int r, int c) {
        t += QStringLiteral("%1%2\r\n").arg(r, 6).arg(c, 6);
        for (int k = 0; k < r * c; ++k)
            t += QStringLiteral("  %1").arg(k + 1);
        t += QStringLiteral("\r\n");
    };
    auto vector = [&](const std::vector<double>& values) {
        t += QStringLiteral("%1\r\n").arg(values.size(), 6);
        for (double v : values)
            t += QStringLiteral("  %1").arg(v, 0, 'g', 12);
        t += QStringLiteral("\r\n");
    };
    matrix(2, 2);
    matrix(2, q);
    vector(std::vector<double>(std::size_t(q), 1.0));
    matrix(2, 2);
    vector(block5);
    matrix(2, 2);
    matrix(2, q);
    matrix(q, q);
    t += QStringLiteral("%1%2%3\r\n").arg(2, 6).arg(q, 6).arg(4, 6);
    t += stationLine(QStringLiteral("  Z"), { 0, 100, 200, 300 });
    for (int i = 1; i <= 4; ++i) {
        std::vector<double> row { double(i), double(-i) };
        for (int j = 1; j <= q; ++j)
            row.push_back(i == 2 && j == 1 ? 1 : i == 3 && j == q ? 2 : 0);
        t += stationLine(QString::number(i), row);
    }
    return t;
}

inline const std::vector<double> kBlock5 { 0, 3947.8418, 98696.044 };

inline LendrixModel lendrixModel(int q = 3, const std::vector<double>& block5 = kBlock5)
{
    LendrixModel m;
    ReadLendrixModelText(QStringLiteral("lendrix.mac"), lendrixText(q, block5), m);
    ReadRotorModelText(QStringLiteral("savlen.mac"),
        QStringLiteral("h\r\nrotor\r\n 1\r\n 1 0 0 0\r\n 2 0 60 0\r\n 3 100 60 0\r\n 4 100 0 0\r\n"), m.rotor);
    return m;
}

} // namespace kavel::test
