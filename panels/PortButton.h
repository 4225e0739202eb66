#pragma once

#include <QToolButton>

// A port's button over the panel's picture: nothing of its own shows until the mouse is over it (a
// light frame) or it is down (a blue frame over a blue tint). Painted by hand: a style sheet on every
// button of twelve panels makes the start pay for polishing each one.
class TPortButton : public QToolButton {
    Q_OBJECT

public:
    explicit TPortButton(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
};
