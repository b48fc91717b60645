#pragma once

#include "support/chartops.h"
#include "support/modalwatcher.h"
#include "support/qtprint.h"
#include "support/testroot.h"
#include "support/widgets.h"

#include "framework/recordingsurface.h"
#include "framework/ui/editdialog.h"
#include "framework/ui/picturearea.h"
#include "framework/ui/viewerwindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>
#include <memory>

namespace kavel::test {

// A viewer's main window over a fresh copy of the sample root, started as
// the program starts it, with the modal windows it opens answered by
// `watcher`. `WindowT` is the viewer's own main window where it has one,
// `DialogT` its editing dialog; a viewer whose window needs more than the
// viewer to be made overrides makeWindow().
template <class ViewerT, class WindowT = ViewerWindow, class DialogT = EditDialog>
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(root.isValid()); }

    // A new viewer and window, the window of a previous start gone.
    void start()
    {
        window.reset();
        viewer = std::make_unique<ViewerT>();
        window = makeWindow(*viewer);
        QObject::connect(window.get(), &ViewerWindow::plotted, [this] { ++plots; });
        window->Form_Load();
        window->show();
    }

    const OpList& picture() const { return window->picture()->recording().ops(); }
    QStringList pictureTexts() const { return textsOf(picture()); }

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
