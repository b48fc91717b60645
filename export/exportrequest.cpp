#include "exportrequest.h"

#include "bookcommand.h"
#include "commandarguments.h"
#include "matricescommand.h"
#include "viewerregistry.h"

#include "framework/reading/numberparse.h"
#include "framework/viewer.h"

#include <QFileInfo>

#include <cmath>

namespace kavel {

namespace {

ParsedExportArguments usageError(const QString& message)
{
    ParsedExportArguments parsed;
    parsed.error = message;
    return parsed;
}

// An option value that would put an infinity or a NaN into the viewer's
// memory, whatever the option: a number beyond the double range ("1e400")
// or one spelt out ("inf", "-Infinity", "nan"). No settings file can hold
// such a number.
bool isNonFinite(const QString& value)
{
    QString body = value.trimmed().toLower();
    if (body.startsWith(QLatin1Char('+')) || body.startsWith(QLatin1Char('-')))
        body.remove(0, 1);
    return body == QLatin1String("inf") || body == QLatin1String("infinity") || body == QLatin1String("nan")
        || !std::isfinite(NumberParse::lenient(value));
}

} // namespace

QString exportUsage()
{
    QString options;
    for (const QString& name : ViewerRegistry::builtViewers()) {
        const QStringList usage = ViewerRegistry::create(name)->exportOptionUsage();
        options += QStringLiteral("              %1 %2\n").arg(name, -8).arg(usage.isEmpty() ? QStringLiteral("(none)") : usage.join(QStringLiteral("  ")));
    }
    return QStringLiteral(
        "usage: kavel-export VIEWER [--root DIR] [--data FILE] [--outline FILE] [--settings FILE]\n"
        "                    [--surface screen|printer] [--option NAME=VALUE[,VALUE...]]... [--check] -o OUT [-o OUT]...\n"
        "       kavel-export VIEWER --report [--root DIR] [--data FILE] [--outline FILE] [--settings FILE]\n"
        "                    [--option NAME=VALUE[,VALUE...]]... [-o OUT]\n"
        "  VIEWER    one of %1 (built: %2), in any letter case\n"
        "  --root    the installation root, a folder holding Gavrine/ and data/\n"
        "  OUT       .pdf, .svg, .png, .json (the recorded operations, one per line) or\n"
        "            .csv (the data as plotted, in the units of the chart's axes); several -o\n"
        "            write the one chart in several formats, read and drawn once\n"
        "  --surface printer (the \"4:Print\" page, default) or screen (the \"3:Plot\" chart)\n"
        "  --option  the viewer's in-memory choices, as its editing dialog sets them:\n"
        "%3"
        "            animate=1  the chart's animation (mirnok), OUT a .gif or a directory of PNG frames\n"
        "  --report  the engineering results read off the chart (critical speeds, peaks, margins...):\n"
        "            an aligned table on standard output, or OUT .json (JSON Lines) or .csv\n"
        "  --check   prints how far each file was read; exit 1 when the data file did not\n"
        "            read to its end or stopped making sense. Without -o no chart is written.\n"
        "       %4"
        "       %5"
        "       kavel-export --list-viewers prints the built viewers, one a line.\n")
        .arg(ViewerRegistry::suiteViewers().join(QStringLiteral(", ")), ViewerRegistry::builtViewers().join(QStringLiteral(", ")), options, matricesUsage(), bookUsage());
}

ParsedExportArguments parseExportArguments(const QStringList& arguments)
{
    ExportRequest request;
    bool haveViewer = false;
    QStringList outputs;

    static const CommandSyntax syntax {
        .valued = { QStringLiteral("--root"), QStringLiteral("--data"), QStringLiteral("--outline"), QStringLiteral("--settings"),
                    QStringLiteral("--surface"), QStringLiteral("--option"), QStringLiteral("-o"), QStringLiteral("--output") },
        .flags = { QStringLiteral("--list-viewers"), QStringLiteral("--check"), QStringLiteral("--report") },
        .takesWords = true,
    };
    const CommandArguments read = readCommandArguments(arguments, syntax);
    for (const auto& [name, value] : read.arguments) {
        if (name == QLatin1String("--list-viewers")) {
            ParsedExportArguments parsed;
            parsed.listViewers = true;
            return parsed;
        }
        if (name == QLatin1String("--check")) {
            request.check = true;
        } else if (name == QLatin1String("--report")) {
            request.report = true;
        } else if (name.isEmpty()) {
            if (haveViewer)
                return usageError(QStringLiteral("unexpected argument '%1' (the viewer is already '%2')").arg(value, request.viewer));
            request.viewer = value;
            // The README and the launcher spell the viewers in capitals.
            for (const QString& viewer : ViewerRegistry::suiteViewers()) {
                if (viewer.compare(value, Qt::CaseInsensitive) == 0)
                    request.viewer = viewer;
            }
            haveViewer = true;
        } else if (name == QLatin1String("--root")) {
            request.root = value;
        } else if (name == QLatin1String("--data")) {
            request.data = value;
        } else if (name == QLatin1String("--outline")) {
            request.outline = value;
        } else if (name == QLatin1String("--settings")) {
            request.settings = value;
        } else if (name == QLatin1String("--surface")) {
            if (const QString error = readSurface(value, request.surface); !error.isEmpty())
                return usageError(error);
        } else if (name == QLatin1String("--option")) {
            const qsizetype split = value.indexOf(QLatin1Char('='));
            if (split <= 0)
                return usageError(QStringLiteral("--option takes NAME=VALUE[,VALUE...], not '%1'").arg(value));
            const QStringList values = value.mid(split + 1).split(QLatin1Char(','));
            for (const QString& number : values) {
                if (isNonFinite(number))
                    return usageError(QStringLiteral("--option %1: '%2' is not a finite number").arg(value.left(split), number));
            }
            request.options.emplace_back(value.left(split), values);
        } else {
            outputs.append(value);
        }
    }
    if (read.help) {
        ParsedExportArguments parsed;
        parsed.help = true;
        return parsed;
    }
    if (!read.error.isEmpty())
        return usageError(read.error);

    if (!haveViewer)
        return usageError(QStringLiteral("no viewer given (one of %1)").arg(ViewerRegistry::suiteViewers().join(QStringLiteral(", "))));
    if (!ViewerRegistry::suiteViewers().contains(request.viewer))
        return usageError(QStringLiteral("unknown viewer '%1' (one of %2)").arg(request.viewer, ViewerRegistry::suiteViewers().join(QStringLiteral(", "))));
    if (!ViewerRegistry::builtViewers().contains(request.viewer))
        return usageError(QStringLiteral("the viewer '%1' is not part of this build (built: %2)").arg(request.viewer, ViewerRegistry::builtViewers().join(QStringLiteral(", "))));
    if (outputs.isEmpty() && !request.check && !request.report)
        return usageError(QStringLiteral("no output file given (-o OUT)"));
    if (request.report && request.check)
        return usageError(QStringLiteral("--report and --check cannot be combined"));
    // animate=1 belongs to the export itself, not to the viewer.
    for (auto option = request.options.begin(); option != request.options.end();) {
        if (option->first != QLatin1String("animate")) {
            ++option;
            continue;
        }
        if (option->second != QStringList { QStringLiteral("0") } && option->second != QStringList { QStringLiteral("1") })
            return usageError(QStringLiteral("--option animate takes 0 or 1, not '%1'").arg(option->second.join(QLatin1Char(','))));
        request.animate = option->second.front() == QLatin1String("1");
        option = request.options.erase(option);
    }
    if (request.report) {
        if (request.animate)
            return usageError(QStringLiteral("--report writes no animation: leave out --option animate=1"));
        if (outputs.size() > 1)
            return usageError(QStringLiteral("--report writes one table: give one -o"));
        if (!outputs.isEmpty()) {
            const QString suffix = QFileInfo(outputs.front()).suffix().toLower();
            if (suffix == QLatin1String("json"))
                request.reportFormat = ReportFormat::JsonLines;
            else if (suffix == QLatin1String("csv"))
                request.reportFormat = ReportFormat::Csv;
            else
                return usageError(QStringLiteral("--report writes .json or .csv, not '%1' (without -o: a table on standard output)").arg(outputs.front()));
            request.outputs.push_back({ outputs.front() });
        }
        ParsedExportArguments parsed;
        parsed.request = std::move(request);
        return parsed;
    }
    if (request.animate) {
        if (outputs.size() > 1)
            return usageError(QStringLiteral("--option animate=1 writes one animation: give one -o"));
        if (!outputs.isEmpty()) {
            const QFileInfo output(outputs.front());
            if (output.suffix().compare(QLatin1String("gif"), Qt::CaseInsensitive) == 0)
                request.animation = AnimationFormat::Gif;
            else if (output.suffix().isEmpty() || output.isDir())
                request.animation = AnimationFormat::Frames;
            else
                return usageError(QStringLiteral("--option animate=1 writes a .gif or a directory of frames, not '%1'").arg(outputs.front()));
            request.outputs.push_back({ outputs.front() });
        }
        ParsedExportArguments parsed;
        parsed.request = std::move(request);
        return parsed;
    }
    for (const QString& output : outputs) {
        if (QFileInfo(output).suffix().compare(QLatin1String("gif"), Qt::CaseInsensitive) == 0)
            return usageError(QStringLiteral("a .gif holds the chart's animation: add --option animate=1"));
        const std::optional<ChartOutput::Format> format = ChartOutput::formatFor(output);
        if (!format)
            return usageError(QStringLiteral("cannot tell the format of '%1': use .pdf, .svg, .png, .json or .csv").arg(output));
        request.outputs.push_back({ output, *format });
    }

    ParsedExportArguments parsed;
    parsed.request = std::move(request);
    return parsed;
}

} // namespace kavel
