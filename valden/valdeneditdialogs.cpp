#include "valdeneditdialogs.h"

#include "valdenviewer.h"

#include "framework/reading/numbertext.h"
#include "framework/ui/checkboxgrid.h"

#include <QLabel>
#include <QLineEdit>

namespace kavel {

namespace {

constexpr int kLabelHeight = 210;
constexpr int kNumberWidth = 843;
constexpr int kTitleWidth = 2685;

// The designed rows of both dialogs, in twips.
constexpr int kFirstAxisTop = 467;
constexpr int kFirstTitleTop = 935;
constexpr int kSecondAxisTop = 1870;
constexpr int kSecondTitleTop = 2337;
constexpr int kThirdTitleTop = 2697;
constexpr int kNoteTop = 3100;
constexpr int kTitleTop = 3510;
constexpr int kCommentTop = 3960;
constexpr int kFieldLeft = 990;
// The check-box frame right of the "Chert total length" heading.
constexpr int kFlagsLeft = 6200;
constexpr int kFlagsTop = 240;
constexpr int kWideFieldLeft = 1560;

QString fieldName(int n)
{
    return QStringLiteral("Text%1").arg(n);
}

// A chart height as the single it is ("14.1", not its double expansion).
QString single(float value)
{
    return NumberText::general(value, NumberText::kSingleDigits);
}

} // namespace

ValdenEditDialog::ValdenEditDialog(ValdenViewer& viewer, QWidget* parent)
    : EditDialog(parent)
    , m_viewer(viewer)
{
    setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));
    setClientSize(8850, 5100);
}

void ValdenEditDialog::addAxisRow(int top, int firstField, const AxisFields& axis)
{
    const int headingTop = top - 2 * kLabelHeight;
    const int unitTop = headingTop + kLabelHeight;
    addLabel(QStringLiteral("Length"), { kFieldLeft, headingTop, 1818, kLabelHeight })->setAlignment(Qt::AlignHCenter);
    addLabel(QStringLiteral("Division pitch"), { 2900, headingTop, 1300, kLabelHeight });
    // "Chert" (for Chart) is the historic spelling of this caption: keep it.
    addLabel(QStringLiteral("Chert total length"), { 4240, headingTop, 1600, kLabelHeight });
    const int unitLeft[3] = { kFieldLeft, 3030, 4320 };
    const int unitWidth[3] = { 1818, kNumberWidth, kNumberWidth };
    for (int u = 0; u < 3; ++u) {
        if (!axis.units[std::size_t(u)].isEmpty())
            addLabel(axis.units[std::size_t(u)], { unitLeft[u], unitTop, unitWidth[u], kLabelHeight })->setAlignment(Qt::AlignHCenter);
    }
    addLabel(axis.rowLabel, { 120, top + 30, 840, kLabelHeight });
    const int n = firstField;
    m_text[std::size_t(n)] = addNumberField(fieldName(n), axis.min, { kFieldLeft, top, kNumberWidth, kFieldHeight });
    m_text[std::size_t(n + 1)] = addNumberField(fieldName(n + 1), axis.max, { 1965, top, kNumberWidth, kFieldHeight });
    m_text[std::size_t(n + 2)] = addNumberField(fieldName(n + 2), axis.pitch, { 3030, top, kNumberWidth, kFieldHeight });
    m_text[std::size_t(n + 3)] = addTextField(fieldName(n + 3), axis.length, { 4320, top, kNumberWidth, kFieldHeight });
}

QLineEdit* ValdenEditDialog::addTitle(int n, const QString& title, const TwipsRect& rect)
{
    m_text[std::size_t(n)] = addTextField(fieldName(n), title, rect);
    return m_text[std::size_t(n)];
}

void ValdenEditDialog::addFileComment()
{
    addLabel(QStringLiteral("File comment :"), { 120, kCommentTop + 30, 1400, kLabelHeight });
    addTitle(13, m_viewer.data.FileComment, { kWideFieldLeft, kCommentTop, 3855, kFieldHeight });
}

void ValdenEditDialog::addButtons()
{
    addOkCancel({ 7500, kTitleTop, 1110, 365 }, { 7500, kCommentTop, 1110, 365 });
}

void ValdenEditDialog::applyShared()
{
    m_flags->store(m_viewer.ShowCurve);
    m_viewer.data.FileComment = text(13)->text();
}

