#include "holpixtesting.h"

#include "support/windowtest.h"

#include "holpix/holpixviewer.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

namespace kavel::test {
namespace {

const QString kWorkingFile = QStringLiteral("Gavrine/holpix/holpix.tmp");
const QString kFactoryFile = QStringLiteral("Gavrine/holpix/holpix.org");

using HolpixWindowTest = WindowTest<HolpixViewer>;

// The decade labels of the sample settings, x then y.
const QStringList kSampleDecades { " 100 ", " 1000 ", " 10000 ", " 100000 ", " 10 ", " 100 ", " 1000 ", " 10000 " };

int curveSegments(const OpList& ops)
{
    const OpList curves = OpList(std::find_if(ops.begin(), ops.end(), [](const SurfaceOp& op) {
        const auto* t = std::get_if<Op::Text>(&op);
        return t && t->angle == 90;
    }), ops.end());
    return int(all<Op::Line>(curves).size());
}

TEST_F(HolpixWindowTest, StartDrawsAllCriticalSpeedCurvesOnLogLogAxes)
{
    startDrawn(QStringLiteral("HOLPIX/D  Drawing"));
    EXPECT_EQ(window->button(5)->text(), QStringLiteral("5:Default"));
    EXPECT_EQ(viewer->axisOptions, InitialAxisOptions());
    EXPECT_EQ(viewer->curveFlags, MapCurveFlags::atStart());
    const QStringList texts = textsOf(picture());
    EXPECT_EQ(texts.mid(0, 8), kSampleDecades);
    EXPECT_EQ(texts.last(), QStringLiteral("R1 compressor rotor  critical speed map  isotropic supports"));
    // Five modes of 25 points.
    EXPECT_EQ(curveSegments(picture()), 5 * 24);
}

TEST_F(HolpixWindowTest, TheMainWindowHasNoKeys)
{
    start();
    EXPECT_TRUE(viewer->identity().keys.empty());
    const QByteArray before = root.read(kWorkingFile);
    for (char key : { '1', '2', '3', '4', '5', '6' })
        QTest::keyClick(window->button(3), key);
    QApplication::processEvents();
    EXPECT_EQ(plots, 1);
    EXPECT_TRUE(window->findChildren<EditDialog*>().isEmpty());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(watcher.answered(), 0);
    EXPECT_EQ(root.read(kWorkingFile), before);
}

TEST_F(HolpixWindowTest, ALogMinimumOfZeroBecomesAThousandthOfTheMaximumAndIsWrittenBack)
{
    QByteArray settings = root.read(kWorkingFile);
    settings.replace(" 100   100000   10000   21 ", " 0   5000   10000   21 ");
    root.write(kWorkingFile, settings);
    start();
    EXPECT_EQ(viewer->settings.X.min, 5);
    EXPECT_EQ(textsOf(picture()).mid(0, 4), (QStringList { " 5 ", " 50 ", " 500 ", " 5000 " }));
    EXPECT_TRUE(quit(kWorkingFile).startsWith(" 5   5000   10000   21 \r\n"));
}

TEST_F(HolpixWindowTest, DefaultRestoresTheFactorySettingsButKeepsTheAxesAndCurvesChosen)
{
    QByteArray settings = root.read(kWorkingFile);
    settings.replace(" 10   10000   1000   15 ", " 1   1000   100   12 ");
    root.write(kWorkingFile, settings);
    start();
    viewer->axisOptions = { 0, 1, 0, 1, 0 };
    viewer->curveFlags[kAllStandstill] = 1;
    watcher.expect([](QWidget* modal) {
        EXPECT_EQ(messageText(modal), QString::fromUtf8("設定値をデフォルト値に戻しました"));
        acceptMessage(modal);
    });
    window->button(5)->click();
    EXPECT_EQ(watcher.answered(), 1);
    EXPECT_EQ(root.read(kWorkingFile), root.read(kFactoryFile));
    EXPECT_EQ(viewer->settings.Y.min, 10);
    EXPECT_EQ(viewer->axisOptions, (AxisOptions { 0, 1, 0, 1, 0 }));
    EXPECT_EQ(viewer->curveFlags[kAllStandstill], 1);
    EXPECT_EQ(plots, 2);
    EXPECT_EQ(curveSegments(picture()), 10 * 24);
}

TEST_F(HolpixWindowTest, TheFileDialogReadsAnotherMapAndReplots)
{
    root.write(QStringLiteral("data/small.mac"), mapText(3, 2).toLatin1());
    start();
    openDataFile(QStringLiteral("HOLPIX/F File Open"), QStringLiteral("small.mac"));
    EXPECT_EQ(watcher.answered(), 1);
    EXPECT_EQ(plots, 2);
    EXPECT_EQ(viewer->map.modeCount, 2);
    EXPECT_EQ(textsOf(picture()).last(), QStringLiteral("Test comment"));
    EXPECT_EQ(curveSegments(picture()), 2 * 2);
}

// Start, plot, edit, quit, start again: the edited settings are there, the
// axes and curves chosen are not.
TEST_F(HolpixWindowTest, AUserSessionEditsTheMapAndFindsTheSettingsAtTheNextStart)
{
    start();
    window->button(3)->click();
    EXPECT_EQ(plots, 2);
    EXPECT_EQ(textsOf(picture()).mid(0, 8), kSampleDecades);

    EditDialog* dialog = openEdit();
    ASSERT_NE(dialog, nullptr);
    QTest::mouseClick(control<QRadioButton>(dialog, QStringLiteral("Option3")), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(control<QCheckBox>(dialog, QStringLiteral("Check1(13)")), Qt::LeftButton, {}, QPoint(5, 5));
    auto* ymax = control<QLineEdit>(dialog, QStringLiteral("Text7"));
    auto* title = control<QLineEdit>(dialog, QStringLiteral("Text11"));
    ymax->setText(QStringLiteral("2010"));
    title->setText(QStringLiteral("Edited map"));
    QTest::keyClick(title, Qt::Key_Return);
    EXPECT_EQ(plots, 3);
    const QStringList texts = textsOf(picture());
    EXPECT_EQ(texts.mid(4, 4), (QStringList { " 10 ", " 1010 ", " 2010 ", "Edited map" }));
    EXPECT_EQ(curveSegments(picture()), 10 * 24);

    EXPECT_TRUE(quit(kWorkingFile).startsWith(" 100   100000   10000   21 \r\n 10   2010   1000   15 \r\n 3   0 \r\n"));

    start();
    EXPECT_EQ(viewer->settings.Y.max, 2010);
    EXPECT_EQ(viewer->settings.Title, QStringLiteral("Edited map"));
    EXPECT_EQ(viewer->axisOptions, InitialAxisOptions());
    EXPECT_EQ(viewer->curveFlags, MapCurveFlags::atStart());
    EXPECT_EQ(textsOf(picture()).mid(4, 3), (QStringList { " 10 ", " 100 ", " 1000 " }));
    EXPECT_EQ(curveSegments(picture()), 5 * 24);
}

} // namespace
} // namespace kavel::test
