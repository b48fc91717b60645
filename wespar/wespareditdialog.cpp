#include "wespareditdialog.h"

#include "wesparviewer.h"

#include "framework/numberparse.h"

#include <QLabel>
#include <QLineEdit>

namespace kavel {

namespace {

constexpr int kLabelHeight = 210;

} // namespace

WesparEditDialog::WesparEditDialog(WesparViewer& viewer, QWidget* parent)
    : EditDialog(parent)
    , m_viewer(viewer)
{
    setWindowTitle(viewer.identity().editCaption);
    setClientSize(7380, 5340);

    const WesparSettings& s = viewer.settings;
    auto field = [this](int n, QLineEdit* edit) { m_text[std::size_t(n)] = edit; };
    auto name = [](int n) { return QStringLiteral("Text%1").arg(n); };

    // One axis: the column headings above its row, the row label (and the
    // file the axis belongs to), the four number fields, then its title.
    auto axisRow = [&](int top, const QString& rowLabel, const QString& rowName, const AxisSettings& axis, int firstField) {
        const int headingTop = top - 2 * kLabelHeight;
        addLabel(QStringLiteral("Length"), { 990, headingTop, 1818, kLabelHeight })->setAlignment(Qt::AlignHCenter);
        addLabel(QStringLiteral("(mm)"), { 990, headingTop + kLabelHeight, 1818, kLabelHeight })->setAlignment(Qt::AlignHCenter);
        addLabel(QStringLiteral("Division pitch"), { 2900, headingTop, 1300, kLabelHeight });
        addLabel(QStringLiteral("(mm)"), { 3030, headingTop + kLabelHeight, 843, kLabelHeight });
        addLabel(QStringLiteral("Chert total length"), { 4240, headingTop, 1600, kLabelHeight });
        addLabel(QStringLiteral("(cm)"), { 4320, headingTop + kLabelHeight, 843, kLabelHeight });
        addLabel(rowLabel, { 120, top + 30, 840, kLabelHeight });
        if (!rowName.isEmpty())
            addLabel(rowName, { 120, top + 30 + kLabelHeight, 840, kLabelHeight });
        field(firstField, addNumberField(name(firstField), axis.min, { 990, top, 843, kFieldHeight }));
        field(firstField + 1, addNumberField(name(firstField + 1), axis.max, { 1965, top, 843, kFieldHeight }));
        field(firstField + 2, addNumberField(name(firstField + 2), axis.pitch, { 3030, top, 843, kFieldHeight }));
        field(firstField + 3, addNumberField(name(firstField + 3), axis.length, { 4320, top, 843, kFieldHeight }));
    };
    auto titleRow = [&](int top, const QString& label, const QString& text, int n) {
        addLabel(label, { 120, top + 30, 840, kLabelHeight });
        field(n, addTextField(name(n), text, { 990, top, 2685, kFieldHeight }));
    };

    axisRow(467, QStringLiteral("X axis  :"), {}, s.X, 1);
    titleRow(935, QStringLiteral("X title :"), s.XTitle, 5);
    axisRow(1870, QStringLiteral("Y axis  :"), QStringLiteral("wespar"), s.Y, 6);
    titleRow(2337, QStringLiteral("Y title :"), s.YTitle, 10);
    axisRow(3270, QStringLiteral("Y axis  :"), QStringLiteral("savlen"), s.R, 11);
    titleRow(3737, QStringLiteral("Y title :"), s.RTitle, 15);

    addLabel(QStringLiteral("NOTE ! :  mm ; Physical length,  cm ; Chart length"), { 390, 4085, 5295, kLabelHeight });

    addLabel(QStringLiteral("Title    :"), { 120, 4469, 1400, kLabelHeight });
    field(16, addTextField(name(16), s.Title, { 1560, 4439, 2685, kFieldHeight }));
    addLabel(QStringLiteral("File comment :"), { 120, 4910, 1400, kLabelHeight });
    field(17, addTextField(name(17), viewer.deflection.FileComment, { 1560, 4880, 3855, kFieldHeight }));

    addLabel(QStringLiteral("1, Both"), { 5895, 1286 - 2 * kLabelHeight, 1200, kLabelHeight });
    addLabel(QStringLiteral("2, Upper"), { 5895, 1286 - kLabelHeight, 1200, kLabelHeight });
    field(18, addIntegerField(name(18), s.ContourMode, { 5895, 1286, 720, kFieldHeight }));

    addOkCancel({ 6045, 4439, 1110, 365 }, { 6045, 4880, 1110, 365 });
}

void WesparEditDialog::apply()
{
    WesparSettings& s = m_viewer.settings;
    auto number = [this](int n) { return numberOf(m_text[std::size_t(n)]); };
    s.X = { number(1), number(2), number(3), number(4) };
    s.Y = { number(6), number(7), number(8), number(9) };
    s.R = { number(11), number(12), number(13), number(14) };
    s.XTitle = m_text[5]->text();
    s.YTitle = m_text[10]->text();
    s.RTitle = m_text[15]->text();
    s.Title = m_text[16]->text();
    m_viewer.deflection.FileComment = m_text[17]->text();
    // ContourMode must hold a number; a text that is none keeps the mode
    // the chart has.
    if (const std::optional<qint16> mode = NumberParse::strictInt16(m_text[18]->text()))
        s.ContourMode = *mode;
}

} // namespace kavel
