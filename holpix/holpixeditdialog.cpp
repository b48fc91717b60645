#include "holpixeditdialog.h"

#include "holpixviewer.h"

#include "framework/ui/checkboxgrid.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace kavel {

namespace {

constexpr int kLabelHeight = 210;

QString textName(int n)
{
    return QStringLiteral("Text%1").arg(n);
}

} // namespace

HolpixEditDialog::HolpixEditDialog(HolpixViewer& viewer, QWidget* parent)
    : EditDialog(parent)
    , m_viewer(viewer)
{
    setWindowTitle(viewer.identity().editCaption);
    setClientSize(9600, 5400);
    const HolpixSettings& s = viewer.settings;

    auto number = [this](int n, double value, const TwipsRect& rect) {
        m_text[std::size_t(n)] = addNumberField(textName(n), value, rect);
    };
    auto text = [this](int n, const QString& value, const TwipsRect& rect) {
        m_text[std::size_t(n)] = addTextField(textName(n), value, rect);
    };
    auto label = [this](const QString& caption, int left, int top, int width = 1300) {
        addLabel(caption, { left, top, width, kLabelHeight });
    };
    // LIN and LOG of one axis, Option n and n + 1, chosen as axisOptions say.
    auto axisFrame = [this, &viewer](const QString& caption, int top, int n) {
        auto* frame = new QGroupBox(caption, this);
        frame->setObjectName(QStringLiteral("Frame%1").arg((n + 1) / 2));
        place(frame, { 960, top, 1695, 735 });
        for (int k = 0; k < 2; ++k) {
            auto* option = new QRadioButton(k == 0 ? QStringLiteral("LIN") : QStringLiteral("LOG"), frame);
            option->setObjectName(QStringLiteral("Option%1").arg(n + k));
            option->setChecked(viewer.axisOptions[std::size_t(n + k)] == 1);
            place(option, { 240 + 720 * k, 330, 660, 285 });
            m_option[std::size_t(n + k)] = option;
        }
    };

    label(QStringLiteral("X axis  :"), 150, 465, 800);
    number(1, s.X.min, { 990, 467, 843, kFieldHeight });
    number(2, s.X.max, { 1965, 467, 843, kFieldHeight });
    label(QStringLiteral("Length"), 1605, 120);
    label(QStringLiteral("(kgf/mm)"), 2880, 600, 900);
    number(3, s.X.pitch, { 3960, 480, 843, kFieldHeight });
    label(QStringLiteral("Division pitch"), 3840, 120);
    label(QStringLiteral("(kgf/mm)"), 4920, 600, 900);
    number(4, s.X.length, { 6000, 467, 843, kFieldHeight });
    // "Chert" (for Chart) is the historic spelling of this caption: keep it.
    label(QStringLiteral("Chert total length"), 5760, 120, 1700);
    label(QStringLiteral("(cm)"), 6960, 600, 600);
    label(QStringLiteral("X title :"), 150, 930, 800);
    text(5, s.XTitle, { 990, 935, 2685, kFieldHeight });
    axisFrame(QStringLiteral("X axis"), 1320, 1);

    label(QStringLiteral("Y axis  :"), 150, 2475, 800);
    number(6, s.Y.min, { 990, 2475, 843, kFieldHeight });
    number(7, s.Y.max, { 1965, 2475, 843, kFieldHeight });
    number(8, s.Y.pitch, { 3960, 2520, 843, kFieldHeight });
    number(9, s.Y.length, { 6000, 2475, 843, kFieldHeight });
    label(QStringLiteral("Length"), 1560, 2160);
    label(QStringLiteral("Division pitch"), 3840, 2160);
    label(QStringLiteral("Chert total length"), 5880, 2160, 1700);
    label(QStringLiteral("(Hz)"), 2880, 2640, 600);
    label(QStringLiteral("(Hz)"), 4920, 2640, 600);
    label(QStringLiteral("(cm)"), 6960, 2640, 600);
    label(QStringLiteral("Y title :"), 150, 2940, 800);
    text(10, s.YTitle, { 990, 2940, 2685, kFieldHeight });
    axisFrame(QStringLiteral("Y axis"), 3360, 3);

    label(QStringLiteral("NOTE ! :  kgf/mm,Hz ; Physical length,  cm ; Chart length"), 2880, 3960, 4600);
    label(QStringLiteral("Title    :"), 825, 4365, 800);
    text(11, s.Title, { 1680, 4365, 2685, kFieldHeight });
    label(QStringLiteral("File comment :"), 150, 4830, 1400);
    text(12, viewer.map.FileComment, { 1680, 4800, 3855, kFieldHeight });

    QStringList rows;
    for (int row = 1; row <= kMapModeRows; ++row)
        rows << QStringLiteral("S%1").arg(row);
    rows << QStringLiteral("All");
    // "Crtcal" (for Critical) is the historic spelling of this caption: keep it.
    m_flags = new CheckBoxGrid(QStringLiteral("Drawing Data"), { QStringLiteral("Crtcal"), QStringLiteral("0 rpm") }, rows, this);
    for (int row = 0; row <= kMapModeRows; ++row) {
        m_flags->addBox(row, 0, row, viewer.curveFlags);
        m_flags->addBox(row, 1, row + kMapModeRows + 1, viewer.curveFlags);
    }
    place(m_flags, { 7560, 1080, m_flags->widthTwips(), m_flags->heightTwips() });

    addOkCancel({ 7680, 4365, 1110, 365 }, { 7680, 4800, 1110, 365 });
}

bool HolpixEditDialog::apply()
{
    const AxisSettings x = axisFrom(m_text, 1, QStringLiteral("X axis"));
    const AxisSettings y = axisFrom(m_text, 6, QStringLiteral("Y axis"));
    if (refused())
        return false;

    m_flags->store(m_viewer.curveFlags);
    for (int n = kXLin; n <= kYLog; ++n)
        m_viewer.axisOptions[std::size_t(n)] = m_option[std::size_t(n)]->isChecked() ? 1 : 0;

    HolpixSettings& s = m_viewer.settings;
    s.X = x;
    s.Y = y;
    s.XTitle = m_text[5]->text();
    s.YTitle = m_text[10]->text();
    s.Title = m_text[11]->text();
    m_viewer.map.FileComment = m_text[12]->text();
    return true;
}

} // namespace kavel
