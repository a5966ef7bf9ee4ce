#pragma once
// Helpers shared by the widget tests.

#include <gtest/gtest.h>

#include <QWidget>

namespace qor {

// The named child of a widget; a test failure (and nullptr) when missing.
template <typename T>
T* child(QWidget* w, const char* name)
{
    T* c = w->findChild<T*>(name);
    EXPECT_NE(c, nullptr) << name;
    return c;
}

}  // namespace qor
