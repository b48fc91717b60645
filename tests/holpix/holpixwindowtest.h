#pragma once

#include "holpixtesting.h"

#include "framework/ui/editdialog.h"
#include "framework/ui/picturearea.h"
#include "framework/ui/viewerwindow.h"
#include "holpix/holpixviewer.h"
#include "ui/uitesting.h"

#include <QApplication>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>

namespace kavel::test {

inline const QString kWorkingFile = QStringLiteral("Gavrine/holpix/holpix.tmp");
inline const QString kFactoryFile = QStringLiteral("Gavrine/holpix/holpix.org");

// A HOLPIX main window over a fresh copy of the sample root, started as the
// program starts it.
class HolpixWindowTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(root.isValid()); }

    void start()
    {
        window.reset();
        viewer = std::make_unique<HolpixViewer>();
        window = std::make_unique<ViewerWindow>(*viewer);
        QObject::connect(window.get(), &ViewerWindow::plotted, [this] { ++plots; });
        window->Form_Load();
        window->show();
    }

    // "2:Edit"; the dialog closed before is gone once its deletion has run.
    EditDialog* openEditor()
    {
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        window->button(2)->click();
        const QList<EditDialog*> dialogs = window->findChildren<EditDialog*>();
        EXPECT_EQ(dialogs.size(), 1);
        return dialogs.isEmpty() ? nullptr : dialogs.front();
    }

    const OpList& picture() const { return window->picture()->recording().ops(); }

    TestRoot root;
    ModalWatcher watcher;
    std::unique_ptr<HolpixViewer> viewer;
    std::unique_ptr<ViewerWindow> window;
    int plots = 0;
};

template <typename T>
T* control(QWidget* parent, const QString& name)
{
    auto* widget = parent->findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
}

} // namespace kavel::test
