#include "resultspanel.h"

#include "framework/surface/palette.h"
#include "framework/results/resultformat.h"
#include "framework/viewer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpression>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kavel {

namespace {

// A table widget of more rows would hold up every plot; a file with
// thousands of modes is a broken one, and the report gives every row.
constexpr int kMaxShownRows = 1000;

QIcon swatch(int colour)
{
    QPixmap square(12, 12);
    const Rgb rgb = Palette::colour(colour);
    square.fill(QColor(rgb.r, rgb.g, rgb.b));
    QPainter frame(&square);
    frame.setPen(Qt::gray);
    frame.drawRect(0, 0, 11, 11);
    return QIcon(square);
}

// A list typed with blanks as well as commas, as the option takes it.
QStringList listed(const QString& text)
{
    QString list = text.trimmed();
    list.replace(QRegularExpression(QStringLiteral("[\\s,]+")), QStringLiteral(","));
    return list.split(QLatin1Char(','));
}

QLineEdit* lineEdit(const QString& name, const QString& hint, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setPlaceholderText(hint);
    return edit;
}

} // namespace

ResultsPanel::ResultsPanel(Viewer& viewer, QWidget* parent)
    : QWidget(parent)
    , m_viewer(viewer)
{
    setObjectName(QStringLiteral("resultsPanel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    auto* form = new QFormLayout;
    layout->addLayout(form);
    const ResultInputKinds kinds = viewer.resultInputKinds();

    if (kinds.testFlag(ResultInput::Orders)) {
        m_orders = lineEdit(QStringLiteral("orders"), tr("1, 2, …"), this);
        form->addRow(tr("Orders"), m_orders);
        connect(m_orders, &QLineEdit::editingFinished, this, &ResultsPanel::applyOrders);
    }
    if (kinds.testFlag(ResultInput::Operating)) {
        auto* range = new QHBoxLayout;
        m_operatingMin = lineEdit(QStringLiteral("operatingMin"), tr("min"), this);
        m_operatingMax = lineEdit(QStringLiteral("operatingMax"), tr("max"), this);
        range->addWidget(m_operatingMin);
        range->addWidget(new QLabel(QStringLiteral("–"), this));
        range->addWidget(m_operatingMax);
        form->addRow(tr("Operating range"), range);
        connect(m_operatingMin, &QLineEdit::editingFinished, this, &ResultsPanel::applyOperating);
        connect(m_operatingMax, &QLineEdit::editingFinished, this, &ResultsPanel::applyOperating);
    }
    if (kinds.testFlag(ResultInput::Stiffness)) {
        m_stiffness = lineEdit(QStringLiteral("stiffness"), tr("K, K, …"), this);
        form->addRow(tr("Stiffness"), m_stiffness);
        connect(m_stiffness, &QLineEdit::editingFinished, this, &ResultsPanel::applyStiffness);
    }
    if (kinds.testFlag(ResultInput::CurveKind)) {
        m_curve = new QComboBox(this);
        m_curve->setObjectName(QStringLiteral("curve"));
        m_curve->addItem(tr("every kind"), -1);
        m_curve->addItem(tr("0 critical speed"), 0);
        m_curve->addItem(tr("1 standstill"), 1);
        m_curve->addItem(tr("2 third kind"), 2);
        form->addRow(tr("Curve kind"), m_curve);
        connect(m_curve, &QComboBox::activated, this, &ResultsPanel::applyCurve);
    }
    if (kinds.testFlag(ResultInput::Markers)) {
        m_markers = new QCheckBox(tr("Markers on the chart"), this);
        m_markers->setObjectName(QStringLiteral("markers"));
        layout->addWidget(m_markers);
        connect(m_markers, &QCheckBox::toggled, this, &ResultsPanel::applyMarkers);
    }
    m_refusal = new QLabel(this);
    m_refusal->setObjectName(QStringLiteral("refusal"));
    m_refusal->setWordWrap(true);
    m_refusal->setStyleSheet(QStringLiteral("QLabel { color: #a00000; }"));
    m_refusal->hide();
    layout->addWidget(m_refusal);

    m_table = new QTableWidget(this);
    m_table->setObjectName(QStringLiteral("results"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(m_table, 1);

    showInputs();
}

void ResultsPanel::refresh()
{
    showInputs();
    const ResultRows rows = m_viewer.results();
    QStringList columns { QStringLiteral("kind") };
    for (const ResultRow& row : rows) {
        for (const ResultField& f : row.fields) {
            if (!columns.contains(f.name))
                columns << f.name;
        }
    }
    const int shown = int(std::min<std::size_t>(rows.size(), kMaxShownRows));
    m_table->clear();
    m_table->setColumnCount(int(columns.size()));
    m_table->setRowCount(shown + (shown < int(rows.size()) ? 1 : 0));
    m_table->setHorizontalHeaderLabels(columns);
    if (shown < int(rows.size()))
        m_table->setItem(shown, 0, new QTableWidgetItem(tr("%1 more rows: kavel-export --report lists them all").arg(rows.size() - std::size_t(shown))));
    for (int r = 0; r < shown; ++r) {
        const ResultRow& row = rows[std::size_t(r)];
        auto* kind = new QTableWidgetItem(row.kind);
        if (row.colour)
            kind->setIcon(swatch(*row.colour));
        m_table->setItem(r, 0, kind);
        for (int c = 1; c < int(columns.size()); ++c) {
            const ResultValue* value = row.field(columns[c]);
            if (!value)
                continue;
            auto* item = new QTableWidgetItem(ResultFormat::shown(*value));
            if (std::holds_alternative<double>(*value) || std::holds_alternative<std::monostate>(*value))
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (const bool* verdict = std::get_if<bool>(value); verdict && !*verdict)
                item->setForeground(QColor(0xa0, 0, 0));
            m_table->setItem(r, c, item);
        }
    }
}

// The boxes as the inputs stand, but not under the user's hands: a box being
// typed into keeps what was typed.
void ResultsPanel::showInputs()
{
    const ResultInputs& inputs = m_viewer.resultInputs;
    auto show = [](QLineEdit* edit, const QString& text) {
        if (edit && !edit->hasFocus())
            edit->setText(text);
    };
    show(m_orders, ResultOptions::values(inputs, ResultInput::Orders));
    show(m_stiffness, ResultOptions::values(inputs, ResultInput::Stiffness));
    show(m_operatingMin, inputs.operating ? ResultFormat::number(inputs.operating->min) : QString());
    show(m_operatingMax, inputs.operating ? ResultFormat::number(inputs.operating->max) : QString());
    if (m_curve)
        m_curve->setCurrentIndex(m_curve->findData(inputs.curve.value_or(-1)));
    if (m_markers) {
        const QSignalBlocker quiet(m_markers);
        m_markers->setChecked(inputs.markers);
    }
}

void ResultsPanel::settle(const QString& error)
{
    m_refusal->setText(error);
    m_refusal->setVisible(!error.isEmpty());
    if (error.isEmpty())
        emit inputsChanged();
}

void ResultsPanel::applyOrders()
{
    const ResultInputs before = m_viewer.resultInputs;
    const QString error = ResultOptions::set(m_viewer.resultInputs, ResultInput::Orders, listed(m_orders->text()));
    if (error.isEmpty() && m_viewer.resultInputs == before && m_refusal->isHidden())
        return;
    settle(error);
}

void ResultsPanel::applyStiffness()
{
    const ResultInputs before = m_viewer.resultInputs;
    const QString error = ResultOptions::set(m_viewer.resultInputs, ResultInput::Stiffness, listed(m_stiffness->text()));
    if (error.isEmpty() && m_viewer.resultInputs == before && m_refusal->isHidden())
        return;
    settle(error);
}

// Both ends or neither: one end alone waits for the other.
void ResultsPanel::applyOperating()
{
    const QString min = m_operatingMin->text().trimmed(), max = m_operatingMax->text().trimmed();
    if (min.isEmpty() != max.isEmpty())
        return;
    const ResultInputs before = m_viewer.resultInputs;
    const QStringList values = min.isEmpty() ? QStringList { QString() } : QStringList { min, max };
    const QString error = ResultOptions::set(m_viewer.resultInputs, ResultInput::Operating, values);
    if (error.isEmpty() && m_viewer.resultInputs == before && m_refusal->isHidden())
        return;
    settle(error);
}

void ResultsPanel::applyCurve()
{
    const int kind = m_curve->currentData().toInt();
    m_viewer.resultInputs.curve = kind < 0 ? std::nullopt : std::optional(kind);
    settle({});
}

void ResultsPanel::applyMarkers()
{
    m_viewer.resultInputs.markers = m_markers->isChecked();
    settle({});
}

} // namespace kavel
