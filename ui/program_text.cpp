#include "ui/program_text.h"

#include "text/codepage.h"

QString toQString(std::string_view text) {
    return QString::fromStdU16String(multiByteToWide(text, CodePage::Gb18030));
}

std::string toProgramText(const QString& text) {
    return wideToMultiByte(text.toStdU16String());
}

std::string programText(std::u8string_view utf8) {
    return utf8ToGbk({reinterpret_cast<const char*>(utf8.data()), utf8.size()});
}
