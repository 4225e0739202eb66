#pragma once

#include "DedicatedPage.h"

class QLabel;
class QTreeWidget;
class TMSTPPortStateEditForm;

// "STP Port State Information": every port's spanning tree settings and states, one port changed at a
// time in the edit dialog. The admin hello time is written only under MSTP.
class TMSTPPortStateForm : public TDedicatedPage {
    Q_OBJECT

public:
    explicit TMSTPPortStateForm(QWidget* owner);

    QTreeWidget* lvMSTPPortState;
    QLabel* lblSTPVersion;  // hidden: "stp", "rstp" or "mstp" as last read
    TMSTPPortStateEditForm* MSTPPortStateEditForm = nullptr;
    KySNMPRequest2Edits* PortStateRequest = nullptr;
    KySNMPRequest2Edits* PortStpVersionRequest = nullptr;

    void btnRefreshClick();
    void OpenEditDialog();

private:
    void BuildLayout();
    void FormCreate();
    void ReadVersion();
};
