#include "KyLedShape.h"

#include "KyLedWindow.h"

#include <QPainter>

#include <algorithm>

KyLedShape::KyLedShape(QWidget* parent, Kind kind)
    : QWidget(parent), Shape(kind), Window(qobject_cast<KyLedWindow*>(parent)) {
    // The window draws it; as a widget it stays hidden even when the window is shown.
    if (Window) QWidget::setVisible(false);
    UpdateOpacity();
}

void KyLedShape::SetShapeKind(Kind kind) {
    Shape = kind;
    UpdateOpacity();
    Repaint();
}

void KyLedShape::UpdateOpacity() {
    // A rectangle covers every pixel: a change repaints the LED alone, not the panel beneath it.
    setAttribute(Qt::WA_OpaquePaintEvent, Shape == Rectangle);
}

void KyLedShape::SetColour(std::int32_t colour) {
    if (colour == Current) return;
    Current = colour;
    Repaint();
}

void KyLedShape::setVisible(bool visible) {
    if (!Window) {
        QWidget::setVisible(visible);
        return;
    }
    if (visible == ShownByWindow) return;
    ShownByWindow = visible;
    Window->update(geometry());
}

void KyLedShape::Repaint() {
    if (!Window) {
        update();
        return;
    }
    // A window scrolled out of view is drawn afresh when it comes back: its LEDs may change unseen.
    if (ShownByWindow && !Window->visibleRegion().isEmpty()) Window->update(geometry());
}

QColor KyLedShape::ToQColor(std::int32_t colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

void KyLedShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Draw(painter, rect(), Shape, Current);
}

void KyLedShape::Draw(QPainter& painter, const QRect& rect, Kind kind, std::int32_t colour) {
    const QColor qcolour = ToQColor(colour);
    if (kind == Rectangle) {
        painter.fillRect(rect, qcolour);
        return;
    }
    painter.save();
    painter.setPen(qcolour);
    painter.setBrush(qcolour);
    QRect area = rect.adjusted(0, 0, -1, -1);
    // The square kinds use the largest centred square.
    if (kind == Square || kind == RoundSquare || kind == Circle) {
        const int side = std::min(area.width(), area.height());
        area = QRect(area.x() + (area.width() - side) / 2, area.y() + (area.height() - side) / 2, side, side);
    }
    switch (kind) {
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
    painter.restore();
}
