#include "keyhelp.h"

#include "viewerwindow.h"

#include "framework/viewer.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kavel {

namespace {

int buttonOf(WindowAction action)
{
    switch (action) {
    case WindowAction::OpenDataFile:
        return 1;
    case WindowAction::EditSettings:
        return 2;
    case WindowAction::Plot:
        return 3;
    case WindowAction::Print:
        return 4;
    case WindowAction::RestoreDefaults:
        return 5;
    case WindowAction::Quit:
        return 6;
    }
    return 0;
}

} // namespace

std::vector<std::pair<QString, QString>> KeyHelp::rows(ViewerWindow& window)
{
    std::vector<std::pair<QString, QString>> out;
    for (const KeyBinding& binding : window.viewer().identity().keys) {
        const QPushButton* button = window.button(buttonOf(binding.action));
        out.emplace_back(QString(binding.key), button ? button->text() : QString());
    }
    for (const QAction* action : window.actions()) {
        if (action->shortcuts().isEmpty())
            continue;
        QStringList keys;
        for (const QKeySequence& key : action->shortcuts())
            keys << key.toString(QKeySequence::NativeText);
        QString what = action->text();
        what.remove(QStringLiteral("..."));
        out.emplace_back(keys.join(QStringLiteral(", ")), what);
    }
    out.emplace_back(tr("Drag on a chart's frame"), tr("Zoom to the rectangle"));
    out.emplace_back(tr("Wheel"), tr("Zoom in or out about the cursor"));
    out.emplace_back(tr("Double click"), tr("Ranges before zooming"));
    out.emplace_back(tr("Right click"), tr("The picture's menu"));
    return out;
}

KeyHelp::KeyHelp(ViewerWindow& window)
    : QDialog(&window)
{
    setObjectName(QStringLiteral("keyHelp"));
    setWindowTitle(tr("%1: keys").arg(window.viewer().identity().mainCaption));
    setAttribute(Qt::WA_DeleteOnClose);
    QString table = QStringLiteral("<table cellspacing=\"4\">");
    for (const auto& [key, what] : rows(window))
        table += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>").arg(key.toHtmlEscaped(), what.toHtmlEscaped());
    table += QStringLiteral("</table>");
    auto* label = new QLabel(table, this);
    label->setObjectName(QStringLiteral("keys"));
    label->setTextFormat(Qt::RichText);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(buttons);
}

} // namespace kavel
