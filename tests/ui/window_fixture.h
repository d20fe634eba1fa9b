// A loaded main window per test, and the mouse steps the tests share.
#pragma once

#include <QPointer>

#include <initializer_list>

#include <gtest/gtest.h>

#include "ui/main_window.h"
#include "ui/window_handlers.h"

class ResultList;

class WindowFixture : public testing::Test {
protected:
    void TearDown() override;

    // Loads a fresh window bound to `handlers` (the window's own created handler
    // is added when `handlers` has none).
    MainWindow& load(WindowHandlers handlers);

    MainWindow& window() { return *window_; }

private:
    QPointer<MainWindow> window_;
};

// Clicks the middle of `row` (in its first visible column) with `button`.
void clickRow(ResultList* list, int row, Qt::MouseButton button);

// Appends rows whose column 5 holds the given links, numbered from 1.
void fillLinks(ResultList* list, std::initializer_list<const char*> links);
