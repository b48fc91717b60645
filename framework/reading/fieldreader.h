#pragma once

#include "readerdiagnostic.h"

#include <QString>
#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <utility>

namespace kavel {

// Reads a text file the way the suite's files are laid out: numbers as a
// stream of free-format fields (a field ends at a comma, at blanks or at the
// end of a line), titles and comments as whole lines, and result lines whose
// fields stand in fixed columns. Every read that fails records where the
// reader stopped in diagnostic(); the caller stops at the first failure.
class FieldReader {
public:
    // Opens and decodes the file; ok() is false when it could not be opened.
    explicit FieldReader(const QString& path);
    // Reads text already in memory; `name` stands for the file in diagnostics.
    FieldReader(const QString& name, const QString& text);

    bool ok() const { return m_opened && m_diagnostic.complete(); }
    const ReaderDiagnostic& diagnostic() const { return m_diagnostic; }
    bool atEnd() const { return m_pos >= m_text.size(); }
    // Bytes (characters) not read yet: the most the rest of the file can hold.
    qsizetype remaining() const { return m_text.size() - m_pos; }

    // The next free-format field as text. A field ends at a comma, at blanks
    // or at a line end; the blanks after it and then one comma or one line
    // end are consumed with it, so "1 , 2" and "1,2" both give "1" and "2",
    // and a whole line read after a line's last field is the next line.
    // Fails at the end of the file.
    std::optional<QString> field();
    // The next field as a number; a text that is not a number is a failure.
    std::optional<double> number();
    std::optional<qint16> int16();
    // The next free item as text: from its first non-blank character to the
    // next comma or line end.
    std::optional<QString> textItem();

    // The rest of the current line, without its line end, and moves to the
    // next line. Fails only at the end of the file.
    std::optional<QString> wholeLine();
    // The same line in place, valid as long as the reader: a result of
    // thousands of lines is read without a copy of each.
    std::optional<QStringView> lineView();
    // Passes whole lines up to and including the first that is `marker`
    // or a single blank, where a result's header ends; false when the file
    // ends first, which a file of another kind does.
    bool skipPastMarker(QLatin1String marker);
    // How a result file opens: its first line (the kind of file, passed
    // over), or every line up to `marker` where the solver writes a header,
    // then the file comment. Nullopt, with the diagnostic, when the file
    // could not be read or ends first.
    std::optional<QString> fileComment();
    std::optional<QString> fileCommentAfter(QLatin1String marker);
    // Moves to the start of the next line unless the last field already
    // ended its line: whatever follows the last numeric field of a line is
    // passed over.
    void finishLine();

    // Stops the read with a reason of the caller's own (a count that the
    // file cannot hold, a value out of range).
    void fail(const QString& reason);
    // The same about the line just read whole, at its fixed-column field
    // `field` (0: the line as a whole).
    void failInLine(int field, const QString& reason);

    // After the last line a result's counts call for: a line that is not
    // blank means the counts do not describe the file (a file of another
    // kind, or counts edited by hand), and the read stops there. `counts`
    // names them for the reason ("counts N1 = 32, N2 = 6").
    void expectEnd(const QString& counts);
    // Fixed-column fields 1..count of the line just read must not hold
    // words where numbers belong, as a column heading read as values does;
    // blank fields and numbers followed by text are what the suite's files
    // hold. `what` names the values ("a station position"); false when the
    // read stopped.
    bool expectNumbers(QStringView line, int count, const QString& what, int firstColumn = 8, int width = 11);
    // A result's counts are 0 or more: false, with the counts named in the
    // reason, when one is negative.
    bool expectCountsNotNegative(std::span<const qint16> counts);
    // The counts n1 × n2 (0 or more) of a table of `cells` values must be no
    // more than the file can hold: a file still being written declares
    // more than it holds yet, so up to 65536 cells are always allowed (zero
    // until read); beyond that every cell takes at least 11 characters of the
    // rest of the file, and counts that would take gigabytes are never
    // allocated. False when the read stopped.
    bool expectTableCounts(qint16 n1, qint16 n2, double cells);

