#include "criticalspeedmap.h"

#include "framework/reading/numberparse.h"

#include <algorithm>

namespace kavel {

namespace {

// A file still being written declares more than it holds; a map of this
// many modes is kept with zeros whatever the file holds (at most 32768
// points × 7 modes × 3 kinds, under 3 MB).
constexpr qsizetype kModesAlwaysAllowed = 6;

// The line's words, separated by blanks; `visit` returns false to stop.
template <typename Visit>
void forEachWord(QStringView line, Visit visit)
{
    const auto blank = [](QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); };
    for (qsizetype i = 0; i < line.size();) {
        if (blank(line[i])) {
            ++i;
            continue;
        }
        const qsizetype begin = i;
        while (i < line.size() && !blank(line[i]))
            ++i;
        if (!visit(line.mid(begin, i - begin)))
            return;
    }
}

// The numbers among a line's words, counted up to two; the first word's
// value when it is a number.
int numbersOn(QStringView line, std::optional<double>& first)
{
    int numbers = 0;
    bool firstWord = true;
    forEachWord(line, [&](QStringView word) {
        const std::optional<double> value = NumberParse::strict(word);
        if (firstWord)
            first = value;
        firstWord = false;
        numbers += value.has_value();
        return numbers < 2;
    });
    return numbers;
}

// One value a line: a line of several numbers is a row of another file's
// table (a unit or a note after the value is fine).
float valueLine(FieldReader& reader, bool& ok)
{
    const std::optional<QStringView> line = reader.lineView();
    ok = line.has_value();
    if (!ok)
        return 0.0f;
    std::optional<double> first;
    if (numbersOn(*line, first) > 1) {
        reader.failInLine(0, QStringLiteral("several numbers stand where one value belongs"));
        ok = false;
        return 0.0f;
    }
    // A first word that is a number is the value the lenient rule reads.
    return float(first ? *first : NumberParse::lenient(*line));
}

// A header line in words: one that opens with a number is a value, and the
// counts do not fit the file.
bool headerLine(FieldReader& reader, const QString& header)
{
    const std::optional<QStringView> line = reader.lineView();
    if (!line)
        return false;
    bool opensWithNumber = false;
    forEachWord(*line, [&](QStringView word) {
        opensWithNumber = NumberParse::strict(word).has_value();
        return false;
    });
    if (opensWithNumber) {
        reader.failInLine(0, QStringLiteral("a number stands where %1 belongs").arg(header));
        return false;
    }
    return true;
}

} // namespace

ReaderDiagnostic parseCriticalSpeedMap(FieldReader& reader, CriticalSpeedMap& map)
{
    const auto counts = readResultOpening<2>(reader, map.FileComment, { .dropTables = [&] { map.resize(0, 0); } });
    if (!counts)
        return reader.diagnostic();
    const auto [NP, NM] = *counts;
    // Every value takes a line of at least its line end: the mode count is
    // not trusted beyond what the rest of the file can hold, so that a count
    // of 30000 in a small file does not allocate gigabytes.
    const qsizetype linesPerMode = qsizetype(kMapCurveKinds) * (NP + 1);
    const qsizetype modesHeld = std::max(reader.remaining() / linesPerMode + 1, kModesAlwaysAllowed);
    const bool capped = NM > modesHeld;
    map.resize(NP, capped ? qint16(modesHeld) : NM);

    bool ok = headerLine(reader, QStringLiteral("the stiffness header"));
    for (int i = 1; ok && i <= map.pointCount; ++i)
        map.stiffness[std::size_t(i)] = valueLine(reader, ok);
    for (int j = 1; ok && j <= map.modeCount; ++j) {
        for (int k = 0; ok && k < kMapCurveKinds; ++k) {
            ok = headerLine(reader, QStringLiteral("the header of mode %1, kind %2").arg(j).arg(k));
            for (int i = 1; ok && i <= map.pointCount; ++i)
                map.frequency(i, j, k) = valueLine(reader, ok);
        }
    }
    if (ok && !capped)
        reader.expectEnd(QStringLiteral("counts NP = %1, NM = %2").arg(NP).arg(NM));
    ReaderDiagnostic diagnostic = reader.diagnostic();
    if (capped)
        diagnostic.reason = QStringLiteral("the mode count %1 is more than the file can hold").arg(NM);
    return diagnostic;
}

void CriticalSpeedMap::resize(qint16 points, qint16 modes)
{
    pointCount = std::max(points, qint16(0));
    modeCount = std::max(modes, qint16(0));
    stiffness.assign(std::size_t(pointCount) + 1, 0.0f);
    frequencies.assign((std::size_t(pointCount) + 1) * (std::size_t(modeCount) + 1) * kMapCurveKinds, 0.0f);
}

} // namespace kavel
