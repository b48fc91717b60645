#include "textfit.h"

#include "support/application.h"
#include "support/testroot.h"

#include "framework/ui/editdialog.h"
#include "framework/ui/fileopendialog.h"
#include "framework/ui/viewerwindow.h"
#include "holpix/holpixviewer.h"
#include "launcher/launcherwindow.h"
#include "launcher/processstarter.h"
#include "lendrix/lendrixviewer.h"
#include "mirno1/mirno1viewer.h"
#include "mirnok/mirnokviewer.h"
#include "savlen/savlenviewer.h"
#include "valden/valdenviewer.h"
#include "wespar/wesparfiledialog.h"
#include "wespar/wesparviewer.h"
#include "zeptal/zeptalviewer.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QRadioButton>
#include <gtest/gtest.h>
#include <functional>
#include <ostream>
#include <memory>

namespace kavel::test {
namespace {

// Texts keep this far from a window's edge: a caption on the edge reads as
// cut off.
constexpr int kEdgeMargin = 2;

// A window of the suite, opened as its program opens it, and what it needs
// to live: the viewer and its main window for the dialogs.
struct Opened {
    std::unique_ptr<Viewer> viewer;
    std::unique_ptr<QWidget> owner;
    QWidget* window = nullptr;
};

class NoStarts final : public ProcessStarter {
public:
    StartResult startHidden(const JobCommand&) override { return {}; }
    StartResult startVisible(const JobCommand&) override { return {}; }
    StartResult startProgram(const ProgramCommand&) override { return {}; }
};

struct Walk {
    const char* name;
    std::function<Opened()> open;
};

void PrintTo(const Walk& walk, std::ostream* os)
{
    *os << walk.name;
}

// The viewer loaded as at start-up, its main window (not shown) as the
// dialog's parent.
template <typename V>
Opened viewerWith(const std::function<QWidget*(V&, QWidget*)>& makeDialog, const std::function<void(V&)>& prepare = {})
{
    Opened opened;
    auto viewer = std::make_unique<V>();
    V& v = *viewer;
    auto window = std::make_unique<ViewerWindow>(v);
    window->Form_Load();
    if (prepare)
        prepare(v);
    opened.window = makeDialog(v, window.get());
    opened.viewer = std::move(viewer);
    opened.owner = std::move(window);
    return opened;
}

template <typename V>
Walk editDialog(const char* name, const std::function<void(V&)>& prepare = {})
{
    return { name, [prepare] { return viewerWith<V>([](V& v, QWidget* parent) -> QWidget* { return v.createEditDialog(parent); }, prepare); } };
}

const Walk kWalks[] = {
    editDialog<SavlenViewer>("SAVLEN_Form2"),
    editDialog<ValdenViewer>("VALDEN_Form2"),
    editDialog<ValdenViewer>("VALDEN_Form3", [](ValdenViewer& v) { v.ChartMode = ValdenViewer::GaussChart; }),
    editDialog<MirnokViewer>("MIRNOK_Form2"),
    editDialog<Mirno1Viewer>("MIRNO1_Form2"),
    editDialog<HolpixViewer>("HOLPIX_Form2"),
    editDialog<ZeptalViewer>("ZEPTAL_Form2"),
    editDialog<WesparViewer>("WESPAR_Form2"),
    editDialog<LendrixViewer>("Lendrix_Form2"),
    { "Fopen", [] { return viewerWith<SavlenViewer>([](SavlenViewer& v, QWidget* parent) -> QWidget* { return new FileOpenDialog(v, parent); }); } },
    { "WESPAR_Fopen", [] { return viewerWith<WesparViewer>([](WesparViewer& v, QWidget* parent) -> QWidget* { return new WesparFileDialog(v, parent); }); } },
    { "Kavel_Form1", [] {
         static NoStarts starter;
         Opened opened;
         opened.owner = std::make_unique<LauncherWindow>(starter);
         opened.window = opened.owner.get();
         return opened;
     } },
};

class DialogLayout : public ::testing::TestWithParam<Walk> {
protected:
    TestRoot root;
};

// Run at QT_SCALE_FACTOR 1 and 1.5: the fonts then draw at other pixel
// sizes, and a caption that only just fitted is cut.
TEST_P(DialogLayout, EveryCaptionFitsItsBoxAndNothingCoversIt)
{
    ASSERT_TRUE(root.isValid());
    Opened opened = GetParam().open();
    ASSERT_NE(opened.window, nullptr);
    opened.window->show();
    QApplication::processEvents();
    const double scale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble() : 1.0;
    EXPECT_DOUBLE_EQ(opened.window->devicePixelRatioF(), scale) << "the scale factor the test is run for";
    const QStringList faults = TextFitFaults(*opened.window, kEdgeMargin);
    EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
}

// The check itself: a caption narrower than its text, a radio button over
// another's caption and a label on the window's edge are each found.
TEST(TextFit, FindsCutCoveredAndEdgeCaptions)
{
    ensureApplication();
    QDialog dialog;
    dialog.setFixedSize(300, 100);
    auto* cut = new QLabel(QStringLiteral("Chert total length"), &dialog);
    cut->setGeometry(10, 10, 40, 20);
    auto* bode = new QRadioButton(QStringLiteral("Bode"), &dialog);
    bode->setGeometry(10, 40, bode->sizeHint().width(), 20);
    auto* polar = new QRadioButton(QStringLiteral("Polar"), &dialog);
    polar->setGeometry(bode->geometry().right() - 5, 40, 80, 20);
    auto* edge = new QLabel(QStringLiteral("File comment :"), &dialog);
    edge->setGeometry(0, 70, 120, 20);
    auto* fine = new QCheckBox(QStringLiteral("All"), &dialog);
    fine->setGeometry(200, 10, 60, 20);
    dialog.show();
    QApplication::processEvents();

    const QStringList faults = TextFitFaults(dialog, kEdgeMargin);
    ASSERT_EQ(faults.size(), 3) << faults.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(faults[0].startsWith(QStringLiteral("QLabel \"Chert total length\""))) << faults[0].toStdString();
    EXPECT_TRUE(faults[0].contains(QStringLiteral("cut by its own box"))) << faults[0].toStdString();
    EXPECT_TRUE(faults[1].startsWith(QStringLiteral("QRadioButton \"Bode\""))) << faults[1].toStdString();
    EXPECT_TRUE(faults[1].endsWith(QStringLiteral("covered by QRadioButton"))) << faults[1].toStdString();
    EXPECT_TRUE(faults[2].startsWith(QStringLiteral("QLabel \"File comment :\""))) << faults[2].toStdString();
    EXPECT_TRUE(faults[2].contains(QStringLiteral("window's edge"))) << faults[2].toStdString();
}

INSTANTIATE_TEST_SUITE_P(Suite, DialogLayout, ::testing::ValuesIn(kWalks), [](const ::testing::TestParamInfo<Walk>& info) { return std::string(info.param.name); });

} // namespace
} // namespace kavel::test
