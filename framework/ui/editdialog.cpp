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

#include <cmath>

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

double EditDialog::numberFrom(QLineEdit* field, const QString& caption, Precision precision)
{
    const double value = numberOf(field);
    if (precision == Precision::Single) {
        if (const std::optional<float> single = Single::nearest(value))
            return *single;
    } else if (std::isfinite(value)) {
        return value;
    }
    if (!refused()) {
        const QString limit = precision == Precision::Single ? QStringLiteral("3.4E+38") : QStringLiteral("1.8E+308");
        m_refusal = QStringLiteral("%1: \"%2\" is out of range: this setting holds numbers from about -%3 to %3.")
                        .arg(caption, field->text().trimmed(), limit);
        m_refusedField = field;
    }
    return 0;
}

AxisSettings EditDialog::axisFrom(std::span<QLineEdit* const> fields, int first, const QString& row, Precision length,
    const QString& lengthHeading)
{
    auto field = [&](int k) { return fields[std::size_t(first + k)]; };
    const QString range = row + QStringLiteral(" Length");
    AxisSettings axis;
    axis.min = numberFrom(field(0), range + QStringLiteral(" (from)"));
    axis.max = numberFrom(field(1), range + QStringLiteral(" (to)"));
    axis.pitch = numberFrom(field(2), row + QStringLiteral(" Division pitch"));
    axis.length = numberFrom(field(3), row + QLatin1Char(' ') + lengthHeading, length);
    return axis;
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

QLineEdit* EditDialog::addTextField(const QString& name, const QString& text, const TwipsRect& rect)
{
    auto* field = new QLineEdit(text, this);
    field->setObjectName(name);
    field->setCursorPosition(0);
    placeAt(field, rect);
    return field;
}

QLineEdit* EditDialog::addNumberField(const QString& name, double value, const TwipsRect& rect)
{
    return addTextField(name, NumberText::plain(value), rect);
}

QLineEdit* EditDialog::addIntegerField(const QString& name, int value, const TwipsRect& rect)
{
    return addTextField(name, QString::number(value), rect);
}

QCheckBox* EditDialog::addCheckBox(const QString& name, bool checked, const TwipsRect& rect)
{
    auto* box = new QCheckBox(this);
    box->setObjectName(name);
    box->setChecked(checked);
    placeAt(box, rect);
    return box;
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

constexpr int kLabelHeight = 210;

QString fieldName(int n)
{
    return QStringLiteral("Text%1").arg(n);
}

} // namespace

void EditDialog::addAxisRow(std::span<QLineEdit*> fields, int first, int top, const QString& rowLabel, const AxisSettings& axis,
    const QString& rowName)
{
    const int headingTop = top - 2 * kLabelHeight;
    addLabel(QStringLiteral("Length"), { 990, headingTop, 1818, kLabelHeight })->setAlignment(Qt::AlignHCenter);
    addLabel(QStringLiteral("Division pitch"), { 2900, headingTop, 1300, kLabelHeight });
    // "Chert" (for Chart) is the historic spelling of this caption: keep it.
    addLabel(QStringLiteral("Chert total length"), { 4240, headingTop, 1600, kLabelHeight });
    addLabel(QStringLiteral("(mm)"), { 990, headingTop + kLabelHeight, 1818, kLabelHeight })->setAlignment(Qt::AlignHCenter);
    addLabel(QStringLiteral("(mm)"), { 3030, headingTop + kLabelHeight, 843, kLabelHeight });
    addLabel(QStringLiteral("(cm)"), { 4320, headingTop + kLabelHeight, 843, kLabelHeight });
    addLabel(rowLabel, { 120, top + 30, 840, kLabelHeight });
    if (!rowName.isEmpty())
        addLabel(rowName, { 120, top + 30 + kLabelHeight, 840, kLabelHeight });
    const double values[] = { axis.min, axis.max, axis.pitch, axis.length };
    const int lefts[] = { 990, 1965, 3030, 4320 };
    for (int k = 0; k < 4; ++k)
        fields[std::size_t(first + k)] = addNumberField(fieldName(first + k), values[k], { lefts[k], top, 843, kFieldHeight });
}

void EditDialog::addTitleRow(std::span<QLineEdit*> fields, int n, int top, const QString& label, const QString& text)
{
    addLabel(label, { 120, top + 30, 840, kLabelHeight });
    fields[std::size_t(n)] = addTextField(fieldName(n), text, { 990, top, 2685, kFieldHeight });
}

void EditDialog::addTitleAndCommentRows(std::span<QLineEdit*> fields, int n, int top, const QString& title, const QString& comment)
{
    constexpr int kRowStep = 441;
    addLabel(QStringLiteral("Title    :"), { 120, top + 30, 1400, kLabelHeight });
    fields[std::size_t(n)] = addTextField(fieldName(n), title, { 1560, top, 2685, kFieldHeight });
    addLabel(QStringLiteral("File comment :"), { 120, top + kRowStep + 30, 1400, kLabelHeight });
    fields[std::size_t(n + 1)] = addTextField(fieldName(n + 1), comment, { 1560, top + kRowStep, 3855, kFieldHeight });
}

void EditDialog::addUnitNote(int top, int left)
{
    addLabel(QStringLiteral("NOTE ! :  mm ; Physical length,  cm ; Chart length"), { left, top, 5295, kLabelHeight });
}

void EditDialog::addContourModeField(std::span<QLineEdit*> fields, int n, int mode)
{
    constexpr int kTop = 1286;
    addLabel(QStringLiteral("1, Both"), { 5895, kTop - 2 * kLabelHeight, 1200, kLabelHeight });
    addLabel(QStringLiteral("2, Upper"), { 5895, kTop - kLabelHeight, 1200, kLabelHeight });
    fields[std::size_t(n)] = addIntegerField(fieldName(n), mode, { 5895, kTop, 720, kFieldHeight });
}

QCheckBox* EditDialog::addNumberOfElementBox(const QString& name, bool checked)
{
    constexpr int kTop = 1987;
    // The caption ends well inside the SAVLEN dialog's right edge.
    addLabel(QStringLiteral("Number of Element"), { 5520, kTop - kLabelHeight - 15, 1700, kLabelHeight });
    return addCheckBox(name, checked, { 5895, kTop, 165, 240 });
}

} // namespace kavel
