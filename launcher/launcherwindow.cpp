#include "launcherwindow.h"

#include "chosenfile.h"
#include "outmatrix.h"
#include "processstarter.h"

#include "framework/host/hostpaths.h"
#include "framework/output/fontmap.h"
#include "framework/ui/twips.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>

namespace kavel {

struct LauncherWindow::AnalysisFrame {
    const char* name;
    const char* caption;
    int left;
    int top;
    const char* runButton;    // "実行": the job
    const char* resultButton; // "結果": no action
    const char* showButton;   // "表示": the viewer
    const char* batchFile;
    const char* resultFile;
    const char* title;        // of the "終了" box
    const char* program;
};

namespace {

constexpr int kPathRole = Qt::UserRole;

// The frame numbers are not the batch numbers: frame 4 runs 6.bat, frame 5
// runs 8.bat and so on.
const LauncherWindow::AnalysisFrame kAnalysisFrames[] = {
    { "Frame2", "2 : SAVLEN", 5400, 960, "Command2", "Command20", "Command4", "2.bat", "SAVLEN.OUT", "2:SAVLEN", "C:\\Kavel\\Gavrine\\savlen\\SAVLENW.exe" },
    { "Frame3", "3 : DASMOR1", 5400, 2040, "Command3", "Command21", "Command5", "3.bat", "MIRNO1.OUT", "3:MIRNO1", "C:\\Kavel\\Gavrine\\mirno1\\MIRNO1W.exe" },
    { "Frame6", "4:DASMOR6", 5400, 3120, "Command13", "Command22", "Command12", "6.bat", "MIRNOK.OUT", "6:MIRNOK", "C:\\Kavel\\Gavrine\\mirnok\\mirnok.exe" },
    { "Frame5", "5:HOLPIX", 5400, 4200, "Command11", "Command23", "Command10", "8.bat", "HOLPIX.OUT", "8:HOLPIX", "C:\\Kavel\\Gavrine\\holpix\\holpix.exe" },
    { "Frame8", "6:WESPAR", 7560, 960, "Command17", "Command24", "Command16", "22.bat", "WESPAR.OUT", "22:WESPAR", "C:\\Kavel\\Gavrine\\wespar\\wespar.exe" },
    { "Frame9", "7:VALDEN", 7560, 2040, "Command18", "Command25", "Command19", "24.bat", "VALDEN.OUT", "24:VALDEN", "C:\\Kavel\\Gavrine\\valdens\\valdenw.exe" },
    { "Frame7", "8:ZEPTALa", 7560, 3120, "Command15", "Command26", "Command14", "25.bat", "ZEPTALa.OUT", "25:ZEPTALa", "C:\\Kavel\\Gavrine\\zeptal\\zeptalw.exe" },
};

const QString kLendrixViewer = QStringLiteral("C:\\Kavel\\Gavrine\\lendrix\\lendrix.exe");
const QString kMathematica = QStringLiteral("C:\\Program Files\\Wolfram Research\\Mathematica\\5.2\\Mathematica.exe");
const QString kNotebook = QStringLiteral("C:\\Kavel\\Gavrine\\lendrix\\lendrix.nb");

// Sizes of the design in points; the small buttons of the analysis frames
// and the SubMenu labels are set smaller so that their captions fit.
constexpr double kFramePoints = 12;
constexpr double kModelFramePoints = 15.75;
constexpr double kTitlePoints = 26.25;
constexpr double kButtonPoints = 10.5;
constexpr double kSmallPoints = 9;

QFont designFont(double points)
{
    QFont font;
    font.setFamilies(FontMap::families(QStringLiteral("Times New Roman")));
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

template<typename Widget>
Widget* place(Widget* widget, const char* name, const TwipsRect& rect, double points)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(rect.toPixels());
    widget->setFont(designFont(points));
    return widget;
}

QPushButton* addButton(QWidget* parent, const char* name, const QString& caption, const TwipsRect& rect, double points)
{
    auto* button = place(new QPushButton(caption, parent), name, rect, points);
    button->setAutoDefault(false);
    return button;
}

QGroupBox* addFrame(QWidget* parent, const char* name, const QString& caption, const TwipsRect& rect, double points)
{
    return place(new QGroupBox(caption, parent), name, rect, points);
}

} // namespace

LauncherWindow::LauncherWindow(ProcessStarter& starter, QWidget* parent)
    : QWidget(parent)
    , m_starter(starter)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Kavel ver2008/12"));
    setFixedSize(TwipsRect { 0, 0, 9570, 6315 }.toPixels().size());

