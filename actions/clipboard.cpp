#include "actions/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "ui/program_text.h"

void copyToClipboard(std::string_view text) {
    QGuiApplication::clipboard()->setText(toQString(text));
}
