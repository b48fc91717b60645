#pragma once

#include "framework/output/painterrenderer.h"
#include "framework/surface/drawingsurface.h"
#include "framework/surface/surfaceops.h"

#include <QRectF>
#include <QSize>
#include <QString>
#include <optional>

class QImage;
class QPainter;
class QPdfWriter;
class QPrinter;

namespace kavel {

// Turns a recorded chart into a file or a printed page. Every backend draws
// through the one render() (render.h), so the screen, the page and the files
// show the same chart.
namespace ChartOutput {

// Csv is the data the chart plotted (PlottedData), not its picture.
enum class Format { Pdf, Svg, Png, Json, Csv };

// The format named by a file's extension; nullopt for any other.
std::optional<Format> formatFor(const QString& path);

// `kind` is the surface the chart was drawn for: its line widths and rotated
// fonts count that surface's device units (deviceUnitsPerInch), so a printed
// page has the same line widths in every format. A chart that reaches past
// the chart region passes what it covers as `drawn` (Viewer::drawnRegion);
// the others pass nothing and keep the common region.

// The page: A4 landscape, one chart unit one centimetre from the page's
// top-left corner, scaled down only when `drawn` does not fit the page.
// Returns an empty text on success, else a message naming the file.
QString writePdf(const OpList& ops, SurfaceKind kind, const QString& path, const std::optional<QRectF>& drawn = std::nullopt);
// The PDF's pieces, for a document of several pages (BookOutput): the
// writer's resolution and A4 landscape page, and a chart painted on the
// current page with a painter begun on such a writer.
void setUpPdf(QPdfWriter& writer);
void paintPdfPage(QPainter& painter, const OpList& ops, SurfaceKind kind, const std::optional<QRectF>& drawn = std::nullopt);
// The picture as the screen shows it: the chart region 30 × 21 cm, with
// what `drawn` adds beyond it.
QString writeSvg(const OpList& ops, SurfaceKind kind, const QString& path, const std::optional<QRectF>& drawn = std::nullopt);
QString writePng(const OpList& ops, SurfaceKind kind, const QString& path, double dpi = 96, const std::optional<QRectF>& drawn = std::nullopt);
// The longest side of a picture in pixels. A chart drawn from a file of
// another kind can reach a kilometre past the page; its picture is scaled
// down to fit, as the window fits it into the picture area, rather than
// allocated at gigabytes.
inline constexpr int kMaxPictureSide = 4096;
// The picture of `region` (chart centimetres) at `dpi`, its longest side at
// most kMaxPictureSide pixels and each at least one.
QSize pictureSize(const QRectF& region, double dpi);

// A picture of `size` pixels drawn with `mapping` (a window's picture as it
// shows it), on white: an image smoothed as the screen shows it, or SVG
// whose fonts name the faces the chart's renderer tries.
QImage pictureImage(const OpList& ops, const QSize& size, const DeviceMapping& mapping);
QByteArray pictureSvg(const OpList& ops, const QSize& size, const DeviceMapping& mapping);
// PNG bytes of an image; empty when it could not be encoded.
QByteArray pngBytes(const QImage& image);

// JSON Lines: `header` first, then one object per operation.
QString writeJson(const OpList& ops, const QString& path, const QString& header);

// Prints a chart drawn for the printer on one landscape page of `printer`
// (set up by the caller: a device or a PDF file), scaled down only when `drawn` does not fit its printable
// area. Returns an empty text on success, else the printer's error.
QString print(const OpList& ops, QPrinter& printer, const std::optional<QRectF>& drawn = std::nullopt);

} // namespace ChartOutput

} // namespace kavel
