#include "launcher/outmatrix.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include "support/qtprint.h"
#include "support/readfile.h"

#include <gtest/gtest.h>

namespace kavel::test {
namespace {

// Station lines: a 7-column label, then 11-column fields.
QString stationLine(const QString& label, const QStringList& fields)
{
    QString line = label.leftJustified(7, QLatin1Char(' '));
    for (const QString& f : fields)
        line += f.rightJustified(11, QLatin1Char(' '));
    return line;
}

// a = 2 physical and n = 3 modal degrees of freedom; values chosen so that
// every entry names its block and position (block 1 value k is 1k, ...).
QString modelText(const QString& block2Header = QStringLiteral("     2     3"), const QString& block2Values = QStringLiteral("21 22 23 24 25 26"))
{
    QStringList lines {
        QStringLiteral("QUASI-MODAL HEADER"),
        QStringLiteral("   title with leading blanks, and a comma"),
        QStringLiteral("     2     2"), QStringLiteral("11 12 13 14"),
        block2Header, block2Values,
        QStringLiteral("     3"), QStringLiteral("31 32 33"),
        QStringLiteral("     2     2"), QStringLiteral("41 42"), QStringLiteral("43 44"),
        QStringLiteral("     3"), QStringLiteral("3947.8418 0.5 -1.25E+08"),
        QStringLiteral("     2     2"), QStringLiteral("61 62 63 64"),
        QStringLiteral("     2     3"), QStringLiteral("71 72 73 74 75 76"),
        QStringLiteral("     3     3"), QStringLiteral("81 82 83 84 85 86 87 88 89"),
        QStringLiteral("     2     3     2"),
        stationLine(QStringLiteral("  Z"), { QStringLiteral("0.5"), QStringLiteral("") }),
        stationLine(QStringLiteral("    1"), { QStringLiteral("1.0"), QStringLiteral("0.0"), QStringLiteral("-0.125"), QStringLiteral("2"), QStringLiteral("1D1") }),
        stationLine(QStringLiteral("    2"), { QStringLiteral("0.1"), QStringLiteral("") }),
    };
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

std::map<QString, QByteArray> format(const QString& text, QString* error = nullptr)
{
    QuasiModalModel m;
    EXPECT_TRUE(readsToItsEnd(ReadQuasiModalModelText(QStringLiteral("lendrix.mac"), text, m)));
    std::map<QString, QByteArray> files;
    for (MatrixFile& f : FormatMatrixFiles(m, error))
        files[f.name] = f.bytes;
    return files;
}

} // namespace

TEST(OutMatrix, MassMatrixJoinsBlocksOneTwoAndTheDiagonalOfThree)
{
    const auto files = format(modelText());
    EXPECT_EQ(files.at("mdata16.dat"),
        "11    13    21    23    25\r\n"
        "12    14    22    24    26\r\n"
        "21    22    31    0    0\r\n"
        "23    24    0    32    0\r\n"
        "25    26    0    0    33\r\n");
}

TEST(OutMatrix, StiffnessMatrixHasZeroCouplingAndTheDiagonalOfFive)
{
    const auto files = format(modelText());
    EXPECT_EQ(files.at("kdata16.dat"),
        "41    43    0    0    0\r\n"
        "42    44    0    0    0\r\n"
        "0    0    3947.842    0    0\r\n"
        "0    0    0    0.5    0\r\n"
        "0    0    0    0    -1.25E+08\r\n");
}

TEST(OutMatrix, GyroscopicMatrixJoinsBlocksSixSevenAndEight)
{
    const auto files = format(modelText());
    EXPECT_EQ(files.at("gdata16.dat"),
        "61    63    71    73    75\r\n"
        "62    64    72    74    76\r\n"
        "71    72    81    84    87\r\n"
        "73    74    82    85    88\r\n"
        "75    76    83    86    89\r\n");
}

TEST(OutMatrix, StationFilesUseTheirOwnNumberForms)
{
    const auto files = format(modelText());
    EXPECT_EQ(files.at("zzahyo.dat"), " .5 \r\n 0 \r\n") << "a field of eleven blanks is 0";
    EXPECT_EQ(files.at("ttmsnd.dat"),
        "    1    0    -0.125    2    10\r\n"
        "    0.1    0    0    0    0\r\n");
    EXPECT_EQ(files.at("fc.dat"), "   title with leading blanks, and a comma\r\n");
}

TEST(OutMatrix, SingleModalValueGivesASingleDiagonal)
{
    QString text = modelText();
    text.replace(QStringLiteral("     3\r\n31 32 33"), QStringLiteral("     1\r\n31"));
    const auto files = format(text);
    EXPECT_EQ(files.at("mdata16.dat"),
        "11    13    21    23    25\r\n"
        "12    14    22    24    26\r\n"
        "21    22    31\r\n");
}

TEST(OutMatrix, BlockTwoRowsAreTakenWithBlockOnesRowCountAsStep)
{
    // Block 2 given as 3 × 2 with two modal values: its upper rows still
    // step by r1 = 2, its columns by r2 = 3.
    QString text = modelText(QStringLiteral("     3     2"));
    text.replace(QStringLiteral("     3\r\n31 32 33"), QStringLiteral("     2\r\n31 32"));
    const auto files = format(text);
    EXPECT_EQ(files.at("mdata16.dat"),
        "11    13    21    23\r\n"
        "12    14    22    24\r\n"
        "21    22    23    31    0\r\n"
        "24    25    26    0    32\r\n");
}

TEST(OutMatrix, BlockTooShortForTheStepStopsBeforeThatFile)
{
    QString error;
    // Block 2 as 1 × 3: its first row, stepping by r1 = 2, needs value 5 of 3.
    const auto files = format(modelText(QStringLiteral("     1     3"), QStringLiteral("21 22 23")), &error);
    EXPECT_TRUE(files.empty());
    EXPECT_EQ(error, "mdata16.dat not written: block 2 has 3 values, value 5 is needed");
}

TEST(OutMatrix, ExportWritesSixFilesOrNamesWhereTheModelStopped)
{
    QTemporaryDir dir;
    const QString model = dir.filePath(QStringLiteral("lendrix.mac"));
    {
        QFile f(model);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(modelText().toLatin1());
    }
    const ExportResult ok = ExportMatrices(model, dir.path());
    EXPECT_TRUE(ok.ok()) << ok.error.toStdString();
    EXPECT_EQ(ok.written.size(), 6);
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("ttmsnd.dat"))));

    {
        QFile f(model);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(modelText().left(120).toLatin1());
    }
    const ExportResult broken = ExportMatrices(model, dir.path());
    EXPECT_FALSE(broken.ok());
    EXPECT_TRUE(broken.error.startsWith(model + QStringLiteral(", line "))) << broken.error.toStdString();
    EXPECT_TRUE(broken.written.isEmpty());
}

