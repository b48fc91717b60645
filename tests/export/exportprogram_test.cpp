#include "export/viewerregistry.h"
#include "framework/reading/textfile.h"
#include "framework/viewer.h"
#include "support/files.h"
#include "support/qtprint.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kavel::test {
namespace {

struct ProgramRun {
    int status = -1;
    QByteArray out;
    QString err;
};

ProgramRun exportChart(const QStringList& arguments, const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(KAVEL_EXPORT_PROGRAM), arguments);
    process.waitForFinished(60000);
    ProgramRun run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

// A root with one tiny rotor: one element from x 0 to 100, outer diameter 40,
// bore 10 at its middle points, on a 10 × 10 cm frame from x 0..100 and
// y -50..50 mm, so one chart centimetre is 10 mm and y = 0 lies at chart 13.
class ExportProgram : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        ASSERT_TRUE(writeFile(path("Gavrine/savlen/savlen.tmp"), " 0   100   100   10 \r\n-50   50   50   10 \r\n 3   0   1 \r\nX\r\nY\r\nT\r\n"));
        ASSERT_TRUE(writeFile(path("data/savlen.mac"), "HEADER\r\nTiny rotor\r\n 1\r\n 7 0 0 0\r\n 7 0 40 10\r\n 7 100 40 10\r\n 7 100 0 0\r\n"));
    }

    QString path(const QString& relative) const { return root.filePath(relative); }

    QStringList lines(const QStringList& extra)
    {
        const QString out = path(QStringLiteral("out.json"));
        const ProgramRun run = exportChart(QStringList { QStringLiteral("savlen"), QStringLiteral("--root"), root.path() } + extra
                                    + QStringList { QStringLiteral("-o"), out });
        EXPECT_EQ(run.status, 0) << run.err.toStdString();
        return QString::fromUtf8(fileBytes(out)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    QTemporaryDir root;
};

TEST_F(ExportProgram, UsageErrorsExitWithTwoAndOneLine)
{
    // A viewer of the suite that this build lacks, while there is one.
    QString unbuilt = QStringLiteral("rotor");
    for (const QString& name : ViewerRegistry::suiteViewers()) {
        if (!ViewerRegistry::builtViewers().contains(name)) {
            unbuilt = name;
            break;
        }
    }
    const QStringList cases[] = {
        {},
        { QStringLiteral("rotor"), QStringLiteral("-o"), path("a.pdf") },
        { unbuilt, QStringLiteral("-o"), path("a.pdf") },
        { QStringLiteral("savlen"), QStringLiteral("--root"), root.path(), QStringLiteral("-o"), path("a.doc") },
        { QStringLiteral("savlen"), QStringLiteral("--root"), root.path(), QStringLiteral("--option"), QStringLiteral("ShowNumbres=1"), QStringLiteral("-o"), path("a.pdf") },
        { QStringLiteral("savlen"), QStringLiteral("--root"), root.path(), QStringLiteral("--option"), QStringLiteral("ShowNumbers=2"), QStringLiteral("-o"), path("a.pdf") },
        { QStringLiteral("savlen"), QStringLiteral("--root"), root.path(), QStringLiteral("--data"), path("missing.mac"), QStringLiteral("-o"), path("a.pdf") },
        { QStringLiteral("savlen"), QStringLiteral("--root"), path("no-such-root"), QStringLiteral("-o"), path("a.pdf") },
    };
    for (const QStringList& arguments : cases) {
        const ProgramRun run = exportChart(arguments);
        EXPECT_EQ(run.status, 2) << arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(run.err.count(QLatin1Char('\n')), 1) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(path("a.pdf")));
    }
}

TEST_F(ExportProgram, UnwritableOutputExitsWithOneNamingTheFile)
{
    // A directory that does not exist stops even root.
    for (const QString& out : { path("missing-dir/chart.pdf"), path("missing-dir/chart.json"), path("missing-dir/chart.png"), path("missing-dir/chart.svg") }) {
        const ProgramRun run = exportChart({ QStringLiteral("savlen"), QStringLiteral("--root"), root.path(), QStringLiteral("-o"), out });
        EXPECT_EQ(run.status, 1) << out.toStdString();
        EXPECT_TRUE(run.err.contains(out)) << run.err.toStdString();
    }
}

