#pragma once

#include "support/chartops.h"
#include "support/files.h"
#include "support/modalwatcher.h"
#include "support/qtprint.h"
#include "support/testroot.h"
#include "support/widgets.h"

#include "framework/surface/recordingsurface.h"
#include "framework/ui/editdialog.h"
#include "framework/ui/fileopendialog.h"
#include "framework/ui/picturearea.h"
#include "framework/ui/viewerwindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace kavel::test {

// What "5:Default" says when it has restored the factory settings.
inline const QString kDefaultRestored = QString::fromUtf8("設定値をデフォルト値に戻しました");

// A viewer's main window over a fresh copy of the sample root, started as
// the program starts it, with the modal windows it opens answered by
// `watcher`. `WindowT` is the viewer's own main window where it has one,
// `DialogT` its editing dialog; a viewer whose window needs more than the
// viewer to be made overrides makeWindow().
template <class ViewerT, class WindowT = ViewerWindow, class DialogT = EditDialog>
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(root.isValid()); }

    // A new viewer and window, the window of a previous start gone; `plots`
    // counts the new window's.
    void start()
    {
        window.reset();
        plots = 0;
        viewer = std::make_unique<ViewerT>();
        window = makeWindow(*viewer);
        QObject::connect(window.get(), &ViewerWindow::plotted, [this] { ++plots; });
        window->Form_Load();
        window->show();
    }

    // A start as the program's: the window has the caption `caption` and
    // has drawn its chart once, on a cleared picture.
    void startDrawn(const QString& caption)
    {
        start();
        EXPECT_EQ(window->windowTitle(), caption);
        EXPECT_EQ(plots, 1);
        ASSERT_FALSE(picture().empty());
        EXPECT_EQ(picture().front(), SurfaceOp(Op::Clear {}));
    }

    const OpList& picture() const { return window->picture()->recording().ops(); }
    QStringList pictureTexts() const { return textsOf(picture()); }

    // The captions of "1:File" to "6:Quit".
    QStringList buttonCaptions() const
    {
        QStringList captions;
        for (int n = 1; n <= 6; ++n)
            captions << window->button(n)->text();
        return captions;
    }

    // "1:File": the file dialog, which must have the caption `caption`,
    // answered with `name` from the data directory and O.K; `choose` first
    // does what else a test chooses there.
    void openDataFile(const QString& caption, const QString& name, const std::function<void(FileOpenDialog*)>& choose = {})
    {
        watcher.expect([this, caption, name, choose](QWidget* modal) {
            auto* dialog = qobject_cast<FileOpenDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->windowTitle(), caption);
            if (choose)
                choose(dialog);
            dialog->setDirectory(root.path(QStringLiteral("data")));
            control<QLineEdit>(dialog, QStringLiteral("Text1"))->setText(name);
            control<QPushButton>(dialog, QStringLiteral("Command2"))->click();
        });
        window->button(1)->click();
    }

    // "4:Print" given by `press` where no printer is installed: the page
    // goes into the file `name` in the root. Its first five bytes.
    QByteArray printedFileStart(const std::function<void()>& press, const QString& name)
    {
        const QString pdf = root.path(name);
        ViewerWindow::setPrintFileChooser([pdf](QWidget*, const QString&) { return pdf; });
        press();
        ViewerWindow::setPrintFileChooser({});
        return fileBytes(pdf).left(5);
    }

    // "6:Quit" clicked: the window closes. The working file `relative` then.
    QByteArray quit(const QString& relative)
    {
        window->button(6)->click();
        EXPECT_FALSE(window->isVisible());
        return root.read(relative);
    }

    // Started and quit with nothing changed: the working file `relative`
    // keeps its bytes. Those bytes.
    QByteArray quitUnchanged(const QString& relative)
    {
        const QByteArray before = root.read(relative);
        start();
        EXPECT_EQ(quit(relative), before);
        return before;
    }

    // "5:Default" with no factory file to restore: a message that names
    // `factoryName` and claims no success, and the chart drawn again.
    void defaultWithoutFactory(const QString& factoryName)
    {
        QString text;
        watcher.expectMessage(&text);
        const int before = plots;
        window->button(5)->click();
        EXPECT_TRUE(text.contains(factoryName)) << text.toStdString();
        EXPECT_FALSE(text.contains(kDefaultRestored));
        EXPECT_EQ(plots, before + 1);
    }

    // "2:Edit" clicked: the editing dialog then shown, nullptr unless
    // exactly one is.
    DialogT* openEdit()
    {
        // A dialog closed before is deleted later, from the event loop.
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        window->button(2)->click();
        return shownDialog();
    }

    DialogT* shownDialog() const
    {
        QList<DialogT*> shown;
        for (DialogT* d : window->template findChildren<DialogT*>()) {
            if (d->isVisible())
                shown << d;
        }
        return shown.size() == 1 ? shown.front() : nullptr;
    }

    // The editing dialog as `dialog`, and its fields by their form names.
    void open()
    {
        dialog = openEdit();
        ASSERT_NE(dialog, nullptr);
    }
    // It is deleted once it closes.
    bool closed()
    {
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return !dialog;
    }
    QLineEdit* text(int n) const { return dialog->template findChild<QLineEdit*>(QStringLiteral("Text%1").arg(n)); }
    QCheckBox* check(int k) const { return dialog->template findChild<QCheckBox*>(QStringLiteral("Check1(%1)").arg(k)); }
    QRadioButton* option(int n) const { return dialog->template findChild<QRadioButton*>(QStringLiteral("Option%1").arg(n)); }

    TestRoot root;
    ModalWatcher watcher;
    std::unique_ptr<ViewerT> viewer;
    std::unique_ptr<WindowT> window;
    QPointer<DialogT> dialog;
    int plots = 0;

private:
    virtual std::unique_ptr<WindowT> makeWindow(ViewerT& v) { return std::make_unique<WindowT>(v); }
};

} // namespace kavel::test
