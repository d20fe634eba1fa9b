// The actions on the link of the result list's current row (column 5), reached
// from a right click in the list or from the window's menu bar.
#pragma once

// Shows the row menu at the mouse cursor when the current row has a link.
void onResultListRightClick();

// Navigates the hidden browser box to the current row's link.
void onDownloadMenuSelected();

// Copies the current row's link; the empty text when there is no current row.
void onCopyLinkMenuSelected();
