#include "export/commandarguments.h"

#include <gtest/gtest.h>

namespace kavel::test {
namespace {

const CommandSyntax kSyntax { .valued = { QStringLiteral("--root"), QStringLiteral("-o") }, .flags = { QStringLiteral("--check") }, .takesWords = true };

CommandArguments read(const QString& line)
{
    return readCommandArguments(line.split(QLatin1Char(' ')), kSyntax);
}

std::vector<std::pair<QString, QString>> pairs(const CommandArguments& read)
{
    std::vector<std::pair<QString, QString>> result;
    for (const CommandArgument& argument : read.arguments)
        result.emplace_back(argument.name, argument.value);
    return result;
}

} // namespace

// A value is the next argument whatever it looks like; "=" splits long names only.
TEST(CommandArguments, YieldsNamesFlagsAndWordsInOrder)
{
    const CommandArguments all = read(QStringLiteral("savlen --root=a=b --check -o -h -"));
    EXPECT_TRUE(all.error.isEmpty()) << all.error.toStdString();
    EXPECT_FALSE(all.help);
    const std::vector<std::pair<QString, QString>> expected { { {}, QStringLiteral("savlen") }, { QStringLiteral("--root"), QStringLiteral("a=b") },
                                                              { QStringLiteral("--check"), {} }, { QStringLiteral("-o"), QStringLiteral("-h") }, { {}, QStringLiteral("-") } };
    EXPECT_EQ(pairs(all), expected);
    EXPECT_EQ(read(QStringLiteral("-o=x")).error, QStringLiteral("unknown option '-o=x'"));
    EXPECT_EQ(read(QStringLiteral("--check=1")).error, QStringLiteral("unknown option '--check=1'"));
}

// The command acts on what came before the stop, so the first mistake is the one reported.
TEST(CommandArguments, HelpOrAMistakeStopsTheWalkKeepingWhatCameBefore)
{
    const CommandArguments help = read(QStringLiteral("--root r -h --bogus"));
    EXPECT_TRUE(help.help);
    EXPECT_TRUE(help.error.isEmpty());
    EXPECT_EQ(help.arguments.size(), 1u);
    const CommandArguments mistake = read(QStringLiteral("-o a --bogus -h"));
    EXPECT_FALSE(mistake.help);
    EXPECT_EQ(mistake.error, QStringLiteral("unknown option '--bogus'"));
    EXPECT_EQ(mistake.arguments.size(), 1u);
    EXPECT_EQ(readCommandArguments({ QStringLiteral("x") }, { .valued = {} }).error, QStringLiteral("unknown argument 'x'"));
}

} // namespace kavel::test
