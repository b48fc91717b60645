#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace kavel {

class Viewer;

// The results panel beside the picture: the viewer's engineering results
// as a table, each row with a swatch of its curve's colour (the legend the
// charts lack), above it the results inputs the viewer takes, editable, and
// the "markers on the chart" check where the viewer has markers. An input
// typed (confirmed with Return or by leaving the box) or the check changed
// sets the viewer's inputs and asks for a plot; values that do not fit are
// refused with the reason under the inputs. The window refreshes the table
// after every plot; it shows the first thousand rows.
class ResultsPanel final : public QWidget {
    Q_OBJECT
public:
    explicit ResultsPanel(Viewer& viewer, QWidget* parent = nullptr);

    // The rows of the data as it now stands, and the inputs as set.
    void refresh();

    QTableWidget* table() const { return m_table; }

signals:
    // The inputs or the marks changed: the chart wants plotting again.
    void inputsChanged();

private:
    void applyOrders();
    void applyOperating();
    void applyStiffness();
    void applyCurve();
    void applyMarkers();
    // Empty `error`: the input was taken and the chart is replotted.
    void settle(const QString& error);
    void showInputs();

    Viewer& m_viewer;
    QLineEdit* m_orders = nullptr;
    QLineEdit* m_operatingMin = nullptr;
    QLineEdit* m_operatingMax = nullptr;
    QLineEdit* m_stiffness = nullptr;
    QComboBox* m_curve = nullptr;
    QCheckBox* m_markers = nullptr;
    QLabel* m_refusal = nullptr;
    QTableWidget* m_table = nullptr;
};

} // namespace kavel
