#pragma once

#include "DedicatedPage.h"

class QComboBox;
class QLineEdit;

// "Log Save Control": how the switch saves its log, and the interval of the time-interval method.
class TLogSaveControlForm : public TDedicatedPage {
    Q_OBJECT

public:
    explicit TLogSaveControlForm(QWidget* owner);

    QComboBox* cbxLogSaveMethod;
    QLineEdit* EdLogSavetimeInterval;
    KySNMPRequest2Edits* Binder = nullptr;

    void btnRefreshClick();
    void btnSetClick();
    void cbxLogSaveMethodChange();

private:
    void BuildLayout();
    void FormCreate();
};
