#include "mirnokwindowtest.h"

#include "support/readfile.h"

#include <QFile>

namespace kavel::test {
namespace {

const QByteArray kSampleDiagnostic = " 50 \r\n 0 \r\n-1 \r\n-2.5183 \r\n 58.99974 \r\n";

class MirnokViewerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        viewer.readSettings(viewer.workingSettingsPath());
    }

    ModeShapeReads startUpRead() { return viewer.ReadModeShapeFiles(viewer.defaultDataPath(), viewer.outlinePath()); }

    OpList plot()
    {
        RecordingSurface screen;
        viewer.plot(screen);
        return screen.takeOps();
    }

    TestRoot root;
    MirnokViewer viewer;
};

TEST_F(MirnokViewerTest, TheFileDialogsReadLeavesStepDiagnosticAndOutlineAlone)
{
    startUpRead();
    root.write(QStringLiteral("data/other.mac"), otherResult().toLatin1());
    EXPECT_TRUE(readsToItsEnd(viewer.ReadResultFile(root.path(QStringLiteral("data/other.mac")))));
    EXPECT_EQ(viewer.settings.animStep, 50);
    EXPECT_EQ(root.read(kDiagnosticFile), kSampleDiagnostic);
    EXPECT_EQ(viewer.outline.N, 4 * 31);
    // The legend follows the new file's modes.
    const QStringList texts = textsOf(plot());
    EXPECT_TRUE(texts.contains(QStringLiteral("No.1   -1.5 +j 30.25  Hz")));
    EXPECT_TRUE(texts.contains(QStringLiteral("No.2   -3 +j 80  Hz")));
    EXPECT_TRUE(texts.filter(QStringLiteral("No.3")).isEmpty());
    EXPECT_TRUE(texts.contains(QStringLiteral("R2 other rotor")));
}

TEST_F(MirnokViewerTest, TheOutlineComesFromTheFixedFileWhateverResultIsRead)
{
    root.write(QStringLiteral("data/other.mac"), otherResult().toLatin1());
    viewer.ReadModeShapeFiles(root.path(QStringLiteral("data/other.mac")), viewer.outlinePath());
    EXPECT_EQ(viewer.settings.animStep, 20);
    EXPECT_EQ(viewer.outline.N, 4 * 31);
    EXPECT_EQ(viewer.outline.FileComment, QStringLiteral("R1 3-stage compressor rotor  L=1200 mm  31 elements  solid shaft"));
    EXPECT_EQ(viewer.shapes.FileComment, QStringLiteral("R2 other rotor"));
}

TEST_F(MirnokViewerTest, AResultThatBreaksOffLeavesDiagnosticAndOutlineUnread)
{
    QFile::remove(root.path(kDiagnosticFile));
    QByteArray broken = root.read(QStringLiteral("data/mirnok.mac"));
    broken.truncate(broken.indexOf("  2-EV"));
    root.write(QStringLiteral("data/mirnok.mac"), broken);
    const ModeShapeReads reads = startUpRead();
    EXPECT_FALSE(reads.result.complete());
    EXPECT_EQ(viewer.settings.animStep, 10);
    EXPECT_FALSE(QFile::exists(root.path(kDiagnosticFile)));
    EXPECT_EQ(viewer.outline.N, 0);
}

TEST_F(MirnokViewerTest, AResultWithoutModesKeepsTheStepAndStillReadsTheOutline)
{
    root.write(QStringLiteral("data/mirnok.mac"), "h\r\nno modes\r\n 0 0\r\n Z(mm)\r\n");
    startUpRead();
    EXPECT_EQ(viewer.settings.animStep, 10);
    EXPECT_EQ(root.read(kDiagnosticFile), QByteArray());
    EXPECT_EQ(viewer.outline.N, 4 * 31);
    // Axes, titles and outline; no mode, an empty legend but for the speed.
    const OpList ops = plot();
    EXPECT_FALSE(linesIn(ops, kDarkBlue).empty());
    EXPECT_TRUE(textsOf(ops).filter(QStringLiteral("No.")).isEmpty());
    EXPECT_TRUE(textsOf(ops).contains(QStringLiteral("Speed= 10  Hz")));
}

