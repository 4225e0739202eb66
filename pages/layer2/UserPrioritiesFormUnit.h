#pragma once

#include "DedicatedPage.h"

class QLabel;
class QLineEdit;
class QTreeWidget;

// "802.1p User Priorities To Traffic Class": the traffic class of every port and user priority; the
// selected row's class is written, the table read again once the switch has answered.
class TUserPrioritiesForm : public TDedicatedPage {
    Q_OBJECT

public:
    explicit TUserPrioritiesForm(QWidget* owner);

    QTreeWidget* ListView1;
    QLabel* PortNumberText;
    QLabel* IndexText;
    QLineEdit* ClassEdit;
    KySNMPRequest2Edits* ClassRequest = nullptr;

    void RefreshButtonClick();
    void SetButtonClick();

protected:
    void ResetInputs() override;

private:
    void BuildLayout();
    void FormCreate();
};
