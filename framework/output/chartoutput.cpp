#include "chartoutput.h"

#include "framework/host/atomicfile.h"
#include "fontmap.h"

#include "render.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QPageLayout>
#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QRegularExpression>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

namespace kavel::ChartOutput {

namespace {

QString cannotWrite(const QString& path, const QString& why)
{
    return QStringLiteral("%1 could not be written: %2").arg(path, why);
}

// Exports are deterministic: the same chart gives the same bytes.
constexpr int kPdfDpi = 1200;

constexpr QSizeF kA4Landscape { 29.7, 21.0 };

// zlib level 1 rather than the default 6: a chart's picture is mostly
// white runs that the fastest level packs nearly as well, in two thirds of
// the time (the large Campbell chart: 168 kB against 157 kB). Qt's PNG
// writer takes the level as a quality, level = (100 - quality) * 9 / 91.
constexpr int kPngQuality = 89;

DeviceMapping pageMapping(double dpi, SurfaceKind kind, const QSizeF& pageCm, const std::optional<QRectF>& drawn)
{
    return drawn ? DeviceMapping::page(dpi, kind, pageCm, *drawn) : DeviceMapping::page(dpi, kind);
}

// QSvgGenerator names only the first face of a font (QFont::family()), one
// the reader often lacks ("標準明朝", "Century"): each becomes the faces the
// chart's renderer tries, ending in the generic family.
QByteArray withFontFallbacks(const QByteArray& svg)
{
    static const QRegularExpression attribute(QStringLiteral("font-family=\"([^\"]*)\""));
    const QString text = QString::fromUtf8(svg);
    QHash<QString, QString> lists;
    QString out;
    out.reserve(text.size() * 2);
    qsizetype done = 0;
    for (const QRegularExpressionMatch& m : attribute.globalMatch(text)) {
        out += QStringView(text).mid(done, m.capturedStart() - done);
        const QString face = m.captured(1);
        auto list = lists.find(face);
        if (list == lists.end())
            list = lists.insert(face, FontMap::cssFamilies(face));
        out += QStringLiteral("font-family=\"%1\"").arg(*list);
        done = m.capturedEnd();
    }
    out += QStringView(text).mid(done);
    return out.toUtf8();
}

} // namespace

QSize pictureSize(const QRectF& region, double dpi)
{
    const double width = region.width() / 2.54 * dpi;
    const double height = region.height() / 2.54 * dpi;
    const double shrink = std::min(1.0, double(kMaxPictureSide) / std::max({ width, height, 1.0 }));
    if (!std::isfinite(shrink) || !(shrink > 0))
        return QSize(1, 1);
    return QSize(std::max(1, qRound(width * shrink)), std::max(1, qRound(height * shrink)));
}

std::optional<Format> formatFor(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("pdf"))
        return Format::Pdf;
    if (suffix == QLatin1String("svg"))
        return Format::Svg;
    if (suffix == QLatin1String("png"))
        return Format::Png;
    if (suffix == QLatin1String("json") || suffix == QLatin1String("jsonl"))
        return Format::Json;
    if (suffix == QLatin1String("csv"))
        return Format::Csv;
    return std::nullopt;
}

void setUpPdf(QPdfWriter& writer)
{
    writer.setCreator(QStringLiteral("Kavel"));
    writer.setResolution(kPdfDpi);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0)));
}

void paintPdfPage(QPainter& painter, const OpList& ops, SurfaceKind kind, const std::optional<QRectF>& drawn)
{
    painter.save();
    PainterRenderer(painter, pageMapping(kPdfDpi, kind, kA4Landscape, drawn), true, true).paint(ops);
    painter.restore();
}

QString writePdf(const OpList& ops, SurfaceKind kind, const QString& path, const std::optional<QRectF>& drawn)
{
    // Laid out in memory and put in place whole: a failed export never
    // leaves a cut-off file under the name.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        setUpPdf(writer);
        QPainter painter;
        if (!painter.begin(&writer))
            return cannotWrite(path, QStringLiteral("the PDF writer did not start"));
        paintPdfPage(painter, ops, kind, drawn);
    }
    return AtomicFile::replace(path, buffer.data());
}

