#pragma once

#include <QPointF>
#include <QRectF>
#include <QString>
#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace kavel {

// A value of an axis and the chart coordinate it lands on (centimetres:
// across for an x axis, down the page for a y axis).
struct AxisKnot {
    double value = 0;
    double chart = 0;
};

// How one axis of a plot area turns data values into chart coordinates and
// back: straight through its knots (two for a linear axis, more for a
// second scale made of pieces, such as the damping ratio's), in the
// logarithm of the value on a logarithmic axis. Beyond the end knots the end
// pieces go on.
struct DataAxis {
    // The quantity, as the chart's title for the axis names it ("回転数
    // (rps)"), else a plain name ("speed"): the readout's and the data
    // file's column name.
    QString name;
    bool logarithmic = false;
    std::vector<AxisKnot> knots; // at least two, in ascending value

    // The settings items a zoom of this axis sets (the zoom finds them in
    // the viewer's settings layout); none where the axis cannot be zoomed
    // (it follows another axis, or the chart places its data from the
    // frame's edge whatever the range says).
    const double* min = nullptr;
    const double* max = nullptr;
    const double* pitch = nullptr;
    // The settings range is of the negated values: a deflection drawn
    // downward while its frame's labels grow upward.
    bool negated = false;

    static DataAxis linear(const QString& name, double value0, double chart0, double value1, double chart1);
    static DataAxis log(const QString& name, double value0, double chart0, double value1, double chart1);
    // A chart's title for an axis, or `fallback` when the title is blank.
    static QString nameOf(const QString& title, const char* fallback);

    // The settings items this axis is zoomed by (min and max; pitch where
    // the axis has ticks at a pitch).
    DataAxis& zoomedBy(const double& min, const double& max, const double* pitch = nullptr);

    // Whether the knots make a mapping both ways (finite, distinct).
    bool valid() const;
    // NaN where the value has no place (a logarithm of 0).
    double toChart(double value) const;
    double toValue(double chart) const;
    bool zoomable() const { return min && max && valid(); }
};

// A drawn curve in data units.
struct PlotCurve {
    // What it is ("mode 1", "outer contour"); with its axis's name it names
    // the nearest curve under the cursor and the curve's data column.
    QString name;
    int axis = 0;          // the area's y axis it is drawn against
    std::vector<double> x; // NaN where a point was not drawn
    std::vector<double> y;
    // A path through the plane (the polar chart's, the Gauss plane's): the
    // parameter of each point (the speed), by which its data rows go; empty
    // for a curve over x, whose rows go by x.
    std::vector<double> t;

    // A curve of n samples, sample i (from 1) at (x(i), y(i)).
    template <typename X, typename Y>
    static PlotCurve sampled(QString name, qint64 n, X x, Y y, int axis = 0)
    {
        PlotCurve curve;
        curve.name = std::move(name);
        curve.axis = axis;
        curve.x.reserve(std::size_t(std::max<qint64>(n, 0)));
        curve.y.reserve(std::size_t(std::max<qint64>(n, 0)));
        for (qint64 i = 1; i <= n; ++i) {
            curve.x.push_back(double(x(i)));
            curve.y.push_back(double(y(i)));
        }
        return curve;
    }
    // The same as a path through the plane, sample i at parameter t(i).
    template <typename X, typename Y, typename T>
    static PlotCurve path(QString name, qint64 n, X x, Y y, T t)
    {
        PlotCurve curve = sampled(std::move(name), n, x, y);
        for (qint64 i = 1; i <= n; ++i)
            curve.t.push_back(double(t(i)));
        return curve;
    }
};

// A point of a chart that has no plane to read (an oblique sketch) and what
// the cursor near it reads.
struct PlotMarker {
    QPointF chart;
    QString label;
};

// What a chart tells about one plot area beside drawing it: its frame, how
// its axes map data onto the page, and the curves it drew in data units.
// The window reads the cursor and zooms by it, and the plotted data are
// written from it. A chart describes each area on its surface
// (DrawingSurface::describe) as it draws it.
struct PlotArea {
    enum class Kind {
        Plane,  // x and y axes (a y axis per scale)
        Polar,  // amplitude as the radius from `centre`, phase in degrees
                // turning clockwise on the page from the right
        Sketch, // no plane: the cursor reads the nearest marker
    };
    Kind kind = Kind::Plane;
    // Where the area's curves are kept and a drag zooms; none where the
    // chart has no frame.
    std::optional<QRectF> frame;
    DataAxis x;            // Polar: the amplitude
    std::vector<DataAxis> y; // Polar: y[0] the phase
    // The name of the path curves' parameter ("speed").
    QString parameter;
    std::vector<PlotCurve> curves;

    QPointF centre;          // Polar
    double radiusScale = 0;  // Polar: chart centimetres per unit of amplitude
    std::vector<PlotMarker> markers; // Sketch

    // Curve `name`'s n samples against each y axis it is drawn on
    // (`drawn[k]` for axis k), the left and then the right: sample i (from 1)
    // at (x(i), y(k, i)).
    template <typename X, typename Y>
    void addOnScales(const QString& name, qint64 n, std::array<bool, 2> drawn, X x, Y y)
    {
        for (int k : { 0, 1 }) {
            if (drawn[std::size_t(k)])
                curves.push_back(PlotCurve::sampled(name, n, x, [&](qint64 i) { return y(k, i); }, k));
        }
    }

    // Where point i of `curve` lies on the chart; NaN coordinates where it
    // has no place.
    QPointF chartPoint(const PlotCurve& curve, std::size_t i) const;
    // The data point under a chart point, in the area's axes: x and y[0]
    // (Polar: amplitude and phase).
    QPointF valueAt(const QPointF& chart) const;
    const DataAxis& axisOf(const PlotCurve& curve) const;
};

} // namespace kavel
