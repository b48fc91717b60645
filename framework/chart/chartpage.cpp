#include "chartpage.h"

#include "framework/surface/drawingsurface.h"

namespace kavel {

void DrawChartPage(DrawingSurface& s, const QString& comment, const ChartPageStyle& style, const std::function<void()>& body)
{
    const bool printer = s.isPrinter();
    if (!printer)
        s.clear();
    if (!printer || !style.printerKeepsOwnFont)
        s.setFont(style.bodyFont.face, style.bodyFont.points);
    body();

    if (printer && style.printerThinComment)
        s.setLineWidth(1);
    const std::optional<ChartFont> font = printer ? style.printerCommentFont : style.commentFont;
    if (font)
        s.setFont(font->face, font->points);
    s.printAt(printer ? style.printerCommentX : style.screenCommentX, 0, comment);
    if (font)
        s.setFontName(style.systemFace);
    if (printer)
        s.endDocument();
}

void DrawOneOfTwoCharts(DrawingSurface& s, const QString& comment, ChartPageStyle style, int chart, const std::function<void()>& first,
    const std::function<void()>& second)
{
    style.printerKeepsOwnFont = true;
    DrawChartPage(s, comment, style, chart == FirstChart ? first : second);
}

} // namespace kavel
