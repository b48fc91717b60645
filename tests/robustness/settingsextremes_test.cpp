#include "export/viewerregistry.h"
#include "framework/reading/textfile.h"
#include "framework/settings/chartsettings.h"
#include "framework/viewer.h"
#include "support/qtprint.h"

#include <gtest/gtest.h>
#include <limits>

namespace kavel::test {
namespace {

template<typename T>
using Limits = std::numeric_limits<T>;

// What every number item of a record is set to, by its type.
struct Extreme {
    const char* name;
    double number;
    float single;
    qint16 integer;
};

const Extreme kExtremes[] = {
    { "largest", Limits<double>::max(), Limits<float>::max(), Limits<qint16>::max() },
    { "lowest", Limits<double>::lowest(), Limits<float>::lowest(), Limits<qint16>::min() },
    { "smallest normal", Limits<double>::min(), Limits<float>::min(), 1 },
    { "smallest denormal", Limits<double>::denorm_min(), Limits<float>::denorm_min(), 0 },
    { "negative denormal", -Limits<double>::denorm_min(), -Limits<float>::denorm_min(), -1 },
    // The number text has no negative zero: it is written " 0 " and reads
    // back as the zero it equals.
    { "negative zero", -0.0, -0.0f, 0 },
};

// Texts that round to the extremes: the reader takes the nearest value the
// item holds, as a hand-edited file or another program may write them.
struct RoundedText {
    const char* number;
    const char* single;
    const char* integer;
    Extreme value;
};

const RoundedText kRoundedTexts[] = {
    // Just short of where a double, a single overflows.
    { "1.7976931348623158E+308", "3.4028235677973362E+38", "32767.4", kExtremes[0] },
    { "-1.7976931348623158e308", "-3.40282356e38", "-32768.4", kExtremes[1] },
    // Just over half the smallest denormal.
    { "2.4703282292062328E-324", "7.0064923216240862E-46", "0.4", kExtremes[3] },
};

// Sets every item of the viewer's record: numbers by `value`, titles to
// texts of their own.
void fill(const SettingsLayout& layout, const Extreme& value)
{
    int title = 0;
    for (const SettingsLayout::Line& line : layout.lines()) {
        if (line.text)
            *line.text = QStringLiteral("title %1, kept").arg(++title);
        for (const SettingsLayout::NumberItem& item : line.numbers) {
            if (double* const* number = std::get_if<double*>(&item))
                **number = value.number;
            else if (float* const* single = std::get_if<float*>(&item))
                **single = value.single;
            else
                *std::get<qint16*>(item) = value.integer;
        }
    }
}

// Reads `text` into the record, which is first set to other values, and
// checks that every item holds `value` and every title came through.
void expectReadsAs(const QString& viewer, const QString& text, const SettingsLayout& layout, const Extreme& value)
{
    fill(layout, { "other", 7, 7, 7 });
    int title = 0;
    for (const SettingsLayout::Line& line : layout.lines()) {
        if (line.text)
            line.text->clear();
    }
    const ReaderDiagnostic back = ReadChartSettingsText(viewer, text, layout);
    EXPECT_TRUE(back.complete()) << back.toString().toStdString();
    int item = 0;
    for (const SettingsLayout::Line& line : layout.lines()) {
        if (line.text) {
            EXPECT_EQ(*line.text, QStringLiteral("title %1, kept").arg(++title));
        }
        for (const SettingsLayout::NumberItem& number : line.numbers) {
            ++item;
            if (double* const* d = std::get_if<double*>(&number))
                EXPECT_EQ(**d, value.number) << "item " << item;
            else if (float* const* f = std::get_if<float*>(&number))
                EXPECT_EQ(**f, value.single) << "item " << item;
            else
                EXPECT_EQ(*std::get<qint16*>(number), value.integer) << "item " << item;
        }
    }
}

} // namespace

// Every viewer's settings, every item at the extremes of its type: the file
// written reads back to the same values and is then written the same.
TEST(SettingsExtremes, WhatIsWrittenReadsBackForEveryViewer)
{
    for (const QString& name : ViewerRegistry::builtViewers()) {
        const std::unique_ptr<Viewer> viewer = ViewerRegistry::create(name);
        const SettingsLayout layout = viewer->settingsLayout();
        for (const Extreme& extreme : kExtremes) {
            SCOPED_TRACE(name.toStdString() + ", " + extreme.name);
            fill(layout, extreme);
            const QByteArray written = FormatChartSettings(layout);
            expectReadsAs(name, TextFile::decode(written), layout, extreme);
            EXPECT_EQ(FormatChartSettings(layout), written);
        }
    }
}

TEST(SettingsExtremes, TextsThatRoundToTheExtremesReadAsThemForEveryViewer)
{
    for (const QString& name : ViewerRegistry::builtViewers()) {
        const std::unique_ptr<Viewer> viewer = ViewerRegistry::create(name);
        const SettingsLayout layout = viewer->settingsLayout();
        for (const RoundedText& rounded : kRoundedTexts) {
            SCOPED_TRACE(name.toStdString() + ", " + rounded.number);
            QString file;
            int title = 0;
            for (const SettingsLayout::Line& line : layout.lines()) {
                if (line.text) {
                    file += QStringLiteral("title %1, kept\r\n").arg(++title);
                    continue;
                }
                for (const SettingsLayout::NumberItem& item : line.numbers) {
                    const char* text = std::holds_alternative<double*>(item) ? rounded.number
                        : std::holds_alternative<float*>(item)               ? rounded.single
                                                                             : rounded.integer;
                    file += QLatin1Char(' ') + QLatin1String(text);
                }
                file += QLatin1String("\r\n");
            }
            expectReadsAs(name, file, layout, rounded.value);
            const QByteArray written = FormatChartSettings(layout);
            expectReadsAs(name, TextFile::decode(written), layout, rounded.value);
        }
    }
}

// What no item can hold, reached memory some other way, is written as the
// nearest number it can: the file stays readable to its last title.
TEST(SettingsExtremes, AnInfinityOrNaNInMemoryIsWrittenAsTheNearestNumberHeld)
{
    for (const QString& name : ViewerRegistry::builtViewers()) {
        const std::unique_ptr<Viewer> viewer = ViewerRegistry::create(name);
        const SettingsLayout layout = viewer->settingsLayout();
        const double infinity = Limits<double>::infinity();
        const double nan = Limits<double>::quiet_NaN();
        const std::pair<Extreme, Extreme> cases[] = {
            { { "infinity", infinity, float(infinity), Limits<qint16>::max() }, kExtremes[0] },
            { { "minus infinity", -infinity, float(-infinity), Limits<qint16>::min() }, kExtremes[1] },
            { { "NaN", nan, float(nan), 0 }, { "zero", 0, 0, 0 } },
        };
        for (const auto& [stored, written] : cases) {
            SCOPED_TRACE(name.toStdString() + ", " + stored.name);
            fill(layout, stored);
            expectReadsAs(name, TextFile::decode(FormatChartSettings(layout)), layout, written);
        }
    }
}

} // namespace kavel::test
