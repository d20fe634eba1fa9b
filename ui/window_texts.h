// Captions of the main window that are made from the build values.
#pragma once

#include <QString>

// "QQ：" followed by the account number.
QString supportLabelText(const char* account);

// The notice under the list: four lines joined by CR LF, the last three indented
// by three spaces.
QString noticeText();
