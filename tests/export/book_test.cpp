#include "support/files.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

namespace kavel::test {
namespace {

struct BookRun {
    int status = -1;
    QString err;
};

BookRun exportProgram(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(KAVEL_EXPORT_PROGRAM), arguments);
    process.waitForFinished(120000);
    return { process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, QString::fromLocal8Bit(process.readAllStandardError()) };
}

// The PDF's objects as Qt's writer lays them out, read back as text.
class Pdf {
public:
    explicit Pdf(const QByteArray& bytes)
        : m_text(QString::fromLatin1(bytes))
    {
    }

    // The page objects in order, from the page tree.
    QList<int> pages() const
    {
        static const QRegularExpression kids(QStringLiteral("/Type\\s*/Pages\\b[^>]*?/Kids\\s*\\[([^\\]]*)\\]"));
        QList<int> numbers;
        for (const QRegularExpressionMatch& m : reference().globalMatch(kids.match(m_text).captured(1)))
            numbers.append(m.captured(1).toInt());
        return numbers;
    }

    // The bookmarks in order, by their titles, each with its page object.
    QList<std::pair<QString, int>> bookmarks() const
    {
        static const QRegularExpression outlines(QStringLiteral("/Outlines\\s+(\\d+)\\s+0\\s+R"));
        static const QRegularExpression first(QStringLiteral("/First\\s+(\\d+)\\s+0\\s+R"));
        static const QRegularExpression next(QStringLiteral("/Next\\s+(\\d+)\\s+0\\s+R"));
        static const QRegularExpression title(QStringLiteral("/Title\\s*<FEFF([0-9A-F]*)>"));
        static const QRegularExpression dest(QStringLiteral("/Dest\\s*\\[\\s*(\\d+)\\s+0\\s+R"));
        QList<std::pair<QString, int>> marks;
        const QRegularExpressionMatch root = outlines.match(m_text);
        if (!root.hasMatch())
            return marks;
        QRegularExpressionMatch item = first.match(object(root.captured(1).toInt()));
        while (item.hasMatch() && marks.size() < 100) {
            const QString body = object(item.captured(1).toInt());
            const QByteArray utf16 = QByteArray::fromHex(title.match(body).captured(1).toLatin1());
            QString name;
            for (qsizetype k = 0; k + 1 < utf16.size(); k += 2)
                name += QChar(char16_t(uchar(utf16[k]) << 8 | uchar(utf16[k + 1])));
            marks.append({ name, dest.match(body).captured(1).toInt() });
            item = next.match(body);
        }
        return marks;
    }

    // What a page draws, its font resources unnamed (their numbers depend
    // on the document), without the graphics-state lines (q, Q, colour and
    // line style), which the writer repeats as its state happens to be.
    QByteArray contents(int page) const
    {
        static const QRegularExpression contentsEntry(QStringLiteral("/Contents\\s+(\\d+)\\s+0\\s+R"));
        const int number = contentsEntry.match(object(page)).captured(1).toInt();
        const QRegularExpression stream(QStringLiteral("(?:^|\\n)%1 0 obj.*?stream\\r?\\n(.*?)\\r?\\nendstream").arg(number),
            QRegularExpression::DotMatchesEverythingOption);
        const QByteArray packed = stream.match(m_text).captured(1).toLatin1();
        QByteArray sized(4, '\0');
        qToBigEndian(quint32(64 * 1024 * 1024), sized.data());
        QByteArray drawn = qUncompress(sized + packed);
        static const QRegularExpression font(QStringLiteral("/F\\d+ "));
        static const QRegularExpression state(QStringLiteral("^(q|Q|.* SCN|.* d)$"));
        QStringList operations;
        for (const QString& line : QString::fromLatin1(drawn).replace(font, QStringLiteral("/F ")).split(QLatin1Char('\n'))) {
            if (!state.match(line).hasMatch())
                operations.append(line);
        }
        return operations.join(QLatin1Char('\n')).toLatin1();
    }

private:
    static const QRegularExpression& reference()
    {
        static const QRegularExpression r(QStringLiteral("(\\d+)\\s+0\\s+R"));
        return r;
    }
    // The last version of an object (an update may replace one).
    QString object(int number) const
    {
        const QRegularExpression body(QStringLiteral("(?:^|\\n)%1 0 obj\\s*<<(.*?)>>\\s*endobj").arg(number), QRegularExpression::DotMatchesEverythingOption);
        QString last;
        for (const QRegularExpressionMatch& m : body.globalMatch(m_text))
            last = m.captured(1);
        return last;
    }