// A full disk, made by a file-size limit on the export itself: every format
// leaves the old file as it was and names it, instead of a cut-off file.
TEST_F(ExportProgram, FullDiskKeepsTheOldFileAndNamesIt)
{
    for (const char* extension : { "json", "svg", "png", "pdf" }) {
        const QString out = path(QStringLiteral("old.%1").arg(QLatin1String(extension)));
        ASSERT_TRUE(writeFile(out, "the old export"));
        QProcess process;
        process.start(QStringLiteral("/bin/sh"), { QStringLiteral("-c"), QStringLiteral("trap '' XFSZ; ulimit -f 1; exec \"$0\" \"$@\""),
            QStringLiteral(KAVEL_EXPORT_PROGRAM), QStringLiteral("savlen"), QStringLiteral("--root"), root.path(), QStringLiteral("-o"), out });
        ASSERT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), 1) << extension;
        EXPECT_TRUE(QString::fromLocal8Bit(process.readAllStandardError()).contains(out)) << extension;
        EXPECT_EQ(fileBytes(out), "the old export") << extension;
    }
}

TEST_F(ExportProgram, JsonHoldsTheRecordedPageOfTheTinyRotor)
{
    const QStringList json = lines({});
    ASSERT_GE(json.size(), 3);
    EXPECT_EQ(json.first(), QStringLiteral(R"({"op":"begin","viewer":"savlen","surface":"printer"})"));
    EXPECT_EQ(json.last(), QStringLiteral(R"({"op":"end_document"})"));
    // The frame in the printer's frame width 3 …
    EXPECT_EQ(json[1], QStringLiteral(R"({"op":"line","x1":5,"y1":18,"x2":15,"y2":18,"rgb":[0,0,0],"width":3})"));
    // … and the four contours, upper outer, upper inner, lower outer, lower
    // inner, point step by point step, kept within the frame.
    const QStringList contours {
        R"({"op":"line","x1":5,"y1":13,"x2":5,"y2":11,"rgb":[0,0,0],"width":1})",
        R"({"op":"line","x1":5,"y1":13,"x2":5,"y2":12.5,"rgb":[0,0,0],"width":1})",
        R"({"op":"line","x1":5,"y1":13,"x2":5,"y2":15,"rgb":[0,0,0],"width":1})",
        R"({"op":"line","x1":5,"y1":13,"x2":5,"y2":13.5,"rgb":[0,0,0],"width":1})",
        R"({"op":"line","x1":5,"y1":11,"x2":15,"y2":11,"rgb":[0,0,0],"width":1})",
        R"({"op":"line","x1":5,"y1":12.5,"x2":15,"y2":12.5,"rgb":[0,0,0],"width":1})",
        R"({"op":"line","x1":5,"y1":15,"x2":15,"y2":15,"rgb":[0,0,0],"width":1})",
        R"({"op":"line","x1":5,"y1":13.5,"x2":15,"y2":13.5,"rgb":[0,0,0],"width":1})",
        R"({"op":"line","x1":15,"y1":11,"x2":15,"y2":13,"rgb":[0,0,0],"width":1})",
        R"({"op":"line","x1":15,"y1":12.5,"x2":15,"y2":13,"rgb":[0,0,0],"width":1})",
        R"({"op":"line","x1":15,"y1":15,"x2":15,"y2":13,"rgb":[0,0,0],"width":1})",
        R"({"op":"line","x1":15,"y1":13.5,"x2":15,"y2":13,"rgb":[0,0,0],"width":1})",
        R"({"op":"unclip"})",
        R"({"op":"point","x":10,"y":0,"rgb":[192,192,192],"width":1})",
        R"({"op":"text","x":10,"y":0,"text":"Tiny rotor","font":"times new roman","size":12,"angle":0})",
        R"({"op":"end_document"})",
    };
    EXPECT_EQ(json.mid(json.size() - contours.size()), contours);
    // The Y title runs upward from 4 cm below the frame's centre.
    EXPECT_TRUE(json.contains(QStringLiteral(R"({"op":"text","x":1.5,"y":17,"text":"Y","font":"標準明朝","height":20,"angle":90})")));
}

