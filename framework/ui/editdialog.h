#pragma once

#include "twips.h"

#include <QDialog>
#include <QPointer>
#include <span>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kavel {

struct AxisSettings;

// Form2, the chart editing dialog every viewer has: shown without blocking
// the main window, filled from the in-memory settings when it is built.
// "O.K" (or Enter in any field) takes the fields over with apply(), closes
// and has the main window replot; "Cancel" (or Esc) closes and changes
// nothing. Either way the dialog deletes itself. A number its settings item
// cannot hold is refused: the dialog names the field in a message, stays
// open and changes nothing. A viewer's dialog only declares its fields with
// the helpers below and implements apply().
class EditDialog : public QDialog {
    Q_OBJECT
public:
    explicit EditDialog(QWidget* parent = nullptr);

    // Text of a number field by the editing dialogs' lenient rule ("12abc"
    // is 12, "abc" is 0).
    static double numberOf(const QLineEdit* field);

public slots:
    // "O.K" (Command2) and Enter: take the fields over, close, replot.
    void accept() override;
    // "Cancel" (Command1), Esc and the title bar's close: close without
    // taking anything over.
    void reject() override;

signals:
    // After O.K, once the dialog is hidden: the main window's "3:Plot".
    void confirmed();

protected:
    // Takes the fields over into the viewer's memory. Reads every number
    // field first through the readers below; once one is refused, returns
    // false without changing anything.
    virtual bool apply() = 0;

    // What a number field's settings item holds.
    enum class Precision { Double, Single };
    // apply()'s reading of a number field: its leading number (numberOf()),
    // checked against what an item of `precision` can hold. A number beyond
    // that (1e400; 1e39 for a single) is refused: the first refusal is kept
    // with `caption`, the field as the dialog names it, and the value read
    // is then of no use. A single comes back as the nearest single.
    double numberFrom(QLineEdit* field, const QString& caption, Precision precision = Precision::Double);
    // The four fields of an axis row, fields[first] .. fields[first + 3], as
    // minimum, maximum, pitch and chart length: named by the row ("X axis")
    // and the headings over them, the length's precision and heading given.
    AxisSettings axisFrom(std::span<QLineEdit* const> fields, int first, const QString& row,
        // "Chert" (for Chart) is the historic spelling of this caption: keep it.
        Precision length = Precision::Double, const QString& lengthHeading = QStringLiteral("Chert total length"));
    bool refused() const { return !m_refusal.isEmpty(); }

    // The layout helpers: sizes in twips, as the dialogs are designed.
    void setClientSize(int widthTwips, int heightTwips);
    // Any further control (frames, option buttons) at its designed place.
    void place(QWidget* widget, const TwipsRect& rect) { placeAt(widget, rect); }
    QLabel* addLabel(const QString& caption, const TwipsRect& rect);
    // A number in its plain form ("0.5", "-100").
    QLineEdit* addNumberField(const QString& name, double value, const TwipsRect& rect);
    QLineEdit* addIntegerField(const QString& name, int value, const TwipsRect& rect);
    QLineEdit* addTextField(const QString& name, const QString& text, const TwipsRect& rect);
    QCheckBox* addCheckBox(const QString& name, bool checked, const TwipsRect& rect);
    // "O.K" (Command2) and "Cancel" (Command1).
    void addOkCancel(const TwipsRect& ok, const TwipsRect& cancel);

    // The axis block of the dialogs that draw along the rotor (SAVLEN,
    // WESPAR, Lendrix): the column headings above the row ("Length",
    // "Division pitch", "Chert total length") with their units ("(mm)",
    // "(mm)", "(cm)"), the row label (and a second line naming the file the
    // axis belongs to, if any), and the fields Text<first> .. Text<first + 3>:
    // minimum, maximum, pitch, chart length, kept in `fields` (the dialog's
    // fields by number) at those numbers.
    void addAxisRow(std::span<QLineEdit*> fields, int first, int top, const QString& rowLabel, const AxisSettings& axis,
        const QString& rowName = {});
    // A title under its axis: the label and the field Text<n>, kept in fields[n].
    void addTitleRow(std::span<QLineEdit*> fields, int n, int top, const QString& label, const QString& text);
    // The same dialogs' "Title    :" row at `top` and "File comment :" row
    // 441 twips below it: the fields Text<n> and Text<n + 1>.
    void addTitleAndCommentRows(std::span<QLineEdit*> fields, int n, int top, const QString& title, const QString& comment);
    // The note under the axis rows of the same dialogs (and MIRNO1's) that
    // says what the units count.
    void addUnitNote(int top, int left = 390);
    // SAVLEN's and WESPAR's contour box, "1, Both" / "2, Upper": Text<n>.
    void addContourModeField(std::span<QLineEdit*> fields, int n, int mode);
    // SAVLEN's and Lendrix's check box under "Number of Element".
    QCheckBox* addNumberOfElementBox(const QString& name, bool checked);

    // The text boxes of the suite's dialogs are 285 twips high.
    static constexpr int kFieldHeight = 285;

private:
    // Hides the dialog, brings the main window forward, deletes the dialog.
    void unload();
    // The refusal in a message box; the field gets the focus, its text selected.
    void showRefusal();

    bool m_done = false;
    QString m_refusal;
    QPointer<QLineEdit> m_refusedField;
};

} // namespace kavel