TEST_F(MirnokViewerTest, TimerTicksDrawFramesAndAdvanceThePhaseOnlyWhileRunning)
{
    startUpRead();
    viewer.settings.animStep = 100;
    RecordingSurface screen;
    viewer.Timer1_Timer(screen);
    EXPECT_TRUE(screen.ops().empty());
    EXPECT_EQ(viewer.animation.animState(), QStringLiteral("Stop"));

    viewer.animation.start();
    EXPECT_EQ(viewer.animation.animState(), QStringLiteral("Go"));
    std::vector<float> phases;
    for (int tick = 0; tick < 5; ++tick) {
        EXPECT_TRUE(viewer.Timer1_Timer(screen).complete());
        phases.push_back(viewer.animation.phi());
    }
    // 400 is not taken back to 40: a phase reaching 360 starts again at 0.
    EXPECT_EQ(phases, (std::vector<float> { 100, 200, 300, 0, 100 }));
    // Each frame is the whole chart from a Clear, without the legend.
    const OpList frame = screen.takeOps();
    ASSERT_FALSE(frame.empty());
    EXPECT_TRUE(std::holds_alternative<Op::Clear>(frame.front()));
    EXPECT_FALSE(linesIn(frame, kDarkBlue).empty());
    EXPECT_TRUE(textsOf(frame).filter(QStringLiteral("Speed=")).isEmpty());

    // "3:Plot" goes back to phase 0 and leaves the animation running.
    plot();
    EXPECT_EQ(viewer.animation.phi(), 0.f);
    EXPECT_TRUE(viewer.animation.isRunning());

    viewer.settings.animStep = -30;
    viewer.Timer1_Timer(screen);
    viewer.Timer1_Timer(screen);
    EXPECT_EQ(viewer.animation.phi(), -60.f);
    viewer.settings.animStep = 0;
    viewer.Timer1_Timer(screen);
    EXPECT_EQ(viewer.animation.phi(), -60.f);
}

TEST_F(MirnokViewerTest, ModesWhirlTheWayTheirDirectionSays)
{
    // Mode 1 of the sample turns backwards, mode 2 forwards: a quarter turn of
    // the phase moves a station of each by the same angle the opposite way.
    startUpRead();
    viewer.settings.viewAngle = 30;
    viewer.settings.animStep = 90;
    viewer.modeShown = ModeShown {};
    viewer.modeShown[0] = 1;
    viewer.modeShown[1] = 1;
    const std::optional<ModeProjection> p = ModeProjection::compute(viewer.settings);
    ASSERT_TRUE(p);
    viewer.animation.start();
    // Station 16 has amplitude 1 and phase 90° in both directions of both modes.
    ASSERT_EQ(viewer.shapes.shape(31, 1, 0), 1.f);
    ASSERT_EQ(viewer.shapes.shape(32, 1, 0), 90.f);
    ASSERT_EQ(viewer.shapes.shape(31, 2, 0), 1.f);
    ASSERT_EQ(viewer.shapes.shape(32, 2, 0), 90.f);
    const double x16 = p->stationX(viewer.shapes.stationPos(16));
    std::vector<double> mode1, mode2;
    for (int tick = 0; tick < 4; ++tick) {
        RecordingSurface screen;
        viewer.Timer1_Timer(screen);
        const std::vector<Op::Line> black = linesIn(screen.ops(), kBlack);
        std::vector<Op::Line> blue = linesIn(screen.ops(), kDarkBlue);
        // Segment 15 ends at station 16; the dark-blue mode lines follow the
        // outline and its centre line.
        blue.erase(blue.begin(), blue.end() - 31);
        mode1.push_back(black[black.size() - 31 + 14].x2 - x16);
        mode2.push_back(blue[14].x2 - x16);
    }
    const double s = p->xyScale;
    // Mode 2 (forwards) at 90°, 180°, 270°, 360° of its own phase; mode 1 at 90°, 0°, −90°, −180°.
    const double forwards[] = { 0, -1, 0, 1 };
    const double backwards[] = { 0, 1, 0, -1 };
    for (int tick = 0; tick < 4; ++tick) {
        EXPECT_NEAR(mode2[std::size_t(tick)], s * forwards[tick], 1e-4) << tick;
        EXPECT_NEAR(mode1[std::size_t(tick)], s * backwards[tick], 1e-4) << tick;
    }
}

} // namespace
} // namespace kavel::test
