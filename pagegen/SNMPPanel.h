#pragma once

#include <QPointer>
#include <QSize>
#include <QWidget>

#include <functional>

class KySNMPRequest2Edits;
class QFrame;
class QPushButton;
class TCtrlBtnPanel;
class TMsgPanel;

// The frame of every generated page and of its Add and Edit dialogs: content on the left, the button
// column on the right, the status strip at the bottom. Refresh, Stop and Close act on the page's binding
// object, which the page form owns.
class TSNMPPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int SplitterWidth = 3;
    static constexpr int MaxClientWidth = 800;
    static constexpr int MaxClientHeight = 550;

    // sharedStrip: another frame's strip to report on (the dialogs use the page's), or none for a strip
    // of its own.
    TSNMPPanel(QWidget* parent, TMsgPanel* sharedStrip, KySNMPRequest2Edits* request);

    KySNMPRequest2Edits* Request;
    TCtrlBtnPanel* ButtonPanel;
    QWidget* ClientPanel;
    TMsgPanel* MsgPanel = nullptr;
    QPointer<QWidget> HostForm;
    QWidget* Content = nullptr;
    QFrame* Splitter;

    // Shows the content and sizes the frame around it.
    void SetContent(QWidget* content);
    // Grows the form's client area to the frame (never past 800 x 550) and makes the frame fill it.
    void FitHostForm(QWidget* form);
    // The size SetContent gave the frame, before anything stretched it.
    QSize NaturalSize() const { return Natural; }
    // The strip this frame reports on: its own or the shared one.
    TMsgPanel* Strip() const { return StatusStrip; }
    // The page form has freed the binding object: nothing here may reach it any more.
    virtual void DetachRequest();

    void RefreshClick();
    void CloseClick();
    void StopClick();

    // Connects a button of this frame's column; a failure in the handler ends on the status line.
    void OnClick(QPushButton* button, std::function<void()> handler);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TMsgPanel* StatusStrip;
    QSize Natural;
    bool FillParent = false;
};
