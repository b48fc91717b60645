#include "zeptaleditdialog.h"

#include "zeptalviewer.h"

#include "framework/ui/checkboxgrid.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

namespace kavel {

ZeptalEditDialog::ZeptalEditDialog(ZeptalViewer& viewer, QWidget* parent)
    : EditDialog(viewer.identity().editCaption, 9240, 5400, parent)
{
    setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));
    ZeptalSettings& s = viewer.settings;

    auto title = [this](int n, QString& value, int left, int top, int width) {
        bindText(n, value, { left, top, width, kFieldHeight });
    };

    // The speed row: headings and units above the fields.
    addAxisHeadings({ .headings = { { { 990, 45, 1818 }, { 3450, 45, 1300 }, { 5160, 45, 1600 } } },
        .unitPlaces = { { { 990, 255, 1818 }, { 3600, 255, kNumberWidth }, { 5400, 255, kNumberWidth } } },
        .units = { QStringLiteral("(rps)"), QStringLiteral("(rpm)"), QStringLiteral("(cm)") },
        .rangeAlignment = Qt::AlignHCenter,
        .unitAlignment = Qt::AlignHCenter });
    addLabel(QStringLiteral("X axis  :"), { 150, 465, 840, kLabelHeight });
    bindAxis(1, { s.Xmin, s.Xmax, s.Xpitch, s.Xlength },
        { { { 990, 467, kNumberWidth, kFieldHeight }, { 1965, 467, kNumberWidth, kFieldHeight }, { 3600, 480, kNumberWidth, kFieldHeight },
            { 5400, 480, kNumberWidth, kFieldHeight } } },
        QStringLiteral("X axis"));
    addLabel(QStringLiteral("X title :"), { 960, 930, 840, kLabelHeight });
    title(5, s.XTitle, 990, 1320, kTitleWidth);

    // The amplitude row; its chart height is a single.
    addAxisHeadings({ .headings = { { { 960, 1740, 1818 }, { 3450, 1740, 1300 }, { 5160, 1740, 1600 } } },
        .unitPlaces = { { { 960, 1950, 1818 }, { 3600, 1950, kNumberWidth }, { 5400, 1950, kNumberWidth } } },
        .units = { QStringLiteral("(μm)"), QStringLiteral("(μm)"), QStringLiteral("(cm)") },
        .rangeAlignment = Qt::AlignHCenter,
        .unitAlignment = Qt::AlignHCenter });
    addLabel(QStringLiteral("Y axis  :"), { 120, 2160, 840, kLabelHeight });
    bindAxis(6, { s.Ymin, s.Ymax, s.Ypitch, s.Ylength },
        { { { 960, 2160, kNumberWidth, kFieldHeight }, { 1920, 2160, kNumberWidth, kFieldHeight }, { 3600, 2160, kNumberWidth, kFieldHeight },
            { 5400, 2160, kNumberWidth, kFieldHeight } } },
        QStringLiteral("Y axis"));
    addLabel(QStringLiteral("Y title :"), { 960, 2640, 840, kLabelHeight });
    addLabel(QStringLiteral("Phase"), { 240, 3000, 700, kLabelHeight });
    title(10, s.PhaseTitle, 960, 3000, kTitleWidth);
    addLabel(QStringLiteral("Amp"), { 360, 3360, 580, kLabelHeight });
    title(11, s.AmplitudeTitle, 960, 3360, kTitleWidth);

    addLabel(QStringLiteral("NOTE ! :  μm.rpm ; Physical length,  cm;Chart"), { 390, 3780, 5295, kLabelHeight });
    addLabel(QStringLiteral("Title    :"), { 840, 4245, 1000, kLabelHeight });
    title(12, s.Title, 1920, 4200, kTitleWidth);
    addLabel(QStringLiteral("File comment :"), { 240, 4680, 1600, kLabelHeight });
    title(13, viewer.data.FileComment, 1920, 4680, 3855);

    addLabel(QStringLiteral("Drawing Style"), { 7320, 360, 1800, kLabelHeight });
    addLabel(QStringLiteral("Bode or Polar"), { 7320, 720, 1800, kLabelHeight });
    // "Polar" stands clear of the caption "Bode".
    m_option1 = bindChoice(addOptionButton(QStringLiteral("Option1"), QStringLiteral("Bode"), { 7440, 960, 840, 300 }), viewer.chartStyle, ZeptalViewer::BodeChart);
    m_option2 = bindChoice(addOptionButton(QStringLiteral("Option2"), QStringLiteral("Polar"), { 8280, 960, 900, 300 }), viewer.chartStyle, ZeptalViewer::PolarChart);

    // Check1(0..4) amplitude of S1..S5, Check1(5..9) their phase,
    // Check1(10) "All" under "Amp".
    auto* flags = new CheckBoxGrid(QString(), { QStringLiteral("Amp"), QStringLiteral("Phase") },
        { QStringLiteral("S1"), QStringLiteral("S2"), QStringLiteral("S3"), QStringLiteral("S4"), QStringLiteral("S5"), QStringLiteral("All") }, this);
    for (int row = 0; row < kCurvesWithBoxes; ++row) {
        bindFlag(flags->addBox(row, 0, row), viewer.curveFlags[std::size_t(row)]);
        bindFlag(flags->addBox(row, 1, row + 5), viewer.curveFlags[std::size_t(row + 5)]);
    }
    bindFlag(flags->addBox(5, 0, kAllCurves), viewer.curveFlags[kAllCurves]);
    place(flags, { 7080, 1320, flags->widthTwips(), flags->heightTwips() });

    addOkCancel({ 7560, 4200, 1110, 365 }, { 7560, 4680, 1110, 365 });
}

} // namespace kavel
