#pragma once

#include <QString>

namespace kavel {

// The animation's state: "Stop" or "Go", and the phase φ in degrees, a
// single-precision value as the timer advances it.
class ModeAnimation {
public:
    bool isRunning() const { return m_running; }
    QString animState() const { return m_running ? QStringLiteral("Go") : QStringLiteral("Stop"); }
    float phi() const { return m_phi; }

    // "Anime" when stopped: from phase 0.
    void start()
    {
        m_phi = 0;
        m_running = true;
    }
    void stop() { m_running = false; }
    // "3:Plot" and "4:Print": a running animation goes on from phase 0.
    void resetPhase() { m_phi = 0; }

    // After a frame drawn to its end. A phase that reaches 360 starts again
    // at 0 (it is not reduced by 360); a negative step runs backwards and
    // never wraps.
    void advance(double animStep)
    {
        m_phi = float(double(m_phi) + animStep);
        if (m_phi >= 360)
            m_phi = 0;
    }

private:
    bool m_running = false;
    float m_phi = 0;
};

} // namespace kavel
