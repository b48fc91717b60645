#include "export/viewerregistry.h"
#include "framework/output/chartoutput.h"
#include "framework/output/painterrenderer.h"
#include "framework/surface/recordingsurface.h"
#include "framework/viewer.h"
#include "support/chartops.h"
#include "support/qtprint.h"

#include "support/application.h"

#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <set>
#include <vector>

// Every viewer's "4:Print" page from the sample root: its texts on the paper,
// and the same line widths in the PDF and the SVG.
namespace kavel::test {
namespace {

constexpr double kPdfDpi = 1200;
const QRectF kA4Landscape(0, 0, 29.7, 21);

struct PrintedPage {
    OpList ops;
    std::optional<QRectF> drawn;
};

PrintedPage printSample(const QString& name)
{
    ensureApplication();
    const QByteArray root = qgetenv("KAVEL_ROOT");
    qputenv("KAVEL_ROOT", KAVEL_SAMPLE_ROOT);
    PrintedPage page;
    if (std::unique_ptr<Viewer> viewer = ViewerRegistry::create(name)) {
        viewer->load();
        RecordingSurface printer(SurfaceKind::Printer);
        viewer->print(printer);
        page.drawn = viewer->drawnRegion(printer);
        page.ops = printer.takeOps();
    }
    qputenv("KAVEL_ROOT", root);
    return page;
}

DeviceMapping pdfMapping(const PrintedPage& page)
{
    return page.drawn ? DeviceMapping::page(kPdfDpi, SurfaceKind::Printer, kA4Landscape.size(), *page.drawn)
                      : DeviceMapping::page(kPdfDpi, SurfaceKind::Printer);
}

// The box of a text on the paper, in centimetres.
QRectF paperBox(const DeviceMapping& mapping, const Op::Text& text)
{
    const QRectF box = mapping.textBox(text);
    const double pixelsPerCm = kPdfDpi / 2.54;
    return QRectF(box.topLeft() / pixelsPerCm, box.size() / pixelsPerCm);
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Widths rounded to a thousandth of a millimetre, so that the two formats'
// decimal forms compare.
using Widths = std::set<long>;

long micrometres(double centimetres)
{
    return std::lround(centimetres * 1e4);
}

// The widths the page asks for, in centimetres of the chart: a unit is a
// dot of a 600 dpi printer.
Widths askedWidths(const OpList& ops, bool withPoints)
{
    Widths widths;
    auto add = [&](int w) { widths.insert(micrometres(std::max(1, w) * 2.54 / 600)); };
    for (const Op::Line& l : test::all<Op::Line>(ops))
        add(l.width);
    for (const Op::Circle& c : test::all<Op::Circle>(ops))
        add(c.width);
    if (withPoints) {
        for (const Op::Point& p : test::all<Op::Point>(ops))
            add(p.width);
    }
    return widths;
}

// The width of every stroke in the PDF's page content (its `w` at each
// stroking operator, through the `cm` scales), per chart centimetre
// of `pointsPerCm` points.
Widths pdfStrokeWidths(const QByteArray& pdf, double pointsPerCm)
{
    Widths widths;
    static const QRegularExpression streams(QStringLiteral("stream\\r?\\n"));
    const QString latin = QString::fromLatin1(pdf);
    for (const QRegularExpressionMatch& m : streams.globalMatch(latin)) {
        const qsizetype end = pdf.indexOf("endstream", m.capturedEnd());
        if (end < 0)
            continue;
        QByteArray deflated = pdf.mid(m.capturedEnd(), end - m.capturedEnd());
        QByteArray sized(4, '\0');
        qToBigEndian<quint32>(quint32(deflated.size() * 8), sized.data());
        // Only the page content: fonts are flate streams too, but not text.
        if (!deflated.startsWith('\x78'))
            continue;
        const QByteArray content = qUncompress(sized + deflated);
        static const QRegularExpression binary(QStringLiteral("[^\\t\\n\\r -~]"));
        if (content.isEmpty() || QString::fromLatin1(content).contains(binary))
            continue;
        std::vector<std::pair<double, double>> saved;
        double scale = 1, width = 1;
        std::vector<double> operands;
        for (const QByteArray& token : content.simplified().split(' ')) {
            bool number = false;
            const double value = token.toDouble(&number);
            if (number) {
                operands.push_back(value);
                continue;
            }
            if (token == "q") {
                saved.emplace_back(scale, width);
            } else if (token == "Q" && !saved.empty()) {
                std::tie(scale, width) = saved.back();
                saved.pop_back();
            } else if (token == "cm" && operands.size() >= 6) {
                const double* a = &operands[operands.size() - 6];
                scale *= std::sqrt(std::fabs(a[0] * a[3] - a[1] * a[2]));
            } else if (token == "w" && !operands.empty()) {
                width = operands.back();
            } else if (token == "S" || token == "s" || token == "B" || token == "b" || token == "B*" || token == "b*") {
                widths.insert(micrometres(width * scale / pointsPerCm));
            }
            operands.clear();
        }
    }
    return widths;
}

// The stroke width of every group of the SVG that draws lines, per chart
// centimetre of the shown `region` (the SVG's view box spans it).
Widths svgStrokeWidths(const QByteArray& svg, const QRectF& region)
{
    Widths widths;
    const QString text = QString::fromUtf8(svg);
    const QRegularExpressionMatch box = QRegularExpression(QStringLiteral("viewBox=\"0 0 ([0-9.]+) ")).match(text);
    if (!box.hasMatch())
        return widths;
    const double unitsPerCm = box.captured(1).toDouble() / region.width();
    static const QRegularExpression group(QStringLiteral("<g ([^>]*)>([^<]*(?:<(?!/?g[ >])[^<]*)*)</g>"));
    static const QRegularExpression stroke(QStringLiteral("stroke-width=\"([0-9.]+)\""));
    static const QRegularExpression drawing(QStringLiteral("<(polyline|path|ellipse|line)\\b"));
    for (const QRegularExpressionMatch& g : group.globalMatch(text)) {
        const QRegularExpressionMatch w = stroke.match(g.captured(1));
        if (w.hasMatch() && drawing.match(g.captured(2)).hasMatch())
            widths.insert(micrometres(w.captured(1).toDouble() / unitsPerCm));
    }
    return widths;
}

} // namespace

TEST(PrintedPage, EveryTextLiesOnThePaperAndRotatedTitlesClearTheOtherTexts)
{
    for (const QString& name : ViewerRegistry::builtViewers()) {
        const PrintedPage page = printSample(name);
        ASSERT_FALSE(page.ops.empty()) << name.toStdString();
        const DeviceMapping mapping = pdfMapping(page);
        std::vector<std::pair<Op::Text, QRectF>> upright, rotated;
        for (const Op::Text& t : test::all<Op::Text>(page.ops)) {
            if (t.text.isEmpty())
                continue;
            const QRectF box = paperBox(mapping, t);
            EXPECT_TRUE(kA4Landscape.contains(box)) << name.toStdString() << ": \"" << t.text.toStdString() << "\" at "
                                                   << box.left() << ", " << box.top() << " to " << box.right() << ", " << box.bottom();
            (t.angle == 0 ? upright : rotated).emplace_back(t, box);
        }
        for (const auto& [title, titleBox] : rotated) {
            for (const auto& [label, labelBox] : upright)
                EXPECT_FALSE(titleBox.intersects(labelBox)) << name.toStdString() << ": \"" << title.text.toStdString() << "\" covers \"" << label.text.toStdString() << '"';
        }
    }
}

TEST(PrintedPage, RotatedTitleHeightsCountPrinterDotsButNeverFallBelowTheLabels)
{
    auto rotatedPixels = [](const QString& viewer) {
        for (const Op::Text& t : test::all<Op::Text>(printSample(viewer).ops)) {
            if (t.angle != 0)
                return pdfMapping(PrintedPage {}).textFont(t).pixelSize();
        }
        return 0;
    };
    // Lendrix's 120 dots: a fifth of an inch, 240 pixels of the 1200 dpi PDF.
    EXPECT_EQ(rotatedPixels(QStringLiteral("lendrix")), 240);
    // SAVLEN's 20 dots would be 40 pixels (2.4 points); the 8-point labels
    // are 133.
    EXPECT_EQ(rotatedPixels(QStringLiteral("savlen")), 133);
}

TEST(PrintedPage, PdfAndSvgDrawThePrintersLineWidths)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const QString& name : ViewerRegistry::builtViewers()) {
        const PrintedPage page = printSample(name);
        const QString pdf = dir.filePath(name + QStringLiteral(".pdf"));
        const QString svg = dir.filePath(name + QStringLiteral(".svg"));
        ASSERT_EQ(ChartOutput::writePdf(page.ops, SurfaceKind::Printer, pdf, page.drawn), QString());
        ASSERT_EQ(ChartOutput::writeSvg(page.ops, SurfaceKind::Printer, svg, page.drawn), QString());

        const double pointsPerCm = pdfMapping(page).pixelsPerCm * 72 / kPdfDpi;
        // Points are strokes in the PDF and filled dots in the SVG.
        EXPECT_EQ(pdfStrokeWidths(contents(pdf), pointsPerCm), askedWidths(page.ops, true)) << name.toStdString();
        EXPECT_EQ(svgStrokeWidths(contents(svg), shownRegion(page.drawn)), askedWidths(page.ops, false)) << name.toStdString();
    }
}

TEST(PrintedPage, SvgNamesTheFacesTriedAndTheGenericFamily)
{
    const PrintedPage page = printSample(QStringLiteral("savlen"));
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("savlen.svg"));
    ASSERT_EQ(ChartOutput::writeSvg(page.ops, SurfaceKind::Printer, path, page.drawn), QString());
    const QString svg = QString::fromUtf8(contents(path));
    EXPECT_TRUE(svg.contains(QString::fromUtf8("font-family=\"'標準明朝', 'Noto Serif CJK JP', 'IPAMincho', 'Noto Sans CJK JP', 'Liberation Serif', serif\"")));
    EXPECT_TRUE(svg.contains(QStringLiteral("font-family=\"'Times New Roman', 'Liberation Serif', 'DejaVu Serif', ")));
    static const QRegularExpression family(QStringLiteral("font-family=\"([^\"]*)\""));
    for (const QRegularExpressionMatch& m : family.globalMatch(svg)) {
        const QString list = m.captured(1);
        EXPECT_TRUE(list.endsWith(QStringLiteral(", serif")) || list.endsWith(QStringLiteral(", sans-serif"))) << list.toStdString();
    }
}

} // namespace kavel::test
