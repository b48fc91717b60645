#include "zeptaleditdialog.h"

#include "zeptalchart.h"
#include "zeptalviewer.h"

#include "framework/reading/numbertext.h"
#include "framework/ui/checkboxgrid.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace kavel {

namespace {

constexpr int kLabelHeight = 210;
constexpr int kNumberWidth = 843;
constexpr int kTitleWidth = 2685;

QString fieldName(int n)
{
    return QStringLiteral("Text%1").arg(n);
}

} // namespace

ZeptalEditDialog::ZeptalEditDialog(ZeptalViewer& viewer, QWidget* parent)
    : EditDialog(parent)
    , m_viewer(viewer)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(viewer.identity().editCaption);
    setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));
    setClientSize(9240, 5400);
    const ZeptalSettings& s = viewer.settings;

    auto number = [this](int n, double value, int left, int top) {
        m_text[std::size_t(n)] = addNumberField(fieldName(n), value, { left, top, kNumberWidth, kFieldHeight });
    };
    auto title = [this](int n, const QString& value, int left, int top, int width) {
        m_text[std::size_t(n)] = addTextField(fieldName(n), value, { left, top, width, kFieldHeight });
    };

    // The speed row: headings and units above the fields.
    addLabel(QStringLiteral("Length"), { 990, 45, 1818, kLabelHeight })->setAlignment(Qt::AlignHCenter);
    addLabel(QStringLiteral("(rps)"), { 990, 255, 1818, kLabelHeight })->setAlignment(Qt::AlignHCenter);
    addLabel(QStringLiteral("Division pitch"), { 3450, 45, 1300, kLabelHeight });
    addLabel(QStringLiteral("(rpm)"), { 3600, 255, kNumberWidth, kLabelHeight })->setAlignment(Qt::AlignHCenter);
    // "Chert" (for Chart) is the historic spelling of this caption: keep it.
    addLabel(QStringLiteral("Chert total length"), { 5160, 45, 1600, kLabelHeight });
    addLabel(QStringLiteral("(cm)"), { 5400, 255, kNumberWidth, kLabelHeight })->setAlignment(Qt::AlignHCenter);
    addLabel(QStringLiteral("X axis  :"), { 150, 465, 840, kLabelHeight });
    number(1, s.Xmin, 990, 467);
    number(2, s.Xmax, 1965, 467);
    number(3, s.Xpitch, 3600, 480);
    m_text[4] = addTextField(fieldName(4), NumberText::plain(s.Xlength), { 5400, 480, kNumberWidth, kFieldHeight });
    addLabel(QStringLiteral("X title :"), { 960, 930, 840, kLabelHeight });
    title(5, s.XTitle, 990, 1320, kTitleWidth);

    // The amplitude row.
    addLabel(QStringLiteral("Length"), { 960, 1740, 1818, kLabelHeight })->setAlignment(Qt::AlignHCenter);
    addLabel(QStringLiteral("(μm)"), { 960, 1950, 1818, kLabelHeight })->setAlignment(Qt::AlignHCenter);
    addLabel(QStringLiteral("Division pitch"), { 3450, 1740, 1300, kLabelHeight });
    addLabel(QStringLiteral("(μm)"), { 3600, 1950, kNumberWidth, kLabelHeight })->setAlignment(Qt::AlignHCenter);
    addLabel(QStringLiteral("Chert total length"), { 5160, 1740, 1600, kLabelHeight });
    addLabel(QStringLiteral("(cm)"), { 5400, 1950, kNumberWidth, kLabelHeight })->setAlignment(Qt::AlignHCenter);
    addLabel(QStringLiteral("Y axis  :"), { 120, 2160, 840, kLabelHeight });
    number(6, s.Ymin, 960, 2160);
    number(7, s.Ymax, 1920, 2160);
    number(8, s.Ypitch, 3600, 2160);
    // The height as the single it is ("12.3", not its double expansion).
    m_text[9] = addTextField(fieldName(9), NumberText::general(s.Ylength, NumberText::kSingleDigits), { 5400, 2160, kNumberWidth, kFieldHeight });
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
    m_option1 = new QRadioButton(QStringLiteral("Bode"), this);
    m_option1->setObjectName(QStringLiteral("Option1"));
    m_option2 = new QRadioButton(QStringLiteral("Polar"), this);
    m_option2->setObjectName(QStringLiteral("Option2"));
    // "Polar" stands clear of the caption "Bode".
    place(m_option1, { 7440, 960, 840, 300 });
    place(m_option2, { 8280, 960, 900, 300 });
    m_option1->setChecked(viewer.chartStyle == BodeChart);
    m_option2->setChecked(viewer.chartStyle != BodeChart);

    // Check1(0..4) amplitude of S1..S5, Check1(5..9) their phase,
    // Check1(10) "All" under "Amp".
    m_flags = new CheckBoxGrid(QString(), { QStringLiteral("Amp"), QStringLiteral("Phase") },
        { QStringLiteral("S1"), QStringLiteral("S2"), QStringLiteral("S3"), QStringLiteral("S4"), QStringLiteral("S5"), QStringLiteral("All") }, this);
    for (int row = 0; row < kCurvesWithBoxes; ++row) {
        m_flags->addBox(row, 0, row, viewer.curveFlags);
        m_flags->addBox(row, 1, row + 5, viewer.curveFlags);
    }
    m_flags->addBox(5, 0, kAllCurves, viewer.curveFlags);
    place(m_flags, { 7080, 1320, m_flags->widthTwips(), m_flags->heightTwips() });

    addOkCancel({ 7560, 4200, 1110, 365 }, { 7560, 4680, 1110, 365 });
}

bool ZeptalEditDialog::apply()
{
    const AxisSettings x = axisFrom(m_text, 1, QStringLiteral("X axis"));
    const AxisSettings y = axisFrom(m_text, 6, QStringLiteral("Y axis"), Precision::Single);
    if (refused())
        return false;
    ZeptalSettings& s = m_viewer.settings;
    m_viewer.chartStyle = m_option2->isChecked() ? PolarChart : BodeChart;
    m_flags->store(m_viewer.curveFlags);
    s.Xmin = x.min;
    s.Xmax = x.max;
    s.Xpitch = x.pitch;
    s.Xlength = x.length;
    s.XTitle = text(5)->text();
    s.Ymin = y.min;
    s.Ymax = y.max;
    s.Ypitch = y.pitch;
    s.Ylength = float(y.length);
    s.PhaseTitle = text(10)->text();
    s.AmplitudeTitle = text(11)->text();
    s.Title = text(12)->text();
    m_viewer.data.FileComment = text(13)->text();
    return true;
}

} // namespace kavel
