#include "PortButton.h"

#include <QPainter>

TPortButton::TPortButton(QWidget* parent) : QToolButton(parent) {}

void TPortButton::enterEvent(QEnterEvent* event) {
    QToolButton::enterEvent(event);
    update();
}

void TPortButton::leaveEvent(QEvent* event) {
    QToolButton::leaveEvent(event);
    update();
}

void TPortButton::paintEvent(QPaintEvent*) {
    const auto frame = [this](QPainter& p, const QColor& colour, int width) {
        p.fillRect(0, 0, this->width(), width, colour);
        p.fillRect(0, height() - width, this->width(), width, colour);
        p.fillRect(0, 0, width, height(), colour);
        p.fillRect(this->width() - width, 0, width, height(), colour);
    };
    if (isChecked()) {
        QPainter p(this);
        p.fillRect(rect(), QColor(40, 150, 255, 90));
        frame(p, QColor(40, 150, 255), 2);
    } else if (underMouse()) {
        QPainter p(this);
        frame(p, QColor(120, 190, 255), 1);
    }
}
