#include "framework/results/resultsstate.h"

#include "support/files.h"
#include "support/qtprint.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kavel::test {
namespace {

const ResultInputKinds kZeptal = ResultInput::Operating | ResultInput::Markers;
const ResultInputKinds kHolpix = ResultInput::Stiffness | ResultInput::CurveKind | ResultInput::Markers;

TEST(ResultsState, WrittenAsTheViewersOptionsOneALineThenThePanel)
{
    const ResultsState state { { { 1 }, OperatingRange { 3000, 4500.5 }, {}, std::nullopt, true }, true };
    EXPECT_EQ(FormatResultsState(state, kZeptal), "operating=3000,4500.5\r\nmarkers=1\r\npanel=1\r\n");
    EXPECT_EQ(FormatResultsState({}, kHolpix), "stiffness=\r\ncurve=\r\nmarkers=0\r\npanel=0\r\n");
    EXPECT_EQ(FormatResultsState({}, {}), "panel=0\r\n");
}

TEST(ResultsState, ReadsBackWhatWasWritten)
{
    const ResultsState state { { { 1 }, std::nullopt, { 1000, 2.5e4 }, 1, true }, true };
    EXPECT_EQ(ParseResultsState(QString::fromUtf8(FormatResultsState(state, kHolpix)), kHolpix), state);
}

// A line that does not fit keeps that input's default; the others are read.
TEST(ResultsState, AnyContentReadsWithoutHarmKeepingTheDefaultsOfWhatDoesNotFit)
{
    const ResultsState defaults { { { 1 }, OperatingRange { 1, 2 }, {}, std::nullopt, false }, false };
    const ResultsState read = ParseResultsState(QStringLiteral("operating=5000,3000\r\nmarkers=yes\npanel=1\n"
                                                               "orders=2\nstiffness=10\n\x01\x02 garbage\n=\n==1\npanel\n"),
        kZeptal, defaults);
    EXPECT_EQ(read, (ResultsState { defaults.inputs, true }));
    EXPECT_EQ(ParseResultsState(QString(QChar(0)) + QStringLiteral("operating=1e400,2"), kZeptal, defaults), defaults);
}

TEST(ResultsState, AMissingFileGivesTheDefaultsAndAFileThatCannotBeWrittenIsNamed)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("zeptal.results"));
    const ResultsState defaults { { { 1 }, OperatingRange { 1, 2 }, {}, std::nullopt, false }, false };
    EXPECT_EQ(ReadResultsState(path, kZeptal, defaults), defaults);

    const ResultsState state { { { 1 }, OperatingRange { 10, 20 }, {}, std::nullopt, true }, true };
    EXPECT_EQ(WriteResultsState(path, state, kZeptal), "");
    EXPECT_EQ(ReadResultsState(path, kZeptal), state);

    // A directory in the file's place is kept, and the message names it.
    const QString blocked = dir.filePath(QStringLiteral("holpix.results"));
    ASSERT_TRUE(QDir().mkpath(blocked + QStringLiteral("/kept")));
    const QString error = WriteResultsState(blocked, state, kHolpix);
    EXPECT_TRUE(error.contains(blocked)) << error.toStdString();
    EXPECT_TRUE(QDir(blocked + QStringLiteral("/kept")).exists());
}

} // namespace
} // namespace kavel::test
