#include "editdialog.h"

#include "keypreview.h"

#include "framework/reading/numberparse.h"
#include "framework/reading/numbertext.h"
#include "framework/reading/single.h"
#include "framework/settings/chartsettings.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cmath>
#include <type_traits>

namespace kavel {

EditDialog::EditDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Form2"));
    setModal(false);
    // Enter and Esc belong to the dialog whichever field has the focus.
    new KeyPreview(this, [this](QKeyEvent& event) {
        if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier))
            return false;
        switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            accept();
            return true;
        case Qt::Key_Escape:
            reject();
            return true;
        default:
            return false;
        }
    });
}

EditDialog::EditDialog(const QString& caption, QWidget* parent)
    : EditDialog(parent)
{
    setWindowTitle(caption);
}

EditDialog::EditDialog(const QString& caption, int widthTwips, int heightTwips, QWidget* parent)
    : EditDialog(caption, parent)
{
    setClientSize(widthTwips, heightTwips);
}

EditDialog::AxisRefs::AxisRefs(AxisSettings& axis)
    : AxisRefs(axis.min, axis.max, axis.pitch, axis.length)
{
}

double EditDialog::numberOf(const QLineEdit* field)
{
    return NumberParse::lenient(field->text());
}

void EditDialog::accept()
{
    if (m_done)
        return;
    m_refusal.clear();
    m_refusedField = nullptr;
    if (!apply()) {
        showRefusal();
        return;
    }
    unload();
    emit confirmed();
}

bool EditDialog::apply()
{
    std::vector<double> numbers;
    numbers.reserve(m_numbers.size());
    for (const BoundNumber& bound : m_numbers)
        numbers.push_back(numberFrom(bound));
    if (refused())
        return false;
    for (std::size_t k = 0; k < m_numbers.size(); ++k) {
        // A single's field was read as the nearest single.
        std::visit([&](auto* target) { *target = static_cast<std::remove_pointer_t<decltype(target)>>(numbers[k]); },
            m_numbers[k].value.target);
    }
    for (const std::function<void()>& store : m_stores)
        store();
    return true;
}

double EditDialog::numberFrom(const BoundNumber& bound)
{
    const bool single = std::holds_alternative<float*>(bound.value.target);
    const double value = numberOf(bound.field);
    if (single) {
        if (const std::optional<float> nearest = Single::nearest(value))
            return *nearest;
    } else if (std::isfinite(value)) {
        return value;
    }
    if (!refused()) {
        const QString limit = single ? QStringLiteral("3.4E+38") : QStringLiteral("1.8E+308");
        m_refusal = QStringLiteral("%1: \"%2\" is out of range: this setting holds numbers from about -%3 to %3.")
                        .arg(bound.caption, bound.field->text().trimmed(), limit);
        m_refusedField = bound.field;
    }
    return 0;
}

void EditDialog::showRefusal()
{
    // apply() refused without saying why: nothing to show, and still nothing changed.
    if (!refused())
        return;
    QMessageBox box(QMessageBox::Warning, windowTitle(), m_refusal, QMessageBox::Ok, this);
    box.exec();
    if (m_refusedField) {
        m_refusedField->setFocus();
        m_refusedField->selectAll();
    }
}

void EditDialog::reject()
{
    if (m_done)
        return;
    unload();
}

void EditDialog::unload()
{
    m_done = true;
    hide();
    if (QWidget* main = parentWidget()) {
        main->raise();
        main->activateWindow();
    }
    deleteLater();
}

QLineEdit* EditDialog::addField(int n, const QString& text, const TwipsRect& rect)
{
    auto* field = new QLineEdit(text, this);
    field->setObjectName(QStringLiteral("Text%1").arg(n));
    field->setCursorPosition(0);
    placeAt(field, rect);
    return field;
}

QLineEdit* EditDialog::bindNumber(int n, NumberRef value, const QString& caption, const TwipsRect& rect)
{
    const QString text = std::holds_alternative<float*>(value.target)
        ? NumberText::general(*std::get<float*>(value.target), NumberText::kSingleDigits)
        : NumberText::plain(*std::get<double*>(value.target));
    QLineEdit* field = addField(n, text, rect);
    const auto after = std::upper_bound(m_numbers.begin(), m_numbers.end(), n, [](int m, const BoundNumber& b) { return m < b.n; });
    m_numbers.insert(after, { n, field, value, caption });
    return field;
}

