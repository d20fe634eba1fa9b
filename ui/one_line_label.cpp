#include "ui/one_line_label.h"

#include <QPainter>
#include <QStyle>

#include "ui/accessible_names.h"

OneLineLabel::OneLineLabel(QWidget* parent) : QLabel(parent) {
    readOneLineLabelsAsDrawn();
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setFrameShape(QFrame::NoFrame);
    setWordWrap(false);
}

QString OneLineLabel::displayText() const {
    QString shown = text();
    shown.remove(QLatin1Char('\r'));
    shown.remove(QLatin1Char('\n'));
    return shown;
}

void OneLineLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), int(alignment()) | Qt::TextSingleLine,
                          palette(), isEnabled(), displayText(), foregroundRole());
}
