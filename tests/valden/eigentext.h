#pragma once

#include <QString>
#include <QStringList>
#include <initializer_list>
#include <utility>
#include <vector>

namespace kavel::test {

// A result line as the analysis writes it: a 7-column label, then fields of
// 11 columns, right-aligned.
inline QString fixedLine(const QString& label, std::initializer_list<double> values)
{
    QString line = label.leftJustified(7, QLatin1Char(' '), true);
    for (double v : values)
        line += QString::number(v, 'g', 7).rightJustified(11);
    return line;
}

// A whole eigenvalue file: marker, comment, counts, headings, speeds, then
// one line of (sigma, omega) pairs per speed step.
inline QString eigenFile(const QString& comment, const std::vector<double>& speeds, const std::vector<std::vector<std::pair<double, double>>>& steps,
    const QString& marker = QStringLiteral("    *** MAC VALDEN **"))
{
    const int modes = steps.empty() ? 0 : int(steps.front().size());
    QString text = QStringLiteral("\r\n") + marker + QStringLiteral("\r\n") + comment + QStringLiteral("\r\n");
    text += QStringLiteral("%1%2\r\n").arg(speeds.size(), 5).arg(modes, 5);
    text += QStringLiteral("  STEP      SIGMA1     OMEGA1\r\n");
    QString speedLine = QStringLiteral(" RPS   ");
    for (double s : speeds)
        speedLine += QString::number(s, 'g', 7).rightJustified(11);
    text += speedLine + QStringLiteral("\r\n");
    for (std::size_t i = 0; i < steps.size(); ++i) {
        QString line = QString::number(i + 1).rightJustified(5).leftJustified(7);
        for (const auto& [sigma, omega] : steps[i])
            line += QString::number(sigma, 'g', 7).rightJustified(11) + QString::number(omega, 'g', 7).rightJustified(11);
        text += line + QStringLiteral("\r\n");
    }
    return text;
}

} // namespace kavel::test
