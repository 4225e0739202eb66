#pragma once

#include "DedicatedPage.h"

class QComboBox;
class QTreeWidget;
class TNewBootpCtrlForm;

// "DHCP/BOOTP Relay Control Table": the servers each IP interface relays DHCP and BOOTP requests to;
// pairs are added through TNewBootpCtrlForm and removed here by writing their state "invalid".
class TBOOTCtrlTableForm : public TDedicatedPage {
    Q_OBJECT

public:
    explicit TBOOTCtrlTableForm(QWidget* owner);

    enum Column { InterfaceName, ServerIP, State };
    static constexpr int InvalidItem = 1;
    static constexpr int ValidItem = 2;

    QTreeWidget* ListView1;
    QComboBox* ComboBox1;  // hidden: the pair's state
    TNewBootpCtrlForm* NewBootpCtrlForm = nullptr;
    KySNMPRequest2Edits* Binder = nullptr;

    void RefreshBtnClick();
    void AddBtnClick();
    void DeleteBtnClick();

private:
    void BuildLayout();
    void FormCreate();
    void ListView1SelectItem();
};
