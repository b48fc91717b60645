#pragma once

#include "twips.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace kavel {

class Viewer;

// Fopen, the data file dialog: a drive list, a directory tree and the
// "*.mac" files of the chosen directory, with the name to open in Text1.
// "O.K" reads the file with the viewer's reader and has the main window
// replot, whether or not the file could be read; "Cancel" and Esc change
// nothing. Shown modally; each opening starts at the current directory, or
// in the data file's folder when the current directory holds no result
// file.
class FileOpenDialog : public QDialog {
    Q_OBJECT
public:
    FileOpenDialog(Viewer& viewer, QWidget* parent);

    // Dir1's path, which File1 follows (host form, "/" separators).
    QString directory() const { return m_directory; }
    void setDirectory(const QString& path);

public slots:
    // "O.K" (Command2) and a double click on a file: reads the file named
    // in Text1 and closes. "Cancel" (Command1) and Esc are reject().
    void accept() override;

signals:
    // After O.K, once the dialog is hidden: the main window's "3:Plot".
    void confirmed();

protected:
    // Takes `path` as the data file and reads it. Viewers that read the
    // chosen file differently (into another slot, say) override this and
    // add their own controls with place().
    virtual void readChosenFile(const QString& path);

    Viewer& viewer() { return m_viewer; }
    void place(QWidget* widget, const TwipsRect& rect) { placeAt(widget, rect); }

private:
    void Drive1_Change(int index);
    void Dir1_Change();
    void File1_Click(QListWidgetItem* item);
    void File1_DblClick(QListWidgetItem* item);
    void rebuildDirectoryTree();
    QString startingDirectory() const;
    int driveIndexOf(const QString& path) const;

    Viewer& m_viewer;
    QString m_directory;
    QLabel* m_label1;
    QLineEdit* m_text1;
    QListWidget* m_file1;
    QComboBox* m_drive1;
    QTreeWidget* m_dir1;
};

} // namespace kavel