QLineEdit* EditDialog::bindText(int n, QString& value, const TwipsRect& rect)
{
    QLineEdit* field = addField(n, value, rect);
    m_stores.push_back([field, &value] { value = field->text(); });
    return field;
}

QLineEdit* EditDialog::bindInteger(int n, qint16& value, const TwipsRect& rect)
{
    QLineEdit* field = addField(n, QString::number(value), rect);
    m_stores.push_back([field, &value] {
        if (const std::optional<qint16> number = NumberParse::strictInt16(field->text()))
            value = *number;
    });
    return field;
}

void EditDialog::bindAxis(int first, AxisRefs axis, const std::array<TwipsRect, 4>& boxes, const QString& row,
    const QString& lengthHeading)
{
    const QString range = row + QStringLiteral(" Length");
    bindNumber(first, axis.min, range + QStringLiteral(" (from)"), boxes[0]);
    bindNumber(first + 1, axis.max, range + QStringLiteral(" (to)"), boxes[1]);
    bindNumber(first + 2, axis.pitch, row + QStringLiteral(" Division pitch"), boxes[2]);
    bindNumber(first + 3, axis.length, row + QLatin1Char(' ') + lengthHeading, boxes[3]);
}

QCheckBox* EditDialog::bindCheck(const QString& name, FlagRef flag, const TwipsRect& rect)
{
    auto* box = new QCheckBox(this);
    box->setObjectName(name);
    bindFlag(box, flag);
    placeAt(box, rect);
    return box;
}

void EditDialog::bindFlagButton(QAbstractButton* button, FlagRef flag)
{
    button->setChecked(std::visit([](auto* target) { return *target == 1; }, flag.target));
    m_stores.push_back([button, flag] { std::visit([button](auto* target) { *target = button->isChecked() ? 1 : 0; }, flag.target); });
}

void EditDialog::bindChoiceButton(QAbstractButton* button, int& value, int choice)
{
    button->setChecked(value == choice);
    m_stores.push_back([button, &value, choice] {
        if (button->isChecked())
            value = choice;
    });
}

void EditDialog::setClientSize(int widthTwips, int heightTwips)
{
    setFixedSize(twipsToPixels(widthTwips), twipsToPixels(heightTwips));
}

QLabel* EditDialog::addLabel(const QString& caption, const TwipsRect& rect)
{
    auto* label = new QLabel(caption, this);
    placeAt(label, rect);
    return label;
}

QRadioButton* EditDialog::addOptionButton(const QString& name, const QString& caption, const TwipsRect& rect, QWidget* frame)
{
    auto* option = new QRadioButton(caption, frame ? frame : this);
    option->setObjectName(name);
    placeAt(option, rect);
    return option;
}

void EditDialog::addOkCancel(const TwipsRect& ok, const TwipsRect& cancel)
{
    auto add = [this](const QString& name, const QString& caption, const TwipsRect& rect) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(name);
        // Enter is the dialog's O.K, never a click on the focused button.
        button->setAutoDefault(false);
        placeAt(button, rect);
        return button;
    };
    connect(add(QStringLiteral("Command2"), QStringLiteral("O.K"), ok), &QPushButton::clicked, this, &EditDialog::accept);
    connect(add(QStringLiteral("Command1"), QStringLiteral("Cancel"), cancel), &QPushButton::clicked, this, &EditDialog::reject);
}

namespace {

// How a refusal names an axis row: its label without the colon ("X axis"),
// the second line in brackets ("Y axis (wespar)").
QString rowCaption(const QString& label, const QString& name)
{
    QString row = label.trimmed();
    if (row.endsWith(QLatin1Char(':')))
        row = row.chopped(1).trimmed();
    return name.isEmpty() ? row : QStringLiteral("%1 (%2)").arg(row, name);
}

} // namespace

