#pragma once

#include "drawingsurface.h"

namespace kavel {

// Keeps every operation in the order the chart issued it. The tests assert
// on it, the chart export writes it as JSON, and the picture area replays it
// at whatever size the window has.
class RecordingSurface final : public DrawingSurface {
public:
    explicit RecordingSurface(SurfaceKind kind = SurfaceKind::Screen);

    const OpList& ops() const { return m_ops; }
    OpList takeOps() { return std::exchange(m_ops, {}); }

protected:
    void paint(const SurfaceOp& op) override;

private:
    OpList m_ops;
};

} // namespace kavel
