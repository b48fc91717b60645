#include "chartsettings.h"

#include "framework/host/atomicfile.h"

#include "framework/reading/fieldreader.h"
#include "framework/reading/numberparse.h"
#include "framework/reading/numbertext.h"
#include "framework/reading/single.h"
#include "framework/reading/textfile.h"

#include <QFile>

#include <algorithm>
#include <cmath>
#include <limits>

namespace kavel {

SettingsLayout& SettingsLayout::numbers(std::vector<NumberItem> items)
{
    m_lines.push_back(Line { std::move(items), nullptr });
    return *this;
}

SettingsLayout& SettingsLayout::axis(AxisSettings& axis)
{
    return numbers({ &axis.min, &axis.max, &axis.pitch, &axis.length });
}

SettingsLayout& SettingsLayout::text(QString& line)
{
    m_lines.push_back(Line { {}, &line });
    return *this;
}

namespace {

ReaderDiagnostic readSettings(FieldReader& reader, const SettingsLayout& layout)
{
    bool inNumbers = false;
    for (const SettingsLayout::Line& line : layout.lines()) {
        if (line.text) {
            if (inNumbers)
                reader.finishLine();
            inNumbers = false;
            std::optional<QString> text = reader.wholeLine();
            if (!text)
                return reader.diagnostic();
            *line.text = std::move(*text);
            continue;
        }
        inNumbers = true;
        for (const SettingsLayout::NumberItem& item : line.numbers) {
            if (double* const* number = std::get_if<double*>(&item)) {
                const std::optional<double> value = reader.number();
                if (!value)
                    return reader.diagnostic();
                **number = *value;
            } else if (float* const* single = std::get_if<float*>(&item)) {
                const std::optional<double> value = reader.number();
                if (!value)
                    return reader.diagnostic();
                const std::optional<float> nearest = Single::nearest(*value);
                if (!nearest) {
                    reader.fail(QStringLiteral("%1 is beyond the single-precision range").arg(*value));
                    return reader.diagnostic();
                }
                **single = *nearest;
            } else {
                const std::optional<qint16> value = reader.int16();
                if (!value)
                    return reader.diagnostic();
                *std::get<qint16*>(item) = *value;
            }
        }
    }
    return reader.diagnostic();
}

// The fewest digits from the single's seven that read back to the same single.
QString printedSingle(float value)
{
    for (int digits = NumberText::kSingleDigits; digits < 9; ++digits) {
        const QString text = NumberText::printed(value, digits);
        const std::optional<double> back = NumberParse::strict(text);
        if (back && float(*back) == value)
            return text;
    }
    return NumberText::printed(value, 9);
}

// The nearest number an item of type T can hold: the file has no text for an
// infinity or a NaN. Neither reaches memory through the reader, the dialogs
// or the export's options; one that does anyway must not cost the items
// after it, as a text the reader stops at would.
template<typename T>
T writable(T value)
{
    if (std::isnan(value))
        return 0; // a field with no number gives 0
    return std::clamp(value, std::numeric_limits<T>::lowest(), std::numeric_limits<T>::max());
}

QString itemText(const SettingsLayout::NumberItem& item)
{
    if (double* const* number = std::get_if<double*>(&item))
        return NumberText::printedExact(writable(**number));
    if (float* const* single = std::get_if<float*>(&item))
        return printedSingle(writable(**single));
    return NumberText::printedExact(double(*std::get<qint16*>(item)));
}

} // namespace

ReaderDiagnostic ReadChartSettings(const QString& path, const SettingsLayout& layout)
{
    return readFile(readSettings, path, layout);
}

ReaderDiagnostic ReadChartSettingsText(const QString& name, const QString& text, const SettingsLayout& layout)
{
    return readText(readSettings, name, text, layout);
}

QByteArray FormatChartSettings(const SettingsLayout& layout)
{
    // Encoded as one text: a title CP932 cannot hold makes the whole file
    // UTF-8, never a mixture that would read back garbled.
    QString file;
    for (const SettingsLayout::Line& line : layout.lines()) {
        if (line.text) {
            file += *line.text;
        } else {
            QString text;
            for (std::size_t i = 0; i < line.numbers.size(); ++i) {
                if (i > 0)
                    text += QLatin1Char(' ');
                text += itemText(line.numbers[i]);
            }
            file += text;
        }
        file += QLatin1String("\r\n");
    }
    return TextFile::encode(file);
}

QString WriteChartSettings(const QString& path, const SettingsLayout& layout)
{
    return AtomicFile::replace(path, FormatChartSettings(layout));
}

QString CopySettingsFile(const QString& from, const QString& to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return QStringLiteral("%1 could not be read: %2").arg(from, source.errorString());
    const QByteArray bytes = source.read(TextFile::kMaxBytes);
    return AtomicFile::replace(to, bytes);
}

} // namespace kavel
