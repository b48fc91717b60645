#include "bookoutput.h"

#include "chartoutput.h"
#include "fontmap.h"

#include "framework/host/atomicfile.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>

namespace kavel::BookOutput {

namespace {

// The first page: the title, then each chart's files, comment and results,
// in 9-point text from the top-left margin down, onto further pages when
// it runs past the paper.
void paintCover(QPainter& painter, QPdfWriter& writer, const QString& title, const std::vector<CoverEntry>& cover)
{
    const double dpi = writer.resolution();
    const double margin = 1.5 / 2.54 * dpi;
    const double bottom = writer.height() - margin;
    const QFont heading = FontMap::font(QStringLiteral("times new roman"), 14.0 / 72 * dpi);
    const QFont body = FontMap::font(QStringLiteral("times new roman"), 9.0 / 72 * dpi);
    // The results tables are aligned in columns of characters.
    QFont table = body;
    table.setFamilies({ QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono") });
    table.setStyleHint(QFont::Monospace);
    table.setFixedPitch(true);
    table.setPixelSize(std::max(1, qRound(8.0 / 72 * dpi)));
    double y = margin;
    auto line = [&](const QFont& font, const QString& text, double indent) {
        const QFontMetricsF metrics(font, &writer);
        if (y + metrics.height() > bottom) {
            writer.newPage();
            y = margin;
        }
        painter.setFont(font);
        painter.drawText(QPointF(margin + indent, y + metrics.ascent()), text);
        y += metrics.lineSpacing();
    };
    painter.setPen(Qt::black);
    line(heading, title, 0);
    y += margin / 4;
    const double indent = 1.0 / 2.54 * dpi;
    for (const CoverEntry& entry : cover) {
        line(body, entry.viewer, 0);
        for (const QString& file : entry.files)
            line(body, file, indent);
        if (!entry.comment.trimmed().isEmpty())
            line(body, QStringLiteral("\u201C%1\u201D").arg(entry.comment.trimmed()), indent);
        for (const QString& row : entry.results)
            line(table, row, indent);
        y += margin / 8;
    }
}

QByteArray pdfText(const QString& text)
{
    // UTF-16 with its byte order mark, in hexadecimal: any title fits.
    QByteArray hex = "<FEFF";
    for (QChar c : text)
        hex += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    return hex + '>';
}

} // namespace

QString writePdf(const QString& title, const std::vector<CoverEntry>& cover, const std::vector<Page>& pages, const QString& path)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        ChartOutput::setUpPdf(writer);
        writer.setTitle(title);
        QPainter painter;
        if (!painter.begin(&writer))
            return QStringLiteral("%1 could not be written: the PDF writer did not start").arg(path);
        // The cover's pen and fonts go with it: each chart page starts from
        // the state a PDF of its own starts from.
        painter.save();
        paintCover(painter, writer, title, cover);
        painter.restore();
        for (const Page& page : pages) {
            writer.newPage();
            ChartOutput::paintPdfPage(painter, page.ops, page.kind, page.drawn);
        }
    }
    QByteArray pdf = buffer.data();
    // The cover may have taken several pages; the charts are the last ones.
    static const QRegularExpression pageObject(QStringLiteral("/Type\\s*/Page\\b"));
    const int total = int(QString::fromLatin1(pdf).count(pageObject));
    const int coverPages = total - int(pages.size());
    QStringList titles;
    for (const Page& page : pages)
        titles.append(page.bookmark);
    const std::optional<QByteArray> outlined = withOutline(pdf, titles, coverPages);
    if (!outlined)
        return QStringLiteral("%1 could not be written: its bookmarks could not be added").arg(path);
    return AtomicFile::replace(path, *outlined);
}

std::optional<QByteArray> withOutline(const QByteArray& pdf, const QStringList& titles, int firstPage)
{
    const QString text = QString::fromLatin1(pdf);
    static const QRegularExpression startXref(QStringLiteral("startxref\\s+(\\d+)\\s+%%EOF\\s*$"));
    static const QRegularExpression trailer(QStringLiteral("trailer\\s*<<(.*)>>\\s*startxref"), QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression sizeEntry(QStringLiteral("/Size\\s+(\\d+)"));
    static const QRegularExpression rootEntry(QStringLiteral("/Root\\s+(\\d+)\\s+0\\s+R"));
    static const QRegularExpression infoEntry(QStringLiteral("/Info\\s+(\\d+)\\s+0\\s+R"));
    static const QRegularExpression kids(QStringLiteral("/Type\\s*/Pages\\b[^>]*?/Kids\\s*\\[([^\\]]*)\\]"));
    static const QRegularExpression reference(QStringLiteral("(\\d+)\\s+0\\s+R"));
    const QRegularExpressionMatch xrefAt = startXref.match(text);
    const QRegularExpressionMatch trailerMatch = trailer.match(text);
    if (!xrefAt.hasMatch() || !trailerMatch.hasMatch())
        return std::nullopt;
    const QString trailerText = trailerMatch.captured(1);
    const QRegularExpressionMatch size = sizeEntry.match(trailerText);
    const QRegularExpressionMatch root = rootEntry.match(trailerText);
    const QRegularExpressionMatch info = infoEntry.match(trailerText);
    const QRegularExpressionMatch kidList = kids.match(text);
    if (!size.hasMatch() || !root.hasMatch() || !kidList.hasMatch())
        return std::nullopt;
    QList<int> pageObjects;
    for (const QRegularExpressionMatch& m : reference.globalMatch(kidList.captured(1)))
        pageObjects.append(m.captured(1).toInt());
    const int rootObject = root.captured(1).toInt();
    const QRegularExpression catalog(QStringLiteral("(?:^|\\n)%1 0 obj\\s*<<(.*?)>>\\s*endobj").arg(rootObject), QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch catalogMatch = catalog.match(text);
    if (!catalogMatch.hasMatch() || firstPage < 0 || firstPage + titles.size() > pageObjects.size())
        return std::nullopt;

    // New objects from the old size on: the outline, then an item a title.
    const int outline = size.captured(1).toInt();
    const int count = int(titles.size());
    QByteArray update = pdf.endsWith('\n') ? QByteArray() : QByteArray("\n");
    QList<qint64> offsets;
    auto object = [&](int number, const QByteArray& body) {
        offsets.append(pdf.size() + update.size());
        update += QByteArray::number(number) + " 0 obj\n<<" + body + ">>\nendobj\n";
    };
    const qint64 catalogOffset = pdf.size() + update.size();
    update += QByteArray::number(rootObject) + " 0 obj\n<<" + catalogMatch.captured(1).toLatin1() + "/Outlines "
        + QByteArray::number(outline) + " 0 R\n/PageMode /UseOutlines\n>>\nendobj\n";
    if (count == 0) {
        object(outline, "\n/Type /Outlines\n/Count 0\n");
    } else {
        object(outline, "\n/Type /Outlines\n/First " + QByteArray::number(outline + 1) + " 0 R\n/Last "
                + QByteArray::number(outline + count) + " 0 R\n/Count " + QByteArray::number(count) + "\n");
    }
    for (int k = 0; k < count; ++k) {
        QByteArray body = "\n/Title " + pdfText(titles[k]) + "\n/Parent " + QByteArray::number(outline) + " 0 R\n";
        if (k > 0)
            body += "/Prev " + QByteArray::number(outline + k) + " 0 R\n";
        if (k + 1 < count)
            body += "/Next " + QByteArray::number(outline + k + 2) + " 0 R\n";
        body += "/Dest [" + QByteArray::number(pageObjects[firstPage + k]) + " 0 R /Fit]\n";
        object(outline + 1 + k, body);
    }
    const qint64 xref = pdf.size() + update.size();
    auto entry = [](qint64 offset) { return QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n"; };
    update += "xref\n0 1\n0000000000 65535 f \n" + QByteArray::number(rootObject) + " 1\n" + entry(catalogOffset);
    update += QByteArray::number(outline) + ' ' + QByteArray::number(count + 1) + '\n';
    for (qint64 offset : offsets)
        update += entry(offset);
    update += "trailer\n<<\n/Size " + QByteArray::number(outline + count + 1) + "\n/Root " + QByteArray::number(rootObject) + " 0 R\n";
    if (info.hasMatch())
        update += "/Info " + info.captured(1).toLatin1() + " 0 R\n";
    update += "/Prev " + xrefAt.captured(1).toLatin1() + "\n>>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    return pdf + update;
}

} // namespace kavel::BookOutput
