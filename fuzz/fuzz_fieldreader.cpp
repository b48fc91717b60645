#include "framework/reading/fieldreader.h"
#include "framework/reading/numberparse.h"
#include "framework/reading/textfile.h"

#include <QByteArray>
#include <QStringList>

#include <cstddef>
#include <cstdint>

// The first bytes (up to the first NUL, at most 16) are a script of reads;
// the rest is the file. The reader must stop or reach the end of any text,
// whatever reads a caller makes.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    qsizetype split = input.indexOf('\0');
    if (split < 0 || split > 16)
        split = std::min<qsizetype>(input.size(), 4);
    QByteArray script = input.left(split);
    if (script.isEmpty())
        script = QByteArray(1, 0);
    const QString text = kavel::TextFile::decode(input.mid(split + 1));

    kavel::FieldReader reader(QStringLiteral("fuzz"), text);
    // Every read but skipRestOfLine consumes something or fails, and no
    // more reads than characters (plus a margin) can be needed.
    const qsizetype budget = text.size() * 2 + 64;
    for (qsizetype i = 0; i < budget && reader.ok() && !reader.atEnd(); ++i) {
        const qsizetype before = reader.remaining();
        switch (static_cast<unsigned char>(script[i % script.size()]) % 9) {
        case 0: reader.field(); break;
        case 1: reader.number(); break;
        case 2: reader.int16(); break;
        case 3: reader.textItem(); break;
        case 4: reader.wholeLine(); break;
        case 5: reader.finishLine(); break;
        case 6: reader.skipPastMarker(QLatin1String("    *** MAC VALDEN **")); break;
        case 7: reader.expectEnd(QStringLiteral("counts")); break;
        case 8:
            if (const std::optional<QString> line = reader.wholeLine())
                reader.expectNumbers(*line, 8, QStringLiteral("a value"), 1 + int(i % 8), 1 + int(i % 11));
            break;
        }
        if (reader.remaining() > before)
            __builtin_trap();
    }
    (void)reader.diagnostic().toString();

    for (const QString& line : text.split(QLatin1Char('\n'))) {
        // A field without a leading number reads as 0.
        if (!kavel::NumberParse::hasLeadingNumber(QStringView(line).left(11)) && kavel::NumberParse::leadingNumber(QStringView(line).left(11)) != 0)
            __builtin_trap();
        for (int k = 1; k <= 8; ++k) {
            (void)kavel::fixedColumnField(line, k);
            (void)kavel::fixedColumnField(line, k, 7, 11);
            (void)kavel::fixedColumnField(line, k, 1, 1);
        }
    }
    return 0;
}
