#pragma once

#include <QString>

namespace kavel::test {

// What a reader of the form ReadXText(fileName, text, result) makes of
// `text`, as if a file "test.mac" held it.
template <class Result, class Reader>
Result readText(Reader read, const QString& text)
{
    Result result;
    read(QStringLiteral("test.mac"), text, result);
    return result;
}

} // namespace kavel::test
