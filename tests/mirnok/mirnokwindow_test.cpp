#include "mirnokwindowtest.h"

#include "framework/ui/fileopendialog.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace kavel::test {
namespace {

void typeInto(QWidget* dialog, const QString& field, const QString& text)
{
    auto* edit = control<QLineEdit>(dialog, field);
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

TEST_F(MirnokWindowTest, ShowsItsDesignWithAnimeOverThePicture)
{
    start();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("DASMOR6/D  Drawing"));
    const std::pair<int, const char*> buttons[] = {
        { 1, "1:File" }, { 2, "2:Edit" }, { 3, "3:Plot" }, { 4, "4:Print" }, { 5, "5:Default" }, { 6, "6:Quit" },
    };
    const QStringList names { "Command1", "Command2", "Command3", "Command4", "Command7", "Command6" };
    for (const auto& [n, caption] : buttons) {
        EXPECT_EQ(window->button(n)->text(), QString::fromUtf8(caption)) << n;
        EXPECT_EQ(window->button(n)->objectName(), names[n - 1]) << n;
        EXPECT_TRUE(window->button(n)->isVisible()) << n;
    }
    QPushButton* anime = window->animeButton();
    EXPECT_EQ(anime->objectName(), QStringLiteral("Command5"));
    EXPECT_EQ(anime->text(), QStringLiteral("Anime"));
    EXPECT_FALSE(window->timer1()->isActive());
    EXPECT_EQ(window->timer1()->interval(), 100);

    // "Anime" stays over the picture's upper right however large the window.
    for (const QSize size : { window->size(), QSize(1400, 1000) }) {
        window->resize(size);
        const QRect picture = window->picture()->geometry();
        const QRect b = anime->geometry();
        EXPECT_TRUE(picture.contains(b)) << size.width();
        EXPECT_GT(b.left(), picture.center().x()) << size.width();
        EXPECT_LT(b.bottom(), picture.center().y()) << size.width();
        EXPECT_GT(window->button(1)->geometry().top(), picture.bottom()) << size.width();
    }
    EXPECT_TRUE(viewer->identity().keys.empty());
}

TEST_F(MirnokWindowTest, TheWindowAnswersNoKeys)
{
    start();
    QTest::keyClick(window.get(), '3');
    QTest::keyClick(window->button(2), '2');
    QTest::keyClick(window->button(6), '6');
    EXPECT_EQ(plots, 1);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->findChildren<MirnokEditDialog*>().isEmpty());
}

TEST_F(MirnokWindowTest, StartDrawsEveryModeWithTheLegendAndTheFirstModesSpeed)
{
    start();
    EXPECT_EQ(plots, 1);
    EXPECT_EQ(viewer->modeShown, ModeShown::atStart());
    EXPECT_EQ(viewer->settings.animStep, 50);
    EXPECT_EQ(viewer->settings.viewAngle, -20);
    EXPECT_EQ(QDir::cleanPath(viewer->dataPath), QDir::cleanPath(root.path(QStringLiteral("data/mirnok.mac"))));
    EXPECT_EQ(root.read(kDiagnosticFile), QByteArray(" 50 \r\n 0 \r\n-1 \r\n-2.5183 \r\n 58.99974 \r\n"));
    EXPECT_EQ(viewer->outline.N, 4 * 31);
    const QStringList texts = pictureTexts();
    EXPECT_TRUE(texts.contains(QStringLiteral("Speed= 50  Hz")));
    EXPECT_TRUE(texts.contains(QStringLiteral("No.1   -2.5183 +j 58.99974  Hz")));
    EXPECT_TRUE(texts.contains(QStringLiteral("No.6   -106.9115 +j 258.0224  Hz")));
    EXPECT_EQ(texts.back(), QStringLiteral("R1 compressor rotor  complex modes at 50 rps (3000 rpm)"));
    // Six modes of 31 segments each, and the outline in dark blue.
    EXPECT_GE(linesIn(picture(), Palette::colour(5)).size(), 31u);
    EXPECT_GE(linesIn(picture(), kDarkBlue).size(), 4u * 31 - 1 + 1 + 31);
}