void EditDialog::addAxisHeadings(const AxisHeadings& headings)
{
    const QString captions[] = { QStringLiteral("Length"), QStringLiteral("Division pitch"), headings.lengthHeading };
    for (std::size_t k = 0; k < 3; ++k) {
        const Qt::Alignment alignment = k == 0 ? headings.rangeAlignment : headings.unitAlignment;
        const LabelPlace& heading = headings.headings[k];
        QLabel* label = addLabel(captions[k], heading.left, heading.top, heading.width);
        if (k == 0)
            label->setAlignment(alignment);
        if (headings.units[k].isEmpty())
            continue;
        const LabelPlace& unit = headings.unitPlaces[k];
        addLabel(headings.units[k], unit.left, unit.top, unit.width)->setAlignment(alignment);
    }
}

void EditDialog::addAxisRow(int first, int top, const AxisRow& row, AxisRefs axis)
{
    constexpr int kRangeWidth = 1818;
    const int headingTop = top - 2 * kLabelHeight;
    const int unitTop = headingTop + kLabelHeight;
    addAxisHeadings({ .headings = { { { 990, headingTop, kRangeWidth }, { 2900, headingTop, 1300 }, { 4240, headingTop, 1600 } } },
        .unitPlaces = { { { 990, unitTop, kRangeWidth }, { 3030, unitTop, kNumberWidth }, { 4320, unitTop, kNumberWidth } } },
        .units = row.units,
        .rangeAlignment = Qt::AlignHCenter,
        .unitAlignment = row.unitAlignment });
    addLabel(row.label, { 120, top + 30, 840, kLabelHeight });
    if (!row.name.isEmpty())
        addLabel(row.name, { 120, top + 30 + kLabelHeight, 840, kLabelHeight });
    bindAxis(first, axis,
        { { { 990, top, kNumberWidth, kFieldHeight }, { 1965, top, kNumberWidth, kFieldHeight }, { 3030, top, kNumberWidth, kFieldHeight },
            { 4320, top, kNumberWidth, kFieldHeight } } },
        rowCaption(row.label, row.name));
}

void EditDialog::addTitleRow(int n, int top, const QString& label, QString& title)
{
    addLabel(label, { 120, top + 30, 840, kLabelHeight });
    bindText(n, title, { 990, top, kTitleWidth, kFieldHeight });
}

void EditDialog::addTwoAxisBlock(AxisRefs x, QString& xTitle, AxisRefs y, QString& yTitle, QString& title, QString& comment)
{
    addAxisRow(1, 467, QStringLiteral("X axis  :"), x);
    addTitleRow(5, 935, QStringLiteral("X title :"), xTitle);
    addAxisRow(6, 1870, QStringLiteral("Y axis  :"), y);
    addTitleRow(10, 2337, QStringLiteral("Y title :"), yTitle);
    addUnitNote(2685);
    addTitleAndCommentRows(11, 3039, title, comment);
}

void EditDialog::addTitleAndCommentRows(int n, int top, QString& title, QString& comment)
{
    constexpr int kRowStep = 441;
    addLabel(QStringLiteral("Title    :"), { 120, top + 30, 1400, kLabelHeight });
    bindText(n, title, { 1560, top, kTitleWidth, kFieldHeight });
    addLabel(QStringLiteral("File comment :"), { 120, top + kRowStep + 30, 1400, kLabelHeight });
    bindText(n + 1, comment, { 1560, top + kRowStep, 3855, kFieldHeight });
}

void EditDialog::addUnitNote(int top, int left)
{
    addLabel(QStringLiteral("NOTE ! :  mm ; Physical length,  cm ; Chart length"), { left, top, 5295, kLabelHeight });
}

void EditDialog::addContourModeField(int n, qint16& mode)
{
    constexpr int kTop = 1286;
    addLabel(QStringLiteral("1, Both"), { 5895, kTop - 2 * kLabelHeight, 1200, kLabelHeight });
    addLabel(QStringLiteral("2, Upper"), { 5895, kTop - kLabelHeight, 1200, kLabelHeight });
    bindInteger(n, mode, { 5895, kTop, 720, kFieldHeight });
}

QCheckBox* EditDialog::addNumberOfElementBox(const QString& name, FlagRef shown)
{
    constexpr int kTop = 1987;
    // The caption ends well inside the SAVLEN dialog's right edge.
    addLabel(QStringLiteral("Number of Element"), { 5520, kTop - kLabelHeight - 15, 1700, kLabelHeight });
    return bindCheck(name, shown, { 5895, kTop, 165, 240 });
}

} // namespace kavel
