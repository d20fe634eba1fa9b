#include <QApplication>
#include <QStyle>

#include "ui/toolkit.h"

using namespace Qt::StringLiterals;

namespace {

// Fusion draws every kind of control in one themed look on any desktop.
const QString themedStyle = u"Fusion"_s;

const QString& startingStyle() {
    static const QString name = QApplication::style()->name();
    return name;
}

}  // namespace

void setTheme(int look) {
    const QString& starting = startingStyle();  // remembered before a switch replaces it
    const QString& wanted = (look >= 1 && look <= 3) ? themedStyle : starting;
    if (QApplication::style()->name().compare(wanted, Qt::CaseInsensitive) != 0)
        QApplication::setStyle(wanted);
}
