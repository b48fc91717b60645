#pragma once

#include <QString>
#include <functional>
#include <optional>

namespace kavel {

class DrawingSurface;

struct ChartFont {
    QString face;
    double points = 8;
};

// Where the file comment starts on paper on the common page, cm.
inline constexpr double kPrinterCommentX = 10;

// What the viewers' pages differ in around the chart itself. The defaults
// are the common page: the body in Times New Roman 8, the file comment at
// (5, 0) on the screen and (10, 0) on paper, in Small Fonts 7 on the screen
// and in the chart's last font on paper.
struct ChartPageStyle {
    // The font the body starts in; the printer keeps its own font when
    // `printerKeepsOwnFont` is set.
    ChartFont bodyFont { QStringLiteral("times new roman"), 8 };
    bool printerKeepsOwnFont = false;

    double screenCommentX = 5;
    double printerCommentX = kPrinterCommentX;
    // The comment's font on the screen; on paper only where one is given.
    // Each is followed by the system font.
    ChartFont commentFont { QStringLiteral("Small Fonts"), 7 };
    std::optional<ChartFont> printerCommentFont;
    QString systemFace = QStringLiteral("System");
    // On paper the comment's dot in line width 1 rather than the body's last.
    bool printerThinComment = false;
};

// Every chart's page: the picture area is cleared (a printed page starts
// empty), the body draws, and the closing step runs whatever the body did:
// the data file's comment at the top in a light-grey point, then on paper
// the page is ended.
void DrawChartPage(DrawingSurface& s, const QString& comment, const ChartPageStyle& style, const std::function<void()>& body);

// Viewers that show one of two charts of their data (VALDEN: XY or Gauss
// plane; ZEPTAL: Bode or polar) number them 1, the chart of every start and
// the one that takes markers, and 2.
enum ChartChoice { FirstChart = 1, SecondChart = 2 };

// Such a viewer's page: chart 1 draws `first`, any other `second`. The
// printed page keeps the printer's own font.
void DrawOneOfTwoCharts(DrawingSurface& s, const QString& comment, ChartPageStyle style, int chart, const std::function<void()>& first,
    const std::function<void()>& second);

} // namespace kavel
