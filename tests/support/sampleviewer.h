#pragma once

#include "framework/viewer.h"

#include <QStringList>
#include <memory>

namespace kavel::test {

// Starts a viewer without its window, as the chart export does, over the
// bundled sample root (which it only reads): its working settings, the
// rotor outline where it draws one, its default data.
void loadSample(Viewer& viewer);

template <class T>
std::unique_ptr<T> sampleViewer()
{
    auto viewer = std::make_unique<T>();
    loadSample(*viewer);
    return viewer;
}

// An option's values as the export's command line gives them: "1,0,1".
inline QStringList optionValues(const char* list)
{
    return QString::fromLatin1(list).split(QLatin1Char(','));
}

} // namespace kavel::test
