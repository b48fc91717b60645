#pragma once

#include "framework/ui/editdialog.h"

namespace kavel {

class CheckBoxGrid;
class ValdenViewer;

// What both VALDEN editing dialogs share: two axis rows of four number
// fields (range, pitch, chart length), the titles, the file comment, and a
// frame of display check boxes. Neither touches a file: O.K changes the
// settings in memory, and the main window writes them when it unloads.
class ValdenEditDialog : public EditDialog {
    Q_OBJECT
public:
    explicit ValdenEditDialog(QWidget* parent);

protected:
    // VALDEN's axis rows centre every unit under its column.
    static AxisRow axisRow(const QString& label, const std::array<QString, 3>& units);
    // Text13.
    void addFileComment(QString& comment);
    void addFlagFrame(CheckBoxGrid* frame);
    void addButtons();
};

// Form2, "valden-XY  Editing": the speed and frequency axes, the XY titles
// and the frequency and damping check boxes of modes 1 to 5 and "All".
class ValdenXYEditDialog final : public ValdenEditDialog {
    Q_OBJECT
public:
    ValdenXYEditDialog(ValdenViewer& viewer, QWidget* parent);
};

// Form3, "valden-Gauss  Editing": the real and imaginary axes, the Gauss
// titles and the path check boxes "λ1" to "λ5" and "All".
class ValdenGaussEditDialog final : public ValdenEditDialog {
    Q_OBJECT
public:
    ValdenGaussEditDialog(ValdenViewer& viewer, QWidget* parent);
};

} // namespace kavel
