#include "recordingsurface.h"

namespace kavel {

RecordingSurface::RecordingSurface(SurfaceKind kind)
    : DrawingSurface(kind)
{
}

void RecordingSurface::paint(const SurfaceOp& op)
{
    // A clear starts the picture anew: what was drawn before is gone.
    if (std::holds_alternative<Op::Clear>(op))
        m_ops.clear();
    m_ops.push_back(op);
}

} // namespace kavel