    place(new QLabel(QStringLiteral("Kavel VB"), this), "Label1", { 360, 120, 3015, 615 }, kTitlePoints);
    // A little higher than designed: 12 points of the serif face need 19 pixels.
    place(new QLabel(QStringLiteral("ver 2008.12"), this), "Label2", { 3480, 480, 1335, 285 }, kFramePoints);

    buildLists();
    buildModelFrames();
    for (const AnalysisFrame& frame : kAnalysisFrames)
        buildAnalysisFrame(frame);

    // The SubMenu holds labels only.
    QGroupBox* subMenu = addFrame(this, "Frame4", QStringLiteral("SM: SubMenu"), { 7560, 4200, 1935, 1215 }, kFramePoints);
    place(new QLabel(QStringLiteral("Torsional Free Vib."), subMenu), "Label3", { 120, 360, 1695, 240 }, kSmallPoints);
    place(new QLabel(QStringLiteral("Quasi-Modal Model"), subMenu), "Label4", { 120, 600, 1695, 240 }, kSmallPoints);
    place(new QLabel(QStringLiteral("others"), subMenu), "Label5", { 120, 840, 1695, 240 }, kSmallPoints);

    connect(addButton(this, "Command6", QStringLiteral("END"), { 5640, 5520, 1575, 495 }, kButtonPoints), &QPushButton::clicked, this, &LauncherWindow::Command6_Click);
    connect(addButton(this, "Command7", QStringLiteral("HELP"), { 7680, 5520, 1575, 495 }, kButtonPoints), &QPushButton::clicked, this, &LauncherWindow::Command7_Click);

    setDirectoryPath(QDir::currentPath());
}

