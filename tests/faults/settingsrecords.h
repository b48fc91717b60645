#pragma once

#include "framework/viewer.h"

#include <memory>

namespace kavel::test {

// Two settings records of one viewer that differ in every item: its factory
// settings, and the same with each number moved by one and each text
// lengthened. The writer program alternates them, and the tests write each
// to a scratch file to know the only two contents a settings file may have.
struct RecordPair {
    std::unique_ptr<Viewer> first;
    std::unique_ptr<Viewer> second;
};

// Nullptrs when the viewer is not built.
RecordPair settingsRecordPair(const QString& viewerName);

} // namespace kavel::test
