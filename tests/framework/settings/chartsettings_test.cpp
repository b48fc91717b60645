#include "framework/reading/textfile.h"
#include "framework/settings/chartsettings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include "support/qtprint.h"

#include <gtest/gtest.h>

namespace kavel::test {
namespace {

// A record shaped like SAVLEN's: two axes, a mixed numeric line, three titles.
struct Record {
    AxisSettings X, Y;
    double FrameWidth = 0;
    qint16 SpareFlag = 0, ContourMode = 0;
    QString XTitle, YTitle, Title;

    SettingsLayout layout()
    {
        SettingsLayout l;
        l.axis(X).axis(Y).numbers({ &FrameWidth, &SpareFlag, &ContourMode }).text(XTitle).text(YTitle).text(Title);
        return l;
    }
};

QByteArray readBytes(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

TEST(ChartSettings, WritesNumberTextsJoinedByOneBlankWithCrLf)
{
    Record r;
    r.X = { 0, 500, 50, 25 };
    r.Y = { -150, 150, 0.5, 12 };
    r.FrameWidth = 3;
    r.SpareFlag = 0;
    r.ContourMode = 1;
    r.XTitle = QStringLiteral("x, mm");
    r.Title = QString::fromUtf8("軸方向位置");
    const QByteArray expected = QByteArray(" 0   500   50   25 \r\n-150   150   .5   12 \r\n 3   0   1 \r\nx, mm\r\n\r\n")
        + QByteArray("\x8e\xb2\x95\xfb\x8c\xfc\x88\xca\x92\x75\r\n");
    EXPECT_EQ(FormatChartSettings(r.layout()), expected);
}

TEST(ChartSettings, WhatIsWrittenReadsBackToTheSameValues)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("savlen.tmp"));
    Record r;
    r.X = { -100, 0.1 + 0.2, 1.0 / 3.0, 24 };
    r.Y = { -1e-7, 1e20, 50, 9 };
    r.FrameWidth = 2.5;
    r.SpareFlag = -32768;
    r.ContourMode = 2;
    r.XTitle = QStringLiteral("  leading blanks, and a comma");
    r.YTitle = QString::fromUtf8("半径 (mm)");
    r.Title = {};
    ASSERT_EQ(WriteChartSettings(path, r.layout()), QString());

