#include "support/windowtest.h"

#include "savlen/savlenviewer.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTest>
#include <QTreeWidget>

namespace kavel::test {
namespace {

// The file dialog of the common main window, as SAVLEN opens it.
class FileOpenDialogTest : public WindowTest<SavlenViewer> {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        QByteArray other = root.read("data/savlen.mac");
        other.replace("R1 3-stage compressor rotor", "R2 other rotor");
        root.write("data/other.mac", other);
        start();
    }

    // Opens "1:File" and hands the dialog to `act` while it is shown.
    void withDialog(std::function<void(FileOpenDialog*)> act)
    {
        watcher.expect([act](QWidget* modal) {
            auto* dialog = qobject_cast<FileOpenDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            act(dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        window->button(1)->click();
        EXPECT_EQ(watcher.pending(), 0);
    }

    static void ok(QWidget* dialog) { control<QPushButton>(dialog, "Command2")->click(); }

    // The lists start at the program's current directory.
    CurrentDirectory current { root.path("data") };
};

TEST_F(FileOpenDialogTest, StartsAtTheCurrentDirectoryWithTheMacFiles)
{
    withDialog([this](FileOpenDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("SAVLEN/F File Open"));
        EXPECT_TRUE(dialog->isModal());
        EXPECT_EQ(control<QLabel>(dialog, "Label1")->text(), QStringLiteral("Data file"));
        EXPECT_EQ(control<QLineEdit>(dialog, "Text1")->text(), QStringLiteral("Text1"));
        EXPECT_EQ(control<QPushButton>(dialog, "Command2")->text(), QStringLiteral("O.K"));
        EXPECT_EQ(control<QPushButton>(dialog, "Command1")->text(), QStringLiteral("Cancel"));
        EXPECT_EQ(dialog->directory(), QDir(root.path("data")).canonicalPath());
        QStringList files;
        auto* file1 = control<QListWidget>(dialog, "File1");
        for (int i = 0; i < file1->count(); ++i)
            files << file1->item(i)->text();
        EXPECT_TRUE(files.contains(QStringLiteral("savlen.mac")));
        EXPECT_TRUE(files.contains(QStringLiteral("other.mac")));
        EXPECT_EQ(files.filter(QStringLiteral(".mac")).size(), files.size());
        EXPECT_GE(control<QComboBox>(dialog, "Drive1")->count(), 1);
        auto* dir1 = control<QTreeWidget>(dialog, "Dir1");
        ASSERT_NE(dir1->currentItem(), nullptr);
        EXPECT_EQ(dir1->currentItem()->text(0), QStringLiteral("data"));
    });
}

// Started from its settings folder, which holds no result file, the dialog
// opens in the data file's folder instead.
TEST_F(FileOpenDialogTest, StartsInTheDataFilesFolderWhenTheCurrentDirectoryHasNoResultFile)
{
    const CurrentDirectory settingsFolder { root.path("Gavrine/savlen") };
    withDialog([this](FileOpenDialog* dialog) {
        EXPECT_EQ(QDir(dialog->directory()).canonicalPath(), QDir(root.path("data")).canonicalPath());
    });
}

TEST_F(FileOpenDialogTest, OkReadsATypedNameInTheListedDirectoryAndReplots)
{
    withDialog([](FileOpenDialog* dialog) {
        control<QLineEdit>(dialog, "Text1")->setText(QStringLiteral("other.mac"));
        ok(dialog);
    });
    EXPECT_EQ(viewer->dataPath, QDir(root.path("data")).canonicalPath() + QStringLiteral("/other.mac"));
    EXPECT_TRUE(viewer->model.FileComment.startsWith(QStringLiteral("R2 other rotor")));
    EXPECT_EQ(plots, 2);
    EXPECT_TRUE(textsOf(picture()).contains(viewer->model.FileComment));
}

TEST_F(FileOpenDialogTest, OkWithTheUntouchedNameKeepsTheDataAndStillReplots)
{
    const QString comment = viewer->model.FileComment;
    viewer->settings.Title = QStringLiteral("drawn again");
    withDialog([](FileOpenDialog* dialog) { ok(dialog); });
    EXPECT_TRUE(viewer->dataPath.endsWith(QStringLiteral("/data/Text1")));
    EXPECT_EQ(viewer->model.FileComment, comment);
    EXPECT_EQ(plots, 2);
    EXPECT_TRUE(textsOf(picture()).contains(QStringLiteral("drawn again")));
}

TEST_F(FileOpenDialogTest, ClickingAFileNamesItAndDoubleClickingOpensIt)
{
    withDialog([](FileOpenDialog* dialog) {
        auto* file1 = control<QListWidget>(dialog, "File1");
        const QList<QListWidgetItem*> items = file1->findItems(QStringLiteral("other.mac"), Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1);
        QTest::mouseClick(file1->viewport(), Qt::LeftButton, {}, file1->visualItemRect(items[0]).center());
        EXPECT_EQ(control<QLineEdit>(dialog, "Text1")->text(), QStringLiteral("other.mac"));
        EXPECT_TRUE(dialog->isVisible());
        QTest::mouseDClick(file1->viewport(), Qt::LeftButton, {}, file1->visualItemRect(items[0]).center());
        EXPECT_FALSE(dialog->isVisible());
    });
    EXPECT_TRUE(viewer->model.FileComment.startsWith(QStringLiteral("R2 other rotor")));
    EXPECT_EQ(plots, 2);
}

TEST_F(FileOpenDialogTest, EscCancelsWithoutReplotAndEnterIsNoShortcut)
{
    const QString path = viewer->dataPath;
    withDialog([](FileOpenDialog* dialog) {
        auto* text1 = control<QLineEdit>(dialog, "Text1");
        text1->setText(QStringLiteral("other.mac"));
        QTest::keyClick(text1, Qt::Key_Return);
        EXPECT_TRUE(dialog->isVisible());
        QTest::keyClick(text1, Qt::Key_Escape);
        EXPECT_FALSE(dialog->isVisible());
    });
    EXPECT_EQ(viewer->dataPath, path);
    EXPECT_EQ(plots, 1);
}

TEST_F(FileOpenDialogTest, ADirectoryOpenedInTheTreeIsListedAndTheRootIsNotDoubled)
{
    ASSERT_TRUE(QDir().mkdir(root.path("data/sub")));
    root.write("data/sub/inner.mac", root.read("data/other.mac"));
    withDialog([](FileOpenDialog* dialog) {
        auto* dir1 = control<QTreeWidget>(dialog, "Dir1");
        const QList<QTreeWidgetItem*> sub = dir1->findItems(QStringLiteral("sub"), Qt::MatchExactly | Qt::MatchRecursive);
        ASSERT_EQ(sub.size(), 1);
        emit dir1->itemDoubleClicked(sub[0], 0);
        EXPECT_TRUE(dialog->directory().endsWith(QStringLiteral("/data/sub")));
        auto* file1 = control<QListWidget>(dialog, "File1");
        ASSERT_EQ(file1->count(), 1);
        EXPECT_EQ(file1->item(0)->text(), QStringLiteral("inner.mac"));

        dialog->setDirectory(QStringLiteral("/"));
        control<QLineEdit>(dialog, "Text1")->setText(QStringLiteral("nothing.mac"));
        ok(dialog);
    });
    EXPECT_EQ(viewer->dataPath, QStringLiteral("/nothing.mac"));
}

TEST_F(FileOpenDialogTest, ADriveThatCannotBeReadSaysNoDeviceAndKeepsTheLists)
{
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    withDialog([&](FileOpenDialog* dialog) {
        watcher.expect([&](QWidget* box) {
            title = box->windowTitle();
            text = messageText(box);
            icon = qobject_cast<QMessageBox*>(box)->icon();
            acceptMessage(box);
        });
        auto* drive1 = control<QComboBox>(dialog, "Drive1");
        const int before = drive1->currentIndex();
        const QString directory = dialog->directory();
        const QString missing = root.path("no-medium/");
        drive1->addItem(missing, missing);
        drive1->setCurrentIndex(drive1->count() - 1);
        emit drive1->activated(drive1->count() - 1);
        EXPECT_EQ(drive1->currentIndex(), before);
        EXPECT_EQ(dialog->directory(), directory);
        EXPECT_GT(control<QListWidget>(dialog, "File1")->count(), 0);
    });
    EXPECT_EQ(title, QStringLiteral("File Open"));
    EXPECT_EQ(text, QStringLiteral("No Device"));
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_EQ(plots, 1);
}

} // namespace
} // namespace kavel::test
