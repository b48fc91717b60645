#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace kavel::test {

// A well-formed file broken one way, named for how.
struct BrokenFile {
    QString name;
    QByteArray bytes;
};

// A field as the suite's readers split a line: a run between blanks, commas
// and line ends. Offsets are bytes of the file.
struct TextField {
    qsizetype begin = 0;
    qsizetype end = 0;
};

// The parts of a suite text file the broken variants aim at. Every count of
// the result files and of the rotor model stands on a line of bare integers
// (savlen's element count, the step and mode counts of valden, zeptal, holpix,
// mirnok and mirno1, wespar's point count, lendrix's block, p, q and nz
// lines), and no line of values is all integers: those lines are the counts.
struct FileAnatomy {
    std::vector<TextField> counts;
    // Numeric fields on the other lines; all numeric fields of a settings file.
    std::vector<TextField> values;
    qsizetype firstCountLineEnd = -1; // where the first count line ends, or -1
    // The first line after the first count line that holds a value: the
    // first line of data proper (beginning and end, without the line end).
    qsizetype firstDataLineBegin = -1;
    qsizetype firstDataLineEnd = -1;
};

enum class FileRole { Result, Settings };

FileAnatomy Dissect(const QByteArray& bytes, FileRole role);

// The variants of a well-formed file a user meets: NUL bytes, a 10 MB line,
// CR-only line ends, a UTF-8 byte order mark, every count (one at a time and
// all at once) replaced by -1, 0, 32767 and 99999, and the values replaced
// by NaN, infinities, ±1e308 and the Windows runtime's "1.#QNAN" (all of
// them, and every third).
std::vector<BrokenFile> BrokenVariants(const QByteArray& sample, FileRole role);

} // namespace kavel::test
