#include "fontmap.h"

#include <QRegularExpression>
#include <QStringList>

namespace kavel::FontMap {

namespace {

bool isMincho(const QString& key)
{
    return key == QString::fromUtf8("標準明朝") || key.contains(QString::fromUtf8("明朝")) || key.contains(QLatin1String("mincho"));
}

bool isSerif(const QString& face)
{
    const QString key = face.trimmed().toLower();
    return key == QLatin1String("times new roman") || key == QLatin1String("century") || isMincho(key);
}

} // namespace

QStringList families(const QString& face)
{
    const QString key = face.trimmed().toLower();
    const QStringList serifJapanese { QStringLiteral("Noto Serif CJK JP"), QStringLiteral("IPAMincho"), QStringLiteral("Noto Sans CJK JP") };
    const QStringList sansJapanese { QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAGothic"), QStringLiteral("Noto Serif CJK JP") };
    QStringList list;
    if (key == QLatin1String("times new roman"))
        list = QStringList { QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif") } + serifJapanese;
    else if (key == QLatin1String("century"))
        list = QStringList { QStringLiteral("Century"), QStringLiteral("Century Schoolbook L"), QStringLiteral("C059"), QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif") } + serifJapanese;
    else if (isMincho(key))
        list = QStringList { QString::fromUtf8("標準明朝") } + serifJapanese + QStringList { QStringLiteral("Liberation Serif") };
    else if (key == QLatin1String("small fonts"))
        list = QStringList { QStringLiteral("Small Fonts"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans") } + sansJapanese;
    else if (key == QLatin1String("system"))
        list = QStringList { QStringLiteral("System"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans") } + sansJapanese;
    else
        list = QStringList { face, QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans") } + sansJapanese;
    return list;
}

QString cssFamilies(const QString& face)
{
    // Quotes and markup in a name would end the attribute.
    static const QRegularExpression unsafe(QStringLiteral("[\"'<>&\\\\]"));
    QStringList names;
    for (QString family : families(face)) {
        family = family.remove(unsafe).trimmed();
        const QString quoted = QLatin1Char('\'') + family + QLatin1Char('\'');
        if (!family.isEmpty() && !names.contains(quoted))
            names.append(quoted);
    }
    names.append(isSerif(face) ? QStringLiteral("serif") : QStringLiteral("sans-serif"));
    return names.join(QStringLiteral(", "));
}

QFont font(const QString& face, double pixelSize)
{
    QFont f;
    f.setFamilies(families(face));
    f.setPixelSize(std::max(1, qRound(pixelSize)));
    f.setWeight(face.trimmed().compare(QLatin1String("System"), Qt::CaseInsensitive) == 0 ? QFont::Bold : QFont::Normal);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

} // namespace kavel::FontMap
