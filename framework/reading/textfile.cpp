#include "textfile.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace kavel::TextFile {

namespace {

const char* const kCodePage = "windows-31j";

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