TEST_F(MirnokWindowTest, AnimeStartsAndStopsTheTimerAndEachTickRedrawsAtTheNextPhase)
{
    start();
    QPushButton* anime = window->animeButton();
    anime->click();
    EXPECT_EQ(anime->text(), QStringLiteral("Stop"));
    EXPECT_TRUE(window->timer1()->isActive());
    EXPECT_EQ(viewer->animation.animState(), QStringLiteral("Go"));

    window->Timer1_Timer();
    const OpList first = picture();
    EXPECT_TRUE(std::holds_alternative<Op::Clear>(first.front()));
    EXPECT_TRUE(textsOf(first).filter(QStringLiteral("No.")).isEmpty());
    EXPECT_EQ(viewer->animation.phi(), 50.f);
    window->Timer1_Timer();
    EXPECT_NE(picture(), first);
    EXPECT_EQ(viewer->animation.phi(), 100.f);
    for (int tick = 0; tick < 6; ++tick)
        window->Timer1_Timer();
    EXPECT_EQ(viewer->animation.phi(), 0.f); // 400 ≥ 360 starts again at 0
    EXPECT_EQ(plots, 1);

    anime->click();
    EXPECT_EQ(anime->text(), QStringLiteral("Anime"));
    EXPECT_FALSE(window->timer1()->isActive());
    const OpList stopped = picture();
    window->Timer1_Timer();
    EXPECT_EQ(picture(), stopped);

    // Started again: from phase 0.
    window->Timer1_Timer();
    anime->click();
    EXPECT_EQ(viewer->animation.phi(), 0.f);
}

TEST_F(MirnokWindowTest, StopLeavesTheWholeChartWithItsLegend)
{
    start();
    const OpList whole = picture();
    QPushButton* anime = window->animeButton();
    anime->click();
    for (int tick = 0; tick < 3; ++tick)
        window->Timer1_Timer();
    EXPECT_TRUE(pictureTexts().filter(QStringLiteral("Speed=")).isEmpty());

    anime->click();
    EXPECT_EQ(anime->text(), QStringLiteral("Anime"));
    EXPECT_EQ(plots, 2);
    EXPECT_EQ(viewer->animation.phi(), 0.f);
    EXPECT_EQ(picture(), whole);
    EXPECT_TRUE(pictureTexts().contains(QStringLiteral("Speed= 50  Hz")));
}

TEST_F(MirnokWindowTest, AFrameThatCannotBeDrawnSaysWhyTheAnimationStandsStill)
{
    start();
    window->animeButton()->click();
    window->Timer1_Timer();
    EXPECT_FALSE(window->animeStatus()->isVisible());

    MirnokEditDialog* dialog = openEdit();
    ASSERT_NE(dialog, nullptr);
    typeInto(dialog, QStringLiteral("Text2"), QStringLiteral("0"));
    control<QPushButton>(dialog, QStringLiteral("Command2"))->click();
    EXPECT_EQ(viewer->settings.zMax, 0);

    window->Timer1_Timer();
    window->Timer1_Timer();
    EXPECT_EQ(viewer->animation.phi(), 0.f);
    EXPECT_TRUE(window->animeStatus()->isVisible());
    EXPECT_TRUE(window->animeStatus()->text().contains(QStringLiteral("zMax equals zMin")));
    EXPECT_EQ(window->animeButton()->text(), QStringLiteral("Stop"));
    // The frame still carries the comment.
    EXPECT_EQ(pictureTexts().back(), QStringLiteral("R1 compressor rotor  complex modes at 50 rps (3000 rpm)"));

    dialog = openEdit();
    ASSERT_NE(dialog, nullptr);
    typeInto(dialog, QStringLiteral("Text2"), QStringLiteral("1200"));
    control<QPushButton>(dialog, QStringLiteral("Command2"))->click();
    window->Timer1_Timer();
    EXPECT_FALSE(window->animeStatus()->isVisible());
    EXPECT_EQ(viewer->animation.phi(), 50.f);
}

