#include "mirno1editdialog.h"

#include "mirno1viewer.h"

#include <QCheckBox>
#include <QLabel>

namespace kavel {

namespace {

// MIRNO1's text boxes are 278 twips high, a little lower than the
// common 285 (EditDialog::kFieldHeight, which would hide this one).
constexpr int kMirno1FieldHeight = 278;

} // namespace

Mirno1EditDialog::Mirno1EditDialog(Mirno1Viewer& viewer, QWidget* parent)
    : EditDialog(viewer.identity().editCaption, 7380, 3915, parent)
{
    Mirno1Settings& s = viewer.settings;

    // One axis row: the headings and units over it, the four number fields.
    auto axisRow = [&](int first, AxisSettings& axis, const QString& row, int top, int headingTop, int unitTop, int pitchHeadingLeft) {
        addAxisHeadings({ .headings = { { { 1575, headingTop, 1000 }, { pitchHeadingLeft, headingTop, 1300 }, { 4050, headingTop, 1600 } } },
            .unitPlaces = { { { 2130, unitTop, 600 }, { 3180, unitTop, 600 }, { 4560, unitTop, 600 } } } });
        // The pitch field stands a little off its row, differently in each.
        const int pitchTop = top + (first == 1 ? -2 : 5);
        bindAxis(first, axis,
            { { { 960, top, 843, kMirno1FieldHeight }, { 1935, top, 843, kMirno1FieldHeight }, { 3000, pitchTop, 843, kMirno1FieldHeight },
                { 4290, top, 843, kMirno1FieldHeight } } },
            row);
    };

    // The first headings keep two pixels from the dialog's top edge.
    axisRow(1, s.X, QStringLiteral("X axis"), 467, 30, 240, 2730);
    addLabel(QStringLiteral("X axis  :"), { 120, 465, 840, kLabelHeight });
    addLabel(QStringLiteral("X title :"), { 120, 930, 840, kLabelHeight });
    bindText(5, s.XTitle, { 960, 935, 2685, kMirno1FieldHeight });

    axisRow(6, s.Y, QStringLiteral("Y axis"), 1870, 1395, 1635, 2715);
    addLabel(QStringLiteral("Y axis  :"), { 120, 1875, 840, kLabelHeight });
    addLabel(QStringLiteral("Y title :"), { 120, 2340, 840, kLabelHeight });
    bindText(10, s.YTitle, { 960, 2337, 2685, kMirno1FieldHeight });

    addUnitNote(2685, 360);
    addLabel(QStringLiteral("Title    :"), { 675, 3045, 840, kLabelHeight });
    bindText(11, s.Title, { 1530, 3039, 2685, kMirno1FieldHeight });
    // In line with the other row labels, off the dialog's left edge.
    addLabel(QStringLiteral("File comment :"), { 120, 3510, 1400, kLabelHeight });
    bindText(12, viewer.shapes.FileComment, { 1530, 3480, 3855, kMirno1FieldHeight });

    // "1" to "5" down the first column, "6" to "10" down the second, "All"
    // under the first.
    for (int k = 0; k < ModeFlags::kCount; ++k) {
        const bool all = k == kAllModes;
        const TwipsRect rect = all ? TwipsRect { 5760, 2280, 600, 240 } : TwipsRect { k < 5 ? 5760 : 6480, 480 + 360 * (k % 5), 600, 240 };
        bindCheck(QStringLiteral("Check1(%1)").arg(k), viewer.modeShown[std::size_t(k)], rect)
            ->setText(all ? QStringLiteral("All") : QString::number(k + 1));
    }

    addOkCancel({ 6015, 3039, 1110, 365 }, { 6015, 3480, 1110, 365 });
}

} // namespace kavel
