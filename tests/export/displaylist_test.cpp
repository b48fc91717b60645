// Every viewer's chart, on the screen and on paper, drawn from the bundled
// sample root and a few option sets, must keep its operations exactly: the
// display lists recorded here are what the charts drew when they were last
// changed on purpose. After such a change, rewrite them with
//   KAVEL_UPDATE_DISPLAY_LISTS=1 ctest -R DisplayList
// and review the difference like any other change.

#include "support/files.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kavel::test {
namespace {

struct Case {
    const char* name;
    QStringList arguments;
};

std::vector<Case> cases()
{
    std::vector<Case> all;
    for (const char* viewer : { "savlen", "valden", "mirnok", "mirno1", "holpix", "zeptal", "wespar", "lendrix" }) {
        for (const char* surface : { "screen", "printer" })
            all.push_back({ nullptr, { QString::fromLatin1(viewer), QStringLiteral("--surface"), QString::fromLatin1(surface) } });
    }
    const auto option = [](const char* viewer, const char* surface, const char* value) {
        return Case { nullptr, { QString::fromLatin1(viewer), QStringLiteral("--surface"), QString::fromLatin1(surface), QStringLiteral("--option"), QString::fromLatin1(value) } };
    };
    all.push_back(option("savlen", "printer", "ShowNumbers=1"));
    all.push_back(option("valden", "screen", "ChartMode=2"));
    all.push_back(option("valden", "printer", "ChartMode=2"));
    all.push_back(option("zeptal", "screen", "chartStyle=2"));
    all.push_back(option("zeptal", "printer", "chartStyle=2"));
    all.push_back(option("holpix", "printer", "axisOptions=1,0,1,0"));
    all.push_back(option("mirnok", "printer", "phase=3"));
    return all;
}

QString fileName(const QStringList& arguments)
{
    QString name = arguments.join(QLatin1Char('_'));
    name.remove(QStringLiteral("--surface_")).replace(QStringLiteral("--option_"), QString());
    name.replace(QLatin1Char('='), QLatin1Char('-')).replace(QLatin1Char(','), QString());
    return name + QStringLiteral(".jsonl");
}

TEST(DisplayList, EveryViewersChartsKeepTheirOperations)
{
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    const QString root = out.filePath(QStringLiteral("root"));
    // A copy of the sample root: MIRNOK writes its diagnostic file into it.
    ASSERT_TRUE(copyFiles(QStringLiteral(KAVEL_SAMPLE_ROOT), root));
    const bool update = qEnvironmentVariableIntValue("KAVEL_UPDATE_DISPLAY_LISTS") == 1;
    const QString stored = QStringLiteral(KAVEL_DISPLAY_LISTS);
    for (const Case& c : cases()) {
        const QString name = fileName(c.arguments);
        const QString path = out.filePath(name);
        QProcess process;
        process.start(QStringLiteral(KAVEL_EXPORT_PROGRAM),
            c.arguments + QStringList { QStringLiteral("--root"), root, QStringLiteral("-o"), path });
        ASSERT_TRUE(process.waitForFinished(60000)) << name.toStdString();
        ASSERT_EQ(process.exitCode(), 0) << name.toStdString() << ": " << process.readAllStandardError().toStdString();
        const QByteArray recorded = fileBytes(path);
        ASSERT_FALSE(recorded.isEmpty()) << name.toStdString();
        if (update) {
            QFile file(stored + QLatin1Char('/') + name);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(recorded);
            continue;
        }
        const QByteArray expected = fileBytes(stored + QLatin1Char('/') + name);
        if (recorded == expected)
            continue;
        const QList<QByteArray> got = recorded.split('\n');
        const QList<QByteArray> want = expected.split('\n');
        qsizetype line = 0;
        while (line < got.size() && line < want.size() && got[line] == want[line])
            ++line;
        ADD_FAILURE() << name.toStdString() << " differs from line " << line + 1 << ":\n  stored:   "
                      << (line < want.size() ? want[line].toStdString() : "(end)") << "\n  recorded: "
                      << (line < got.size() ? got[line].toStdString() : "(end)");
    }
}

} // namespace
} // namespace kavel::test
