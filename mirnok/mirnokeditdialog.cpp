#include "mirnokeditdialog.h"

#include "mirnokviewer.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>

namespace kavel {

namespace {

// Designed 495 twips wide; "10" to "12" need a little more on today's fonts,
// and the frame has the room.
constexpr int kBoxWidth = 600;
constexpr int kBoxHeight = 255;

} // namespace

MirnokEditDialog::MirnokEditDialog(MirnokViewer& viewer, QWidget* parent)
    : EditDialog(viewer.identity().editCaption, 8100, 4200, parent)
{
    MirnokSettings& s = viewer.settings;
    // "Chert" (for Chart) is the historic spelling of this caption: keep it.
    const QString chertLength = QStringLiteral("Chert length");

    // The design in twips, but for a few captions and fields moved by a
    // pixel or two, where today's wider fonts ran a caption under a field:
    // the units "(deg)" (7440, 5160), "(mm)" (4320), "(cm)" (5640), the second "Length"
    // (1680), the fields Text8 and Text9 (3480, 4800) and the frame (1200).

    // The shaft axis and the view angle.
    addLabel(QStringLiteral("Z axis  :"), 150, 465, 820);
    addAxisHeadings({ .headings = { { { 1605, 240, 700 }, { 3240, 240, 1200 }, { 4800, 240, 1100 } } },
        .unitPlaces = { { { 2880, 600, 520 }, { 4320, 600, 520 }, { 5760, 600, 520 } } },
        .lengthHeading = chertLength });
    addLabel(QStringLiteral("Angle"), 6600, 240, 700);
    addLabel(QStringLiteral("(deg)"), 7470, 600, 560);
    addLabel(QStringLiteral("(min;-90,max90)"), 6240, 840, 1500);
    bindAxis(1, { s.zMin, s.zMax, s.zPitch, s.zChart },
        { { { 990, 467, 843, 278 }, { 1965, 467, 843, 278 }, { 3480, 480, 843, 278 }, { 4920, 480, 843, 278 } } }, QStringLiteral("Z axis"),
        chertLength);
    bindNumber(13, s.viewAngle, QStringLiteral("Angle"), { 6360, 480, 1095, 270 });
    addLabel(QStringLiteral("Z title :"), 150, 930, 820);
    bindText(5, s.zTitle, { 990, 935, 2685, 278 });

    // The deflection axes.
    addLabel(QStringLiteral("X,Y axis  :"), 120, 1875, 1060);
    addAxisHeadings({ .headings = { { { 1800, 1665, 700 }, { 3240, 1680, 1200 }, { 4800, 1680, 1100 } } },
        .unitPlaces = { { { 3000, 2040, 460 }, { 4350, 2040, 460 }, { 5700, 2040, 520 } } },
        .lengthHeading = chertLength });
    bindAxis(6, { s.xyMin, s.xyMax, s.xyPitch, s.xyChart },
        { { { 1200, 1875, 843, 278 }, { 2160, 1875, 843, 278 }, { 3510, 1920, 843, 278 }, { 4860, 1920, 843, 278 } } }, QStringLiteral("X,Y axis"),
        chertLength);
    addLabel(QStringLiteral("X title :"), 120, 2400, 840);
    bindText(10, s.xTitle, { 990, 2337, 2685, 278 });
    addLabel(QStringLiteral("Y title :"), 120, 2760, 820);
    bindText(14, s.yTitle, { 960, 2760, 2775, 270 });

    addLabel(QStringLiteral("Speed"), 4320, 2520, 800);
    addLabel(QStringLiteral("(deg)"), 5190, 2880, 560);
    bindNumber(15, s.animStep, QStringLiteral("Speed"), { 4320, 2760, 855, 270 });

    addLabel(QStringLiteral("Title    :"), 705, 3165, 840);
    bindText(11, s.chartTitle, { 1560, 3165, 2685, 278 });
    addLabel(QStringLiteral("File comment :"), 30, 3630, 1500);
    bindText(12, viewer.shapes.FileComment, { 1560, 3600, 3855, 278 });

    // The mode boxes, two a row, "All" last; the frame lies behind them,
    // its caption just above the first row. "Slect Mode" (for Select) is the
    // historic spelling of this caption: keep it.
    place(new QGroupBox(QStringLiteral("Slect Mode"), this), { 6240, 1170, 1575, 2055 });
    for (int k = 0; k < ModeShown::kCount; ++k) {
        const TwipsRect rect = k == kAllModesBox ? TwipsRect { 7080, 2880, kBoxWidth, kBoxHeight }
                                              : TwipsRect { k % 2 == 0 ? 6480 : 7080, 1440 + 240 * (k / 2), kBoxWidth, kBoxHeight };
        bindCheck(QStringLiteral("Check1(%1)").arg(k), viewer.modeShown[std::size_t(k)], rect)
            ->setText(k == kAllModesBox ? QStringLiteral("All") : QString::number(k + 1));
    }

    addOkCancel({ 5640, 3600, 1110, 365 }, { 6840, 3600, 1110, 365 });
}

QCheckBox* MirnokEditDialog::modeBox(int index) const
{
    return findChild<QCheckBox*>(QStringLiteral("Check1(%1)").arg(index));
}

} // namespace kavel
