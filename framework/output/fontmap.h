#pragma once

#include <QFont>
#include <QString>

namespace kavel {

// Maps the faces the charts name ("times new roman", "Small Fonts",
// "System", "Century", "標準明朝", in any letter case) onto installed faces,
// with a Japanese face behind each so that Japanese titles always render.
namespace FontMap {

// A font of the named face at `pixelSize` device pixels.
QFont font(const QString& face, double pixelSize);

// The installed families tried for a face, best first.
QStringList families(const QString& face);

// The same families as a CSS font-family list (for SVG), ending in the
// generic family, so that a reader without the named faces gets a serif
// or a sans-serif face rather than its default.
QString cssFamilies(const QString& face);

} // namespace FontMap

} // namespace kavel