TEST_F(MirnokWindowTest, TheEditingDialogShowsAndTakesOverEveryItem)
{
    start();
    MirnokEditDialog* dialog = openEdit();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("MIRNOK/E  Editing rotor model"));
    const std::pair<const char*, const char*> shown[] = {
        { "Text1", "0" }, { "Text2", "1200" }, { "Text3", "200" }, { "Text4", "14" }, { "Text13", "-20" },
        { "Text6", "-2.5" }, { "Text7", "1" }, { "Text8", "0.5" }, { "Text9", "10.5" }, { "Text15", "50" },
        { "Text12", "R1 compressor rotor  complex modes at 50 rps (3000 rpm)" },
    };
    for (const auto& [name, value] : shown)
        EXPECT_EQ(control<QLineEdit>(dialog, QString::fromLatin1(name))->text(), QString::fromLatin1(value)) << name;
    EXPECT_EQ(control<QLineEdit>(dialog, QStringLiteral("Text5"))->text(), QString::fromUtf8("軸方向位置 (mm)"));
    EXPECT_EQ(control<QLineEdit>(dialog, QStringLiteral("Text14"))->text(), QString::fromUtf8("垂直 (mm)"));
    EXPECT_EQ(control<QGroupBox>(dialog, QString())->title(), QStringLiteral("Slect Mode"));
    for (int k = 0; k < 13; ++k) {
        QCheckBox* box = control<QCheckBox>(dialog, QStringLiteral("Check1(%1)").arg(k));
        EXPECT_EQ(box->text(), k == 12 ? QStringLiteral("All") : QString::number(k + 1));
        EXPECT_EQ(box->isChecked(), k == 12) << k;
    }
    // Two boxes a row, "All" under 12.
    EXPECT_LT(dialog->modeBox(0)->x(), dialog->modeBox(1)->x());
    EXPECT_EQ(dialog->modeBox(0)->y(), dialog->modeBox(1)->y());
    EXPECT_EQ(dialog->modeBox(12)->x(), dialog->modeBox(11)->x());
    EXPECT_GT(dialog->modeBox(12)->y(), dialog->modeBox(11)->y());

    typeInto(dialog, QStringLiteral("Text1"), QStringLiteral("12abc"));
    typeInto(dialog, QStringLiteral("Text13"), QStringLiteral("35"));
    typeInto(dialog, QStringLiteral("Text15"), QStringLiteral("7.5"));
    typeInto(dialog, QStringLiteral("Text11"), QStringLiteral("Modes, edited"));
    typeInto(dialog, QStringLiteral("Text12"), QStringLiteral("my comment"));
    dialog->modeBox(12)->click();
    dialog->modeBox(0)->click();
    dialog->modeBox(2)->click();
    QTest::keyClick(control<QLineEdit>(dialog, QStringLiteral("Text3")), Qt::Key_Return);

    EXPECT_EQ(plots, 2);
    EXPECT_EQ(viewer->settings.zMin, 12);
    EXPECT_EQ(viewer->settings.viewAngle, 35);
    EXPECT_EQ(viewer->settings.animStep, 7.5);
    EXPECT_EQ(viewer->settings.chartTitle, QStringLiteral("Modes, edited"));
    EXPECT_EQ(viewer->shapes.FileComment, QStringLiteral("my comment"));
    ModeShown expected {};
    expected[0] = 1;
    expected[2] = 1;
    EXPECT_EQ(viewer->modeShown, expected);
    // Modes 1 and 3 only, in the first two colours; the legend still lists six.
    EXPECT_TRUE(linesIn(picture(), Palette::colour(2)).empty());
    EXPECT_EQ(pictureTexts().filter(QStringLiteral("No.")).size(), 6);
    EXPECT_TRUE(pictureTexts().contains(QStringLiteral("Speed= 7.5  Hz")));
    EXPECT_TRUE(pictureTexts().contains(QStringLiteral("my comment")));
}

TEST_F(MirnokWindowTest, CancelAndEscapeChangeNothing)
{
    start();
    for (bool escape : { false, true }) {
        MirnokEditDialog* dialog = openEdit();
        ASSERT_NE(dialog, nullptr);
        typeInto(dialog, QStringLiteral("Text4"), QStringLiteral("99"));
        dialog->modeBox(12)->click();
        if (escape)
            QTest::keyClick(control<QLineEdit>(dialog, QStringLiteral("Text4")), Qt::Key_Escape);
        else
            control<QPushButton>(dialog, QStringLiteral("Command1"))->click();
        EXPECT_FALSE(dialog->isVisible());
    }
    EXPECT_EQ(viewer->settings.zChart, 14);
    EXPECT_EQ(viewer->modeShown, ModeShown::atStart());
    EXPECT_EQ(plots, 1);
}

TEST_F(MirnokWindowTest, AResultChosenInTheFileDialogBringsItsModesButNotItsSpeed)
{
    root.write(QStringLiteral("data/other.mac"), otherResult().toLatin1());
    start();
    const QByteArray diagnostic = root.read(kDiagnosticFile);
    window->animeButton()->click();
    watcher.expect([this](QWidget* modal) {
        auto* dialog = qobject_cast<FileOpenDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("MIRNOK/F File Open"));
        dialog->setDirectory(root.path(QStringLiteral("data")));
        typeInto(dialog, QStringLiteral("Text1"), QStringLiteral("other.mac"));
        control<QPushButton>(dialog, QStringLiteral("Command2"))->click();
    });
    window->button(1)->click();
    EXPECT_EQ(watcher.pending(), 0);

    EXPECT_EQ(plots, 2);
    EXPECT_EQ(viewer->shapes.N2(), 2);
    EXPECT_EQ(viewer->settings.animStep, 50);
    EXPECT_EQ(root.read(kDiagnosticFile), diagnostic);
    EXPECT_EQ(viewer->outline.N, 4 * 31);
    // The animation went on (its timer ticks while the dialog is open too)
    // and now whirls the new file's modes.
    EXPECT_TRUE(window->timer1()->isActive());
    window->Timer1_Timer();
    EXPECT_EQ(pictureTexts().back(), QStringLiteral("R2 other rotor"));
    EXPECT_EQ(linesIn(picture(), Palette::colour(1)).size(), 4u * 31 - 1 + 1 + 2);

    window->animeButton()->click();
    window->button(3)->click();
    EXPECT_TRUE(pictureTexts().contains(QStringLiteral("No.1   -1.5 +j 30.25  Hz")));
    EXPECT_TRUE(pictureTexts().contains(QStringLiteral("No.2   -3 +j 80  Hz")));
}

