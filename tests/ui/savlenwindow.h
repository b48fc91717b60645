#pragma once

#include "uitesting.h"

#include "framework/recordingsurface.h"
#include "framework/ui/picturearea.h"
#include "framework/ui/viewerwindow.h"
#include "savlen/savlenviewer.h"
#include "support/chartops.h"

#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>

namespace kavel {

inline const QString kWorkingFile = QStringLiteral("Gavrine/savlen/savlen.tmp");
inline const QString kFactoryFile = QStringLiteral("Gavrine/savlen/savlen.org");

// A SAVLEN main window over a fresh copy of the sample root, started as the
// program starts it.
class SavlenWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
    }

    void start()
    {
        window.reset();
        viewer = std::make_unique<SavlenViewer>();
        window = std::make_unique<ViewerWindow>(*viewer);
        QObject::connect(window.get(), &ViewerWindow::plotted, [this] { ++plots; });
        window->Form_Load();
        window->show();
    }

    const OpList& picture() const { return window->picture()->recording().ops(); }

    TestRoot root;
    ModalWatcher watcher;
    std::unique_ptr<SavlenViewer> viewer;
    std::unique_ptr<ViewerWindow> window;
    int plots = 0;
};

using test::textsOf;

inline int linesOf(const OpList& ops)
{
    return int(std::count_if(ops.begin(), ops.end(), [](const SurfaceOp& op) { return std::holds_alternative<Op::Line>(op); }));
}

} // namespace kavel
