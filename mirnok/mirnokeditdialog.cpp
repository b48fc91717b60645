#include "mirnokeditdialog.h"

#include "mirnokviewer.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>

namespace kavel {

namespace {

constexpr int kLabelHeight = 210;
// Designed 495 twips wide; "10" to "12" need a little more on today's fonts,
// and the frame has the room.
constexpr int kBoxWidth = 600;
constexpr int kBoxHeight = 255;

} // namespace

MirnokEditDialog::MirnokEditDialog(MirnokViewer& viewer, QWidget* parent)
    : EditDialog(parent)
{
    setWindowTitle(viewer.identity().editCaption);
    setClientSize(8100, 4200);

    MirnokSettings& s = viewer.settings;
    auto label = [this](const QString& caption, int left, int top, int width) {
        addLabel(caption, { left, top, width, kLabelHeight });
    };
    // "Chert" (for Chart) is the historic spelling of this caption: keep it.
    const QString chertLength = QStringLiteral("Chert length");

    // The design in twips, but for a few captions and fields moved by a
    // pixel or two, where today's wider fonts ran a caption under a field:
    // the units "(deg)" (7440, 5160), "(mm)" (4320), "(cm)" (5640), the second "Length"
    // (1680), the fields Text8 and Text9 (3480, 4800) and the frame (1200).

    // The shaft axis and the view angle.
    label(QStringLiteral("Z axis  :"), 150, 465, 820);
    label(QStringLiteral("Length"), 1605, 240, 700);
    label(QStringLiteral("(mm)"), 2880, 600, 520);
    label(QStringLiteral("Division pitch"), 3240, 240, 1200);
    label(QStringLiteral("(mm)"), 4320, 600, 520);
    label(chertLength, 4800, 240, 1100);
    label(QStringLiteral("(cm)"), 5760, 600, 520);
    label(QStringLiteral("Angle"), 6600, 240, 700);
    label(QStringLiteral("(deg)"), 7470, 600, 560);
    label(QStringLiteral("(min;-90,max90)"), 6240, 840, 1500);
    bindAxis(1, { s.zMin, s.zMax, s.zPitch, s.zChart },
        { { { 990, 467, 843, 278 }, { 1965, 467, 843, 278 }, { 3480, 480, 843, 278 }, { 4920, 480, 843, 278 } } }, QStringLiteral("Z axis"),
        chertLength);
    bindNumber(13, s.viewAngle, QStringLiteral("Angle"), { 6360, 480, 1095, 270 });
    label(QStringLiteral("Z title :"), 150, 930, 820);
    bindText(5, s.zTitle, { 990, 935, 2685, 278 });

    // The deflection axes.
    label(QStringLiteral("X,Y axis  :"), 120, 1875, 1060);
    label(QStringLiteral("Length"), 1800, 1665, 700);
    label(QStringLiteral("(mm)"), 3000, 2040, 460);
    label(QStringLiteral("Division pitch"), 3240, 1680, 1200);
    label(QStringLiteral("(mm)"), 4350, 2040, 460);
    label(chertLength, 4800, 1680, 1100);
    label(QStringLiteral("(cm)"), 5700, 2040, 520);
    bindAxis(6, { s.xyMin, s.xyMax, s.xyPitch, s.xyChart },
        { { { 1200, 1875, 843, 278 }, { 2160, 1875, 843, 278 }, { 3510, 1920, 843, 278 }, { 4860, 1920, 843, 278 } } }, QStringLiteral("X,Y axis"),
        chertLength);
    label(QStringLiteral("X title :"), 120, 2400, 840);
    bindText(10, s.xTitle, { 990, 2337, 2685, 278 });
    label(QStringLiteral("Y title :"), 120, 2760, 820);
    bindText(14, s.yTitle, { 960, 2760, 2775, 270 });

    label(QStringLiteral("Speed"), 4320, 2520, 800);
    label(QStringLiteral("(deg)"), 5190, 2880, 560);
    bindNumber(15, s.animStep, QStringLiteral("Speed"), { 4320, 2760, 855, 270 });

    label(QStringLiteral("Title    :"), 705, 3165, 840);
    bindText(11, s.chartTitle, { 1560, 3165, 2685, 278 });
    label(QStringLiteral("File comment :"), 30, 3630, 1500);
    bindText(12, viewer.shapes.FileComment, { 1560, 3600, 3855, 278 });

    // The mode boxes, two a row, "All" last; the frame lies behind them,
    // its caption just above the first row. "Slect Mode" (for Select) is the
    // historic spelling of this caption: keep it.
    place(new QGroupBox(QStringLiteral("Slect Mode"), this), { 6240, 1170, 1575, 2055 });
    for (int k = 0; k < kModeBoxCount; ++k) {
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
