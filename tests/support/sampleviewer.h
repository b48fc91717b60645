#pragma once

#include "export/chartexport.h"
#include "framework/viewer.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <initializer_list>
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

// Success when the option `name` refuses every one of `lists`; else the
// first it took.
inline ::testing::AssertionResult refuses(Viewer& viewer, const QString& name, std::initializer_list<const char*> lists)
{
    for (const char* list : lists) {
        if (viewer.setOption(name, optionValues(list)))
            return ::testing::AssertionFailure() << name.toStdString() << " took \"" << list << '"';
    }
    return ::testing::AssertionSuccess();
}

// A two-chart viewer's choice `name` on the export's command line: "2" is
// taken; 0, 3, two values and the first chart's name `word` are refused.
// The page then printed, with the second chart, which must be ended.
inline OpList secondChartPage(Viewer& viewer, const QString& name, const char* word)
{
    EXPECT_TRUE(viewer.setOption(name, optionValues("2")));
    const OpList page = RecordChart(viewer, SurfaceKind::Printer);
    EXPECT_EQ(page.back(), SurfaceOp(Op::EndDocument {}));
    EXPECT_TRUE(refuses(viewer, name, { "0", "3", "1,2", word }));
    return page;
}

} // namespace kavel::test
