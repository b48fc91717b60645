#include "mirno1editdialog.h"

#include "mirno1viewer.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace kavel {

namespace {

constexpr int kLabelHeight = 210;
// MIRNO1's text boxes are 278 twips high, a little lower than the
// common 285 (EditDialog::kFieldHeight, which would hide this one).
constexpr int kMirno1FieldHeight = 278;

} // namespace

Mirno1EditDialog::Mirno1EditDialog(Mirno1Viewer& viewer, QWidget* parent)
    : EditDialog(parent)
    , m_viewer(viewer)
{
    setWindowTitle(viewer.identity().editCaption);
    setClientSize(7380, 3915);

    const Mirno1Settings& s = viewer.settings;
    auto name = [](int n) { return QStringLiteral("Text%1").arg(n); };
    auto number = [&](int n, double value, const TwipsRect& rect) { m_text[std::size_t(n)] = addNumberField(name(n), value, rect); };
    auto text = [&](int n, const QString& value, const TwipsRect& rect) { m_text[std::size_t(n)] = addTextField(name(n), value, rect); };

    // One axis row: the headings and units over it, its label, the four
    // number fields.
    auto axisRow = [&](int top, int headingTop, int unitTop, int pitchHeadingLeft, const AxisSettings& axis, int firstField) {
        addLabel(QStringLiteral("Length"), { 1575, headingTop, 1000, kLabelHeight });
        addLabel(QStringLiteral("(mm)"), { 2130, unitTop, 600, kLabelHeight });
        addLabel(QStringLiteral("Division pitch"), { pitchHeadingLeft, headingTop, 1300, kLabelHeight });
        addLabel(QStringLiteral("(mm)"), { 3180, unitTop, 600, kLabelHeight });
        // "Chert" (for Chart) is the historic spelling of this caption: keep it.
        addLabel(QStringLiteral("Chert total length"), { 4050, headingTop, 1600, kLabelHeight });
        addLabel(QStringLiteral("(cm)"), { 4560, unitTop, 600, kLabelHeight });
        number(firstField, axis.min, { 960, top, 843, kMirno1FieldHeight });
        number(firstField + 1, axis.max, { 1935, top, 843, kMirno1FieldHeight });
        number(firstField + 2, axis.pitch, { 3000, top + (firstField == 1 ? -2 : 5), 843, kMirno1FieldHeight });
        number(firstField + 3, axis.length, { 4290, top, 843, kMirno1FieldHeight });
    };

    // The first headings keep two pixels from the dialog's top edge.
    axisRow(467, 30, 240, 2730, s.X, 1);
    addLabel(QStringLiteral("X axis  :"), { 120, 465, 840, kLabelHeight });
    addLabel(QStringLiteral("X title :"), { 120, 930, 840, kLabelHeight });
    text(5, s.XTitle, { 960, 935, 2685, kMirno1FieldHeight });

    axisRow(1870, 1395, 1635, 2715, s.Y, 6);
    addLabel(QStringLiteral("Y axis  :"), { 120, 1875, 840, kLabelHeight });
    addLabel(QStringLiteral("Y title :"), { 120, 2340, 840, kLabelHeight });
    text(10, s.YTitle, { 960, 2337, 2685, kMirno1FieldHeight });

    addUnitNote(2685, 360);
    addLabel(QStringLiteral("Title    :"), { 675, 3045, 840, kLabelHeight });
    text(11, s.Title, { 1530, 3039, 2685, kMirno1FieldHeight });
    // In line with the other row labels, off the dialog's left edge.
    addLabel(QStringLiteral("File comment :"), { 120, 3510, 1400, kLabelHeight });
    text(12, viewer.shapes.FileComment, { 1530, 3480, 3855, kMirno1FieldHeight });

    // "1" to "5" down the first column, "6" to "10" down the second, "All"
    // under the first.
    for (int k = 0; k < kModeFlags; ++k) {
        const bool all = k == kAllModes;
        const TwipsRect rect = all ? TwipsRect { 5760, 2280, 600, 240 } : TwipsRect { k < 5 ? 5760 : 6480, 480 + 360 * (k % 5), 600, 240 };
        QCheckBox* box = addCheckBox(QStringLiteral("Check1(%1)").arg(k), viewer.modeShown[std::size_t(k)] == 1, rect);
        box->setText(all ? QStringLiteral("All") : QString::number(k + 1));
        m_check1[std::size_t(k)] = box;
    }

    addOkCancel({ 6015, 3039, 1110, 365 }, { 6015, 3480, 1110, 365 });
}

bool Mirno1EditDialog::apply()
{
    const AxisSettings x = axisFrom(m_text, 1, QStringLiteral("X axis"));
    const AxisSettings y = axisFrom(m_text, 6, QStringLiteral("Y axis"));
    if (refused())
        return false;
    Mirno1Settings& s = m_viewer.settings;
    s.X = x;
    s.Y = y;
    s.XTitle = m_text[5]->text();
    s.YTitle = m_text[10]->text();
    s.Title = m_text[11]->text();
    m_viewer.shapes.FileComment = m_text[12]->text();
    for (int k = 0; k < kModeFlags; ++k)
        m_viewer.modeShown[std::size_t(k)] = m_check1[std::size_t(k)]->isChecked() ? 1 : 0;
    return true;
}

} // namespace kavel
