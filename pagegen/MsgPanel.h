#pragma once

#include <QWidget>

class QLabel;

// The one-line status strip at the bottom of a page: the binding object's status target. A label, so
// that menu status tips never wipe a request's result.
class TMsgPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int StripHeight = 20;

    explicit TMsgPanel(QWidget* owner);

    QLabel* StatusBar;

protected:
    void resizeEvent(QResizeEvent* event) override;
};
