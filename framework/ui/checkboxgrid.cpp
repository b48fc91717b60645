#include "checkboxgrid.h"

#include <QCheckBox>
#include <QLabel>

namespace kavel {

namespace {

// The frame's inner design in twips: the caption line, a heading line, then
// one row of boxes every kRowPitch.
constexpr int kCaptionHeight = 300;
constexpr int kHeadingHeight = 240;
constexpr int kLabelWidth = 480;
constexpr int kColumnWidth = 600;
constexpr int kRowPitch = 300;
constexpr int kMargin = 120;
constexpr int kBoxSize = 240;

} // namespace

CheckBoxGrid::CheckBoxGrid(const QString& caption, const QStringList& columnHeadings, const QStringList& rowLabels, QWidget* parent)
    : QGroupBox(caption, parent)
    , m_columns(std::max<int>(1, int(columnHeadings.size())))
    , m_rows(int(rowLabels.size()))
    , m_headings(!columnHeadings.isEmpty())
{
    for (int c = 0; c < int(columnHeadings.size()); ++c) {
        const TwipsRect box = cell(0, c);
        auto* heading = new QLabel(columnHeadings[c], this);
        placeAt(heading, { box.left - 60, kCaptionHeight, kColumnWidth, kHeadingHeight });
    }
    for (int r = 0; r < m_rows; ++r) {
        auto* label = new QLabel(rowLabels[r], this);
        placeAt(label, { kMargin, cell(r, 0).top, kLabelWidth - 60, kBoxSize });
    }
}

TwipsRect CheckBoxGrid::cell(int row, int column) const
{
    const int top = kCaptionHeight + (m_headings ? kHeadingHeight : 0) + row * kRowPitch;
    return { kMargin + kLabelWidth + column * kColumnWidth, top, kBoxSize, kBoxSize };
}

QCheckBox* CheckBoxGrid::addBox(int row, int column, int index)
{
    auto* box = new QCheckBox(this);
    box->setObjectName(QStringLiteral("Check1(%1)").arg(index));
    placeAt(box, cell(row, column));
    return box;
}

int CheckBoxGrid::widthTwips() const
{
    return kMargin + kLabelWidth + m_columns * kColumnWidth + kMargin;
}

int CheckBoxGrid::heightTwips() const
{
    return cell(m_rows, 0).top + kMargin;
}

} // namespace kavel
