#pragma once

#include "framework/reading/readerdiagnostic.h"

#include <QString>
#include <variant>
#include <vector>

namespace kavel {

// One axis of a chart as its settings give it: the physical range, the tick
// pitch and the frame length in centimetres.
struct AxisSettings {
    double min = 0;
    double max = 0;
    double pitch = 0;
    double length = 0;
};

// The item list of a viewer's settings file: lines in file order, each
// either numeric items (read as one stream of free-format fields across
// consecutive numeric lines) or one text read as a whole line. A viewer
// declares its list over the members of its own settings record; the reader
// and writer below are the same for every viewer. A single-precision item
// holds the nearest single to what the file says and is written in the
// fewest digits (7 when they suffice) that read back to that single; a
// number no single can hold (one that rounds to infinity) stops the reader.
class SettingsLayout {
public:
    using NumberItem = std::variant<double*, qint16*, float*>;

    SettingsLayout& numbers(std::vector<NumberItem> items);
    SettingsLayout& axis(AxisSettings& axis);
    SettingsLayout& text(QString& line);

    struct Line {
        std::vector<NumberItem> numbers; // empty for a text line
        QString* text = nullptr;
    };
    const std::vector<Line>& lines() const { return m_lines; }

private:
    std::vector<Line> m_lines;
};

// Reads the working settings file into the record behind `layout`. Stops at
// the first failure without a message: items already read keep their new
// values, the others their previous ones. Returns where it stopped.
ReaderDiagnostic ReadChartSettings(const QString& path, const SettingsLayout& layout);
ReaderDiagnostic ReadChartSettingsText(const QString& name, const QString& text, const SettingsLayout& layout);

// The file's bytes: every number in the settings number text, items joined by
// one blank, each line ended by CR LF, texts unchanged. Every text written
// reads back to the value in memory; an infinity, which no text does, is
// written as the largest number of its sign the item holds, and a NaN as 0.
QByteArray FormatChartSettings(const SettingsLayout& layout);

// Writes the record to `path`. The file is replaced atomically: a failed or
// interrupted write leaves the old file whole. Returns an empty text on
// success, else a message naming the file and the cause.
QString WriteChartSettings(const QString& path, const SettingsLayout& layout);

// Copies the factory file over the working file, atomically. Returns an empty
// text on success, else a message naming the file and the cause.
QString CopySettingsFile(const QString& from, const QString& to);

} // namespace kavel