TEST_F(ExportProgram, CheckPrintsHowFarEachFileWasReadAndFailsOnABrokenDataFile)
{
    const QString data = path("data/savlen.mac");
    const QString settings = path("Gavrine/savlen/savlen.tmp");
    const ProgramRun whole = exportChart({ QStringLiteral("savlen"), QStringLiteral("--root"), root.path(), QStringLiteral("--check") });
    EXPECT_EQ(whole.status, 0) << whole.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(whole.out), data + QStringLiteral(": read to its end\n") + settings + QStringLiteral(": read to its end\n"));

    // Cut in the middle of the third point: the count promised four.
    ASSERT_TRUE(writeFile(data, "HEADER\r\nTiny rotor\r\n 1\r\n 7 0 0 0\r\n 7 0 40 10\r\n 7 10"));
    const ProgramRun broken = exportChart({ QStringLiteral("savlen"), QStringLiteral("--root"), root.path(), QStringLiteral("--check"),
        QStringLiteral("-o"), path("broken.json") });
    EXPECT_EQ(broken.status, 1);
    EXPECT_TRUE(broken.out.startsWith((data + QStringLiteral(", line 6")).toUtf8())) << broken.out.toStdString();
    EXPECT_TRUE(fileBytes(path("broken.json")).contains("Tiny rotor"));
    // Without --check the same export succeeds with a warning.
    const ProgramRun quiet = exportChart({ QStringLiteral("savlen"), QStringLiteral("--root"), root.path(), QStringLiteral("-o"), path("quiet.json") });
    EXPECT_EQ(quiet.status, 0);
    EXPECT_TRUE(quiet.out.isEmpty());
    EXPECT_TRUE(quiet.err.contains(data + QStringLiteral(", line 6"))) << quiet.err.toStdString();
}

TEST_F(ExportProgram, ScreenSurfaceRecordsThePlotHandler)
{
    const QStringList json = lines({ QStringLiteral("--surface"), QStringLiteral("screen") });
    ASSERT_GE(json.size(), 3);
    EXPECT_EQ(json[0], QStringLiteral(R"({"op":"begin","viewer":"savlen","surface":"screen"})"));
    EXPECT_EQ(json[1], QStringLiteral(R"({"op":"clear"})"));
    EXPECT_FALSE(json.contains(QStringLiteral(R"({"op":"end_document"})")));
    EXPECT_TRUE(json.last().contains(QStringLiteral(R"("text":"Tiny rotor","font":"Small Fonts","size":7)")));
}

TEST_F(ExportProgram, ShowNumbersAddsTheElementAndStationLabels)
{
    const QStringList plain = lines({});
    const QStringList numbered = lines({ QStringLiteral("--option"), QStringLiteral("ShowNumbers=1") });
    QStringList added;
    for (const QString& line : numbered) {
        if (!plain.contains(line))
            added.append(line);
    }
    EXPECT_EQ(added, (QStringList {
        R"({"op":"point","x":5,"y":11,"rgb":[255,0,0],"width":1})",
        R"({"op":"text","x":5,"y":11,"text":" 7 ","font":"Small Fonts","size":6,"angle":0})",
        R"({"op":"point","x":15,"y":11,"rgb":[255,0,0],"width":1})",
        R"({"op":"text","x":15,"y":11,"text":" 8 ","font":"Small Fonts","size":6,"angle":0})",
    }));
    EXPECT_EQ(numbered.size(), plain.size() + 4);
}

