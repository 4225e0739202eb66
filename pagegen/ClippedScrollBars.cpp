#include "ClippedScrollBars.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QScrollBar>
#include <QStyleFactory>
#include <QStyleOptionComplex>

namespace {

class ClippedScrollBarStyle : public QProxyStyle {
public:
    ClippedScrollBarStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override {
        painter->save();
        painter->setClipRect(option->rect, Qt::IntersectClip);
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        painter->restore();
    }
};

}  // namespace

void ClipScrollBarPaint(QAbstractScrollArea* area) {
    // One style for every bar, never deleted: a widget still refers to its style while it is destroyed.
    static auto* const style = new ClippedScrollBarStyle;
    area->horizontalScrollBar()->setStyle(style);
    area->verticalScrollBar()->setStyle(style);
}
