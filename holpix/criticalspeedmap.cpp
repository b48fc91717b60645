#include "criticalspeedmap.h"

#include "framework/fieldreader.h"
#include "framework/numberparse.h"

#include <algorithm>

namespace kavel {

namespace {

// A file still being written declares more than it holds; a map of this
// many modes is kept with zeros whatever the file holds (at most 32768
// points × 7 modes × 3 kinds, under 3 MB).
constexpr qsizetype kModesAlwaysAllowed = 6;

float valueLine(FieldReader& reader, bool& ok)
{
    const std::optional<QString> line = reader.wholeLine();
    ok = line.has_value();
    return ok ? float(NumberParse::lenient(*line)) : 0.0f;
}

ReaderDiagnostic readMap(FieldReader& reader, CriticalSpeedMap& map)
{
    if (!reader.ok() || !reader.wholeLine())
        return reader.diagnostic();
    const std::optional<QString> comment = reader.wholeLine();
    if (!comment)
        return reader.diagnostic();
    map.FileComment = *comment;
    const std::optional<qint16> NP = reader.int16();
    if (!NP)
        return reader.diagnostic();
    const std::optional<qint16> NM = reader.int16();
    if (!NM)
        return reader.diagnostic();

    if (*NP < 0 || *NM < 0) {
        map.resize(0, 0);
        reader.fail(QStringLiteral("the count %1 is negative").arg(std::min(*NP, *NM)));
        return reader.diagnostic();
    }
    // Every value takes a line of at least its line end: the mode count is
    // not trusted beyond what the rest of the file can hold, so that a count
    // of 30000 in a small file does not allocate gigabytes.
    const qsizetype linesPerMode = qsizetype(kMapCurveKinds) * (*NP + 1);
    const qsizetype modesHeld = std::max(reader.remaining() / linesPerMode + 1, kModesAlwaysAllowed);
    const bool capped = *NM > modesHeld;
    map.resize(*NP, capped ? qint16(modesHeld) : *NM);

    bool ok = bool(reader.wholeLine());
    for (int i = 1; ok && i <= map.pointCount; ++i)
        map.stiffness[std::size_t(i)] = valueLine(reader, ok);
    for (int j = 1; ok && j <= map.modeCount; ++j) {
        for (int k = 0; ok && k < kMapCurveKinds; ++k) {
            ok = bool(reader.wholeLine());
            for (int i = 1; ok && i <= map.pointCount; ++i)
                map.frequency(i, j, k) = valueLine(reader, ok);
        }
    }
    ReaderDiagnostic diagnostic = reader.diagnostic();
    if (capped)
        diagnostic.reason = QStringLiteral("the mode count %1 is more than the file can hold").arg(*NM);
    return diagnostic;
}

} // namespace

void CriticalSpeedMap::resize(qint16 points, qint16 modes)
{
    pointCount = std::max(points, qint16(0));
    modeCount = std::max(modes, qint16(0));
    stiffness.assign(std::size_t(pointCount) + 1, 0.0f);
    frequencies.assign((std::size_t(pointCount) + 1) * (std::size_t(modeCount) + 1) * kMapCurveKinds, 0.0f);
}

ReaderDiagnostic ReadCriticalSpeedMap(const QString& path, CriticalSpeedMap& map)
{
    FieldReader reader(path);
    return readMap(reader, map);
}

ReaderDiagnostic ReadCriticalSpeedMapText(const QString& name, const QString& text, CriticalSpeedMap& map)
{
    FieldReader reader(name, text);
    return readMap(reader, map);
}

} // namespace kavel