TEST_F(ExportProgram, DataAndSettingsFilesReplaceTheDefaults)
{
    ASSERT_TRUE(writeFile(path("other/wide.tmp"), " 0   100   100   20 \r\n-50   50   50   10 \r\n 3   0   2 \r\nX\r\nY\r\nWide\r\n"));
    ASSERT_TRUE(writeFile(path("other/other.mac"), "HEADER\r\nOther rotor\r\n 0\r\n"));
    const QStringList json = lines({ QStringLiteral("--settings"), path("other/wide.tmp"), QStringLiteral("--data"), path("other/other.mac") });
    ASSERT_GE(json.size(), 2);
    EXPECT_EQ(json[1], QStringLiteral(R"({"op":"line","x1":5,"y1":18,"x2":25,"y2":18,"rgb":[0,0,0],"width":3})"));
    EXPECT_TRUE(json[json.size() - 2].contains(QStringLiteral(R"("text":"Other rotor")")));
    // --settings is read only.
    EXPECT_TRUE(fileBytes(path("Gavrine/savlen/savlen.tmp")).contains("  10 \r\n"));
}

TEST_F(ExportProgram, RootComesFromKavelRootWithoutTheOption)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("KAVEL_ROOT"), root.path());
    const QString out = path("env.json");
    const ProgramRun run = exportChart({ QStringLiteral("savlen"), QStringLiteral("-o"), out }, environment);
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(fileBytes(out).contains("Tiny rotor"));
}

TEST_F(ExportProgram, SameChartGivesTheSameBytes)
{
    for (const char* extension : { "json", "svg", "png" }) {
        QByteArray first;
        for (const QString& surface : { QStringLiteral("screen"), QStringLiteral("printer") }) {
            const QString a = path(QStringLiteral("a.%1").arg(QLatin1String(extension)));
            const QString b = path(QStringLiteral("b.%1").arg(QLatin1String(extension)));
            const QStringList common { QStringLiteral("savlen"), QStringLiteral("--root"), root.path(), QStringLiteral("--surface"), surface, QStringLiteral("-o") };
            ASSERT_EQ(exportChart(common + QStringList { a }).status, 0);
            ASSERT_EQ(exportChart(common + QStringList { b }).status, 0);
            const QByteArray bytes = fileBytes(a);
            EXPECT_FALSE(bytes.isEmpty()) << extension;
            EXPECT_EQ(bytes, fileBytes(b)) << extension << " " << surface.toStdString();
            // The two handlers draw different charts.
            if (!first.isEmpty()) {
                EXPECT_NE(bytes, first) << extension;
            }
            first = bytes;
        }
    }
}

TEST_F(ExportProgram, SeveralOutputsGiveTheFilesOfSeparateRuns)
{
    const QStringList common { QStringLiteral("savlen"), QStringLiteral("--root"), root.path() };
    const QStringList formats { QStringLiteral("png"), QStringLiteral("pdf"), QStringLiteral("svg"), QStringLiteral("json"), QStringLiteral("csv") };
    QStringList together = common;
    for (const QString& format : formats)
        together += QStringList { QStringLiteral("-o"), path(QStringLiteral("together.") + format) };
    const ProgramRun run = exportChart(together);
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    // A PDF is not byte-stable between runs of Qt's writer (its creation
    // time, and the order of its embedded fonts, which follows a hash seeded
    // anew each run): it must be there; the other formats must be the same.
    EXPECT_TRUE(fileBytes(path(QStringLiteral("together.pdf"))).startsWith("%PDF-"));
    for (const QString& format : formats) {
        if (format == QLatin1String("pdf"))
            continue;
        const QString alone = path(QStringLiteral("alone.") + format);
        ASSERT_EQ(exportChart(common + QStringList { QStringLiteral("-o"), alone }).status, 0);
        const QByteArray bytes = fileBytes(path(QStringLiteral("together.") + format));
        EXPECT_FALSE(bytes.isEmpty()) << format.toStdString();
        EXPECT_EQ(bytes, fileBytes(alone)) << format.toStdString();
    }
}