ValdenXYEditDialog::ValdenXYEditDialog(ValdenViewer& viewer, QWidget* parent)
    : ValdenEditDialog(viewer, parent)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(viewer.identity().editCaption);
    const ValdenSettings& s = viewer.settings;

    addAxisRow(kFirstAxisTop, 1, { QStringLiteral("X axis  :"), { QStringLiteral("(rps)"), QStringLiteral("(rps)"), QStringLiteral("(cm)") }, s.Xmin, s.Xmax, s.Xpitch, NumberText::plain(s.Xlength) });
    addLabel(QStringLiteral("X title :"), { 120, kFirstTitleTop + 30, 840, kLabelHeight });
    addTitle(5, s.XYXTitle, { kFieldLeft, kFirstTitleTop, kTitleWidth, kFieldHeight });

    addAxisRow(kSecondAxisTop, 6, { QStringLiteral("Y axis  :"), { QStringLiteral("(Hz)"), QStringLiteral("(Hz)"), QStringLiteral("(cm)") }, s.Ymin, s.Ymax, s.Ypitch, single(s.Ylength) });
    addLabel(QStringLiteral("Y title :"), { 120, kSecondTitleTop + 30, 840, kLabelHeight });
    addLabel(QStringLiteral("Damp"), { kFieldLeft, kSecondTitleTop + 30, 540, kLabelHeight });
    addTitle(10, s.DampingTitle, { kWideFieldLeft, kSecondTitleTop, kTitleWidth, kFieldHeight });
    addLabel(QStringLiteral("Freq"), { kFieldLeft, kThirdTitleTop + 30, 540, kLabelHeight });
    addTitle(11, s.FrequencyTitle, { kWideFieldLeft, kThirdTitleTop, kTitleWidth, kFieldHeight });

    addLabel(QStringLiteral("NOTE ! :  rps ; Physical length,  cm;Chart"), { 390, kNoteTop, 5295, kLabelHeight });
    addLabel(QStringLiteral("Title    :"), { 120, kTitleTop + 30, 1400, kLabelHeight });
    addTitle(12, s.XYTitle, { kWideFieldLeft, kTitleTop, kTitleWidth, kFieldHeight });
    addFileComment();

    // Check1(0..4) "Freq" S1..S5, Check1(5..9) "Damp" S1..S5, Check1(10)
    // "All" under "Freq" (there is no damping "All").
    m_flags = new CheckBoxGrid(QStringLiteral("XY"), { QStringLiteral("Freq"), QStringLiteral("Damp") },
        { QStringLiteral("S1"), QStringLiteral("S2"), QStringLiteral("S3"), QStringLiteral("S4"), QStringLiteral("S5"), QStringLiteral("All") }, this);
    for (int row = 0; row < 5; ++row) {
        m_flags->addBox(row, 0, row, viewer.ShowCurve);
        m_flags->addBox(row, 1, row + 5, viewer.ShowCurve);
    }
    m_flags->addBox(5, 0, kAllXY, viewer.ShowCurve);
    place(m_flags, { kFlagsLeft, kFlagsTop, m_flags->widthTwips(), m_flags->heightTwips() });

    addButtons();
}

bool ValdenXYEditDialog::apply()
{
    const AxisSettings x = axis(1, QStringLiteral("X axis"), Precision::Double);
    const AxisSettings y = axis(6, QStringLiteral("Y axis"), Precision::Single);
    if (refused())
        return false;
    ValdenSettings& s = m_viewer.settings;
    applyShared();
    s.Xmin = x.min;
    s.Xmax = x.max;
    s.Xpitch = x.pitch;
    s.Xlength = x.length;
    s.Ymin = y.min;
    s.Ymax = y.max;
    s.Ypitch = y.pitch;
    s.Ylength = float(y.length);
    s.XYXTitle = text(5)->text();
    s.DampingTitle = text(10)->text();
    s.FrequencyTitle = text(11)->text();
    s.XYTitle = text(12)->text();
    return true;
}

ValdenGaussEditDialog::ValdenGaussEditDialog(ValdenViewer& viewer, QWidget* parent)
    : ValdenEditDialog(viewer, parent)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(ValdenViewer::gaussEditCaption());
    const ValdenSettings& s = viewer.settings;

    addAxisRow(kFirstAxisTop, 1, { QStringLiteral("Re  :"), { QString(), QString(), QStringLiteral("(cm)") }, s.ReMin, s.ReMax, s.RePitch, NumberText::plain(s.ReLength) });
    addLabel(QStringLiteral("X title :"), { 120, kFirstTitleTop + 30, 840, kLabelHeight });
    addTitle(5, s.GaussXTitle, { kFieldLeft, kFirstTitleTop, kTitleWidth, kFieldHeight });

    addAxisRow(kSecondAxisTop, 6, { QStringLiteral("Im  :"), { QStringLiteral("(rad/s)"), QStringLiteral("(rad/s)"), QStringLiteral("(cm)") }, s.ImMin, s.ImMax, s.ImPitch, single(s.ImLength) });
    addLabel(QStringLiteral("Y title :"), { 120, kSecondTitleTop + 30, 840, kLabelHeight });
    addTitle(10, s.GaussYTitle, { kFieldLeft, kSecondTitleTop, 2775, kFieldHeight });

    addLabel(QStringLiteral("NOTE ! :cm;Chart"), { 390, kNoteTop, 5295, kLabelHeight });
    addLabel(QStringLiteral("Title    :"), { 120, kTitleTop + 30, 1400, kLabelHeight });
    addTitle(12, s.GaussTitle, { kWideFieldLeft, kTitleTop, kTitleWidth, kFieldHeight });
    addFileComment();

    m_flags = new CheckBoxGrid(QStringLiteral("λ"), {},
        { QStringLiteral("λ1"), QStringLiteral("λ2"), QStringLiteral("λ3"), QStringLiteral("λ4"), QStringLiteral("λ5"), QStringLiteral("All") }, this);
    for (int row = 0; row < 6; ++row)
        m_flags->addBox(row, 0, 11 + row, viewer.ShowCurve);
    place(m_flags, { kFlagsLeft, kFlagsTop, m_flags->widthTwips(), m_flags->heightTwips() });

    addButtons();
}

bool ValdenGaussEditDialog::apply()
{
    const AxisSettings re = axis(1, QStringLiteral("Re"), Precision::Double);
    const AxisSettings im = axis(6, QStringLiteral("Im"), Precision::Single);
    if (refused())
        return false;
    ValdenSettings& s = m_viewer.settings;
    applyShared();
    s.ReMin = re.min;
    s.ReMax = re.max;
    s.RePitch = re.pitch;
    s.ReLength = re.length;
    s.ImMin = im.min;
    s.ImMax = im.max;
    s.ImPitch = im.pitch;
    s.ImLength = float(im.length);
    s.GaussXTitle = text(5)->text();
    s.GaussYTitle = text(10)->text();
    s.GaussTitle = text(12)->text();
    return true;
}

} // namespace kavel
