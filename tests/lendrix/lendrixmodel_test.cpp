#include "lendrixtext.h"

#include "lendrix/lendrixmodel.h"

#include "support/readfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kavel::test {
namespace {

TEST(ReadLendrixModel, ReadsTheSampleModelAndRotor)
{
    LendrixModel m;
    const QString data = QStringLiteral(KAVEL_SAMPLE_ROOT "/data/");
    EXPECT_TRUE(readsToItsEnd(ReadLendrixModel(data + QStringLiteral("lendrix.mac"), data + QStringLiteral("savlen.mac"), m)));
    EXPECT_EQ(m.FileComment, QStringLiteral("R1 compressor rotor  Craig-Bampton model  2 physical + 4 modal DOF (t mm s)"));
    EXPECT_EQ(m.p, 2);
    EXPECT_EQ(m.q, 4);
    EXPECT_EQ(m.nz, 32);
    ASSERT_EQ(m.block5.size(), 4u);
    EXPECT_EQ(m.block5[0], 2.0468199E+05f);
    EXPECT_EQ(m.block3, std::vector<float>(4, 1.0f));
    ASSERT_EQ(m.Z.size(), 32u);
    EXPECT_EQ(m.Z[1], 40.0f);
    EXPECT_EQ(m.Z[31], 1200.0f);
    ASSERT_EQ(m.T.size(), 32u);
    EXPECT_EQ(m.table(1, 1), 1.08911f);
    EXPECT_EQ(m.table(1, 2), -0.08911f);
    EXPECT_GT(m.rotor.N, 0);
}

TEST(ReadLendrixModel, KeepsTheVectorsCountsAndTableOfAModel)
{
    LendrixModel m;
    ASSERT_TRUE(readsToItsEnd(ReadLendrixModelText(QStringLiteral("m"), lendrixText(3, kBlock5), m)));
    EXPECT_EQ(m.FileComment, QStringLiteral("Two plus three model"));
    EXPECT_EQ(m.L3, 3);
    EXPECT_EQ(m.L5, 3);
    EXPECT_EQ(m.block5, (std::vector<float> { 0, 3947.8418f, 98696.044f }));
    EXPECT_EQ(m.Z, (std::vector<float> { 0, 100, 200, 300 }));
    ASSERT_EQ(m.T.size(), 4u);
    EXPECT_EQ(m.T[1], (std::vector<float> { 2, -2, 1, 0, 0 }));
    EXPECT_EQ(m.T[2], (std::vector<float> { 3, -3, 0, 0, 2 }));
}

// The matrix counts and p, q, nz stand in their columns: what follows
// column 12 (or 18) is not read, where free items would take it as a value.
TEST(ReadLendrixModel, TakesCountsFromTheirColumns)
{
    QString text = lendrixText(3, kBlock5);
    text.replace(QStringLiteral("     2     2\r\n"), QStringLiteral("     2     2 block\r\n"));
    text.replace(QStringLiteral("     2     3     4\r\n"), QStringLiteral("     2     3     4 stations\r\n"));
    LendrixModel m;
    EXPECT_TRUE(readsToItsEnd(ReadLendrixModelText(QStringLiteral("m"), text, m)));
    EXPECT_EQ(m.nz, 4);
    EXPECT_EQ(m.T.size(), 4u);
}

TEST(ReadLendrixModel, ShortStationLinesGiveZero)
{
    QString text = lendrixText(3, kBlock5);
    // Station 3 ends inside its fourth field: "  0" of it is left, then nothing.
    const QString full = stationLine(QStringLiteral("3"), { 3, -3, 0, 0, 2 });
    text.replace(full, full.left(7 + 11 * 3 + 3) + QStringLiteral("\r\n"));
    text.replace(stationLine(QStringLiteral("  Z"), { 0, 100, 200, 300 }), QStringLiteral("  Z            0.0   40.00000\r\n"));
    LendrixModel m;
    ASSERT_TRUE(ReadLendrixModelText(QStringLiteral("m"), text, m).complete());
    EXPECT_EQ(m.T[2], (std::vector<float> { 3, -3, 0, 0, 0 }));
    EXPECT_EQ(m.Z, (std::vector<float> { 0, 40, 0, 0 }));
}

TEST(ReadLendrixModel, StopsAtTheFirstFailureAndKeepsWhatWasRead)
{
    const QString text = lendrixText(3, kBlock5);
    LendrixModel m;
    // Ends inside the station table: two stations read.
    const QString cut = text.left(text.indexOf(stationLine(QStringLiteral("3"), { 3, -3, 0, 0, 2 })));
    EXPECT_FALSE(ReadLendrixModelText(QStringLiteral("m"), cut, m).complete());
    EXPECT_EQ(m.nz, 4);
    EXPECT_EQ(m.T.size(), 2u);
    EXPECT_EQ(m.table(3, 1), 0.0f);

    // A value that is no number inside block 5.
    QString bad = text;
    bad.replace(QStringLiteral("3947.8418"), QStringLiteral("x"));
    LendrixModel b;
    EXPECT_FALSE(ReadLendrixModelText(QStringLiteral("m"), bad, b).complete());
    EXPECT_EQ(b.FileComment, QStringLiteral("Two plus three model"));
    EXPECT_EQ(b.block5, std::vector<float> { 0 });
    EXPECT_EQ(b.nz, 0);
}

TEST(ReadLendrixModel, RefusesCountsTheFileCannotHold)
{
    QString text = lendrixText(3, kBlock5);
    LendrixModel m;
    text.replace(QStringLiteral("     2     3     4\r\n"), QStringLiteral("     2     3 40000\r\n"));
    EXPECT_FALSE(ReadLendrixModelText(QStringLiteral("m"), text, m).complete()) << "nz beyond 16 bits";
    EXPECT_TRUE(m.T.empty());

    text = lendrixText(3, kBlock5);
    text.replace(QStringLiteral("     2     3     4\r\n"), QStringLiteral("     2999999  9999\r\n"));
    EXPECT_FALSE(ReadLendrixModelText(QStringLiteral("m"), text, m).complete()) << "a table far beyond the file";

    text = lendrixText(3, kBlock5);
    text.replace(QStringLiteral("     2     2\r\n"), QStringLiteral("999999999999\r\n"));
    EXPECT_FALSE(ReadLendrixModelText(QStringLiteral("m"), text, m).complete());

    // A file of a megabyte could hold 32767 short station lines of 300
    // zeros each (40 MB in memory): no model is that large.
    text = lendrixText(3, kBlock5);
    text.replace(QStringLiteral("     2     3     4\r\n"), QStringLiteral("     2   29832767\r\n") + QString(1 << 20, QLatin1Char(' ')));
    const ReaderDiagnostic d = ReadLendrixModelText(QStringLiteral("m"), text, m);
    EXPECT_TRUE(d.reason.contains(QStringLiteral("station table"))) << d.toString().toStdString();
    EXPECT_TRUE(m.T.empty());
}

TEST(ReadLendrixModel, AMissingModelFileKeepsTheModelAndReadsTheRotor)
{
    QTemporaryDir dir;
    QFile rotor(dir.filePath(QStringLiteral("savlen.mac")));
    ASSERT_TRUE(rotor.open(QIODevice::WriteOnly));
    rotor.write("h\r\nc\r\n 1\r\n 1 0 0 0\r\n 2 0 60 0\r\n 3 100 60 0\r\n 4 100 0 0\r\n");
    rotor.close();
    LendrixModel m = lendrixModel();
    m.rotor = {};
    EXPECT_FALSE(ReadLendrixModel(dir.filePath(QStringLiteral("none.mac")), rotor.fileName(), m).complete());
    EXPECT_EQ(m.FileComment, QStringLiteral("Two plus three model"));
    EXPECT_EQ(m.nz, 4);
    EXPECT_EQ(m.rotor.N, 4);
}

TEST(FrequencyText, GivesZeroForPhysicalColumnsAndHertzForModalOnes)
{
    const std::optional<QStringList> texts = FrequencyText(lendrixModel());
    ASSERT_TRUE(texts);
    EXPECT_EQ(*texts, (QStringList { "0", "0", "0", "10", "50" }));
}

TEST(FrequencyText, NegativeValueHasNoFrequencyAndTooFewValuesNone)
{
    std::optional<QStringList> texts = FrequencyText(lendrixModel(3, { 3947.8418, -1, 4 }));
    ASSERT_TRUE(texts);
    EXPECT_EQ(*texts, (QStringList { "0", "0", "10", "-", "0.3183099" }));

    LendrixModel m = lendrixModel();
    m.L5 = 2;
    m.block5.resize(2);
    EXPECT_FALSE(FrequencyText(m));
}

} // namespace
} // namespace kavel::test
