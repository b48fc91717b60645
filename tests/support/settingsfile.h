#pragma once

#include "files.h"
#include "qtprint.h"
#include "readfile.h"

#include "framework/settings/chartsettings.h"

#include <QString>
#include <gtest/gtest.h>

namespace kavel::test {

// A viewer's settings file read into its record; a test failure unless it
// reads to its end.
template <class Settings>
Settings readSettings(const QString& path)
{
    Settings s;
    EXPECT_TRUE(readsToItsEnd(ReadChartSettings(path, s.layout()))) << path.toStdString();
    return s;
}

// Read as above and formatted again, which must give the file's own bytes.
// The settings read.
template <class Settings>
Settings readSettingsWrittenBack(const QString& path)
{
    Settings s = readSettings<Settings>(path);
    EXPECT_EQ(FormatChartSettings(s.layout()), fileBytes(path)) << path.toStdString();
    return s;
}

// Success when `axis` holds exactly these range, pitch and length.
inline ::testing::AssertionResult axisIs(const AxisSettings& axis, double min, double max, double pitch, double length)
{
    if (axis.min == min && axis.max == max && axis.pitch == pitch && axis.length == length)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "axis " << axis.min << ' ' << axis.max << ' ' << axis.pitch << ' ' << axis.length
                                         << ", expected " << min << ' ' << max << ' ' << pitch << ' ' << length;
}

} // namespace kavel::test
