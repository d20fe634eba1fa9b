// The operations the program needs of its window toolkit. All run on the window
// thread. Texts are program text (GB18030 bytes); a text passed in is copied.
#pragma once

#include <QPoint>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/result_model.h"

class BrowserBox;
class MainWindow;
class QLabel;
class QLineEdit;
class QMenu;
class ResultList;
struct WindowHandlers;

// Window and message loop

// Creates the main window, binds its events to `handlers`, shows it centred on
// the screen and then raises its created event once. A window loaded before is
// destroyed first.
MainWindow& loadWindow(const WindowHandlers& handlers);

// The loaded window; only valid between loadWindow and the window's closing.
MainWindow& mainWindow();

// Delivers events until the last window is gone, then runs the exit hooks once.
// Returns the loop's exit code.
int runMessageLoop();

// `routine` runs once when the program ends, after the message loop.
void registerExitHook(std::function<void()> routine);

// Captions and edit boxes

std::string getText(const QLineEdit* editBox);
void setText(QLabel* label, std::string_view text);
void setText(QLineEdit* editBox, std::string_view text);

// The result list. Rows and columns count from 0; a cell outside the list reads
// as the empty text and ignores writes.

void deleteAllRows(ResultList* list);
// Appends one empty row and returns its index.
int insertRow(ResultList* list);
// Appends many rows at once, for filling a long list in one step.
void appendRows(ResultList* list, std::vector<ListRow> rows);
void setCellText(ResultList* list, int row, int column, std::string_view text);
std::string getCellText(const ResultList* list, int row, int column);
int rowCount(const ResultList* list);
// The first selected row, or -1 when no row is selected.
int currentRow(const ResultList* list);

// Mouse, popup menu, browser box, theme

// The mouse position in screen coordinates.
QPoint cursorPosition();
// Shows `menu` with its top-left corner at the screen point (x, y) and returns
// once it has closed; a chosen item has raised its selected event by then.
void showPopupMenu(QMenu* menu, int x, int y);
// The box navigates to `text` at once.
void setAddress(BrowserBox* browserBox, std::string_view text);
// Looks 1 to 3 switch the themed style on for every present and later control;
// any other look switches back to the style the program started with.
void setTheme(int look);