// valden.mac chosen by mistake: the reading report (the picture's tooltip,
// Ctrl+I) says where it stopped making sense as mode shapes.
TEST_F(MirnokWindowTest, AFileOfAnotherKindIsReportedWhereItStopsMakingSense)
{
    start();
    watcher.expect([this](QWidget* modal) {
        auto* dialog = qobject_cast<FileOpenDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->setDirectory(root.path(QStringLiteral("data")));
        typeInto(dialog, QStringLiteral("Text1"), QStringLiteral("valden.mac"));
        control<QPushButton>(dialog, QStringLiteral("Command2"))->click();
    });
    window->button(1)->click();
    EXPECT_EQ(watcher.pending(), 0);
    const QString report = window->picture()->toolTip();
    EXPECT_TRUE(report.startsWith(viewer->dataPath + QStringLiteral(", line 4, item 1: columns 8 to 18 hold \"SIGMA1\", not a station position")))
        << report.toStdString();
    EXPECT_EQ(viewer->shapes.N1(), 41);
}

TEST_F(MirnokWindowTest, DefaultRestoresTheFactorySettingsAndReplots)
{
    QByteArray edited = root.read(kWorkingFile);
    edited.replace(" 0   1200   200   14  -20 ", "-100   1000   100   12   40 ");
    root.write(kWorkingFile, edited);
    start();
    EXPECT_EQ(viewer->settings.viewAngle, 40);
    QString message;
    watcher.expectMessage(&message);
    window->button(5)->click();
    EXPECT_EQ(watcher.pending(), 0);
    EXPECT_EQ(message, kDefaultRestored);
    EXPECT_EQ(root.read(kWorkingFile), root.read(kFactoryFile));
    EXPECT_EQ(viewer->settings.viewAngle, -20);
    // The factory step replaces the first mode's speed until the next start.
    EXPECT_EQ(viewer->settings.animStep, 10);
    EXPECT_EQ(plots, 2);
    EXPECT_FALSE(window->timer1()->isActive());
}

TEST_F(MirnokWindowTest, AUserStartsPlotsEditsQuitsAndStartsAgain)
{
    start();
    window->button(3)->click();
    EXPECT_EQ(plots, 2);

    open();
    typeInto(dialog, QStringLiteral("Text4"), QStringLiteral("16"));
    typeInto(dialog, QStringLiteral("Text13"), QStringLiteral("25"));
    typeInto(dialog, QStringLiteral("Text15"), QStringLiteral("15"));
    typeInto(dialog, QStringLiteral("Text5"), QStringLiteral("Z, edited"));
    dialog->modeBox(12)->click();
    dialog->modeBox(4)->click();
    control<QPushButton>(dialog, QStringLiteral("Command2"))->click();
    EXPECT_EQ(plots, 3);
    EXPECT_TRUE(pictureTexts().contains(QStringLiteral("Z, edited")));

    window->animeButton()->click();
    window->Timer1_Timer();
    window->button(6)->click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->timer1()->isActive());
    QByteArray expected = root.read(kFactoryFile);
    expected.replace(" 0   1200   200   14  -20 ", " 0   1200   200   16   25 ");
    expected.replace(expected.indexOf("\x8e\xb2\x95\xfb"), QByteArray("\x8e\xb2\x95\xfb\x8c\xfc\x88\xca\x92\x75 (mm)").size(), "Z, edited");
    expected.replace(" 10 \r\n", " 15 \r\n");
    EXPECT_EQ(root.read(kWorkingFile), expected);

    start();
    EXPECT_EQ(plots, 1);
    EXPECT_EQ(viewer->settings.zChart, 16);
    EXPECT_EQ(viewer->settings.viewAngle, 25);
    EXPECT_EQ(viewer->settings.zTitle, QStringLiteral("Z, edited"));
    // The step comes from the first mode again; the display flags start anew.
    EXPECT_EQ(viewer->settings.animStep, 50);
    EXPECT_EQ(viewer->modeShown, ModeShown::atStart());
    EXPECT_FALSE(window->timer1()->isActive());
    EXPECT_EQ(window->animeButton()->text(), QStringLiteral("Anime"));
}

} // namespace
} // namespace kavel::test
