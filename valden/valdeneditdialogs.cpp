#include "valdeneditdialogs.h"

#include "valdenviewer.h"

#include "framework/ui/checkboxgrid.h"

#include <QCheckBox>

namespace kavel {

namespace {

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

} // namespace

ValdenEditDialog::ValdenEditDialog(QWidget* parent)
    : EditDialog(parent)
{
    setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));
    setClientSize(8850, 5100);
}

EditDialog::AxisRow ValdenEditDialog::axisRow(const QString& label, const std::array<QString, 3>& units)
{
    AxisRow row(label);
    row.units = units;
    row.unitAlignment = Qt::AlignHCenter;
    return row;
}

void ValdenEditDialog::addFileComment(QString& comment)
{
    addLabel(QStringLiteral("File comment :"), { 120, kCommentTop + 30, 1400, kLabelHeight });
    bindText(13, comment, { kWideFieldLeft, kCommentTop, 3855, kFieldHeight });
}

void ValdenEditDialog::addFlagFrame(CheckBoxGrid* frame)
{
    place(frame, { kFlagsLeft, kFlagsTop, frame->widthTwips(), frame->heightTwips() });
}

void ValdenEditDialog::addButtons()
{
    addOkCancel({ 7500, kTitleTop, 1110, 365 }, { 7500, kCommentTop, 1110, 365 });
}

ValdenXYEditDialog::ValdenXYEditDialog(ValdenViewer& viewer, QWidget* parent)
    : ValdenEditDialog(parent)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(viewer.identity().editCaption);
    ValdenSettings& s = viewer.settings;

    addAxisRow(1, kFirstAxisTop, axisRow(QStringLiteral("X axis  :"), { QStringLiteral("(rps)"), QStringLiteral("(rps)"), QStringLiteral("(cm)") }),
        { s.Xmin, s.Xmax, s.Xpitch, s.Xlength });
    addLabel(QStringLiteral("X title :"), { 120, kFirstTitleTop + 30, 840, kLabelHeight });
    bindText(5, s.XYXTitle, { kFieldLeft, kFirstTitleTop, kTitleWidth, kFieldHeight });

    addAxisRow(6, kSecondAxisTop, axisRow(QStringLiteral("Y axis  :"), { QStringLiteral("(Hz)"), QStringLiteral("(Hz)"), QStringLiteral("(cm)") }),
        { s.Ymin, s.Ymax, s.Ypitch, s.Ylength });
    addLabel(QStringLiteral("Y title :"), { 120, kSecondTitleTop + 30, 840, kLabelHeight });
    addLabel(QStringLiteral("Damp"), { kFieldLeft, kSecondTitleTop + 30, 540, kLabelHeight });
    bindText(10, s.DampingTitle, { kWideFieldLeft, kSecondTitleTop, kTitleWidth, kFieldHeight });
    addLabel(QStringLiteral("Freq"), { kFieldLeft, kThirdTitleTop + 30, 540, kLabelHeight });
    bindText(11, s.FrequencyTitle, { kWideFieldLeft, kThirdTitleTop, kTitleWidth, kFieldHeight });

    addLabel(QStringLiteral("NOTE ! :  rps ; Physical length,  cm;Chart"), { 390, kNoteTop, 5295, kLabelHeight });
    addLabel(QStringLiteral("Title    :"), { 120, kTitleTop + 30, 1400, kLabelHeight });
    bindText(12, s.XYTitle, { kWideFieldLeft, kTitleTop, kTitleWidth, kFieldHeight });
    addFileComment(viewer.data.FileComment);

    // Check1(0..4) "Freq" S1..S5, Check1(5..9) "Damp" S1..S5, Check1(10)
    // "All" under "Freq" (there is no damping "All").
    auto* flags = new CheckBoxGrid(QStringLiteral("XY"), { QStringLiteral("Freq"), QStringLiteral("Damp") },
        { QStringLiteral("S1"), QStringLiteral("S2"), QStringLiteral("S3"), QStringLiteral("S4"), QStringLiteral("S5"), QStringLiteral("All") }, this);
    for (int row = 0; row < 5; ++row) {
        bindFlag(flags->addBox(row, 0, row), viewer.ShowCurve[std::size_t(row)]);
        bindFlag(flags->addBox(row, 1, row + 5), viewer.ShowCurve[std::size_t(row + 5)]);
    }
    bindFlag(flags->addBox(5, 0, kAllXY), viewer.ShowCurve[kAllXY]);
    addFlagFrame(flags);

    addButtons();
}

ValdenGaussEditDialog::ValdenGaussEditDialog(ValdenViewer& viewer, QWidget* parent)
    : ValdenEditDialog(parent)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(ValdenViewer::gaussEditCaption());
    ValdenSettings& s = viewer.settings;

    addAxisRow(1, kFirstAxisTop, axisRow(QStringLiteral("Re  :"), { QString(), QString(), QStringLiteral("(cm)") }),
        { s.ReMin, s.ReMax, s.RePitch, s.ReLength });
    addLabel(QStringLiteral("X title :"), { 120, kFirstTitleTop + 30, 840, kLabelHeight });
    bindText(5, s.GaussXTitle, { kFieldLeft, kFirstTitleTop, kTitleWidth, kFieldHeight });

    addAxisRow(6, kSecondAxisTop, axisRow(QStringLiteral("Im  :"), { QStringLiteral("(rad/s)"), QStringLiteral("(rad/s)"), QStringLiteral("(cm)") }),
        { s.ImMin, s.ImMax, s.ImPitch, s.ImLength });
    addLabel(QStringLiteral("Y title :"), { 120, kSecondTitleTop + 30, 840, kLabelHeight });
    bindText(10, s.GaussYTitle, { kFieldLeft, kSecondTitleTop, 2775, kFieldHeight });

    addLabel(QStringLiteral("NOTE ! :cm;Chart"), { 390, kNoteTop, 5295, kLabelHeight });
    addLabel(QStringLiteral("Title    :"), { 120, kTitleTop + 30, 1400, kLabelHeight });
    bindText(12, s.GaussTitle, { kWideFieldLeft, kTitleTop, kTitleWidth, kFieldHeight });
    addFileComment(viewer.data.FileComment);

    // Check1(11..16): "λ1" … "λ5" and "All".
    auto* flags = new CheckBoxGrid(QStringLiteral("λ"), {},
        { QStringLiteral("λ1"), QStringLiteral("λ2"), QStringLiteral("λ3"), QStringLiteral("λ4"), QStringLiteral("λ5"), QStringLiteral("All") }, this);
    for (int row = 0; row < 6; ++row)
        bindFlag(flags->addBox(row, 0, 11 + row), viewer.ShowCurve[std::size_t(11 + row)]);
    addFlagFrame(flags);

    addButtons();
}

} // namespace kavel
