#pragma once

#include <QWidget>

#include <cstdint>

// One LED of a front panel: a small filled shape whose brush and pen share one colour.
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

    static QColor ToQColor(std::int32_t colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void UpdateOpacity();

    Kind Shape;
    std::int32_t Current = 0;
};
