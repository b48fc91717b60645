#include "surfaceops.h"

#include "framework/reading/numbertext.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonArray>
#include <ostream>

namespace kavel {

namespace {

// Shortest text that reads back to the same float: stable across runs.
QString coordinate(float value)
{
    return NumberText::general(value, 9);
}

QString rgb(const Rgb& c)
{
    return QStringLiteral("[%1,%2,%3]").arg(c.r).arg(c.g).arg(c.b);
}

QString quoted(const QString& text)
{
    const QJsonDocument doc(QJsonArray { text });
    QString array = QString::fromUtf8(doc.toJson(QJsonDocument::Compact));
    return array.mid(1, array.size() - 2);
}

} // namespace

QString toJson(const SurfaceOp& op)
{
    struct Visitor {
        QString operator()(const Op::Clear&) const { return QStringLiteral("{\"op\":\"clear\"}"); }
        QString operator()(const Op::Line& l) const
        {
            return QStringLiteral("{\"op\":\"line\",\"x1\":%1,\"y1\":%2,\"x2\":%3,\"y2\":%4,\"rgb\":%5,\"width\":%6}")
                .arg(coordinate(l.x1), coordinate(l.y1), coordinate(l.x2), coordinate(l.y2), rgb(l.rgb))
                .arg(l.width);
        }
        QString operator()(const Op::Point& p) const
        {
            return QStringLiteral("{\"op\":\"point\",\"x\":%1,\"y\":%2,\"rgb\":%3,\"width\":%4}")
                .arg(coordinate(p.x), coordinate(p.y), rgb(p.rgb))
                .arg(p.width);
        }
        QString operator()(const Op::Circle& c) const
        {
            return QStringLiteral("{\"op\":\"circle\",\"x\":%1,\"y\":%2,\"r\":%3,\"rgb\":%4,\"width\":%5}")
                .arg(coordinate(c.x), coordinate(c.y), coordinate(c.r), rgb(c.rgb))
                .arg(c.width);
        }
        QString operator()(const Op::Text& t) const
        {
            const QString sizing = t.angle == 0 ? QStringLiteral("\"size\":%1").arg(NumberText::general(t.size))
                                                : QStringLiteral("\"height\":%1").arg(t.height);
            // The anchor is spelled only where it is not the usual top-left.
            const QString anchor = t.anchor == TextAnchor::TopRight ? QStringLiteral(",\"anchor\":\"top-right\"") : QString();
            return QStringLiteral("{\"op\":\"text\",\"x\":%1,\"y\":%2,\"text\":%3,\"font\":%4,%5,\"angle\":%6%7}")
                .arg(coordinate(t.x), coordinate(t.y), quoted(t.text), quoted(t.font), sizing)
                .arg(t.angle)
                .arg(anchor);
        }
        QString operator()(const Op::EndDocument&) const { return QStringLiteral("{\"op\":\"end_document\"}"); }
        QString operator()(const Op::Clip& c) const
        {
            return QStringLiteral("{\"op\":\"clip\",\"x\":%1,\"y\":%2,\"w\":%3,\"h\":%4}")
                .arg(coordinate(c.x), coordinate(c.y), coordinate(c.w), coordinate(c.h));
        }
        QString operator()(const Op::Unclip&) const { return QStringLiteral("{\"op\":\"unclip\"}"); }
    };
    return std::visit(Visitor {}, op);
}

void PrintTo(const SurfaceOp& op, std::ostream* os)
{
    *os << toJson(op).toStdString();
}

} // namespace kavel
