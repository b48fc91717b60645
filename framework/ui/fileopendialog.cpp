#include "fileopendialog.h"

#include "keypreview.h"

#include "framework/viewer.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>

namespace kavel {

namespace {

constexpr int kPathRole = Qt::UserRole;

QString withSeparator(const QString& directory)
{
    return directory.endsWith(QLatin1Char('/')) ? directory : directory + QLatin1Char('/');
}

} // namespace

FileOpenDialog::FileOpenDialog(Viewer& viewer, QWidget* parent)
    : QDialog(parent)
    , m_viewer(viewer)
{
    setObjectName(QStringLiteral("Fopen"));
    setWindowTitle(viewer.identity().fileDialogCaption);
    setModal(true);
    setFixedSize(TwipsRect { 0, 0, 6210, 2430 }.toPixels().size());

    QFont bold = font();
    bold.setBold(true);

    m_label1 = new QLabel(QStringLiteral("Data file"), this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setFont(bold);
    placeAt(m_label1, { 240, 120, 1455, 240 });

    m_text1 = new QLineEdit(QStringLiteral("Text1"), this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    placeAt(m_text1, { 182, 466, 2070, 276 });

    m_file1 = new QListWidget(this);
    m_file1->setObjectName(QStringLiteral("File1"));
    placeAt(m_file1, { 182, 815, 2070, 1353 });
    connect(m_file1, &QListWidget::itemClicked, this, &FileOpenDialog::File1_Click);
    connect(m_file1, &QListWidget::itemDoubleClicked, this, &FileOpenDialog::File1_DblClick);

    m_drive1 = new QComboBox(this);
    m_drive1->setObjectName(QStringLiteral("Drive1"));
    for (const QFileInfo& drive : QDir::drives())
        m_drive1->addItem(QDir::toNativeSeparators(drive.absoluteFilePath()), drive.absoluteFilePath());
    placeAt(m_drive1, { 2325, 466, 2370, 300 });

    m_dir1 = new QTreeWidget(this);
    m_dir1->setObjectName(QStringLiteral("Dir1"));
    m_dir1->setHeaderHidden(true);
    m_dir1->setRootIsDecorated(false);
    m_dir1->setIndentation(10);
    placeAt(m_dir1, { 2325, 815, 2370, 1350 });
    // Opening a directory is a double-click, as in a directory list.
    connect(m_dir1, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        setDirectory(item->data(0, kPathRole).toString());
    });

    auto addButton = [&](const QString& name, const QString& caption, const TwipsRect& rect) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(name);
        button->setFont(bold);
        // Enter is no shortcut in this dialog.
        button->setAutoDefault(false);
        placeAt(button, rect);
        return button;
    };
    connect(addButton(QStringLiteral("Command2"), QStringLiteral("O.K"), { 4920, 698, 1185, 364 }), &QPushButton::clicked, this, &FileOpenDialog::accept);
    connect(addButton(QStringLiteral("Command1"), QStringLiteral("Cancel"), { 4920, 1397, 1185, 364 }), &QPushButton::clicked, this, &FileOpenDialog::reject);

    new KeyPreview(this, [this](QKeyEvent& event) {
        if (event.key() != Qt::Key_Escape)
            return false;
        reject();
        return true;
    });

    setDirectory(startingDirectory());
    connect(m_drive1, &QComboBox::activated, this, &FileOpenDialog::Drive1_Change);
}

QString FileOpenDialog::startingDirectory() const
{
    // A viewer started from its install folder would take three double
    // clicks to reach its results from there.
    const QDir current = QDir::current();
    if (!current.entryList({ QStringLiteral("*.mac") }, QDir::Files).isEmpty())
        return current.absolutePath();
    const QDir data = QFileInfo(m_viewer.dataPath).absoluteDir();
    return !m_viewer.dataPath.isEmpty() && data.exists() ? data.absolutePath() : current.absolutePath();
}

void FileOpenDialog::setDirectory(const QString& path)
{
    m_directory = QDir::cleanPath(QDir(path).absolutePath());
    const int drive = driveIndexOf(m_directory);
    if (drive >= 0)
        m_drive1->setCurrentIndex(drive);
    rebuildDirectoryTree();
    Dir1_Change();
}

int FileOpenDialog::driveIndexOf(const QString& path) const
{
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < m_drive1->count(); ++i) {
        const QString root = m_drive1->itemData(i).toString();
        if (withSeparator(path).startsWith(root, Qt::CaseInsensitive) && root.size() > bestLength) {
            best = i;
            bestLength = root.size();
        }
    }
    return best;
}

// The tree shows the way from the drive down to the current directory, and
// the directories inside it.
void FileOpenDialog::rebuildDirectoryTree()
{
    m_dir1->clear();
    QStringList chain;
    for (QDir dir(m_directory);;) {
        chain.prepend(dir.absolutePath());
        if (dir.isRoot() || !dir.cdUp())
            break;
    }
    QTreeWidgetItem* parent = nullptr;
    for (const QString& path : std::as_const(chain)) {
        const QString name = QDir(path).isRoot() ? QDir::toNativeSeparators(path) : QDir(path).dirName();
        auto* item = parent ? new QTreeWidgetItem(parent, { name }) : new QTreeWidgetItem(m_dir1, { name });
        item->setData(0, kPathRole, path);
        item->setExpanded(true);
        parent = item;
    }
    const QStringList subdirectories = QDir(m_directory).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : subdirectories) {
        auto* item = new QTreeWidgetItem(parent, { name });
        item->setData(0, kPathRole, withSeparator(m_directory) + name);
    }
    if (parent) {
        parent->setExpanded(true);
        m_dir1->setCurrentItem(parent);
    }
}

void FileOpenDialog::Drive1_Change(int index)
{
    const QString drive = m_drive1->itemData(index).toString();
    const QDir root(drive);
    if (!root.exists() || !root.isReadable()) {
        // The lists stay as they were.
        const QSignalBlocker blocker(m_drive1);
        m_drive1->setCurrentIndex(driveIndexOf(m_directory));
        QApplication::beep();
        QMessageBox box(QMessageBox::Warning, QStringLiteral("File Open"), QStringLiteral("No Device"), QMessageBox::Ok, this);
        box.exec();
        return;
    }
    setDirectory(drive);
}

void FileOpenDialog::Dir1_Change()
{
    m_file1->clear();
    m_file1->addItems(QDir(m_directory).entryList({ QStringLiteral("*.mac") }, QDir::Files, QDir::Name | QDir::IgnoreCase));
}

void FileOpenDialog::File1_Click(QListWidgetItem* item)
{
    if (item)
        m_text1->setText(item->text());
}

void FileOpenDialog::File1_DblClick(QListWidgetItem* item)
{
    File1_Click(item);
    accept();
}

void FileOpenDialog::readChosenFile(const QString& path)
{
    m_viewer.dataPath = path;
    m_viewer.loadData(path);
}

void FileOpenDialog::accept()
{
    // The reader stays silent about a file it could not read: the chart is
    // redrawn from what is in memory.
    readChosenFile(withSeparator(m_directory) + m_text1->text());
    hide();
    emit confirmed();
    QDialog::accept();
}

} // namespace kavel
