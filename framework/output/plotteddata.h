#pragma once

#include "framework/surface/plotarea.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace kavel {

// The data a chart plotted, as a table for other programs: for each run of
// curves that share their samples (a curve over x shares its x values, a
// path its parameter) a column of those samples named by its quantity, then
// a column per curve named by the curve and its axis's quantity ("mode 1
// 振動数 (Hz)"); a path gives two, its x and its y. Runs stand side by side,
// one row per sample; a run with fewer samples, or a point that was not
// drawn, leaves its cells empty. Curves of a sketch are written the same
// way.
struct PlottedData {
    QStringList header;
    std::vector<std::vector<double>> columns; // NaN: an empty cell

    static PlottedData of(const std::vector<PlotArea>& areas);

    // Comma-separated, UTF-8 with a byte-order mark (so that a spreadsheet
    // reads the titles' Japanese), CR LF line ends, a field quoted when it
    // holds a comma, a quote or a line end. Numbers in the fewest digits
    // that read back to the same value: a value that is a single (as the
    // result files hold them) to the same single, any other to the same
    // double.
    QByteArray csv() const;
};

// One number as the table writes it ("" for NaN).
QString plottedNumber(double value);

} // namespace kavel
