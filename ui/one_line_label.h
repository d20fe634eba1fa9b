// A label that always draws its caption on one line, like a static control with
// single-line drawing: a line break in the text does not start a new line.
#pragma once

#include <QLabel>

class OneLineLabel : public QLabel {
    Q_OBJECT

public:
    explicit OneLineLabel(QWidget* parent = nullptr);

    // The caption as drawn: text() with its carriage returns and line feeds left out.
    QString displayText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};
