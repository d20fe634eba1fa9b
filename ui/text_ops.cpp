#include <QLabel>
#include <QLineEdit>

#include "ui/program_text.h"
#include "ui/toolkit.h"

std::string getText(const QLineEdit* editBox) {
    return toProgramText(editBox->text());
}

void setText(QLabel* label, std::string_view text) {
    label->setText(toQString(text));
}

void setText(QLineEdit* editBox, std::string_view text) {
    editBox->setText(toQString(text));
}
