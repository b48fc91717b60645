#include "mirnoktesting.h"

#include "mirnok/modeshapes.h"

#include "support/readfile.h"

#include <QElapsedTimer>
#include <QFile>

#include <gtest/gtest.h>

namespace kavel::test {
namespace {

QString sampleText()
{
    QFile file(QStringLiteral(KAVEL_SAMPLE_ROOT "/data/mirnok.mac"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return QString::fromLatin1(file.readAll());
}

TEST(ModeShapeReader, ReadsTheBundledResultToItsEnd)
{
    ComplexModeShapes shapes;
    EXPECT_TRUE(readsToItsEnd(ReadComplexModeShapes(QStringLiteral(KAVEL_SAMPLE_ROOT "/data/mirnok.mac"), shapes)));
    EXPECT_EQ(shapes.FileComment, QStringLiteral("R1 compressor rotor  complex modes at 50 rps (3000 rpm)"));
    ASSERT_EQ(shapes.N1(), 32);
    ASSERT_EQ(shapes.N2(), 6);
    EXPECT_EQ(shapes.stationPos(1), 0.f);
    EXPECT_EQ(shapes.stationPos(2), 40.f);
    EXPECT_EQ(shapes.stationPos(32), 1200.f);
    EXPECT_EQ(shapes.shape(1, 1, 0), 0.14f);
    EXPECT_EQ(shapes.shape(2, 1, 0), 125.0777f);
    EXPECT_EQ(shapes.shape(2, 1, 1), 35.07766f);
    EXPECT_EQ(shapes.shape(63, 6, 1), 1.f);
    EXPECT_EQ(shapes.shape(64, 6, 1), -90.f);
    EXPECT_EQ(shapes.shape(4, 2, 1), -18.15023f);
    EXPECT_EQ(shapes.modeInfo(1, 1), 50.f);
    EXPECT_EQ(shapes.modeInfo(3, 1), -1.f);
    EXPECT_EQ(shapes.modeInfo(3, 2), 1.f);
    EXPECT_EQ(shapes.modeInfo(4, 1), -2.5183f);
    EXPECT_EQ(shapes.modeInfo(5, 6), 258.0224f);
    // Beyond the tables everything reads 0.
    EXPECT_EQ(shapes.shape(65, 1, 0), 0.f);
    EXPECT_EQ(shapes.modeInfo(1, 7), 0.f);
}

TEST(ModeShapeReader, FieldsStandInFixedColumnsWhateverTheyHold)
{
    // Field 2 of a station line is blank, field 3 has trailing text, the
    // counts are split over two lines, and a line ends early.
    const QString text = QStringLiteral("h\r\nc\r\n 3\r\n 1\r\n")
        + QStringLiteral("Z(mm)  ") + QStringLiteral("       10.0") + QString(11, QLatin1Char(' ')) + QStringLiteral("120.5abc\r\n")
        + QStringLiteral("  1-H      0.5        45\r\n")
        + QStringLiteral("  1-V\r\n")
        + resultLine(QStringLiteral("  1-EV"), { 7.5, 0, -1, -2.25, 60.5 });
    ComplexModeShapes shapes;
    EXPECT_TRUE(readsToItsEnd(ReadComplexModeShapesText(QStringLiteral("t"), text, shapes)));
    EXPECT_EQ(shapes.stationPos(1), 10.f);
    EXPECT_EQ(shapes.stationPos(2), 0.f);
    EXPECT_EQ(shapes.stationPos(3), 120.5f);
    EXPECT_EQ(shapes.shape(1, 1, 0), 0.5f);
    EXPECT_EQ(shapes.shape(2, 1, 0), 45.f);
    EXPECT_EQ(shapes.shape(3, 1, 0), 0.f);
    EXPECT_EQ(shapes.shape(1, 1, 1), 0.f);
    EXPECT_EQ(shapes.modeInfo(1, 1), 7.5f);
    EXPECT_EQ(shapes.modeInfo(5, 1), 60.5f);
}

TEST(ModeShapeReader, ATruncatedFileKeepsWhatItReadAndZeroesTheRest)
{
    // Cut after the first line of mode 3.
    const QString whole = sampleText();
    const qsizetype cut = whole.indexOf(QStringLiteral("  3-V"));
    ASSERT_GT(cut, 0);
    ComplexModeShapes shapes;
    const ReaderDiagnostic d = ReadComplexModeShapesText(QStringLiteral("t"), whole.left(cut), shapes);
    EXPECT_FALSE(d.complete());
    EXPECT_EQ(d.line, 10);
    EXPECT_EQ(shapes.N1(), 32);
    EXPECT_EQ(shapes.N2(), 6);
    EXPECT_EQ(shapes.shape(1, 3, 0), 1.f);
    EXPECT_EQ(shapes.shape(3, 3, 0), 0.9395f);
    EXPECT_EQ(shapes.shape(1, 3, 1), 0.f);
    EXPECT_EQ(shapes.shape(1, 6, 0), 0.f);
    EXPECT_EQ(shapes.modeInfo(1, 1), 0.f);
}

TEST(ModeShapeReader, AFailureBeforeTheCountsChangesOnlyTheComment)
{
    ComplexModeShapes shapes = shapesOf(sampleText());
    ReadComplexModeShapesText(QStringLiteral("t"), QStringLiteral("h\r\nnew comment\r\n 3\r\n"), shapes);
    EXPECT_EQ(shapes.FileComment, QStringLiteral("new comment"));
    EXPECT_EQ(shapes.N1(), 32);
    EXPECT_EQ(shapes.N2(), 6);
    EXPECT_EQ(shapes.modeInfo(1, 1), 50.f);

    // A count that is not a 16-bit integer, and negative counts, alike.
    for (const char* counts : { " 3 x", " 70000 1", " -2 1", " 2 -1" }) {
        const ReaderDiagnostic d = ReadComplexModeShapesText(QStringLiteral("t"), QStringLiteral("h\r\nc\r\n%1\r\n").arg(QLatin1String(counts)), shapes);
        EXPECT_FALSE(d.complete()) << counts;
        EXPECT_EQ(shapes.N1(), 32) << counts;
        EXPECT_EQ(shapes.modeInfo(5, 6), 258.0224f) << counts;
    }
}

TEST(ModeShapeReader, AMissingFileChangesNothing)
{
    ComplexModeShapes shapes = shapesOf(sampleText());
    const ReaderDiagnostic d = ReadComplexModeShapes(QStringLiteral("/nonexistent/mirnok.mac"), shapes);
    EXPECT_FALSE(d.complete());
    EXPECT_EQ(d.line, 0);
    EXPECT_EQ(shapes.FileComment, QStringLiteral("R1 compressor rotor  complex modes at 50 rps (3000 rpm)"));
    EXPECT_EQ(shapes.N2(), 6);
}

TEST(ModeShapeReader, CountsOfZeroGiveEmptyTables)
{
    ComplexModeShapes shapes = shapesOf(sampleText());
    EXPECT_TRUE(readsToItsEnd(ReadComplexModeShapesText(QStringLiteral("t"), QStringLiteral("h\r\nempty\r\n 0 0\r\n Z(mm)\r\n"), shapes)));
    EXPECT_EQ(shapes.N1(), 0);
    EXPECT_EQ(shapes.N2(), 0);
    EXPECT_EQ(shapes.stationPos(1), 0.f);
    EXPECT_EQ(FormatModeDiagnostic(shapes), QByteArray());
}

TEST(ModeShapeReader, CountsTheFileCannotHoldAllocateOnlyWhatItHolds)
{
    // The largest counts over a file of empty lines: every mode line exists
    // but reaches no field. The read finishes at once and every value is 0.
    QString text = QStringLiteral("h\r\nc\r\n 32767 32767\r\n\r\n");
    text.reserve(text.size() + 3 * 32767 * 2);
    for (int k = 0; k < 3 * 32767; ++k)
        text += QStringLiteral("\r\n");
    QElapsedTimer clock;
    clock.start();
    ComplexModeShapes shapes;
    EXPECT_TRUE(readsToItsEnd(ReadComplexModeShapesText(QStringLiteral("t"), text, shapes)));
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_EQ(shapes.N1(), 32767);
    EXPECT_EQ(shapes.N2(), 32767);
    EXPECT_EQ(shapes.shape(65534, 32767, 1), 0.f);

    // And over a file that stops after the counts.
    const ReaderDiagnostic cut = ReadComplexModeShapesText(QStringLiteral("t"), QStringLiteral("h\r\nc\r\n 32767 32767\r\n"), shapes);
    EXPECT_FALSE(cut.complete());
    EXPECT_EQ(shapes.N2(), 32767);
    EXPECT_EQ(shapes.modeInfo(5, 32767), 0.f);
}

TEST(ModeShapeReader, AValueBeyondSinglePrecisionStopsTheReadThere)
{
    const QString text = QStringLiteral("h\r\nc\r\n 2 1\r\n")
        + resultLine(QStringLiteral(" Z(mm)"), { 0, 100 })
        + QStringLiteral("  1-H          0.5       10.0     1.0E39       20.0\r\n")
        + resultLine(QStringLiteral("  1-V"), { 1, 2, 3, 4 })
        + resultLine(QStringLiteral("  1-EV"), { 50, 0, 1, -1, 20 });
    ComplexModeShapes shapes;
    const ReaderDiagnostic d = ReadComplexModeShapesText(QStringLiteral("t"), text, shapes);
    EXPECT_FALSE(d.complete());
    EXPECT_EQ(d.line, 5);
    EXPECT_EQ(shapes.shape(1, 1, 0), 0.5f);
    EXPECT_EQ(shapes.shape(2, 1, 0), 10.f);
    EXPECT_EQ(shapes.shape(3, 1, 0), 0.f);
    EXPECT_EQ(shapes.shape(1, 1, 1), 0.f);
    EXPECT_EQ(shapes.modeInfo(1, 1), 0.f);
}

TEST(ModeShapeReader, TheDiagnosticFileHoldsTheFirstModeInSinglePrecision)
{
    EXPECT_EQ(FormatModeDiagnostic(shapesOf(sampleText())), QByteArray(" 50 \r\n 0 \r\n-1 \r\n-2.5183 \r\n 58.99974 \r\n"));
    const ComplexModeShapes small = shapesOf(resultText(QStringLiteral("c"), { 0 }, { Mode { { 1, 0 }, { 1, 0 }, { 12.3, 0.25, 0, -0.5, 1234567.8 } } }));
    EXPECT_EQ(FormatModeDiagnostic(small), QByteArray(" 12.3 \r\n .25 \r\n 0 \r\n-.5 \r\n 1234568 \r\n"));
}

} // namespace
} // namespace kavel::test
