#include "SNMPPanel.h"

#include "CtrlBtnPanel.h"
#include "KySNMPRequest2Edits.h"
#include "MsgPanel.h"
#include "PageRequest.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

TSNMPPanel::TSNMPPanel(QWidget* parent, TMsgPanel* sharedStrip, KySNMPRequest2Edits* request)
    : QWidget(parent), Request(request) {
    setObjectName("SNMPPanel");
    if (!sharedStrip) MsgPanel = new TMsgPanel(this);
    StatusStrip = sharedStrip ? sharedStrip : MsgPanel;
    if (Request) Request->SetStatusTarget(StatusStrip->StatusBar);
    ButtonPanel = new TCtrlBtnPanel(this);
    OnClick(ButtonPanel->RefreshButton, [this] { RefreshClick(); });
    OnClick(ButtonPanel->CloseButton, [this] { CloseClick(); });
    OnClick(ButtonPanel->StopButton, [this] { StopClick(); });
    Splitter = new QFrame(this);
    Splitter->setObjectName("Splitter");
    Splitter->setFrameStyle(QFrame::VLine | QFrame::Raised);
    ClientPanel = new QWidget(this);
    ClientPanel->setObjectName("ClientPanel");
    resize(0, 0);
}

void TSNMPPanel::DetachRequest() { Request = nullptr; }

void TSNMPPanel::OnClick(QPushButton* button, std::function<void()> handler) {
    QObject::connect(button, &QPushButton::clicked, this, [this, handler = std::move(handler)] {
        try {
            handler();
        } catch (const std::exception& error) {
            if (Request && Request->StatusTarget()) Request->ShowStatus(error.what());
            else QMessageBox::information(this, QApplication::applicationDisplayName(), error.what());
        }
    });
}

void TSNMPPanel::SetContent(QWidget* content) {
    if (Content) Content->hide();
    Content = content;
    content->setParent(ClientPanel);
    content->show();
    const int column = ButtonPanel->ArrangedHeight();
    const int strip = MsgPanel ? MsgPanel->height() : 0;
    int height = content->height() + strip;
    if (height < column) height = column + strip;
    Natural = QSize(content->width() + ButtonPanel->width() + SplitterWidth + 3, height);
    resize(Natural);
    content->setGeometry(ClientPanel->rect());
}

void TSNMPPanel::FitHostForm(QWidget* form) {
    HostForm = form;
    QSize client = form->size();
    client = client.expandedTo(Natural);
    client.setHeight(std::min(client.height(), MaxClientHeight));
    client.setWidth(std::min(client.width(), MaxClientWidth));
    form->resize(client);
    // From now on the frame fills its parent, whatever size that takes.
    if (!FillParent && parentWidget()) parentWidget()->installEventFilter(this);
    FillParent = true;
    if (parentWidget()) setGeometry(parentWidget()->rect());
}

bool TSNMPPanel::eventFilter(QObject* watched, QEvent* event) {
    if (FillParent && watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

void TSNMPPanel::resizeEvent(QResizeEvent*) {
    const int strip = MsgPanel ? MsgPanel->height() : 0;
    const int above = height() - strip;
    if (MsgPanel) MsgPanel->setGeometry(0, above, width(), strip);
    const int columnLeft = width() - ButtonPanel->width();
    ButtonPanel->setGeometry(columnLeft, 0, ButtonPanel->width(), above);
    Splitter->setGeometry(columnLeft - SplitterWidth, 0, SplitterWidth, above);
    ClientPanel->setGeometry(0, 0, std::max(0, columnLeft - SplitterWidth), above);
    if (Content) Content->setGeometry(ClientPanel->rect());
}

void TSNMPPanel::RefreshClick() {
    if (Request) PageRequest::Read(*Request);
}

void TSNMPPanel::CloseClick() {
    // The host's close handler may be a page's own.
    try {
        if (Request) {
            Request->Request.Active = 0;
            if (Request->Busy) QCoreApplication::processEvents();
        }
        if (HostForm) HostForm->close();
    } catch (const std::exception&) {
        QMessageBox::information(this, QApplication::applicationDisplayName(), "Please initial close form");
    }
}

void TSNMPPanel::StopClick() {
    if (!ButtonPanel->RefreshButton->isEnabled()) ButtonPanel->RefreshButton->setEnabled(true);
    // A running walk sends no further GETNEXT and ends with the stop status line.
    if (Request) Request->Request.Active = 0;
}
