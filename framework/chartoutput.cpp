#include "chartoutput.h"

#include "painterrenderer.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace kavel::ChartOutput {

namespace {

QString cannotWrite(const QString& path, const QString& why)
{
    return QStringLiteral("%1 could not be written: %2").arg(path, why);
}

// Exports are deterministic: the same chart gives the same bytes.
constexpr int kPdfDpi = 1200;

constexpr QSizeF kA4Landscape { 29.7, 21.0 };

DeviceMapping pageMapping(double dpi, const QSizeF& pageCm, const std::optional<QRectF>& drawn)
{
    return drawn ? DeviceMapping::page(dpi, pageCm, *drawn) : DeviceMapping::page(dpi);
}

// The picture's size for a region of chart centimetres at `dpi`.
QSize pixelSize(const QRectF& region, double dpi)
{
    return QSize(qRound(region.width() / 2.54 * dpi), qRound(region.height() / 2.54 * dpi));
}

} // namespace

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
    return std::nullopt;
}

QString writePdf(const OpList& ops, const QString& path, const std::optional<QRectF>& drawn)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return cannotWrite(path, file.errorString());
    QPdfWriter writer(&file);
    writer.setCreator(QStringLiteral("Kavel"));
    writer.setResolution(kPdfDpi);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(&writer))
        return cannotWrite(path, QStringLiteral("the PDF writer did not start"));
    PainterRenderer(painter, pageMapping(kPdfDpi, kA4Landscape, drawn)).paint(ops);
    painter.end();
    file.close();
    if (file.error() != QFileDevice::NoError)
        return cannotWrite(path, file.errorString());
    return {};
}

QString writeSvg(const OpList& ops, const QString& path, const std::optional<QRectF>& drawn)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return cannotWrite(path, file.errorString());
    constexpr double dpi = 96;
    const QRectF region = shownRegion(drawn);
    const QSize size = pixelSize(region, dpi);
    QSvgGenerator generator;
    generator.setOutputDevice(&file);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setResolution(int(dpi));
    generator.setTitle(QStringLiteral("Kavel chart"));
    QPainter painter;
    if (!painter.begin(&generator))
        return cannotWrite(path, QStringLiteral("the SVG generator did not start"));
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    PainterRenderer(painter, DeviceMapping::fitted(QRectF(QPointF(0, 0), size), dpi, region)).paint(ops);
    painter.end();
    file.close();
    if (file.error() != QFileDevice::NoError)
        return cannotWrite(path, file.errorString());
    return {};
}

QString writePng(const OpList& ops, const QString& path, double dpi, const std::optional<QRectF>& drawn)
{
    const QRectF region = shownRegion(drawn);
    const QSize size = pixelSize(region, dpi);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        PainterRenderer(painter, DeviceMapping::fitted(QRectF(QPointF(0, 0), size), dpi, region)).paint(ops);
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit())
        return cannotWrite(path, file.errorString());
    return {};
}

QString writeJson(const OpList& ops, const QString& path, const QString& header)
{
    QByteArray bytes = header.toUtf8() + '\n';
    for (const SurfaceOp& op : ops)
        bytes += toJson(op).toUtf8() + '\n';
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return cannotWrite(path, file.errorString());
    return {};
}

QString print(const OpList& ops, QPrinter& printer, const std::optional<QRectF>& drawn)
{
    printer.setPageOrientation(QPageLayout::Landscape);
    QPainter painter;
    if (!painter.begin(&printer))
        return QStringLiteral("The printer %1 could not be started").arg(printer.printerName().isEmpty() ? printer.outputFileName() : printer.printerName());
    // One chart unit is one centimetre from the top-left of the printable area.
    const QSizeF printable = printer.pageLayout().paintRect(QPageLayout::Millimeter).size() / 10;
    PainterRenderer(painter, pageMapping(printer.resolution(), printable, drawn)).paint(ops);
    if (!painter.end())
        return QStringLiteral("The page could not be finished on %1").arg(printer.printerName().isEmpty() ? printer.outputFileName() : printer.printerName());
    return {};
}

} // namespace kavel::ChartOutput
