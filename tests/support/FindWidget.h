#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QString>
#include <QWidget>

namespace kelvo::test {

// The widget of type W named `name` in the open modal dialog, else in `view` (the current
// screen); a test failure naming it when there is none.
template <class W>
W* findInDialogOrView(QWidget* view, const char* name) {
    QWidget* scope = QApplication::activeModalWidget();
    if (!scope) {
        scope = view;
    }
    W* w = scope->findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

}  // namespace kelvo::test
