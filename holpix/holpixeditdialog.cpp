#include "holpixeditdialog.h"

#include "holpixviewer.h"

#include "framework/ui/checkboxgrid.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

namespace kavel {

HolpixEditDialog::HolpixEditDialog(HolpixViewer& viewer, QWidget* parent)
    : EditDialog(viewer.identity().editCaption, 9600, 5400, parent)
{
    HolpixSettings& s = viewer.settings;

    // LIN and LOG of one axis, Option n and n + 1, each set as its axisOptions flag says.
    auto axisFrame = [this, &viewer](const QString& caption, int top, int n) {
        auto* frame = new QGroupBox(caption, this);
        frame->setObjectName(QStringLiteral("Frame%1").arg((n + 1) / 2));
        place(frame, { 960, top, 1695, 735 });
        bindFlag(addOptionButton(QStringLiteral("Option%1").arg(n), QStringLiteral("LIN"), { 240, 330, 660, 285 }, frame),
            viewer.axisOptions[std::size_t(n)]);
        bindFlag(addOptionButton(QStringLiteral("Option%1").arg(n + 1), QStringLiteral("LOG"), { 960, 330, 660, 285 }, frame),
            viewer.axisOptions[std::size_t(n + 1)]);
    };

    addLabel(QStringLiteral("X axis  :"), 150, 465, 800);
    addAxisHeadings({ .headings = { { { 1605, 120, 1300 }, { 3840, 120, 1300 }, { 5760, 120, 1700 } } },
        .unitPlaces = { { { 2880, 600, 900 }, { 4920, 600, 900 }, { 6960, 600, 600 } } },
        .units = { QStringLiteral("(kgf/mm)"), QStringLiteral("(kgf/mm)"), QStringLiteral("(cm)") } });
    bindAxis(1, s.X, { { { 990, 467, 843, kFieldHeight }, { 1965, 467, 843, kFieldHeight }, { 3960, 480, 843, kFieldHeight }, { 6000, 467, 843, kFieldHeight } } },
        QStringLiteral("X axis"));
    addLabel(QStringLiteral("X title :"), 150, 930, 800);
    bindText(5, s.XTitle, { 990, 935, 2685, kFieldHeight });
    axisFrame(QStringLiteral("X axis"), 1320, 1);

    addLabel(QStringLiteral("Y axis  :"), 150, 2475, 800);
    bindAxis(6, s.Y, { { { 990, 2475, 843, kFieldHeight }, { 1965, 2475, 843, kFieldHeight }, { 3960, 2520, 843, kFieldHeight }, { 6000, 2475, 843, kFieldHeight } } },
        QStringLiteral("Y axis"));
    addAxisHeadings({ .headings = { { { 1560, 2160, 1300 }, { 3840, 2160, 1300 }, { 5880, 2160, 1700 } } },
        .unitPlaces = { { { 2880, 2640, 600 }, { 4920, 2640, 600 }, { 6960, 2640, 600 } } },
        .units = { QStringLiteral("(Hz)"), QStringLiteral("(Hz)"), QStringLiteral("(cm)") } });
    addLabel(QStringLiteral("Y title :"), 150, 2940, 800);
    bindText(10, s.YTitle, { 990, 2940, 2685, kFieldHeight });
    axisFrame(QStringLiteral("Y axis"), 3360, 3);

    addLabel(QStringLiteral("NOTE ! :  kgf/mm,Hz ; Physical length,  cm ; Chart length"), 2880, 3960, 4600);
    addLabel(QStringLiteral("Title    :"), 825, 4365, 800);
    bindText(11, s.Title, { 1680, 4365, 2685, kFieldHeight });
    addLabel(QStringLiteral("File comment :"), 150, 4830, 1400);
    bindText(12, viewer.map.FileComment, { 1680, 4800, 3855, kFieldHeight });

    QStringList rows;
    for (int row = 1; row <= kMapModeRows; ++row)
        rows << QStringLiteral("S%1").arg(row);
    rows << QStringLiteral("All");
    // Check1(0..6): "Crtcal" S1..S6 and "All"; Check1(7..13): "0 rpm" likewise.
    // "Crtcal" (for Critical) is the historic spelling of this caption: keep it.
    auto* flags = new CheckBoxGrid(QStringLiteral("Drawing Data"), { QStringLiteral("Crtcal"), QStringLiteral("0 rpm") }, rows, this);
    for (int row = 0; row <= kMapModeRows; ++row) {
        bindFlag(flags->addBox(row, 0, row), viewer.curveFlags[std::size_t(row)]);
        bindFlag(flags->addBox(row, 1, row + kMapModeRows + 1), viewer.curveFlags[std::size_t(row + kMapModeRows + 1)]);
    }
    place(flags, { 7560, 1080, flags->widthTwips(), flags->heightTwips() });

    addOkCancel({ 7680, 4365, 1110, 365 }, { 7680, 4800, 1110, 365 });
}

} // namespace kavel
