#include "eigentext.h"

#include "valden/eigendata.h"

#include "support/readfile.h"

#include <gtest/gtest.h>

namespace kavel::test {
namespace {

ReaderDiagnostic read(const QString& text, EigenData& data)
{
    return ReadEigenDataText(QStringLiteral("valden.mac"), text, data);
}

} // namespace

TEST(EigenData, BundledResultReadsToItsEnd)
{
    const EigenData data = readFile<EigenData>(ReadEigenData, QStringLiteral(KAVEL_SAMPLE_ROOT "/data/valden.mac"));
    EXPECT_EQ(data.FileComment, QStringLiteral("R1 compressor rotor  complex eigenvalues  0-200 rps  6 modes"));
    ASSERT_EQ(data.N1, 41);
    ASSERT_EQ(data.N2, 6);
    EXPECT_EQ(data.speedAt(1), 0.f);
    EXPECT_EQ(data.speedAt(2), 5.f);
    EXPECT_EQ(data.speedAt(41), 200.f);
    EXPECT_EQ(data.sigmaAt(1, 1), -16.44193f);
    EXPECT_EQ(data.omegaAt(1, 1), 374.9246f);
    EXPECT_EQ(data.sigmaAt(2, 6), -682.5196f);
    EXPECT_EQ(data.omegaAt(2, 6), 1575.894f);
    EXPECT_NE(data.omegaAt(41, 6), 0.f) << "the last step is read";
}

TEST(EigenData, FixedColumnsGiveSigmaAndOmegaOfEachMode)
{
    EigenData data;
    const QString text = eigenFile(QStringLiteral("two steps, three modes"), { 10, 20 },
        { { { -1, 100 }, { -2, 200 }, { -3, 300 } }, { { -1.5, 101 }, { -2.5, 201 }, { -3.5, 301 } } });
    EXPECT_TRUE(read(text, data).complete());
    ASSERT_EQ(data.N1, 2);
    ASSERT_EQ(data.N2, 3);
    EXPECT_EQ(data.speed, (std::vector<float> { 10, 20 }));
    EXPECT_EQ(data.sigma, (std::vector<float> { -1, -2, -3, -1.5, -2.5, -3.5 }));
    EXPECT_EQ(data.omega, (std::vector<float> { 100, 200, 300, 101, 201, 301 }));
}

TEST(EigenData, MoreModesThanStepsAreAllRead)
{
    EigenData data;
    const QString text = eigenFile(QStringLiteral("c"), { 5 }, { { { -1, 1 }, { -2, 2 }, { -3, 3 }, { -4, 4 } } });
    EXPECT_TRUE(read(text, data).complete());
    ASSERT_EQ(data.N1, 1);
    ASSERT_EQ(data.N2, 4);
    EXPECT_EQ(data.sigmaAt(1, 4), -4.f);
    EXPECT_EQ(data.omegaAt(1, 4), 4.f);
}

TEST(EigenData, WithoutTheMarkerTheLineHoldingOneBlankStartsTheResult)
{
    EigenData data;
    // An empty line and one of two blanks are not the start; one blank is.
    QString text = eigenFile(QStringLiteral("marker-less"), { 0, 10 }, { { { -1, 6.2831853 } }, { { -2, 12.566371 } } }, QStringLiteral(" "));
    text.prepend(QStringLiteral("  EIGENVALUE ANALYSIS\r\n  \r\n"));
    EXPECT_TRUE(readsToItsEnd(read(text, data)));
    EXPECT_EQ(data.FileComment, QStringLiteral("marker-less"));
    ASSERT_EQ(data.N1, 2);
    EXPECT_EQ(data.omegaAt(2, 1), 12.56637f) << "as the file writes it, to seven digits";
}

TEST(EigenData, AFileWithNeitherMarkerNorBlankLineChangesNothing)
{
    EigenData data;
    ASSERT_TRUE(read(eigenFile(QStringLiteral("before"), { 1 }, { { { -1, 1 } } }), data).complete());
    QString other = eigenFile(QStringLiteral("other"), { 1, 2 }, { { { -5, 5 } }, { { -6, 6 } } }, QStringLiteral("    *** MAC VALDEN *"));
    other.remove(0, 2); // no empty first line either
    const ReaderDiagnostic diagnostic = read(other, data);
    EXPECT_FALSE(diagnostic.complete());
    EXPECT_EQ(data.FileComment, QStringLiteral("before"));
    EXPECT_EQ(data.N1, 1);
    EXPECT_EQ(data.sigmaAt(1, 1), -1.f);
}

TEST(EigenData, BlankEmptyAndShortFieldsReadAsZeroOrTheirLeadingNumber)
{
    EigenData data;
    // Columns 8-18 and 19-29 hold mode 1, 30-40 and 41-51 mode 2.
    const QString text = QStringLiteral("    *** MAC VALDEN **\r\ncomment\r\n 2, 3\r\nheadings\r\n"
                                        " RPS      12.5abc\r\n"
                                        "    1  %1  -1.25E+01\r\n"
                                        "    2     -4.0 1 2        8.0\r\n")
                             .arg(QString(11, QLatin1Char(' ')));
    EXPECT_TRUE(read(text, data).complete());
    ASSERT_EQ(data.N1, 2);
    ASSERT_EQ(data.N2, 3);
    EXPECT_EQ(data.speedAt(1), 12.5f);
    EXPECT_EQ(data.speedAt(2), 0.f) << "past the end of the line";
    EXPECT_EQ(data.sigmaAt(1, 1), 0.f) << "eleven blanks";
    EXPECT_EQ(data.omegaAt(1, 1), -12.5f);
    EXPECT_EQ(data.sigmaAt(1, 2), 0.f);
    // Blanks inside a field are ignored: "   -4.0 1 2" is -4.012.
    EXPECT_EQ(data.sigmaAt(2, 1), -4.012f);
    EXPECT_EQ(data.omegaAt(2, 1), 8.f);
}

TEST(EigenData, ATruncatedFileKeepsWhatWasReadAndTheRestZero)
{
    EigenData data;
    QString text = eigenFile(QStringLiteral("still running"), { 0, 10, 20 }, { { { -1, 10 } }, { { -2, 20 } }, { { -3, 30 } } });
    text.truncate(text.lastIndexOf(QLatin1String("    3  ")));
    const ReaderDiagnostic diagnostic = read(text, data);
    EXPECT_FALSE(diagnostic.complete());
    EXPECT_EQ(diagnostic.line, 9);
    EXPECT_EQ(data.FileComment, QStringLiteral("still running"));
    ASSERT_EQ(data.N1, 3);
    EXPECT_EQ(data.speedAt(3), 20.f);
    EXPECT_EQ(data.sigmaAt(2, 1), -2.f);
    EXPECT_EQ(data.sigmaAt(3, 1), 0.f);
    EXPECT_EQ(data.omegaAt(3, 1), 0.f);
}

TEST(EigenData, CountsTheFileCannotHoldAreNotAllocated)
{
    EigenData data;
    ASSERT_TRUE(read(eigenFile(QStringLiteral("before"), { 1 }, { { { -1, 1 } } }), data).complete());
    const ReaderDiagnostic huge = read(QStringLiteral(" \r\nhuge\r\n 32767 32767\r\nh\r\n RPS 1\r\n    1  -1  1\r\n"), data);
    EXPECT_FALSE(huge.complete());
    EXPECT_TRUE(huge.reason.contains(QStringLiteral("more than the file can hold"))) << huge.reason.toStdString();
    EXPECT_EQ(data.FileComment, QStringLiteral("huge"));
    EXPECT_EQ(data.N1, 0);
    EXPECT_EQ(data.N2, 0);
    EXPECT_EQ(data.sigma.capacity(), 0u) << "the earlier tables are released, no new ones made";

    // A file still being written may announce a modest size it does not
    // hold yet: that is kept, zero until read.
    const ReaderDiagnostic modest = read(QStringLiteral(" \r\nmodest\r\n 2000 12\r\nh\r\n RPS 1\r\n"), data);
    EXPECT_FALSE(modest.complete());
    EXPECT_EQ(data.N1, 2000);
    EXPECT_EQ(data.N2, 12);
    EXPECT_EQ(data.sigma.size(), 24000u);

    EXPECT_FALSE(read(QStringLiteral(" \r\nnegative\r\n -3 2\r\n"), data).complete());
    EXPECT_EQ(data.N1, 0);
    EXPECT_TRUE(data.speed.empty());
}

TEST(EigenData, ACountThatIsNoNumberStopsAfterTheComment)
{
    EigenData data;
    const ReaderDiagnostic diagnostic = read(QStringLiteral(" \r\nno counts\r\n forty 6\r\n"), data);
    EXPECT_FALSE(diagnostic.complete());
    EXPECT_EQ(diagnostic.line, 3);
    EXPECT_EQ(data.FileComment, QStringLiteral("no counts"));
    EXPECT_EQ(data.N1, 0);
}

TEST(EigenData, AFileThatCannotBeOpenedKeepsThePreviousData)
{
    EigenData data;
    ASSERT_TRUE(read(eigenFile(QStringLiteral("kept"), { 1 }, { { { -1, 1 } } }), data).complete());
    const ReaderDiagnostic diagnostic = ReadEigenData(QStringLiteral("/no/such/dir/valden.mac"), data);
    EXPECT_FALSE(diagnostic.complete());
    EXPECT_EQ(diagnostic.line, 0);
    EXPECT_EQ(data.FileComment, QStringLiteral("kept"));
    EXPECT_EQ(data.N1, 1);
}

TEST(EigenData, ValuesBeyondTheSingleRangeAreInfiniteNotWrapped)
{
    EigenData data;
    const QString text = QStringLiteral(" \r\nc\r\n 1 1\r\nh\r\n RPS      1E+39\r\n    1     -1E+300      1E+10\r\n");
    EXPECT_TRUE(read(text, data).complete());
    EXPECT_TRUE(std::isinf(data.speedAt(1)));
    EXPECT_EQ(data.sigmaAt(1, 1), -std::numeric_limits<float>::infinity());
    EXPECT_EQ(data.omegaAt(1, 1), 1e10f);
}

} // namespace kavel::test
