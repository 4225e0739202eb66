#pragma once

#include <QWidget>

#include <cstdint>

class KyLedWindow;

// One LED of a front panel: a small filled shape whose brush and pen share one colour. On a LED window
// the window draws it: the widget itself never shows, and showing or hiding it shows or hides the drawing.
class KyLedShape : public QWidget {
    Q_OBJECT

public:
    enum Kind { Rectangle = 0, Square, RoundRect, RoundSquare, Ellipse, Circle };

    explicit KyLedShape(QWidget* parent = nullptr, Kind kind = Rectangle);

    Kind ShapeKind() const { return Shape; }
    void SetShapeKind(Kind kind);
    // Colour with red in the low byte, then green, then blue.
    std::int32_t Colour() const { return Current; }
    void SetColour(std::int32_t colour);
    // Shown on screen, by itself or by its window.
    bool Shown() const { return Window ? ShownByWindow : isVisible(); }

    void setVisible(bool visible) override;

    static QColor ToQColor(std::int32_t colour);
    // The shape of that kind in that colour, within the rectangle.
    static void Draw(QPainter& painter, const QRect& rect, Kind kind, std::int32_t colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void UpdateOpacity();
    // The shape's rectangle on its window, or the widget itself, to be painted again.
    void Repaint();

    Kind Shape;
    std::int32_t Current = 0;
    KyLedWindow* Window = nullptr;  // the parent that draws this shape
    bool ShownByWindow = false;
};