TEST(OutMatrix, CountsBeyondTheFileAreRefusedNotAllocated)
{
    QuasiModalModel m;
    const ReaderDiagnostic d = ReadQuasiModalModelText(QStringLiteral("m"), QStringLiteral("h\r\nt\r\n 99999 99999\r\n1 2\r\n"), m);
    EXPECT_FALSE(d.complete());
    EXPECT_EQ(d.reason, "block 1 declares 9999800001 values, more than the file holds");
    EXPECT_FALSE(ReadQuasiModalModelText(QStringLiteral("m"), QStringLiteral("h\r\nt\r\n -1 2\r\n"), m).complete());
}

TEST(OutMatrix, BundledSampleModelExports)
{
    QuasiModalModel m;
    ASSERT_TRUE(readsToItsEnd(ReadQuasiModalModel(QStringLiteral(KAVEL_SAMPLE_ROOT "/data/lendrix.mac"), m)));
    EXPECT_EQ(m.nz, 32);
    EXPECT_EQ(m.Z[1], 40.f);
    EXPECT_FLOAT_EQ(m.T[0][0], 1.08911f);
    QString error;
    const auto files = FormatMatrixFiles(m, &error);
    EXPECT_TRUE(error.isEmpty());
    ASSERT_EQ(files.size(), 6u);
    EXPECT_EQ(files[0].bytes.count("\r\n"), 6);
}

// Block 3 becomes a diagonal matrix: 2100 modes in a 4 KB file would ask
// for 2100² entries. The layout stops at its limit instead of growing with
// the square of the counts.
TEST(OutMatrix, CountsAskingForMillionsOfEntriesAreRefused)
{
    const QString text = QStringLiteral("h\r\nt\r\n 0 0\r\n 0 2100\r\n 2100\r\n") + QStringLiteral("1 ").repeated(2100)
        + QStringLiteral("\r\n 0 0\r\n 0\r\n 0 0\r\n 0 0\r\n 0 0\r\n 0 0 0\r\n Z\r\n");
    QString error;
    EXPECT_TRUE(format(text, &error).empty());
    EXPECT_TRUE(error.startsWith(QStringLiteral("mdata16.dat not written: the model's counts ask for more than"))) << error.toStdString();
}

} // namespace kavel::test
