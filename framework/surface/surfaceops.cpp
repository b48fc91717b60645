#include "surfaceops.h"

#include "framework/reading/numbertext.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonArray>
#include <charconv>
#include <ostream>

namespace kavel {

namespace {

// Shortest text that reads back to the same float: stable across runs.
void coordinate(std::string& out, float value)
{
    NumberText::appendGeneral(out, value, 9);
}

void whole(std::string& out, int value)
{
    char text[16];
    out.append(text, std::to_chars(text, text + sizeof text, value).ptr);
}

void rgb(std::string& out, const Rgb& c)
{
    out += '[';
    whole(out, c.r);
    out += ',';
    whole(out, c.g);
    out += ',';
    whole(out, c.b);
    out += ']';
}

void quoted(std::string& out, const QString& text)
{
    const QByteArray array = QJsonDocument(QJsonArray { text }).toJson(QJsonDocument::Compact);
    out.append(array.constData() + 1, std::size_t(array.size() - 2));
}

} // namespace

void appendJson(std::string& out, const SurfaceOp& op)
{
    struct Visitor {
        std::string& out;
        void operator()(const Op::Clear&) const { out += "{\"op\":\"clear\"}"; }
        void operator()(const Op::Line& l) const
        {
            out += "{\"op\":\"line\",\"x1\":";
            coordinate(out, l.x1);
            out += ",\"y1\":";
            coordinate(out, l.y1);
            out += ",\"x2\":";
            coordinate(out, l.x2);
            out += ",\"y2\":";
            coordinate(out, l.y2);
            out += ",\"rgb\":";
            rgb(out, l.rgb);
            out += ",\"width\":";
            whole(out, l.width);
            out += '}';
        }
        void operator()(const Op::Point& p) const
        {
            out += "{\"op\":\"point\",\"x\":";
            coordinate(out, p.x);
            out += ",\"y\":";
            coordinate(out, p.y);
            out += ",\"rgb\":";
            rgb(out, p.rgb);
            out += ",\"width\":";
            whole(out, p.width);
            out += '}';
        }
        void operator()(const Op::Circle& c) const
        {
            out += "{\"op\":\"circle\",\"x\":";
            coordinate(out, c.x);
            out += ",\"y\":";
            coordinate(out, c.y);
            out += ",\"r\":";
            coordinate(out, c.r);
            out += ",\"rgb\":";
            rgb(out, c.rgb);
            out += ",\"width\":";
            whole(out, c.width);
            out += '}';
        }
        void operator()(const Op::Text& t) const
        {
            out += "{\"op\":\"text\",\"x\":";
            coordinate(out, t.x);
            out += ",\"y\":";
            coordinate(out, t.y);
            out += ",\"text\":";
            quoted(out, t.text);
            out += ",\"font\":";
            quoted(out, t.font);
            if (t.angle == 0) {
                out += ",\"size\":";
                NumberText::appendGeneral(out, t.size);
            } else {
                out += ",\"height\":";
                whole(out, t.height);
            }
            out += ",\"angle\":";
            whole(out, t.angle);
            // The anchor is spelled only where it is not the usual top-left.
            if (t.anchor == TextAnchor::TopRight)
                out += ",\"anchor\":\"top-right\"";
            out += '}';
        }
        void operator()(const Op::EndDocument&) const { out += "{\"op\":\"end_document\"}"; }
        void operator()(const Op::Clip& c) const
        {
            out += "{\"op\":\"clip\",\"x\":";
            coordinate(out, c.x);
            out += ",\"y\":";
            coordinate(out, c.y);
            out += ",\"w\":";
            coordinate(out, c.w);
            out += ",\"h\":";
            coordinate(out, c.h);
            out += '}';
        }
        void operator()(const Op::Unclip&) const { out += "{\"op\":\"unclip\"}"; }
    };
    std::visit(Visitor { out }, op);
}

QString toJson(const SurfaceOp& op)
{
    std::string line;
    appendJson(line, op);
    return QString::fromStdString(line);
}

void PrintTo(const SurfaceOp& op, std::ostream* os)
{
    *os << toJson(op).toStdString();
}

} // namespace kavel
