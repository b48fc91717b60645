#pragma once

#include "twips.h"

#include <QDialog>
#include <QPointer>
#include <array>
#include <functional>
#include <variant>
#include <vector>

class QAbstractButton;
class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace kavel {

struct AxisSettings;

// Form2, the chart editing dialog every viewer has: shown without blocking
// the main window, filled from the in-memory settings when it is built.
// "O.K" (or Enter in any field) takes the fields over with apply(), closes
// and has the main window replot; "Cancel" (or Esc) closes and changes
// nothing. Either way the dialog deletes itself. A number its settings item
// cannot hold is refused: the dialog names the field in a message, stays
// open and changes nothing.
//
// A viewer's dialog declares each field once, bound to the value in the
// viewer's memory it shows (bindNumber(), bindText(), bindCheck() …): the
// field is filled from that value when it is made, and apply() writes every
// bound field back.
class EditDialog : public QDialog {
    Q_OBJECT
public:
    explicit EditDialog(QWidget* parent = nullptr);
    // Captioned `caption` (the viewer's edit caption); the second sizes its
    // client area as designed, the first leaves that to the dialog.
    EditDialog(const QString& caption, QWidget* parent);
    EditDialog(const QString& caption, int widthTwips, int heightTwips, QWidget* parent);

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
    // Where a number field's value lives: a double, or a single, which the
    // field shows as the single it is ("14.1") and holds to a single's range.
    struct NumberRef {
        NumberRef(double& value)
            : target(&value)
        {
        }
        NumberRef(float& value)
            : target(&value)
        {
        }
        std::variant<double*, float*> target;
    };
    // A flag a check box or option button shows: checked when it is 1, and
    // 1 or 0 after O.K.
    struct FlagRef {
        FlagRef(qint16& flag)
            : target(&flag)
        {
        }
        FlagRef(int& flag)
            : target(&flag)
        {
        }
        std::variant<qint16*, int*> target;
    };
    // The four values of an axis row: range, pitch and chart length.
    struct AxisRefs {
        AxisRefs(NumberRef min, NumberRef max, NumberRef pitch, NumberRef length)
            : min(min)
            , max(max)
            , pitch(pitch)
            , length(length)
        {
        }
        AxisRefs(AxisSettings& axis);
        NumberRef min, max, pitch, length;
    };

    // Writes the bound fields back. Reads every number field first, in the
    // order of the field numbers; once one is refused, returns false without
    // writing anything. A dialog with a value derived from several fields
    // overrides it, calls it first and derives the value when it returns true.
    virtual bool apply();

    // The bound fields, each at its designed box. Text fields are Text<n>.
    // A number in its plain form ("0.5", "-100"); read by numberOf(), and
    // refused, named `caption`, when its value cannot hold it (1e400; 1e39
    // for a single).
    QLineEdit* bindNumber(int n, NumberRef value, const QString& caption, const TwipsRect& rect);
    // A text, taken as typed.
    QLineEdit* bindText(int n, QString& value, const TwipsRect& rect);
    // A whole number, converted strictly (rounded, ties to even, to 16 bits);
    // a text that is no such number keeps the value the item has.
    QLineEdit* bindInteger(int n, qint16& value, const TwipsRect& rect);
    // The four number fields of an axis row, Text<first> … Text<first + 3>:
    // minimum, maximum, pitch and chart length, named in a refusal by the
    // row ("X axis") and the headings over them ("X axis Length (from)",
    // "… Length (to)", "… Division pitch", "… <lengthHeading>").
    void bindAxis(int first, AxisRefs axis, const std::array<TwipsRect, 4>& boxes, const QString& row,
        // "Chert" (for Chart) is the historic spelling of this caption: keep it.
        const QString& lengthHeading = QStringLiteral("Chert total length"));
    // A check box named `name` (its caption, if any, is set afterwards).
    QCheckBox* bindCheck(const QString& name, FlagRef flag, const TwipsRect& rect);
    // Any check box or option button, such as a CheckBoxGrid's, as a flag.
    template <typename Button>
    Button* bindFlag(Button* button, FlagRef flag)
    {
        bindFlagButton(button, flag);
        return button;
    }
    // One of the option buttons that set `value`: checked when the value is
    // `choice`, and the value becomes `choice` when it is checked.
    template <typename Button>
    Button* bindChoice(Button* button, int& value, int choice)
    {
        bindChoiceButton(button, value, choice);
        return button;
    }

    // The layout helpers: sizes in twips, as the dialogs are designed.
    void setClientSize(int widthTwips, int heightTwips);
    // Any further control (frames, grids) at its designed place.
    void place(QWidget* widget, const TwipsRect& rect) { placeAt(widget, rect); }
    QLabel* addLabel(const QString& caption, const TwipsRect& rect);
    // A caption of the common label height.
    QLabel* addLabel(const QString& caption, int left, int top, int width)
    {
        return addLabel(caption, { left, top, width, kLabelHeight });
    }
    // An option button OptionN, in `frame` (placed within it) or the dialog.
    QRadioButton* addOptionButton(const QString& name, const QString& caption, const TwipsRect& rect, QWidget* frame = nullptr);
    // "O.K" (Command2) and "Cancel" (Command1).
    void addOkCancel(const TwipsRect& ok, const TwipsRect& cancel);