void LauncherWindow::buildLists()
{
    m_drive1 = new QComboBox(this);
    m_drive1->setObjectName(QStringLiteral("Drive1"));
    m_drive1->setGeometry(TwipsRect { 480, 1080, 4815, 300 }.toPixels());
    for (const QFileInfo& drive : QDir::drives()) {
        const QString root = QDir::toNativeSeparators(drive.absoluteFilePath());
        m_drive1->addItem(root, root);
    }
    connect(m_drive1, &QComboBox::activated, this, &LauncherWindow::Drive1_Change);

    m_dir1 = new QTreeWidget(this);
    m_dir1->setObjectName(QStringLiteral("Dir1"));
    m_dir1->setGeometry(TwipsRect { 480, 1560, 2295, 1140 }.toPixels());
    m_dir1->setHeaderHidden(true);
    m_dir1->setRootIsDecorated(false);
    m_dir1->setIndentation(8);
    // A directory opens on a double-click (or Enter), as in a directory list.
    connect(m_dir1, &QTreeWidget::itemActivated, this, &LauncherWindow::Dir1_DblClick);

    m_file1 = new QListWidget(this);
    m_file1->setObjectName(QStringLiteral("File1"));
    m_file1->setGeometry(TwipsRect { 3000, 1560, 2295, 1170 }.toPixels());
    connect(m_file1, &QListWidget::itemClicked, this, &LauncherWindow::File1_Click);
    connect(m_file1, &QListWidget::currentItemChanged, this, &LauncherWindow::File1_Click);

    m_text1 = new QLineEdit(this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setGeometry(TwipsRect { 480, 2880, 4815, 270 }.toPixels());
}

void LauncherWindow::buildModelFrames()
{
    // The three elements of the Command1 array start the same job.
    auto addCommand1 = [this](QWidget* frame, int index, const QString& caption, const TwipsRect& rect) {
        const QByteArray name = "Command1(" + QByteArray::number(index) + ')';
        connect(addButton(frame, name.constData(), caption, rect, kButtonPoints), &QPushButton::clicked, this, [this, index] { Command1_Click(index); });
    };

    QGroupBox* editFrame = addFrame(this, "Frame10", QStringLiteral("0 : Edit Input Data"), { 240, 3240, 5055, 975 }, kFramePoints);
    addCommand1(editFrame, 3, QStringLiteral("MS-EXCEL"), { 480, 360, 1575, 495 });
    addCommand1(editFrame, 4, QStringLiteral("Editor"), { 3000, 360, 1575, 495 });

    QGroupBox* modelFrame = addFrame(this, "Frame1", QStringLiteral("1 : MODLOD"), { 240, 4200, 5055, 2055 }, kModelFramePoints);
    for (const auto& [name, left] : { std::pair { "Shape1", 360 }, std::pair { "Shape2", 2880 } }) {
        auto* shape = new QFrame(modelFrame);
        shape->setObjectName(QLatin1String(name));
        shape->setFrameShape(QFrame::Box);
        shape->setGeometry(TwipsRect { left, 480, 1815, 1335 }.toPixels());
    }
    addCommand1(modelFrame, 0, QStringLiteral("実　行"), { 480, 600, 1575, 495 });
    connect(addButton(modelFrame, "Command1dos(1)", QStringLiteral("DOS 実　行"), { 480, 1200, 1575, 495 }, kButtonPoints), &QPushButton::clicked, this, [this] { Command1dos_Click(1); });
    connect(addButton(modelFrame, "Command8", QStringLiteral("Lendrix 表示"), { 3000, 600, 1575, 495 }, kButtonPoints), &QPushButton::clicked, this, &LauncherWindow::Command8_Click);
    connect(addButton(modelFrame, "Command9", QStringLiteral("Mathematica 1m"), { 3000, 1200, 1575, 495 }, kButtonPoints), &QPushButton::clicked, this, &LauncherWindow::Command9_Click);
}

void LauncherWindow::buildAnalysisFrame(const AnalysisFrame& frame)
{
    QGroupBox* box = addFrame(this, frame.name, QString::fromUtf8(frame.caption), { frame.left, frame.top, 1935, 855 }, kFramePoints);
    const JobCommand job { QStringLiteral("cmd.exe"), QLatin1String(frame.batchFile), { QLatin1String(frame.resultFile) } };
    const QString title = QLatin1String(frame.title);
    connect(addButton(box, frame.runButton, QStringLiteral("実行"), { 120, 360, 495, 375 }, kSmallPoints), &QPushButton::clicked, this, [this, job, title] {
        runHiddenJobs({ job }, title);
    });
    addButton(box, frame.resultButton, QStringLiteral("結果"), { 720, 360, 495, 375 }, kSmallPoints);
    const QString program = QLatin1String(frame.program);
    connect(addButton(box, frame.showButton, QStringLiteral("表示"), { 1320, 360, 495, 375 }, kSmallPoints), &QPushButton::clicked, this, [this, program] {
        startViewer(program);
    });
}

bool LauncherWindow::setDirectoryPath(const QString& path)
{
    const QDir dir(path);
    if (path.isEmpty() || !dir.exists())
        return false;
    m_directory = QDir::toNativeSeparators(QDir::cleanPath(dir.absolutePath()));

    // Drive1 follows the drive of the path, the longest root that holds it.
    int drive = -1;
    qsizetype longest = -1;
    for (int i = 0; i < m_drive1->count(); ++i) {
        const QString root = m_drive1->itemData(i).toString();
        if (ChosenFilePath(m_directory, QString()).startsWith(root, Qt::CaseInsensitive) && root.size() > longest) {
            drive = i;
            longest = root.size();
        }
    }
    m_drive1->setCurrentIndex(drive);
    m_driveShown = drive;

    // Dir1 shows the way from the drive down to the directory, and the
    // directories inside it.
    m_dir1->clear();
    QStringList chain;
    for (QDir up(m_directory);;) {
        chain.prepend(QDir::toNativeSeparators(up.absolutePath()));
        if (up.isRoot() || !up.cdUp())
            break;
    }
    QTreeWidgetItem* parent = nullptr;
    for (const QString& step : std::as_const(chain)) {
        const QString name = QDir(step).isRoot() ? step : QDir(step).dirName();
        auto* item = parent ? new QTreeWidgetItem(parent, { name }) : new QTreeWidgetItem(m_dir1, { name });
        item->setData(0, kPathRole, step);
        item->setExpanded(true);
        parent = item;
    }
    const QStringList subdirectories = QDir(m_directory).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : subdirectories) {
        auto* item = new QTreeWidgetItem(parent, { name });
        item->setData(0, kPathRole, ChosenFilePath(m_directory, name));
    }
    m_dir1->setCurrentItem(parent);
    Dir1_Change();
    return true;
}

