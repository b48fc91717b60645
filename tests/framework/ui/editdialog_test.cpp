#include "support/application.h"
#include "support/modalwatcher.h"
#include "support/widgets.h"

#include "framework/ui/editdialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QMap>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <gtest/gtest.h>

namespace kavel::test {
namespace {

// What a viewer keeps in memory, as the dialog below binds it.
struct Record {
    double number = 1.5;
    float single = 14.1f;
    QString title = QStringLiteral("Title");
    qint16 mode = 1;
    int shown = 1;
};

// One field of every kind. The single is Text1 though it is bound after
// Text2: fields are read in the order of their numbers.
class BoundDialog final : public EditDialog {
public:
    explicit BoundDialog(Record& r)
    {
        bindNumber(2, r.number, QStringLiteral("Number"), { 0, 0, 843, kFieldHeight });
        bindNumber(1, r.single, QStringLiteral("Single"), { 0, 300, 843, kFieldHeight });
        bindText(3, r.title, { 0, 600, 2685, kFieldHeight });
        bindInteger(4, r.mode, { 0, 900, 720, kFieldHeight });
        bindCheck(QStringLiteral("Check1"), r.shown, { 0, 1200, 165, 240 });
        addOkCancel({ 3000, 0, 1110, 365 }, { 3000, 450, 1110, 365 });
    }
};

class BoundFieldsTest : public ::testing::Test {
protected:
    // Before the watcher, whose timer needs the application.
    static void SetUpTestSuite() { ensureApplication(); }
    void SetUp() override
    {
        dialog = new BoundDialog(record);
        dialog->show();
    }
    void TearDown() override { delete dialog.data(); }

    QLineEdit* text(int n) const { return control<QLineEdit>(dialog, QStringLiteral("Text%1").arg(n)); }
    QCheckBox* check() const { return control<QCheckBox>(dialog, QStringLiteral("Check1")); }
    void ok() const { control<QPushButton>(dialog, QStringLiteral("Command2"))->click(); }

    Record record;
    QPointer<BoundDialog> dialog;
    ModalWatcher watcher;
};

TEST_F(BoundFieldsTest, FieldsShowTheirValues)
{
    EXPECT_EQ(text(1)->text(), QStringLiteral("14.1")) << "a single as the single it is";
    EXPECT_EQ(text(2)->text(), QStringLiteral("1.5"));
    EXPECT_EQ(text(3)->text(), QStringLiteral("Title"));
    EXPECT_EQ(text(4)->text(), QStringLiteral("1"));
    EXPECT_TRUE(check()->isChecked());
}

TEST_F(BoundFieldsTest, OkWritesEveryBoundFieldBack)
{
    text(1)->setText(QStringLiteral("0.1"));
    text(2)->setText(QStringLiteral("12abc"));
    text(3)->setText(QStringLiteral(" new title "));
    text(4)->setText(QStringLiteral("2.5"));
    check()->setChecked(false);
    ok();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(record.single, 0.1f);
    EXPECT_EQ(record.number, 12);
    EXPECT_EQ(record.title, QStringLiteral(" new title "));
    EXPECT_EQ(record.mode, 2) << "rounded to even";
    EXPECT_EQ(record.shown, 0);
}

TEST_F(BoundFieldsTest, ARefusedNumberWritesNothingAndTheLowestNumberIsNamed)
{
    text(2)->setText(QStringLiteral("1e400"));
    text(1)->setText(QStringLiteral("1e39"));
    text(3)->setText(QStringLiteral("changed"));
    text(4)->setText(QStringLiteral("7"));
    check()->setChecked(false);
    QString message;
    watcher.expectMessage(&message);
    ok();
    EXPECT_EQ(message, QStringLiteral("Single: \"1e39\" is out of range: this setting holds numbers from about -3.4E+38 to 3.4E+38."));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->focusWidget(), text(1));
    EXPECT_EQ(record.single, 14.1f);
    EXPECT_EQ(record.number, 1.5);
    EXPECT_EQ(record.title, QStringLiteral("Title"));
    EXPECT_EQ(record.mode, 1);
    EXPECT_EQ(record.shown, 1);
}

// A dialog that places an axis row's headings itself, the pitch's unit left out.
class HeadingsDialog final : public EditDialog {
public:
    HeadingsDialog()
        : EditDialog(QStringLiteral("T/E  Editing"), 7380, 3915, nullptr)
    {
        addAxisHeadings({ .headings = { { { 990, 45, 1818 }, { 3450, 45, 1300 }, { 5160, 45, 1600 } } },
            .unitPlaces = { { { 990, 255, 1818 }, { 3600, 255, 843 }, { 5400, 255, 843 } } },
            .units = { QStringLiteral("(rps)"), QString(), QStringLiteral("(cm)") },
            .lengthHeading = QStringLiteral("Chert length"),
            .rangeAlignment = Qt::AlignHCenter });
    }
};

TEST(AxisHeadings, StandWhereTheDialogPutsThemWithTheirUnitsUnder)
{
    ensureApplication();
    HeadingsDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("T/E  Editing"));
    EXPECT_EQ(dialog.size(), QSize(492, 261));
    QMap<QString, const QLabel*> labels;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        labels.insert(label->text(), label);
    EXPECT_EQ(labels.keys(), QStringList({ "(cm)", "(rps)", "Chert length", "Division pitch", "Length" }));
    EXPECT_EQ(labels["Length"]->geometry(), (TwipsRect { 990, 45, 1818, 210 }).toPixels());
    EXPECT_EQ(labels["(cm)"]->geometry(), (TwipsRect { 5400, 255, 843, 210 }).toPixels());
    EXPECT_EQ(labels["Chert length"]->geometry(), (TwipsRect { 5160, 45, 1600, 210 }).toPixels());
    // The range's heading and unit centred, the others as a label is.
    EXPECT_EQ(labels["Length"]->alignment(), Qt::AlignHCenter);
    EXPECT_EQ(labels["(rps)"]->alignment(), Qt::AlignHCenter);
    EXPECT_EQ(labels["(cm)"]->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
}

} // namespace
} // namespace kavel::test