    // The headings over an axis row's fields: "Length", "Division pitch" and
    // the length's heading, each with its unit under it (an empty one left
    // out), all of the common label height.
    struct LabelPlace {
        int left = 0;
        int top = 0;
        int width = 0;
    };
    struct AxisHeadings {
        std::array<LabelPlace, 3> headings;
        std::array<LabelPlace, 3> unitPlaces;
        std::array<QString, 3> units { QStringLiteral("(mm)"), QStringLiteral("(mm)"), QStringLiteral("(cm)") };
        // "Chert" (for Chart) is the historic spelling of this caption: keep it.
        QString lengthHeading = QStringLiteral("Chert total length");
        // Of "Length" and the range's unit, and of the two other units.
        Qt::Alignment rangeAlignment = Qt::AlignLeft | Qt::AlignVCenter;
        Qt::Alignment unitAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    };
    void addAxisHeadings(const AxisHeadings& headings);

    // An axis row of the dialogs designed on SAVLEN's (SAVLEN, VALDEN,
    // WESPAR, Lendrix): the column headings above it ("Length", "Division
    // pitch", "Chert total length") with their units, the row label, and the
    // four fields bound by bindAxis(), named in a refusal by the label
    // without its colon, the second line in brackets ("Y axis (wespar)").
    struct AxisRow {
        AxisRow(const QString& label, const QString& name = {})
            : label(label)
            , name(name)
        {
        }
        QString label; // "X axis  :"
        QString name;  // a second line under the label ("wespar"), or none
        // Under "Length", "Division pitch" and "Chert total length"; an empty
        // one is left out.
        std::array<QString, 3> units { QStringLiteral("(mm)"), QStringLiteral("(mm)"), QStringLiteral("(cm)") };
        // Of the pitch's and the length's unit (a label's own by default);
        // the range's is centred over its two fields.
        Qt::Alignment unitAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    };
    void addAxisRow(int first, int top, const AxisRow& row, AxisRefs axis);
    // A title under its axis: the label and the field Text<n>.
    void addTitleRow(int n, int top, const QString& label, QString& title);
    // SAVLEN's field block, which Lendrix's dialog repeats: the X and Y axis
    // rows, each with its title under it (Text1 … Text10), the unit note, and
    // the title and comment rows (Text11, Text12).
    void addTwoAxisBlock(AxisRefs x, QString& xTitle, AxisRefs y, QString& yTitle, QString& title, QString& comment);
    // The same dialogs' "Title    :" row at `top` and "File comment :" row
    // 441 twips below it: the fields Text<n> and Text<n + 1>.
    void addTitleAndCommentRows(int n, int top, QString& title, QString& comment);
    // The note under the axis rows of the same dialogs (and MIRNO1's) that
    // says what the units count.
    void addUnitNote(int top, int left = 390);
    // SAVLEN's and WESPAR's contour box, "1, Both" / "2, Upper": Text<n>.
    void addContourModeField(int n, qint16& mode);
    // SAVLEN's and Lendrix's check box under "Number of Element".
    QCheckBox* addNumberOfElementBox(const QString& name, FlagRef shown);

    // The text boxes of the suite's dialogs are 285 twips high, the labels
    // 210; a number field is 843 wide, a title field 2685.
    static constexpr int kFieldHeight = 285;
    static constexpr int kLabelHeight = 210;
    static constexpr int kNumberWidth = 843;
    static constexpr int kTitleWidth = 2685;

private:
    struct BoundNumber {
        int n;
        QLineEdit* field;
        NumberRef value;
        QString caption;
    };

    QLineEdit* addField(int n, const QString& text, const TwipsRect& rect);
    void bindFlagButton(QAbstractButton* button, FlagRef flag);
    void bindChoiceButton(QAbstractButton* button, int& value, int choice);
    // A number field's leading number (numberOf()), checked against what
    // its value can hold. A number beyond that is refused: the first refusal
    // is kept with the field's caption, and the value read is then of no
    // use. A single comes back as the nearest single.
    double numberFrom(const BoundNumber& bound);
    bool refused() const { return !m_refusal.isEmpty(); }
    // Hides the dialog, brings the main window forward, deletes the dialog.
    void unload();
    // The refusal in a message box; the field gets the focus, its text selected.
    void showRefusal();

    // In the order of their field numbers.
    std::vector<BoundNumber> m_numbers;
    // Every other bound field's writing back.
    std::vector<std::function<void()>> m_stores;
    bool m_done = false;
    QString m_refusal;
    QPointer<QLineEdit> m_refusedField;
};

} // namespace kavel