TEST_F(ExportProgram, PdfIsOneLandscapePage)
{
    const QString out = path(QStringLiteral("page.pdf"));
    const ProgramRun run = exportChart({ QStringLiteral("savlen"), QStringLiteral("--root"), root.path(), QStringLiteral("-o"), out });
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QString pdf = QString::fromLatin1(fileBytes(out));
    ASSERT_TRUE(pdf.startsWith(QStringLiteral("%PDF-")));
    EXPECT_EQ(pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))), 1);
    const QRegularExpressionMatch box = QRegularExpression(QStringLiteral("/MediaBox\\s*\\[\\s*0\\s+0\\s+([0-9.]+)\\s+([0-9.]+)\\s*\\]")).match(pdf);
    ASSERT_TRUE(box.hasMatch());
    // A4 landscape in points.
    EXPECT_NEAR(box.captured(1).toDouble(), 842, 1);
    EXPECT_NEAR(box.captured(2).toDouble(), 595, 1);
}

TEST_F(ExportProgram, PngShowsTheChartOnWhite)
{
    const QString out = path(QStringLiteral("chart.png"));
    ASSERT_EQ(exportChart({ QStringLiteral("savlen"), QStringLiteral("--root"), root.path(), QStringLiteral("--surface"), QStringLiteral("screen"), QStringLiteral("-o"), out }).status, 0);
    const QImage image(out);
    ASSERT_FALSE(image.isNull());
    // The chart region 30 × 21 cm at 96 dpi.
    EXPECT_EQ(image.size(), QSize(1134, 794));
    EXPECT_EQ(image.pixel(600, 300), qRgb(255, 255, 255));
    // The frame's lower-left corner, chart (5, 18), is drawn.
    int darkest = 255;
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy)
            darkest = std::min(darkest, qGray(image.pixel(189 + dx, 680 + dy)));
    }
    EXPECT_LT(darkest, 160);
}

TEST_F(ExportProgram, HelpListsTheViewersTheirOptionsAndResultsInputsAndTheMatricesCommand)
{
    const ProgramRun run = exportChart({ QStringLiteral("--help") });
    EXPECT_EQ(run.status, 0);
    const QString help = QString::fromUtf8(run.out);
    EXPECT_TRUE(help.contains(QStringLiteral("-o OUT")));
    EXPECT_TRUE(help.contains(QStringLiteral("kavel-export matrices [--root DIR] [--data FILE] [--out-dir DIR]")));
    for (const QString& name : kavel::ViewerRegistry::builtViewers()) {
        const QStringList options = kavel::ViewerRegistry::create(name)->exportOptionUsage();
        const QString line = QStringLiteral("%1 %2").arg(name, -8).arg(options.isEmpty() ? QStringLiteral("(none)") : options.join(QStringLiteral("  ")));
        EXPECT_TRUE(help.contains(line)) << line.toStdString();
    }
}

TEST_F(ExportProgram, UnknownOptionListsTheViewersOptions)
{
    const ProgramRun run = exportChart({ QStringLiteral("valden"), QStringLiteral("--root"), root.path(), QStringLiteral("--option"),
        QStringLiteral("ChartMod=2"), QStringLiteral("-o"), path("a.json") });
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, QStringLiteral("kavel-export: valden has no option ChartMod; its options: ChartMode=1|2  ShowCurve=0|1,... (17 values)  orders=K[,K...]  markers=0|1\n"));
}

// Neither Gavrine/ nor data/ (in any letter case): no Kavel root, where every
// file would be missing and the chart empty.
TEST_F(ExportProgram, RootWithoutGavrineOrDataIsAUsageError)
{
    ASSERT_TRUE(QDir().mkpath(path("elsewhere/notes")));
    const ProgramRun run = exportChart({ QStringLiteral("savlen"), QStringLiteral("--root"), path("elsewhere"), QStringLiteral("-o"), path("a.json") });
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, QStringLiteral("kavel-export: --root %1: holds neither Gavrine/ nor data/, so it is no Kavel root\n").arg(path("elsewhere")));
    EXPECT_FALSE(QFile::exists(path("a.json")));

    ASSERT_TRUE(writeFile(path("upper/DATA/savlen.mac"), fileBytes(path("data/savlen.mac"))));
    const ProgramRun upper = exportChart({ QStringLiteral("savlen"), QStringLiteral("--root"), path("upper"), QStringLiteral("-o"), path("a.json") });
    EXPECT_EQ(upper.status, 0) << upper.err.toStdString();
    EXPECT_TRUE(fileBytes(path("a.json")).contains("Tiny rotor"));
}