    QString m_text;
};

class Book : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(copyFiles(QStringLiteral(KAVEL_SAMPLE_ROOT), root.path())); }
    QString path(const QString& relative) const { return root.filePath(relative); }
    BookRun book(const QStringList& extra = {})
    {
        return exportProgram(QStringList { QStringLiteral("book"), QStringLiteral("--root"), root.path(), QStringLiteral("-o"), path(QStringLiteral("book.pdf")) } + extra);
    }
    QTemporaryDir root;
};

const QStringList kViewers { QStringLiteral("SAVLEN"), QStringLiteral("VALDEN"), QStringLiteral("MIRNOK"), QStringLiteral("MIRNO1"),
                             QStringLiteral("HOLPIX"), QStringLiteral("ZEPTAL"), QStringLiteral("WESPAR"), QStringLiteral("Lendrix") };

} // namespace

// The first pages name the files and give the results tables (two pages
// for the sample root); each viewer's page follows in the suite's order,
// its bookmark opening it.
constexpr int kCoverPages = 2;

TEST_F(Book, HasTheFilesPagesThenAPageAndABookmarkPerViewer)
{
    const BookRun run = book();
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const Pdf pdf(fileBytes(path(QStringLiteral("book.pdf"))));
    const QList<int> pages = pdf.pages();
    ASSERT_EQ(pages.size(), kCoverPages + kViewers.size());
    const auto marks = pdf.bookmarks();
    ASSERT_EQ(marks.size(), kViewers.size());
    for (qsizetype k = 0; k < marks.size(); ++k) {
        EXPECT_EQ(marks[k].first, kViewers[k]);
        EXPECT_EQ(marks[k].second, pages[kCoverPages + k]) << k;
    }
}

// A results input is given as a viewer's option; one that does not fit is
// a usage error that names it, and no book is written.
TEST_F(Book, AResultsInputThatDoesNotFitIsAUsageError)
{
    const BookRun run = book({ QStringLiteral("--option"), QStringLiteral("zeptal.operating=9000,4000") });
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.contains(QStringLiteral("zeptal --option operating"))) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("book.pdf"))));
}

// A viewer's page draws what its own PDF draws, operation for operation.
TEST_F(Book, APageDrawsWhatTheViewersOwnPdfDraws)
{
    ASSERT_EQ(book({ QStringLiteral("--option"), QStringLiteral("valden.ChartMode=2") }).status, 0);
    const BookRun single = exportProgram({ QStringLiteral("valden"), QStringLiteral("--root"), root.path(), QStringLiteral("--option"), QStringLiteral("ChartMode=2"),
                                       QStringLiteral("-o"), path(QStringLiteral("valden.pdf")) });
    ASSERT_EQ(single.status, 0) << single.err.toStdString();
    const Pdf book(fileBytes(path(QStringLiteral("book.pdf"))));
    const Pdf alone(fileBytes(path(QStringLiteral("valden.pdf"))));
    const QByteArray page = alone.contents(alone.pages().value(0));
    EXPECT_GT(page.size(), 1000);
    const auto marks = book.bookmarks();
    ASSERT_EQ(marks.size(), kViewers.size());
    EXPECT_EQ(book.contents(marks[1].second), page);
    EXPECT_NE(book.contents(marks[0].second), page);
}

TEST_F(Book, AViewerWithoutItsDataIsLeftOutWithAWarningAndNoneAtAllFails)
{
    ASSERT_TRUE(QFile::remove(path(QStringLiteral("data/holpix.mac"))));
    const BookRun run = book();
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("holpix: ")) && run.err.contains(QStringLiteral("missing"))) << run.err.toStdString();
    const Pdf pdf(fileBytes(path(QStringLiteral("book.pdf"))));
    EXPECT_EQ(pdf.pages().size(), kCoverPages + kViewers.size() - 1);
    EXPECT_EQ(pdf.bookmarks().size(), kViewers.size() - 1);

    ASSERT_TRUE(QDir(path(QStringLiteral("data"))).removeRecursively());
    ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("data"))));
    QFile::remove(path(QStringLiteral("book.pdf")));
    EXPECT_EQ(book().status, 1);
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("book.pdf"))));
}

} // namespace kavel::test
