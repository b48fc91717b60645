#pragma once

#include <QWidget>

class QComboBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace kavel {

struct JobCommand;
class ProcessStarter;

// Form1, the launcher's menu: a frame per analysis with its job ("実行")
// and its viewer ("表示"), the model-input job on the file chosen in the
// drive, directory and file lists, and the matrix export for Mathematica.
// Everything it starts runs on its own; the window keeps no state besides
// its controls.
class LauncherWindow : public QWidget {
    Q_OBJECT
public:
    explicit LauncherWindow(ProcessStarter& starter, QWidget* parent = nullptr);

    // Dir1's path in the host's form ("C:\WORK", "/home/kavel"); File1
    // lists its files. Setting a directory that is not there changes nothing.
    QString directoryPath() const { return m_directory; }
    bool setDirectoryPath(const QString& path);

    // The design of one analysis frame: its buttons, job and viewer.
    struct AnalysisFrame;

public slots:
    // "実　行", "MS-EXCEL" and "Editor" (elements 0, 3 and 4): the hidden
    // model-input job on the chosen file, whichever element was pressed.
    void Command1_Click(int index);
    // "DOS 実　行": the model-input job in a window of its own.
    void Command1dos_Click(int index);
    // "END": the launcher ends at once; what it started runs on.
    void Command6_Click();
    // "HELP": no action.
    void Command7_Click();
    // "Lendrix 表示".
    void Command8_Click();
    // "Mathematica 1m": the matrices exported, then the notebook opened.
    void Command9_Click();

private:
    void buildModelFrames();
    void buildAnalysisFrame(const AnalysisFrame& frame);
    void buildLists();

    void Drive1_Change(int index);
    void Dir1_Change();
    void Dir1_DblClick(QTreeWidgetItem* item);
    void File1_Click(QListWidgetItem* item);

    QString chosenFilePath() const;
    // Starts the jobs one right after the other, hidden, reports those that
    // could not be started, and shows "終了" when any of them runs.
    void runHiddenJobs(const QList<JobCommand>& jobs, const QString& title);
    void startViewer(const QString& program);
    void reportFailure(const QString& message);

    ProcessStarter& m_starter;
    QString m_directory;
    int m_driveShown = -1;
    QComboBox* m_drive1 = nullptr;
    QTreeWidget* m_dir1 = nullptr;
    QListWidget* m_file1 = nullptr;
    QLineEdit* m_text1 = nullptr;
};

} // namespace kavel
