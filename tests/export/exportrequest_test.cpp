#include "export/chartexport.h"
#include "export/exportrequest.h"
#include "export/viewerregistry.h"

#include "framework/viewer.h"

#include <gtest/gtest.h>

namespace kavel::test {
namespace {

ParsedExportArguments parse(const QString& line)
{
    return parseExportArguments(line.split(QLatin1Char(' '), Qt::SkipEmptyParts));
}

} // namespace

TEST(ExportArguments, TakesEveryOptionInEitherForm)
{
    const ParsedExportArguments parsed = parse(QStringLiteral(
        "--root /r savlen --data d.mac --outline=o.mac --settings s.tmp --surface=screen "
        "--option ShowNumbers=1 --option=Modes=1,0,3 -o out.svg"));
    ASSERT_TRUE(parsed.request) << parsed.error.toStdString();
    const ExportRequest& r = *parsed.request;
    EXPECT_EQ(r.viewer, QStringLiteral("savlen"));
    EXPECT_EQ(r.root, QStringLiteral("/r"));
    EXPECT_EQ(r.data, QStringLiteral("d.mac"));
    EXPECT_EQ(r.outline, QStringLiteral("o.mac"));
    EXPECT_EQ(r.settings, QStringLiteral("s.tmp"));
    EXPECT_EQ(r.surface, SurfaceKind::Screen);
    ASSERT_EQ(r.options.size(), 2u);
    EXPECT_EQ(r.options[0].first, QStringLiteral("ShowNumbers"));
    EXPECT_EQ(r.options[0].second, QStringList { QStringLiteral("1") });
    EXPECT_EQ(r.options[1].first, QStringLiteral("Modes"));
    EXPECT_EQ(r.options[1].second, (QStringList { QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("3") }));
    ASSERT_EQ(r.outputs.size(), 1u);
    EXPECT_EQ(r.outputs[0].path, QStringLiteral("out.svg"));
    EXPECT_EQ(r.outputs[0].format, ChartOutput::Format::Svg);
}

TEST(ExportArguments, PrinterIsTheDefaultSurfaceAndTheExtensionChoosesTheFormat)
{
    const std::pair<const char*, ChartOutput::Format> cases[] = {
        { "a.pdf", ChartOutput::Format::Pdf },
        { "a.PNG", ChartOutput::Format::Png },
        { "dir.x/a.json", ChartOutput::Format::Json },
        { "data.CSV", ChartOutput::Format::Csv },
    };
    for (const auto& [out, format] : cases) {
        const ParsedExportArguments parsed = parse(QStringLiteral("savlen -o ") + QLatin1String(out));
        ASSERT_TRUE(parsed.request) << out;
        EXPECT_EQ(parsed.request->surface, SurfaceKind::Printer);
        ASSERT_EQ(parsed.request->outputs.size(), 1u) << out;
        EXPECT_EQ(parsed.request->outputs[0].format, format) << out;
    }
}

TEST(ExportArguments, SeveralOutputsKeepTheirOrderAndFormats)
{
    const ParsedExportArguments parsed = parse(QStringLiteral("valden -o a.png --output=b.pdf -o c.svg"));
    ASSERT_TRUE(parsed.request) << parsed.error.toStdString();
    const auto& outputs = parsed.request->outputs;
    ASSERT_EQ(outputs.size(), 3u);
    EXPECT_EQ(outputs[0].path, QStringLiteral("a.png"));
    EXPECT_EQ(outputs[0].format, ChartOutput::Format::Png);
    EXPECT_EQ(outputs[1].path, QStringLiteral("b.pdf"));
    EXPECT_EQ(outputs[1].format, ChartOutput::Format::Pdf);
    EXPECT_EQ(outputs[2].format, ChartOutput::Format::Svg);
}

TEST(ExportArguments, MalformedCommandLinesAreUsageErrors)
{
    const char* lines[] = {
        "",
        "-o a.pdf",                         // no viewer
        "savlen",                           // no output
        "savlen -o",                        // -o without its value
        "savlen -o a.txt",                  // no format for the extension
        "savlen -o a",                      // nor without one
        "savlen valden -o a.pdf",           // two viewers
        "kavel -o a.pdf",                   // not a viewer of the suite
        "savlen --surface paper -o a.pdf",
        "savlen --option ShowNumbers -o a.pdf",
        "savlen --option =1 -o a.pdf",
        "savlen --colour red -o a.pdf",     // unknown flag
        "savlen --data= -o a.pdf",          // empty value
        "savlen --report -o a.pdf",         // no chart formats for the results
        "mirnok --report --option animate=1",
        "savlen -o a.pdf -o a.txt",         // one output of no format
        "mirnok --option animate=1 -o a.gif -o b.gif", // one animation at a time
        "savlen --report -o a.csv -o b.json", // one results table
    };
    for (const char* line : lines) {
        const ParsedExportArguments parsed = parse(QLatin1String(line));
        EXPECT_FALSE(parsed.request) << line;
        EXPECT_FALSE(parsed.error.isEmpty()) << line;
        EXPECT_FALSE(parsed.error.contains(QLatin1Char('\n'))) << line;
    }
}

TEST(ExportArguments, ReportWritesATableWithoutOutputElseByTheExtension)
{
    const struct {
        const char* line;
        ReportFormat format;
    } cases[] = {
        { "zeptal --report", ReportFormat::Table },
        { "zeptal --report -o r.json", ReportFormat::JsonLines },
        { "zeptal --option operating=1,2 --report -o R.CSV", ReportFormat::Csv },
    };
    for (const auto& c : cases) {
        const ParsedExportArguments parsed = parse(QLatin1String(c.line));
        ASSERT_TRUE(parsed.request) << c.line << ": " << parsed.error.toStdString();
        EXPECT_TRUE(parsed.request->report);
        EXPECT_EQ(parsed.request->reportFormat, c.format) << c.line;
    }
}

TEST(ExportArguments, AnOptionValueBeyondTheDoubleRangeIsAUsageError)
{
    for (const char* value : { "1e400", "-1E999", "inf", "-Infinity", "NaN", "1,1e400" }) {
        const ParsedExportArguments parsed = parse(QStringLiteral("mirnok --option phase=%1 -o a.pdf").arg(QLatin1String(value)));
        EXPECT_FALSE(parsed.request) << value;
        EXPECT_TRUE(parsed.error.startsWith(QStringLiteral("--option phase: '"))) << parsed.error.toStdString();
    }
    EXPECT_TRUE(parse(QStringLiteral("mirnok --option phase=1e300 -o a.pdf")).request);
}

// The README and the launcher spell the viewers in capitals.
TEST(ExportArguments, ViewerNamesIgnoreLetterCase)
{
    for (const char* line : { "SAVLEN -o a.pdf", "Mirno1 -o a.pdf" }) {
        const ParsedExportArguments parsed = parse(QLatin1String(line));
        ASSERT_TRUE(parsed.request) << line;
        EXPECT_EQ(parsed.request->viewer, QString::fromLatin1(line).section(QLatin1Char(' '), 0, 0).toLower());
    }
}

TEST(ExportArguments, HelpWinsOverEverythingElse)
{
    EXPECT_TRUE(parse(QStringLiteral("savlen --help")).help);
    EXPECT_TRUE(parse(QStringLiteral("-h")).help);
}

TEST(ViewerRegistry, EveryBuiltViewerIsASuiteViewerAndAnswersToItsName)
{
    const QStringList built = ViewerRegistry::builtViewers();
    EXPECT_TRUE(built.contains(QStringLiteral("savlen")));
    for (const QString& name : built) {
        EXPECT_TRUE(ViewerRegistry::suiteViewers().contains(name)) << name.toStdString();
        const std::unique_ptr<Viewer> viewer = ViewerRegistry::create(name);
        ASSERT_TRUE(viewer) << name.toStdString();
        EXPECT_EQ(viewer->identity().exportName(), name);
    }
    EXPECT_EQ(ViewerRegistry::suiteViewers().size(), 8);
    EXPECT_FALSE(ViewerRegistry::create(QStringLiteral("kavel")));
}

TEST(ChartExport, HeaderNamesViewerAndSurface)
{
    EXPECT_EQ(exportHeader(QStringLiteral("savlen"), SurfaceKind::Printer),
              QStringLiteral(R"({"op":"begin","viewer":"savlen","surface":"printer"})"));
    EXPECT_EQ(exportHeader(QStringLiteral("holpix"), SurfaceKind::Screen),
              QStringLiteral(R"({"op":"begin","viewer":"holpix","surface":"screen"})"));
}

TEST(ChartExport, ScreenChartIsClearedAndThePrintedPageEnded)
{
    const std::unique_ptr<Viewer> viewer = ViewerRegistry::create(QStringLiteral("savlen"));
    const OpList screen = RecordChart(*viewer, SurfaceKind::Screen);
    ASSERT_FALSE(screen.empty());
    EXPECT_TRUE(std::holds_alternative<Op::Clear>(screen.front()));
    EXPECT_FALSE(std::holds_alternative<Op::EndDocument>(screen.back()));

    const OpList page = RecordChart(*viewer, SurfaceKind::Printer);
    ASSERT_FALSE(page.empty());
    EXPECT_FALSE(std::holds_alternative<Op::Clear>(page.front()));
    EXPECT_TRUE(std::holds_alternative<Op::EndDocument>(page.back()));
}

} // namespace kavel::test
