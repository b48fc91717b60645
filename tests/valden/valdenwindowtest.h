#pragma once

#include "support/chartops.h"

#include "ui/uitesting.h"

#include "valden/valdeneditdialogs.h"
#include "valden/valdenviewer.h"
#include "valden/valdenwindow.h"

#include "framework/ui/picturearea.h"

#include <QApplication>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>

namespace kavel {

inline const QString kWorkingFile = QStringLiteral("Gavrine/valdens/valdens.tmp");
inline const QString kFactoryFile = QStringLiteral("Gavrine/valdens/valdens.org");
inline const QString kLegacyFactoryFile = QStringLiteral("Gavrine/valden/valden.org");
inline const QString kLegacyWorkingFile = QStringLiteral("Gavrine/valden/valden.tmp");

// A VALDEN main window over a fresh copy of the sample root, started as the
// program starts it.
class ValdenWindowTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(root.isValid()); }

    void start()
    {
        window.reset();
        viewer = std::make_unique<ValdenViewer>();
        window = std::make_unique<ValdenWindow>(*viewer);
        QObject::connect(window.get(), &ViewerWindow::plotted, [this] { ++plots; });
        window->Form_Load();
        window->show();
    }

    const OpList& picture() const { return window->picture()->recording().ops(); }
    QStringList pictureTexts() const { return test::textsOf(picture()); }

    // The editing dialog "2:Edit" opened, when it is the only one shown.
    ValdenEditDialog* openEdit()
    {
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        window->button(2)->click();
        QList<ValdenEditDialog*> shown;
        for (ValdenEditDialog* dialog : window->findChildren<ValdenEditDialog*>()) {
            if (dialog->isVisible())
                shown << dialog;
        }
        return shown.size() == 1 ? shown.front() : nullptr;
    }

    TestRoot root;
    ModalWatcher watcher;
    std::unique_ptr<ValdenViewer> viewer;
    std::unique_ptr<ValdenWindow> window;
    int plots = 0;
};

} // namespace kavel
