#pragma once

#include "mirnoktesting.h"

#include "ui/uitesting.h"

#include "mirnok/mirnokeditdialog.h"
#include "mirnok/mirnokviewer.h"
#include "mirnok/mirnokwindow.h"

#include "framework/ui/picturearea.h"

#include <QApplication>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>

namespace kavel {

inline const QString kWorkingFile = QStringLiteral("Gavrine/mirnok/mirnok.tmp");
inline const QString kFactoryFile = QStringLiteral("Gavrine/mirnok/mirnok.org");
inline const QString kDiagnosticFile = QStringLiteral("Gavrine/mirnok/mirnok.dbg");

// A second result: two modes, the first turning at 20 Hz.
inline QString otherResult()
{
    using mirnoktest::Mode;
    return mirnoktest::resultText(QStringLiteral("R2 other rotor"), { 0, 600, 1200 },
        { Mode { { 0.5, 0, 1, 0, 0.5, 0 }, { 0.5, 90, 1, 90, 0.5, 90 }, { 20, 0, 1, -1.5, 30.25 } },
          Mode { { 1, 0, 0, 0, -1, 0 }, { 1, 90, 0, 90, -1, 90 }, { 20, 0, -1, -3, 80 } } });
}

// A MIRNOK main window over a fresh copy of the sample root, started as the
// program starts it.
class MirnokWindowTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(root.isValid()); }

    void start()
    {
        window.reset();
        viewer = std::make_unique<MirnokViewer>();
        window = std::make_unique<MirnokWindow>(*viewer);
        QObject::connect(window.get(), &ViewerWindow::plotted, [this] { ++plots; });
        window->Form_Load();
        window->show();
    }

    const OpList& picture() const { return window->picture()->recording().ops(); }
    QStringList pictureTexts() const { return mirnoktest::textsOf(picture()); }

    // The editing dialog "2:Edit" opened, when it is the only one shown.
    MirnokEditDialog* openEdit()
    {
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        window->button(2)->click();
        QList<MirnokEditDialog*> shown;
        for (MirnokEditDialog* dialog : window->findChildren<MirnokEditDialog*>()) {
            if (dialog->isVisible())
                shown << dialog;
        }
        return shown.size() == 1 ? shown.front() : nullptr;
    }

    TestRoot root;
    ModalWatcher watcher;
    std::unique_ptr<MirnokViewer> viewer;
    std::unique_ptr<MirnokWindow> window;
    int plots = 0;
};

} // namespace kavel