void LauncherWindow::Drive1_Change(int index)
{
    if (index == m_driveShown)
        return;
    const QString drive = m_drive1->itemData(index).toString();
    const QDir root(drive);
    if (!root.exists() || !root.isReadable() || !setDirectoryPath(drive)) {
        // The lists stay on the drive they showed.
        setDirectoryPath(m_directory);
        QMessageBox box(QMessageBox::Warning, QStringLiteral("File Open"), QStringLiteral("No Device"), QMessageBox::Ok, this);
        box.exec();
    }
}

void LauncherWindow::Dir1_DblClick(QTreeWidgetItem* item)
{
    if (item)
        setDirectoryPath(item->data(0, kPathRole).toString());
}

void LauncherWindow::Dir1_Change()
{
    m_file1->clear();
    m_file1->addItems(QDir(m_directory).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase));
}

void LauncherWindow::File1_Click(QListWidgetItem* item)
{
    if (item)
        m_text1->setText(ChosenFilePath(m_directory, item->text()));
}

QString LauncherWindow::chosenFilePath() const
{
    // Text1 is not read: the path is built afresh from the lists. With no
    // file chosen the job is given the directory and its separator.
    const QListWidgetItem* item = m_file1->currentItem();
    return ChosenFilePath(m_directory, item && item->isSelected() ? item->text() : QString());
}

void LauncherWindow::Command1_Click(int /*index*/)
{
    const QStringList arguments { chosenFilePath(), QStringLiteral("MOdlod.out"), QStringLiteral("Lendrix") };
    QList<JobCommand> jobs;
    // At a drive root only the model-input job itself runs.
    if (!IsDriveRoot(m_directory))
        jobs << JobCommand { QStringLiteral("cmd.exe"), QStringLiteral("kavel.bat"), arguments };
    jobs << JobCommand { QStringLiteral("cmd.exe"), QStringLiteral("1.bat"), arguments };
    runHiddenJobs(jobs, QStringLiteral("1:MODLOD"));
}

void LauncherWindow::Command1dos_Click(int /*index*/)
{
    const JobCommand job { QStringLiteral("cmd.exe"), QStringLiteral("1.bat"), { chosenFilePath(), QStringLiteral("MOdlod.out"), QStringLiteral("Lendrix.out") } };
    const StartResult started = m_starter.startVisible(job);
    if (!started.ok())
        reportFailure(started.error);
}

void LauncherWindow::Command6_Click()
{
    close();
    QCoreApplication::exit(0);
}

void LauncherWindow::Command7_Click()
{
}

void LauncherWindow::Command8_Click()
{
    startViewer(kLendrixViewer);
}

void LauncherWindow::Command9_Click()
{
    const ExportResult exported = ExportMatrices();
    if (!exported.ok()) {
        reportFailure(QStringLiteral("The matrices for Mathematica were not exported, and Mathematica was not started.\n%1").arg(exported.error));
        return;
    }
    const StartResult started = m_starter.startProgram({ kMathematica, { kNotebook } });
    if (!started.ok()) {
        reportFailure(QStringLiteral("%1\nThe matrix files have been written to %2.")
                          .arg(started.error, QDir::toNativeSeparators(HostPaths::resolve(QStringLiteral("c:\\Kavel\\data")))));
    }
}

void LauncherWindow::runHiddenJobs(const QList<JobCommand>& jobs, const QString& title)
{
    QStringList failures;
    for (const JobCommand& job : jobs) {
        const StartResult started = m_starter.startHidden(job);
        if (!started.ok())
            failures << started.error;
    }
    if (!failures.isEmpty())
        reportFailure(failures.join(QLatin1Char('\n')));
    if (failures.size() == jobs.size())
        return;
    QMessageBox box(QMessageBox::NoIcon, title, QStringLiteral("終了"), QMessageBox::Ok, this);
    box.exec();
}

void LauncherWindow::startViewer(const QString& program)
{
    const StartResult started = m_starter.startProgram({ program, {} });
    if (!started.ok())
        reportFailure(started.error);
}

void LauncherWindow::reportFailure(const QString& message)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Kavel"), message, QMessageBox::Ok, this);
    box.exec();
}

} // namespace kavel
