#pragma once

#include "twips.h"

#include <QGroupBox>
#include <QStringList>

class QCheckBox;

namespace kavel {

// A frame of display check boxes, as the editing dialogs choose with them
// which curves are drawn: column headings over the boxes ("Freq", "Damp"),
// row labels beside them ("S1" … "All"). Every box stands for one entry of
// the viewer's flag table and is named after it, Check1(k) for entry k; the
// dialog binds it to that entry (EditDialog::bindFlag). The "All" box is an
// entry like the others. The flags live in memory only.
class CheckBoxGrid final : public QGroupBox {
public:
    // An empty heading list gives a single column without headings.
    CheckBoxGrid(const QString& caption, const QStringList& columnHeadings, const QStringList& rowLabels, QWidget* parent);

    // The box of entry `index`, named after it, at a row and column (from 0).
    QCheckBox* addBox(int row, int column, int index);

    // The frame's designed size, for placing it in a dialog.
    int widthTwips() const;
    int heightTwips() const;

private:
    TwipsRect cell(int row, int column) const;

    int m_columns;
    int m_rows;
    bool m_headings;
};

} // namespace kavel
