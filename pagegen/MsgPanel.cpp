#include "MsgPanel.h"

#include <QLabel>

TMsgPanel::TMsgPanel(QWidget* owner) : QWidget(owner) {
    setObjectName("MsgPanel");
    setFixedHeight(StripHeight);
    StatusBar = new QLabel(this);
    StatusBar->setObjectName("StatusBar");
    StatusBar->setFrameStyle(QFrame::Panel | QFrame::Sunken);
}

void TMsgPanel::resizeEvent(QResizeEvent*) { StatusBar->setGeometry(0, 0, width(), StripHeight); }