// valden.mac given to MIRNOK: --check says where it stopped making sense,
// and the export draws what was read with that as its only warning.
TEST_F(ExportProgram, FileOfAnotherKindIsDrawnAsFarAsItMakesSenseWithAWarning)
{
    const QString sampleRoot = QStringLiteral(KAVEL_SAMPLE_ROOT);
    const QString valden = sampleRoot + QStringLiteral("/data/valden.mac");
    const QString reason = valden + QStringLiteral(", line 4, item 1: columns 8 to 18 hold \"SIGMA1\", not a station position");
    const ProgramRun check = exportChart({ QStringLiteral("mirnok"), QStringLiteral("--root"), sampleRoot, QStringLiteral("--data"), valden, QStringLiteral("--check") });
    EXPECT_EQ(check.status, 1);
    EXPECT_TRUE(check.out.startsWith((reason + QLatin1Char('\n')).toUtf8())) << check.out.toStdString();

    const QString png = path(QStringLiteral("wrong.png"));
    const ProgramRun run = exportChart({ QStringLiteral("mirnok"), QStringLiteral("--root"), sampleRoot, QStringLiteral("--data"), valden, QStringLiteral("-o"), png });
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, QStringLiteral("kavel-export: warning: ") + reason + QLatin1Char('\n'));
    EXPECT_EQ(QImage(png).size(), QSize(1134, 794));
}

TEST_F(ExportProgram, ListsTheBuiltViewersOneALine)
{
    const ProgramRun run = exportChart({ QStringLiteral("--list-viewers") });
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(QString::fromLatin1(run.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts), ViewerRegistry::suiteViewers());
}

// The two viewers that draw the rotor outline beside their result take it
// from --outline instead of the root's savlen.mac.
TEST_F(ExportProgram, OutlineOptionReplacesTheRotorOutline)
{
    const QString sampleRoot = QStringLiteral(KAVEL_SAMPLE_ROOT);
    for (const QString& viewer : { QStringLiteral("wespar"), QStringLiteral("mirno1") }) {
        auto json = [&](const QStringList& extra) {
            const QString out = path(viewer + QStringLiteral(".json"));
            const ProgramRun run = exportChart(QStringList { viewer, QStringLiteral("--root"), sampleRoot } + extra + QStringList { QStringLiteral("-o"), out });
            EXPECT_EQ(run.status, 0) << viewer.toStdString() << ": " << run.err.toStdString();
            return QString::fromUtf8(fileBytes(out));
        };
        const QString sample = json({});
        const QString tiny = json({ QStringLiteral("--outline"), path("data/savlen.mac") });
        EXPECT_GT(sample.count(QStringLiteral("\"op\":\"line\"")), tiny.count(QStringLiteral("\"op\":\"line\""))) << viewer.toStdString();
    }
    // MIRNO1's mode boxes take eleven flags.
    const QString out = path(QStringLiteral("none.json"));
    const ProgramRun run = exportChart({ QStringLiteral("mirno1"), QStringLiteral("--root"), sampleRoot, QStringLiteral("--option"),
        QStringLiteral("modeShown=0,0,0,0,0,0,0,0,0,0,0"), QStringLiteral("-o"), out });
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    const ProgramRun bad = exportChart({ QStringLiteral("mirno1"), QStringLiteral("--root"), sampleRoot, QStringLiteral("--option"),
        QStringLiteral("modeShown=0,0"), QStringLiteral("-o"), out });
    EXPECT_EQ(bad.status, 2);
}

} // namespace
} // namespace kavel::test
