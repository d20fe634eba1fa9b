// Program text (GB18030 bytes in a std::string) meets Qt's Unicode here and
// nowhere else: every toolkit operation converts at this boundary.
#pragma once

#include <QString>

#include <string>
#include <string_view>

QString toQString(std::string_view text);

std::string toProgramText(const QString& text);

// A UTF-8 source literal as program text, for literals that routines hand to
// the toolkit operations (the window's own captions stay QString).
std::string programText(std::u8string_view utf8);
