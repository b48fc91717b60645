#include "brokenfiles.h"

#include "framework/reading/numberparse.h"

#include <algorithm>

namespace kavel::test {

namespace {

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

bool isSeparator(char c)
{
    return c == ' ' || c == '\t' || c == ',' || isLineEnd(c);
}

struct Line {
    qsizetype begin = 0;
    qsizetype end = 0; // before the line end
    std::vector<TextField> fields;
};

// CR LF, LF and a lone CR each end a line, as in the readers.
std::vector<Line> splitLines(const QByteArray& bytes)
{
    std::vector<Line> lines;
    qsizetype pos = 0;
    while (pos < bytes.size()) {
        Line line { pos, pos, {} };
        while (line.end < bytes.size() && !isLineEnd(bytes[line.end]))
            ++line.end;
        for (qsizetype i = line.begin; i < line.end;) {
            if (isSeparator(bytes[i])) {
                ++i;
                continue;
            }
            const qsizetype begin = i;
            while (i < line.end && !isSeparator(bytes[i]))
                ++i;
            line.fields.push_back({ begin, i });
        }
        pos = line.end;
        if (pos < bytes.size() && bytes[pos] == '\r')
            ++pos;
        if (pos < bytes.size() && bytes[pos] == '\n')
            ++pos;
        lines.push_back(std::move(line));
    }
    return lines;
}

QByteArrayView text(const QByteArray& bytes, TextField field)
{
    return QByteArrayView(bytes).sliced(field.begin, field.end - field.begin);
}

bool isInteger(QByteArrayView field)
{
    if (field.startsWith('-') || field.startsWith('+'))
        field = field.sliced(1);
    return !field.isEmpty() && std::all_of(field.begin(), field.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool isNumber(QByteArrayView field)
{
    return NumberParse::strict(QString::fromLatin1(field)).has_value();
}

// Puts `value` in place of the field, right-aligned into the blanks before it
// where they leave a separator, so that fixed-column readers still find a
// field in its columns.
void replaceField(QByteArray& bytes, TextField field, QByteArrayView value)
{
    const qsizetype width = field.end - field.begin;
    if (value.size() <= width) {
        bytes.replace(field.begin, width, QByteArray(width - value.size(), ' ') + value.toByteArray());
        return;
    }
    qsizetype blankStart = field.begin;
    while (blankStart > 0 && bytes[blankStart - 1] == ' ')
        --blankStart;
    const bool lineStart = blankStart == 0 || isLineEnd(bytes[blankStart - 1]);
    const qsizetype room = width + (field.begin - blankStart) - (lineStart ? 0 : 1);
    if (value.size() <= room)
        bytes.replace(field.end - value.size(), value.size(), value.toByteArray());
    else
        bytes.replace(field.begin, width, value.toByteArray());
}

// Replaces the chosen fields, the last first so that earlier offsets hold.
QByteArray replaced(const QByteArray& sample, std::vector<TextField> fields, QByteArrayView value)
{
    QByteArray bytes = sample;
    std::sort(fields.begin(), fields.end(), [](TextField a, TextField b) { return a.begin > b.begin; });
    for (TextField field : fields)
        replaceField(bytes, field, value);
    return bytes;
}

constexpr qsizetype kHugeLineBytes = 10 * 1024 * 1024;

} // namespace

FileAnatomy Dissect(const QByteArray& bytes, FileRole role)
{
    FileAnatomy anatomy;
    for (const Line& line : splitLines(bytes)) {
        const auto numeric = [&](auto test) {
            return !line.fields.empty() && std::all_of(line.fields.begin(), line.fields.end(), [&](TextField f) { return test(text(bytes, f)); });
        };
        const bool countLine = numeric(isInteger);
        if (countLine) {
            anatomy.counts.insert(anatomy.counts.end(), line.fields.begin(), line.fields.end());
            if (anatomy.firstCountLineEnd < 0)
                anatomy.firstCountLineEnd = line.end;
        }
        // Titles may hold numbers ("L=1200 mm 31 elements"); the values are
        // what follows the counts, or in settings whole lines of numbers.
        const bool valueLine = role == FileRole::Settings ? numeric(isNumber) : anatomy.firstCountLineEnd >= 0 && !countLine;
        if (!valueLine)
            continue;
        bool anyValue = false;
        for (TextField field : line.fields) {
            if (isNumber(text(bytes, field))) {
                anatomy.values.push_back(field);
                anyValue = true;
            }
        }
        if (anyValue && anatomy.firstDataLineBegin < 0) {
            anatomy.firstDataLineBegin = line.begin;
            anatomy.firstDataLineEnd = line.end;
        }
    }
    return anatomy;
}

std::vector<BrokenFile> BrokenVariants(const QByteArray& sample, FileRole role)
{
    const FileAnatomy anatomy = Dissect(sample, role);
    std::vector<BrokenFile> variants;
    const auto add = [&](const QString& name, QByteArray bytes) { variants.push_back({ name, std::move(bytes) }); };

    add(QStringLiteral("NUL first"), QByteArray(1, '\0') + sample);
    QByteArray nulInLines = sample;
    const std::vector<Line> lines = splitLines(sample);
    for (auto line = lines.rbegin(); line != lines.rend(); ++line)
        nulInLines.insert(line->begin + (line->end - line->begin) / 2, '\0');
    add(QStringLiteral("NUL in every line"), nulInLines);
    // A solver that sets its file's size first leaves zero bytes past what
    // it has written.
    QByteArray zeroTail = sample;
    std::fill(zeroTail.begin() + zeroTail.size() / 2, zeroTail.end(), '\0');
    add(QStringLiteral("zero bytes in the second half"), zeroTail);

    // Fields of 11 columns: a number to the free-format readers, a full
    // row to the fixed-column ones.
    const QByteArray huge = QByteArray(" 1.0000E+00").repeated(kHugeLineBytes / 11);
    QByteArray withHugeLine = sample;
    if (anatomy.firstCountLineEnd >= 0)
        withHugeLine.insert(anatomy.firstCountLineEnd, "\r\n" + huge);
    else
        withHugeLine.prepend(huge + "\r\n");
    add(QStringLiteral("10 MB line"), withHugeLine);

    add(QStringLiteral("CR line ends"), QByteArray(sample).replace("\r\n", "\r").replace('\n', '\r'));
    add(QStringLiteral("UTF-8 BOM"), "\xEF\xBB\xBF" + sample);

    for (const char* count : { "-1", "0", "32767", "99999" }) {
        for (std::size_t k = 0; k < anatomy.counts.size(); ++k)
            add(QStringLiteral("count %1 = %2").arg(k + 1).arg(QLatin1String(count)), replaced(sample, { anatomy.counts[k] }, count));
        if (anatomy.counts.size() > 1)
            add(QStringLiteral("every count = %1").arg(QLatin1String(count)), replaced(sample, anatomy.counts, count));
    }

    std::vector<TextField> everyThird;
    for (std::size_t k = 0; k < anatomy.values.size(); k += 3)
        everyThird.push_back(anatomy.values[k]);
    for (const char* value : { "NaN", "Inf", "-Inf", "1e308", "-1e308", "1.#QNAN" }) {
        add(QStringLiteral("every value = %1").arg(QLatin1String(value)), replaced(sample, anatomy.values, value));
        add(QStringLiteral("every third value = %1").arg(QLatin1String(value)), replaced(sample, everyThird, value));
    }
    return variants;
}

} // namespace kavel::test
