#include "tests/ui/window_fixture.h"

#include <QTest>

#include <string>
#include <utility>

#include "ui/result_list.h"
#include "ui/toolkit.h"
#include "ui/window_created.h"

void WindowFixture::TearDown() {
    delete window_;
}

MainWindow& WindowFixture::load(WindowHandlers handlers) {
    if (!handlers.onWindowCreated) handlers.onWindowCreated = onWindowCreated;
    window_ = &loadWindow(handlers);
    return *window_;
}

void clickRow(ResultList* list, int row, Qt::MouseButton button) {
    const QRect cell = list->visualRect(list->model()->index(row, 1));
    QTest::mouseClick(list->viewport(), button, {}, cell.center());
}

void fillLinks(ResultList* list, std::initializer_list<const char*> links) {
    for (const char* link : links) {
        const int row = insertRow(list);
        setCellText(list, row, 1, std::to_string(row + 1));
        setCellText(list, row, 5, link);
    }
}
