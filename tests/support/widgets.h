#pragma once

#include <QString>
#include <QWidget>
#include <gtest/gtest.h>

namespace kavel::test {

// The control of that object name (the form's own name, "Text1",
// "Check1(3)") below `parent`; a test failure when there is none.
template <typename T>
T* control(QWidget* parent, const QString& name)
{
    auto* widget = parent->findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
}

} // namespace kavel::test
