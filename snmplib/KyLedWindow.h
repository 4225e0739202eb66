#pragma once

#include <QFrame>

// A panel of LEDs that draws the shapes placed on it itself, over its palette's window colour. A front
// panel shows hundreds of LEDs that blink together: as widgets of their own each change would cost a
// widget repaint, here it costs one rectangle of the window, and the window paints the rectangles of one
// step in one go, background and shapes with one painter.
class KyLedWindow : public QFrame {
    Q_OBJECT

public:
    explicit KyLedWindow(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