    int lineNumber() const { return m_line; }

private:
    // The next free-format field in place (field()).
    std::optional<QStringView> fieldView();
    bool atLineEnd() const;
    void consumeLineEnd();
    void skipBlanks();
    bool skipToNextItem();
    void consumeDelimiter();

    QString m_text;
    qsizetype m_pos = 0;
    int m_line = 1;
    int m_itemLine = 1; // where the item or line being read starts
    int m_fieldCount = 0;
    bool m_atLineStart = true;
    bool m_opened = false;
    ReaderDiagnostic m_diagnostic;
};

// What a reader asks of its result file's opening: the line the solver's
// header ends with, where it writes one, and what becomes of the reader's
// previous tables once the counts are read, whatever they turn out to be
// (without `dropTables` they stay as they were).
struct ResultOpening {
    std::optional<QLatin1String> marker = std::nullopt;
    std::function<void()> dropTables = nullptr;
};

// How a result file opens: the file comment, after the first line or after
// the opening's marker (fileComment(), fileCommentAfter()), then N counts,
// free-format 16-bit integers that must not be negative. The comment is
// stored as soon as it is read; nullopt, with the diagnostic, at the first
// read that fails and for negative counts.
template <std::size_t N>
std::optional<std::array<qint16, N>> readResultOpening(FieldReader& reader, QString& comment, const ResultOpening& opening = {})
{
    std::optional<QString> line = opening.marker ? reader.fileCommentAfter(*opening.marker) : reader.fileComment();
    if (!line)
        return std::nullopt;
    comment = std::move(*line);
    std::array<qint16, N> counts {};
    for (qint16& count : counts) {
        const std::optional<qint16> value = reader.int16();
        if (!value)
            return std::nullopt;
        count = *value;
    }
    if (opening.dropTables)
        opening.dropTables();
    if (!reader.expectCountsNotNegative(counts))
        return std::nullopt;
    return counts;
}

// Every reader's two entries over its one body: Read…(path, …) reads a
// file, Read…Text(name, text, …) a text already in memory under a name (as
// the tests and the fuzzers give it); both report what the body reports.
template <typename... Params, typename... Args>
ReaderDiagnostic readFile(ReaderDiagnostic (*body)(FieldReader&, Params...), const QString& path, Args&&... args)
{
    FieldReader reader(path);
    return body(reader, std::forward<Args>(args)...);
}

template <typename... Params, typename... Args>
ReaderDiagnostic readText(ReaderDiagnostic (*body)(FieldReader&, Params...), const QString& name, const QString& text, Args&&... args)
{
    FieldReader reader(name, text);
    return body(reader, std::forward<Args>(args)...);
}

// The same two entries as functions of their own, for a reader's header to
// name: `inline constexpr auto ReadX = &ReaderEntries<parseX>::read;` and
// `ReadXText = &ReaderEntries<parseX>::readText`.
template <auto Body>
struct ReaderEntries;

template <typename... Params, ReaderDiagnostic (*Body)(FieldReader&, Params...)>
struct ReaderEntries<Body> {
    static ReaderDiagnostic read(const QString& path, Params... args)
    {
        return readFile(Body, path, std::forward<Params>(args)...);
    }
    static ReaderDiagnostic readText(const QString& name, const QString& text, Params... args)
    {
        return kavel::readText(Body, name, text, std::forward<Params>(args)...);
    }
};

// A fixed-column field of a result line, converted by the leading-number
// rule: field k (from 1) is the `width` characters starting at column
// firstColumn + width·(k − 1), columns counted from 1. A field past the end of
// the line gives 0; a short last field is used with the characters present.
double fixedColumnField(QStringView line, int k, int firstColumn = 8, int width = 11);

} // namespace kavel
