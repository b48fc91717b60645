#pragma once

#include "framework/surface/surfaceops.h"

#include <QRectF>
#include <QString>
#include <memory>

namespace kavel {

// How a chart's animation is written: an animated GIF, or numbered PNG
// frames in a directory.
enum class AnimationFormat { Gif, Frames };

// Writes a chart's animation frame by frame, each frame the picture of the
// given region at 96 dpi, so that no more than one frame is ever held:
//   Gif     an animated GIF89a in the classic 16-colour palette the charts
//           draw with (drawn without antialiasing, so nothing is lost),
//           100 ms a frame as the window's timer shows them, looping;
//   Frames  frame0001.png, frame0002.png, … in the directory OUT, made if
//           it does not exist.
// The first frame fixes the picture's size.
class AnimationWriter {
public:
    AnimationWriter(AnimationFormat format, const QString& path);
    ~AnimationWriter();
    AnimationWriter(const AnimationWriter&) = delete;
    AnimationWriter& operator=(const AnimationWriter&) = delete;

    // Empty on success, else a message naming the file.
    QString addFrame(const OpList& ops, const QRectF& region);
    // Finishes the file; empty on success, else a message naming the file.
    QString finish();

    int frames() const { return m_frames; }

    // The delay between frames, as the window's animation timer ticks.
    static constexpr int kFrameMilliseconds = 100;

private:
    class Gif;

    AnimationFormat m_format;
    QString m_path;
    int m_frames = 0;
    std::unique_ptr<Gif> m_gif;
};

} // namespace kavel
