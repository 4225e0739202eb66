#include "KyLedWindow.h"

#include "KyLedShape.h"

#include <QPaintEvent>
#include <QPainter>

KyLedWindow::KyLedWindow(QWidget* parent) : QFrame(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

void KyLedWindow::paintEvent(QPaintEvent* event) {
    // Without a frame the frame's own painter would draw nothing.
    if (frameShape() != QFrame::NoFrame) QFrame::paintEvent(event);
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().window());
    for (QObject* child : children()) {
        const auto* shape = qobject_cast<const KyLedShape*>(child);
        if (shape && shape->Shown() && event->region().intersects(shape->geometry()))
            KyLedShape::Draw(painter, shape->geometry(), shape->ShapeKind(), shape->Colour());
    }
}
