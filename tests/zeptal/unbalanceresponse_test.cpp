#include "zeptal/unbalanceresponse.h"

#include "support/readfile.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace kavel::test {
namespace {

const QString kSample = QStringLiteral(KAVEL_SAMPLE_ROOT "/data/zeptala.mac");

// A data line: the seven-character lead, then 11-character fields.
QString dataLine(int n, const QStringList& fields)
{
    QString line = QString::number(n).rightJustified(6).leftJustified(7);
    for (const QString& f : fields)
        line += f.rightJustified(11);
    return line;
}

ReaderDiagnostic read(const QString& text, UnbalanceResponse& data)
{
    return ReadUnbalanceResponseText(QStringLiteral("t.mac"), text, data);
}

} // namespace

TEST(UnbalanceResponse, SampleReadsWholeAtItsColumns)
{
    const UnbalanceResponse data = readFile<UnbalanceResponse>(ReadUnbalanceResponse, kSample);
    EXPECT_EQ(data.FileComment, QStringLiteral("R1 compressor rotor  unbalance response  vertical 0-peak (um)"));
    EXPECT_EQ(data.speedCount, 159);
    EXPECT_EQ(data.curveCount, 3);
    ASSERT_EQ(data.values.size(), std::size_t(160 * 4 * 2));
    EXPECT_EQ(data.speed(1), 150.f);
    EXPECT_EQ(data.amplitude(1, 1), 1.314e-03f);
    EXPECT_EQ(data.phase(1, 1), -64.59997f);
    EXPECT_EQ(data.amplitude(3, 2), 0.01148f);
    EXPECT_EQ(data.phase(3, 3), -50.05824f);
    EXPECT_EQ(data.speed(13), 1050.f);
    // Row 0 and the phase slot of the speed stay 0.
    EXPECT_EQ(data.response(0, 1, 0), 0.f);
    EXPECT_EQ(data.response(1, 0, 1), 0.f);
}

TEST(UnbalanceResponse, HeaderMayBeFirstOrAfterOtherLinesButMustMatchExactly)
{
    const QString body = QStringLiteral("comment\r\n 2 1\r\n heading\r\n") + dataLine(1, { "100", "5", "-90" }) + "\r\n" + dataLine(2, { "200", "7", "-120" }) + "\r\n";
    UnbalanceResponse first;
    ASSERT_TRUE(read(QStringLiteral("    *** MAC QORVAT **\r\n") + body, first).complete());
    EXPECT_EQ(first.FileComment, QStringLiteral("comment"));
    EXPECT_EQ(first.speed(2), 200.f);
    EXPECT_EQ(first.amplitude(2, 1), 7.f);
    EXPECT_EQ(first.phase(2, 1), -120.f);

    // A header with trailing blanks is passed over like any other line; a
    // single blank serves as the header.
    UnbalanceResponse later;
    ASSERT_TRUE(read(QStringLiteral("    *** MAC QORVAT **  \r\nnoise\r\n \r\n") + body, later).complete());
    EXPECT_EQ(later.FileComment, QStringLiteral("comment"));
    EXPECT_EQ(later.phase(1, 1), -90.f);
}

TEST(UnbalanceResponse, WithoutHeaderThePreviousDataStays)
{
    UnbalanceResponse data;
    data.FileComment = QStringLiteral("before");
    data.speedCount = 1;
    data.values.assign(4, 1.f);
    const ReaderDiagnostic d = read(QStringLiteral("    *** MAC QORVAT ** \r\ncomment\r\n 1 1\r\n"), data);
    EXPECT_FALSE(d.complete());
    EXPECT_EQ(data.FileComment, QStringLiteral("before"));
    EXPECT_EQ(data.speedCount, 1);
    EXPECT_EQ(data.values.size(), 4u);
}

TEST(UnbalanceResponse, ShortLinesGiveZeroForTheMissingFields)
{
    // With two curves a line needs 62 characters; this one ends within the
    // second phase, the next after the speed.
    const QString full = dataLine(1, { "100", "1.5", "-10", "2.5", "-20" });
    ASSERT_EQ(full.size(), 62);
    const QString text = QStringLiteral("    *** MAC QORVAT **\r\nc\r\n 3 2\r\nh\r\n") + full.left(56) + "\r\n" + dataLine(2, { "200" }) + "\r\n" + full.left(3) + "\r\n";
    UnbalanceResponse data;
    ASSERT_TRUE(read(text, data).complete());
    EXPECT_EQ(data.amplitude(1, 1), 1.5f);
    EXPECT_EQ(data.phase(1, 1), -10.f);
    EXPECT_EQ(data.amplitude(1, 2), 2.5f);
    EXPECT_EQ(data.phase(1, 2), 0.f);
    EXPECT_EQ(data.speed(2), 200.f);
    EXPECT_EQ(data.amplitude(2, 1), 0.f);
    EXPECT_EQ(data.speed(3), 0.f);
}

TEST(UnbalanceResponse, TruncatedFileKeepsWhatWasReadAndZeroesTheRest)
{
    const QString text = QStringLiteral("    *** MAC QORVAT **\r\nc\r\n 4 1\r\nh\r\n") + dataLine(1, { "100", "3", "-45" }) + "\r\n";
    UnbalanceResponse data;
    const ReaderDiagnostic d = read(text, data);
    EXPECT_FALSE(d.complete());
    ASSERT_EQ(data.speedCount, 4);
    EXPECT_EQ(data.amplitude(1, 1), 3.f);
    EXPECT_EQ(data.speed(4), 0.f);

    // Broken off within the counts: the comment is new, the table the old.
    UnbalanceResponse counts;
    counts.speedCount = 1;
    counts.values.assign(4, 0.f);
    EXPECT_FALSE(read(QStringLiteral(" \r\nnew\r\n 4"), counts).complete());
    EXPECT_EQ(counts.FileComment, QStringLiteral("new"));
    EXPECT_EQ(counts.speedCount, 1);
}

TEST(UnbalanceResponse, CountsTheFileCannotHoldAreRefused)
{
    for (const char* counts : { "32767 32767", "-1 3", "3 -1", "32767 100", "99999 1" }) {
        UnbalanceResponse data;
        const ReaderDiagnostic d = read(QStringLiteral("    *** MAC QORVAT **\r\nc\r\n%1\r\nh\r\n").arg(QLatin1String(counts)), data);
        EXPECT_FALSE(d.complete()) << counts;
        EXPECT_EQ(data.speedCount, 0) << counts;
        EXPECT_EQ(data.curveCount, 0) << counts;
        EXPECT_LE(data.values.size(), 2u) << counts;
    }
    // Modest counts of a file still being written are kept, zero until read.
    UnbalanceResponse growing;
    EXPECT_FALSE(read(QStringLiteral("    *** MAC QORVAT **\r\nc\r\n 1000 5\r\nh\r\n"), growing).complete());
    EXPECT_EQ(growing.speedCount, 1000);
    EXPECT_EQ(growing.values.size(), std::size_t(1001 * 6 * 2));
}

} // namespace kavel::test
