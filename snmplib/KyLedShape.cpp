#include "KyLedShape.h"

#include <QPainter>

#include <algorithm>

KyLedShape::KyLedShape(QWidget* parent, Kind kind) : QWidget(parent), Shape(kind) { UpdateOpacity(); }

void KyLedShape::SetShapeKind(Kind kind) {
    Shape = kind;
    UpdateOpacity();
    update();
}

void KyLedShape::UpdateOpacity() {
    // A rectangle covers every pixel: a change repaints the LED alone, not the panel beneath it.
    setAttribute(Qt::WA_OpaquePaintEvent, Shape == Rectangle);
}

void KyLedShape::SetColour(std::int32_t colour) {
    if (colour == Current) return;
    Current = colour;
    update();
}

QColor KyLedShape::ToQColor(std::int32_t colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

void KyLedShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor colour = ToQColor(Current);
    if (Shape == Rectangle) {
        painter.fillRect(rect(), colour);
        return;
    }
    painter.setPen(colour);
    painter.setBrush(colour);
    QRect area = rect().adjusted(0, 0, -1, -1);
    // The square kinds use the largest centred square.
    if (Shape == Square || Shape == RoundSquare || Shape == Circle) {
        const int side = std::min(area.width(), area.height());
        area = QRect(area.x() + (area.width() - side) / 2, area.y() + (area.height() - side) / 2, side, side);
    }
    switch (Shape) {
    case Rectangle:
    case Square:
        painter.drawRect(area);
        break;
    case RoundRect:
    case RoundSquare: {
        const qreal radius = std::min(area.width(), area.height()) / 4.0;
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawRoundedRect(area, radius, radius);
        break;
    }
    case Ellipse:
    case Circle:
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawEllipse(area);
        break;
    }
}
