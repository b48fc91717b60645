#pragma once

#include "unbalanceresponse.h"

#include <vector>

namespace kavel {

// chartPos(0..NS, 0..NC, 0..1): where each response value lands on the
// chart, laid out like the response table. Made for one plot or print.
struct ChartPos {
    explicit ChartPos(const UnbalanceResponse& data)
        : m_data(data)
        , m_values(data.values.size(), 0.f)
    {
    }
    float& operator()(int i, int j, int k) { return m_values[m_data.cell(i, j, k)]; }
    float operator()(int i, int j, int k) const { return m_values[m_data.cell(i, j, k)]; }

private:
    const UnbalanceResponse& m_data;
    std::vector<float> m_values;
};

} // namespace kavel