    Record back;
    EXPECT_TRUE(ReadChartSettings(path, back.layout()).complete());
    EXPECT_EQ(back.X.min, r.X.min);
    EXPECT_EQ(back.X.max, r.X.max);
    EXPECT_EQ(back.X.pitch, r.X.pitch);
    EXPECT_EQ(back.Y.min, r.Y.min);
    EXPECT_EQ(back.Y.max, r.Y.max);
    EXPECT_EQ(back.FrameWidth, 2.5);
    EXPECT_EQ(back.SpareFlag, -32768);
    EXPECT_EQ(back.ContourMode, 2);
    EXPECT_EQ(back.XTitle, r.XTitle);
    EXPECT_EQ(back.YTitle, r.YTitle);
    EXPECT_EQ(back.Title, "");
    EXPECT_EQ(FormatChartSettings(back.layout()), readBytes(path));
}

TEST(ChartSettings, NumericItemsAreOneStreamAcrossLines)
{
    // Line 2 has only three fields: the first field of line 3 becomes Ylength.
    Record r;
    const auto diagnostic = ReadChartSettingsText(QStringLiteral("t"),
        QStringLiteral(" 0 1200 100 22\r\n-250 250 50\r\n 9 3 0 1\r\nX\r\nY\r\nT\r\n"), r.layout());
    EXPECT_TRUE(diagnostic.complete());
    EXPECT_EQ(r.Y.length, 9);
    EXPECT_EQ(r.FrameWidth, 3);
    EXPECT_EQ(r.ContourMode, 1);
    EXPECT_EQ(r.XTitle, "X") << "the rest of the last numeric line is consumed";
}

TEST(ChartSettings, ReaderStopsAtTheFirstFailureKeepingWhatItRead)
{
    Record r;
    r.Y.max = 77;
    r.Title = QStringLiteral("old");
    const auto diagnostic = ReadChartSettingsText(QStringLiteral("savlen.tmp"), QStringLiteral(" 1 2 3 4\r\n5 six 7 8\r\n"), r.layout());
    EXPECT_EQ(r.X.length, 4);
    EXPECT_EQ(r.Y.min, 5);
    EXPECT_EQ(r.Y.max, 77);
    EXPECT_EQ(r.Title, "old");
    EXPECT_EQ(diagnostic.toString(), "savlen.tmp, line 2, item 6: \"six\" is not a number");

    Record titles;
    EXPECT_FALSE(ReadChartSettingsText(QStringLiteral("t"), QStringLiteral("1 2 3 4 5 6 7 8 9 10 11\r\nonly one title"), titles.layout()).complete());
    EXPECT_EQ(titles.XTitle, "only one title");
    EXPECT_EQ(titles.ContourMode, 11);

    Record outOfRange;
    EXPECT_FALSE(ReadChartSettingsText(QStringLiteral("t"), QStringLiteral("1 2 3 4 5 6 7 8 9 40000 1\r\n"), outOfRange.layout()).complete());
    EXPECT_EQ(outOfRange.FrameWidth, 9);
    EXPECT_EQ(outOfRange.SpareFlag, 0);
}

TEST(ChartSettings, UnwritableFileKeepsTheOldOneAndNamesIt)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("savlen.tmp"));
    writeBytes(path, "old settings\r\n");
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    Record r;
    const QString message = WriteChartSettings(path, r.layout());
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (message.isEmpty())
        GTEST_SKIP() << "running with rights that ignore directory permissions";
    EXPECT_TRUE(message.startsWith(path)) << message.toStdString();
    EXPECT_EQ(readBytes(path), "old settings\r\n");
}

TEST(ChartSettings, DirectoryInPlaceOfTheFileIsReportedNotDestroyed)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("savlen.tmp"));
    ASSERT_TRUE(QDir().mkpath(path + QStringLiteral("/keep")));
    Record r;
    const QString message = WriteChartSettings(path, r.layout());
    EXPECT_TRUE(message.startsWith(path)) << message.toStdString();
    EXPECT_TRUE(QDir(path + QStringLiteral("/keep")).exists());
}

TEST(ChartSettings, CopyReplacesTheWorkingFileOrSaysWhyNot)
{
    QTemporaryDir dir;
    const QString org = dir.filePath(QStringLiteral("savlen.org"));
    const QString tmp = dir.filePath(QStringLiteral("savlen.tmp"));
    writeBytes(org, "factory\r\n");
    writeBytes(tmp, "working\r\n");
    EXPECT_EQ(CopySettingsFile(org, tmp), QString());
    EXPECT_EQ(readBytes(tmp), "factory\r\n");
    const QString missing = dir.filePath(QStringLiteral("none.org"));
    EXPECT_TRUE(CopySettingsFile(missing, tmp).startsWith(missing));
    EXPECT_EQ(readBytes(tmp), "factory\r\n");
}

TEST(TextFile, ReadsShiftJisAndHandEditedUtf8)
{
    EXPECT_EQ(TextFile::decode("\x94\xbc\x8c\x61 (mm)"), QString::fromUtf8("半径 (mm)"));
    EXPECT_EQ(TextFile::decode("\xe5\x8d\x8a\xe5\xbe\x84 (mm)"), QString::fromUtf8("半径 (mm)"));
    EXPECT_EQ(TextFile::decode("\xef\xbb\xbf" "abc"), "abc");
    EXPECT_EQ(TextFile::encode(QString::fromUtf8("半径")), QByteArray("\x94\xbc\x8c\x61"));
    // A character Shift-JIS cannot hold is not lost: the line goes out as UTF-8.
    EXPECT_EQ(TextFile::encode(QString::fromUtf8("Ω≠€")), QString::fromUtf8("Ω≠€").toUtf8());
}

} // namespace kavel::test
