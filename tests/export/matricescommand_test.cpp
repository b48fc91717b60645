#include "export/matricescommand.h"

#include "support/files.h"
#include "support/qtprint.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <gtest/gtest.h>

namespace kavel::test {
namespace {

struct CommandRun {
    int status;
    QString out, err;
};

CommandRun matrices(const QStringList& arguments)
{
    CommandRun run;
    QTextStream out(&run.out), err(&run.err);
    run.status = runMatricesCommand(arguments, out, err);
    return run;
}

} // namespace

TEST(MatricesCommand, WritesTheSixFilesOfTheRootsModel)
{
    QTemporaryDir root;
    ASSERT_TRUE(QDir().mkpath(root.filePath(QStringLiteral("data"))));
    ASSERT_TRUE(QFile::copy(QStringLiteral(KAVEL_SAMPLE_ROOT "/data/lendrix.mac"), root.filePath(QStringLiteral("data/lendrix.mac"))));
    const CommandRun run = matrices({ QStringLiteral("--root"), root.path() });
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    for (const char* name : { "mdata16.dat", "kdata16.dat", "gdata16.dat", "zzahyo.dat", "ttmsnd.dat", "fc.dat" })
        EXPECT_TRUE(QFile::exists(root.filePath(QStringLiteral("data/") + QLatin1String(name)))) << name;
    QFile fc(root.filePath(QStringLiteral("data/fc.dat")));
    ASSERT_TRUE(fc.open(QIODevice::ReadOnly));
    EXPECT_EQ(fc.readAll(), "R1 compressor rotor  Craig-Bampton model  2 physical + 4 modal DOF (t mm s)\r\n");
}

TEST(MatricesCommand, ModelThatBreaksOffIsNamedWithWhereItStopped)
{
    QTemporaryDir dir;
    const QString model = dir.filePath(QStringLiteral("broken.mac"));
    ASSERT_TRUE(writeFile(model, "HEADER\r\ntitle\r\n     2     2\r\n 1 2 x\r\n"));
    const CommandRun run = matrices({ QStringLiteral("--data"), model, QStringLiteral("--out-dir"), dir.path() });
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.toStdString(), ("kavel-export matrices: " + model + ", line 4, item 6: \"x\" is not a number\n").toStdString());
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("mdata16.dat"))));
}

TEST(MatricesCommand, UnknownOrIncompleteArgumentsAreUsageErrors)
{
    EXPECT_EQ(matrices({ QStringLiteral("--bogus") }).status, 2);
    EXPECT_EQ(matrices({ QStringLiteral("--data") }).status, 2);
}

// As in the chart export and the book.
TEST(MatricesCommand, TakesNameEqualsValue)
{
    QTemporaryDir dir;
    const CommandRun run = matrices({ QStringLiteral("--data=" KAVEL_SAMPLE_ROOT "/data/lendrix.mac"), QStringLiteral("--out-dir=") + dir.path() });
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("fc.dat"))));
}

// An empty value (an unset variable in a script) never falls back to the
// root's own model or data folder.
TEST(MatricesCommand, AnEmptyValueIsAUsageError)
{
    for (const char* name : { "--root", "--data", "--out-dir" }) {
        const CommandRun run = matrices({ QLatin1String(name), QString() });
        EXPECT_EQ(run.status, 2) << name;
        EXPECT_EQ(run.err, QStringLiteral("kavel-export matrices: %1 needs a value\n").arg(QLatin1String(name)));
    }
}

// As in the chart export: a mistyped model file writes nothing.
TEST(MatricesCommand, MissingDataFileIsAUsageError)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("lendrx.mac"));
    const CommandRun run = matrices({ QStringLiteral("--data"), missing, QStringLiteral("--out-dir"), dir.path() });
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, QStringLiteral("kavel-export matrices: --data %1: no such file\n").arg(missing));
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

} // namespace kavel::test