QByteArray pictureSvg(const OpList& ops, const QSize& size, const DeviceMapping& mapping)
{
    constexpr double dpi = 96;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(size);
        generator.setViewBox(QRect(QPoint(0, 0), size));
        generator.setResolution(int(dpi));
        generator.setTitle(QStringLiteral("Kavel chart"));
        if (render(generator, ops, { mapping, false, QColor(Qt::white), true, false }) == RenderOutcome::NotStarted)
            return {};
    }
    return withFontFallbacks(buffer.data());
}

QImage pictureImage(const OpList& ops, const QSize& size, const DeviceMapping& mapping)
{
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.fill(Qt::white);
    render(image, ops, { mapping, true });
    return image;
}

QByteArray pngBytes(const QImage& image)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (image.isNull() || !image.save(&buffer, "PNG", kPngQuality))
        return {};
    return buffer.data();
}

QString writeSvg(const OpList& ops, SurfaceKind kind, const QString& path, const std::optional<QRectF>& drawn)
{
    constexpr double dpi = 96;
    const QRectF region = shownRegion(drawn);
    const QSize size = pictureSize(region, dpi);
    const QByteArray svg = pictureSvg(ops, size, DeviceMapping::fitted(QRectF(QPointF(0, 0), size), dpi, region, kind));
    if (svg.isEmpty())
        return cannotWrite(path, QStringLiteral("the SVG generator did not start"));
    return AtomicFile::replace(path, svg);
}

QString writePng(const OpList& ops, SurfaceKind kind, const QString& path, double dpi, const std::optional<QRectF>& drawn)
{
    const QRectF region = shownRegion(drawn);
    const QSize size = pictureSize(region, dpi);
    DeviceMapping mapping = DeviceMapping::fitted(QRectF(QPointF(0, 0), size), dpi, region, kind);
    // A printed hairline, a 600th of an inch, would be a faint grey smear on
    // pixels of a 96th.
    mapping.thinnestLine = 1;
    QImage image = pictureImage(ops, size, mapping);
    if (image.isNull())
        return cannotWrite(path, QStringLiteral("no memory for a picture of %1 × %2 pixels").arg(size.width()).arg(size.height()));
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    const QByteArray png = pngBytes(image);
    if (png.isEmpty())
        return cannotWrite(path, QStringLiteral("the PNG could not be encoded"));
    return AtomicFile::replace(path, png);
}

QString writeJson(const OpList& ops, const QString& path, const QString& header)
{
    std::string bytes = header.toStdString() + '\n';
    // A line is some 90 bytes.
    bytes.reserve(bytes.size() + ops.size() * 96);
    for (const SurfaceOp& op : ops) {
        appendJson(bytes, op);
        bytes += '\n';
    }
    // Written from the string itself: a copy would touch as many new pages.
    return AtomicFile::replace(path, QByteArray::fromRawData(bytes.data(), qsizetype(bytes.size())));
}

QString print(const OpList& ops, QPrinter& printer, const std::optional<QRectF>& drawn)
{
    printer.setPageOrientation(QPageLayout::Landscape);
    // One chart unit is one centimetre from the top-left of the printable area.
    const QSizeF printable = printer.pageLayout().paintRect(QPageLayout::Millimeter).size() / 10;
    const QString name = printer.printerName().isEmpty() ? printer.outputFileName() : printer.printerName();
    switch (render(printer, ops, { pageMapping(printer.resolution(), SurfaceKind::Printer, printable, drawn) })) {
    case RenderOutcome::NotStarted:
        return QStringLiteral("The printer %1 could not be started").arg(name);
    case RenderOutcome::NotFinished:
        return QStringLiteral("The page could not be finished on %1").arg(name);
    case RenderOutcome::Drawn:
        break;
    }
    return {};
}

} // namespace kavel::ChartOutput
