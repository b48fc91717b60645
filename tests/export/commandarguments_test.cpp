#include "export/commandarguments.h"

#include <gtest/gtest.h>

namespace kavel::test {
namespace {

CommandArguments read(const QString& line)
{
    const CommandSyntax syntax { .valued = { QStringLiteral("--root"), QStringLiteral("-o") }, .flags = { QStringLiteral("--check") }, .takesWords = true };
    return readCommandArguments(line.split(QLatin1Char(' ')), syntax);
}

} // namespace

// A value is the next argument whatever it looks like; '=' splits long names only.
TEST(CommandArguments, YieldsNamesFlagsAndWordsInOrder)
{
    const std::vector<CommandArgument> expected { { {}, QStringLiteral("savlen") }, { QStringLiteral("--root"), QStringLiteral("a=b") },
                                                  { QStringLiteral("--check"), {} }, { QStringLiteral("-o"), QStringLiteral("-h") } };
    EXPECT_EQ(read(QStringLiteral("savlen --root=a=b --check -o -h")).arguments, expected);
    EXPECT_EQ(read(QStringLiteral("-o=x")).error, QStringLiteral("unknown option '-o=x'"));
    EXPECT_EQ(read(QStringLiteral("--check=1")).error, QStringLiteral("unknown option '--check=1'"));
    EXPECT_EQ(readCommandArguments({ QStringLiteral("savlen") }, { .valued = {} }).error, QStringLiteral("unknown argument 'savlen'"));
}

// The command acts on what came before the stop, so the first mistake is the one reported.
TEST(CommandArguments, HelpOrAMistakeStopsTheWalkKeepingWhatCameBefore)
{
    const CommandArguments help = read(QStringLiteral("--root r -h --bogus"));
    EXPECT_TRUE(help.help && help.error.isEmpty() && help.arguments.size() == 1);
    const CommandArguments mistake = read(QStringLiteral("-o a --bogus -h"));
    EXPECT_FALSE(mistake.help);
    EXPECT_EQ(mistake.error, QStringLiteral("unknown option '--bogus'"));
    EXPECT_EQ(mistake.arguments.size(), 1u);
}

} // namespace kavel::test
