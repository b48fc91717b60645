#include "textfile.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cstring>

namespace kavel::TextFile {

namespace {

const char* const kCodePage = "windows-31j";

bool isAscii(const QByteArray& bytes)
{
    // Eight bytes at a time: a result file is megabytes of ASCII.
    const char* data = bytes.constData();
    const qsizetype size = bytes.size();
    qsizetype i = 0;
    for (; i + 8 <= size; i += 8) {
        quint64 word;
        std::memcpy(&word, data + i, 8);
        if (word & 0x8080808080808080ull)
            return false;
    }
    for (; i < size; ++i) {
        if (static_cast<unsigned char>(data[i]) >= 0x80)
            return false;
    }
    // The code page swaps three control characters (0x1A, 0x1C, 0x7F) as
    // IBM's tables do; a file holding one goes through the converter.
    return !std::memchr(data, 0x1A, std::size_t(size)) && !std::memchr(data, 0x1C, std::size_t(size))
        && !std::memchr(data, 0x7F, std::size_t(size));
}

bool isUtf8WithNonAscii(const QByteArray& bytes)
{
    bool nonAscii = false;
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            nonAscii = true;
            break;
        }
    }
    if (!nonAscii)
        return false;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    return !utf8.hasError();
}

} // namespace

QString decode(const QByteArray& bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.constData() + 3, bytes.size() - 3);
    // CP932 and UTF-8 both read such ASCII as Latin-1 does, the fastest.
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    if (isUtf8WithNonAscii(bytes))
        return QString::fromUtf8(bytes);
    QStringDecoder cp932(kCodePage);
    if (!cp932.isValid())
        return QString::fromLatin1(bytes);
    return cp932(bytes);
}

QByteArray encode(const QString& text)
{
    QStringEncoder cp932(kCodePage, QStringEncoder::Flag::Stateless);
    if (cp932.isValid()) {
        QByteArray bytes = cp932(text);
        if (!cp932.hasError())
            return bytes;
    }
    return text.toUtf8();
}

std::optional<QString> read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // Asking for the whole limit at once allocates all of it, for every file
    // read; a file's own size is enough. A file still growing is read as far
    // as it went when opened, and one without a size up to the limit.
    const qint64 size = file.size();
    return decode(file.read(size > 0 && size < kMaxBytes ? size : kMaxBytes));
}

} // namespace kavel::TextFile
