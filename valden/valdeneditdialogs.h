#pragma once

#include "showcurve.h"

#include "framework/settings/chartsettings.h"
#include "framework/ui/editdialog.h"

#include <array>

class QLineEdit;

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
    ValdenEditDialog(ValdenViewer& viewer, QWidget* parent);

protected:
    struct AxisFields {
        QString rowLabel;             // "X axis  :"
        std::array<QString, 3> units; // under "Length", "Division pitch", "Chert total length"
        double min, max, pitch;
        QString length;               // a height in its single-precision form
    };
    // Text n … n + 3 at the designed row `top`, with the headings above.
    void addAxisRow(int top, int firstField, const AxisFields& axis);
    QLineEdit* addTitle(int n, const QString& text, const TwipsRect& rect);
    void addFileComment();
    void addButtons();

    QLineEdit* text(int n) const { return m_text[std::size_t(n)]; }
    // The axis row of Text first .. first + 3 (see EditDialog::axisFrom).
    AxisSettings axis(int first, const QString& row, Precision length) { return axisFrom(m_text, first, row, length); }
    // The check boxes into ShowCurve, the comment into the data in memory.
    void applyShared();

    ValdenViewer& m_viewer;
    CheckBoxGrid* m_flags = nullptr;

private:
    // Text1 … Text13 at indexes 1 … 13.
    std::array<QLineEdit*, 14> m_text {};
};

// Form2, "valden-XY  Editing": the speed and frequency axes, the XY titles
// and the frequency and damping check boxes of modes 1 to 5 and "All".
class ValdenXYEditDialog final : public ValdenEditDialog {
    Q_OBJECT
public:
    ValdenXYEditDialog(ValdenViewer& viewer, QWidget* parent);

protected:
    bool apply() override;
};

// Form3, "valden-Gauss  Editing": the real and imaginary axes, the Gauss
// titles and the path check boxes "λ1" to "λ5" and "All".
class ValdenGaussEditDialog final : public ValdenEditDialog {
    Q_OBJECT
public:
    ValdenGaussEditDialog(ValdenViewer& viewer, QWidget* parent);

protected:
    bool apply() override;
};

} // namespace kavel
