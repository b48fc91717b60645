#pragma once

#include "framework/reading/readerdiagnostic.h"

#include <QString>
#include <gtest/gtest.h>

namespace kavel::test {

// Success when a reader got to the end of its file; else where and why it
// stopped, for the failure message.
inline ::testing::AssertionResult readsToItsEnd(const ReaderDiagnostic& diagnostic)
{
    if (diagnostic.complete())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << diagnostic.toString().toStdString();
}

// What a reader of the form ReadX(path, result) makes of the file `path`;
// a test failure unless it reads to its end.
template <class Result, class Reader>
Result readFile(Reader read, const QString& path)
{
    Result result;
    EXPECT_TRUE(readsToItsEnd(read(path, result))) << path.toStdString();
    return result;
}

} // namespace kavel::test
