#include "brokenfiles.h"

#include "export/chartexport.h"
#include "export/viewerregistry.h"
#include "framework/output/plotteddata.h"
#include "framework/results/resultformat.h"
#include "framework/surface/recordingsurface.h"
#include "framework/viewer.h"
#include "support/files.h"
#include "support/qtprint.h"

#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <ctime>
#include <gtest/gtest.h>
#include <iostream>
#include <optional>
#include <sys/resource.h>

namespace kavel::test {
namespace {

using Clock = std::chrono::steady_clock;

// The processor time this test has used: a machine busy with other work
// stretches the wall clock, not this, and a reader looping still shows.
std::chrono::nanoseconds processorTime()
{
    timespec t {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return std::chrono::seconds(t.tv_sec) + std::chrono::nanoseconds(t.tv_nsec);
}

// A sanitizer's shadow memory and quarantine make the peak size meaningless.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(memory_sanitizer) || __has_feature(thread_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

// The heaviest inputs, counts of 32767 in a small file, draw up to the
// charts' limit of a million segments: about 3 s of processor time for
// plot and print in a Debug build, some 10 s under the sanitizers. A reader
// looping over a count the file cannot hold takes far longer.
constexpr auto kInputTimeLimit = std::chrono::seconds(kSanitized ? 60 : 20);
constexpr long kMemoryGrowthLimitKb = 1024L * 1024;

enum class Part { Settings, Outline, Data };

struct Strides {
    qsizetype read = 1;
    qsizetype draw = 1;
};

// Every prefix of a result file is read (every 4th in a sanitizer build,
// which is several times slower and must stay within the test timeout).
// Plotting and printing each of them (about 51,000 over the suite) would
// double the run, so every 16th is drawn, and the last. The outline is SAVLEN's model file, whose every prefix
// SAVLEN's own run reads: the viewers that draw it beside their result take
// every 7th. Settings files are small enough to take whole.
Strides stridesFor(Part part)
{
    switch (part) {
    case Part::Data:
        return { kSanitized ? 4 : 1, 16 };
    case Part::Outline:
        return { 7, 7 };
    case Part::Settings:
        break;
    }
    return {};
}

QString partName(Part part)
{
    static const char* const kNames[] = { "settings", "outline", "data" };
    return QLatin1String(kNames[int(part)]);
}

long peakMemoryKb()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The chart on the screen, with the data it plotted as the window writes
// them, and on paper, with the results marked; the results in every form.
void draw(Viewer& viewer)
{
    RecordingSurface screen(SurfaceKind::Screen);
    viewer.plot(screen);
    (void)PlottedData::of(screen.areas()).csv();
    RecordChart(viewer, SurfaceKind::Printer);
    const ResultRows rows = viewer.results();
    ResultFormat::table(rows);
    ResultFormat::jsonLines(rows);
    ResultFormat::csv(rows);
}

// Every results input the viewer takes, the marks on.
void giveResultInputs(Viewer& viewer)
{
    for (const char* option : { "orders=1,2,0.5", "operating=1000,5000", "stiffness=100,1000,100000", "curve=0", "markers=1" }) {
        const QString text = QString::fromLatin1(option);
        const std::optional<QString> error = viewer.setResultOption(text.section(QLatin1Char('='), 0, 0), text.section(QLatin1Char('='), 1).split(QLatin1Char(',')));
        EXPECT_TRUE(!error || error->isEmpty()) << option;
    }
}

struct Tally {
    qint64 truncations = 0;
    qint64 variants = 0;
};

class ViewerRobustness : public ::testing::TestWithParam<QString> {
protected:
    void SetUp() override
    {
        qputenv("KAVEL_ROOT", KAVEL_SAMPLE_ROOT);
        std::unique_ptr<Viewer> viewer = ViewerRegistry::create(GetParam());
        if (!viewer)
            GTEST_SKIP() << "not built";
        m_samples[int(Part::Settings)] = viewer->workingSettingsPath();
        m_samples[int(Part::Outline)] = viewer->outlinePath();
        m_samples[int(Part::Data)] = viewer->defaultDataPath();
        ASSERT_TRUE(m_dir.isValid());
        m_broken = m_dir.filePath(QStringLiteral("broken"));
    }

    static void TearDownTestSuite()
    {
        std::cout << "robustness: all viewers " << s_total.truncations << " truncations, " << s_total.variants << " variants" << std::endl;
    }

    QString sample(Part part) const { return m_samples[int(part)]; }
    QString source(Part part, std::optional<Part> broken) const { return part == broken ? m_broken : sample(part); }

    // The viewer's start as its window makes it, with the broken file in
    // place of one part.
    std::unique_ptr<Viewer> started(std::optional<Part> broken) const
    {
        std::unique_ptr<Viewer> viewer = ViewerRegistry::create(GetParam());
        giveResultInputs(*viewer);
        viewer->readSettings(source(Part::Settings, broken));
        if (!sample(Part::Outline).isEmpty())
            viewer->readOutline(source(Part::Outline, broken));
        viewer->readData(source(Part::Data, broken));
        return viewer;
    }

    // A file opened again in a running viewer. MIRNO1 reads its outline
    // only beside a whole result, so the result is read after it.
    ReaderDiagnostic reopen(Viewer& viewer, Part part) const
    {
        switch (part) {
        case Part::Settings:
            return viewer.readSettings(m_broken);
        case Part::Outline: {
            const ReaderDiagnostic outline = viewer.readOutline(m_broken);
            viewer.readData(sample(Part::Data));
            return outline;
        }
        case Part::Data:
            break;
        }
        return viewer.readData(m_broken);
    }

    // A new file each time: truncating one in place makes some file systems
    // flush it to disk, which would dominate the run.
    void write(const QByteArray& bytes) const
    {
        QFile::remove(m_broken);
        QFile file(m_broken);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    template <typename Run>
    void timed(const QString& what, Run run)
    {
        const std::chrono::nanoseconds start = processorTime();
        run();
        const std::chrono::nanoseconds took = processorTime() - start;
        if (took > m_slowest) {
            m_slowest = took;
            m_slowestInput = what;
        }
        EXPECT_LT(took, kInputTimeLimit) << what.toStdString();
    }

    // Every prefix of the sample, as a solver still writing leaves it, read
    // again and again by one running viewer.
    void truncate(Part part, const QByteArray& bytes)
    {
        const std::unique_ptr<Viewer> viewer = started(std::nullopt);
        const FileAnatomy anatomy = Dissect(bytes, part == Part::Settings ? FileRole::Settings : FileRole::Result);
        const qsizetype midFirstDataLine = (anatomy.firstDataLineBegin + anatomy.firstDataLineEnd) / 2;
        if (part != Part::Settings) {
            ASSERT_FALSE(anatomy.counts.empty()) << "no count found in the sample";
            ASSERT_GT(anatomy.firstDataLineBegin, 0) << "no data line found in the sample";
        }
        write(bytes);
        EXPECT_TRUE(reopen(*viewer, part).complete()) << "the sample itself";
        const Strides strides = stridesFor(part);
        for (qsizetype n = 0; n < bytes.size(); ++n) {
            const bool mustCheck = part == Part::Data && (n == 0 || n == midFirstDataLine);
            if (n % strides.read != 0 && !mustCheck)
                continue;
            write(bytes.left(n));
            ReaderDiagnostic diagnostic;
            timed(QStringLiteral("%1 cut at %2").arg(partName(part)).arg(n), [&] {
                diagnostic = reopen(*viewer, part);
                if (n % strides.draw == 0 || n == bytes.size() - 1)
                    draw(*viewer);
            });
            ++m_tally.truncations;
            if (mustCheck) {
                EXPECT_FALSE(diagnostic.complete()) << "cut at " << n;
                EXPECT_GT(diagnostic.line, 0) << "cut at " << n;
            }
            if (::testing::Test::HasFatalFailure())
                return;
        }
    }

    void breakEachWay(Part part, const QByteArray& bytes)
    {
        for (const BrokenFile& broken : BrokenVariants(bytes, part == Part::Settings ? FileRole::Settings : FileRole::Result)) {
            write(broken.bytes);
            timed(partName(part) + QLatin1Char(' ') + broken.name, [&] {
                const std::unique_ptr<Viewer> viewer = started(part);
                draw(*viewer);
            });
            ++m_tally.variants;
        }
    }

    QTemporaryDir m_dir;
    QString m_broken;
    QString m_samples[3];
    Tally m_tally;
    std::chrono::nanoseconds m_slowest {};
    QString m_slowestInput;
    static Tally s_total;
};

Tally ViewerRobustness::s_total;

// Broken settings, rotor outline and result files: each is read, plotted
// and printed with its results marked, and its results computed, within
// bounded time and memory, and a result file cut short says so.
TEST_P(ViewerRobustness, ReadsPlotsAndPrintsBrokenFiles)
{
    const long memoryBefore = peakMemoryKb();
    const Clock::time_point start = Clock::now();
    QStringList parts;
    for (Part part : { Part::Settings, Part::Outline, Part::Data }) {
        if (sample(part).isEmpty())
            continue;
        const QByteArray bytes = fileBytes(sample(part));
        ASSERT_FALSE(bytes.isEmpty()) << sample(part).toStdString();
        const qint64 truncationsBefore = m_tally.truncations;
        const qint64 variantsBefore = m_tally.variants;
        truncate(part, bytes);
        breakEachWay(part, bytes);
        if (HasFatalFailure())
            return;
        parts << QStringLiteral("%1 %2+%3").arg(partName(part))
                     .arg(m_tally.truncations - truncationsBefore).arg(m_tally.variants - variantsBefore);
    }
    if (!kSanitized) {
        EXPECT_LT(peakMemoryKb() - memoryBefore, kMemoryGrowthLimitKb);
    }
    s_total.truncations += m_tally.truncations;
    s_total.variants += m_tally.variants;
    std::cout << "robustness: " << GetParam().toStdString() << ' ' << m_tally.truncations << " truncations, " << m_tally.variants
              << " variants (" << parts.join(QStringLiteral(", ")).toStdString() << "; "
              << std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count() << " ms, slowest input "
              << std::chrono::duration_cast<std::chrono::milliseconds>(m_slowest).count() << " ms: " << m_slowestInput.toStdString() << ")"
              << std::endl;
}

INSTANTIATE_TEST_SUITE_P(SuiteViewers, ViewerRobustness, ::testing::ValuesIn(ViewerRegistry::suiteViewers()),
    [](const ::testing::TestParamInfo<QString>& info) { return info.param.toStdString(); });

} // namespace
} // namespace kavel::test
