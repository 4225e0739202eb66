#pragma once

#include "DedicatedPage.h"

class QTreeWidget;
class TDNSCtrlAddForm;

// "DNS Relay Control Table": the static DNS relay entries (domain name and server address); added
// through TDNSCtrlAddForm and removed here by writing their state "invalid".
class TDNSCtrlForm : public TDedicatedPage {
    Q_OBJECT

public:
    explicit TDNSCtrlForm(QWidget* owner);

    enum Column { DomainName, IPAddress, State };
    static constexpr int InvalidItem = 0;
    static constexpr int ValidItem = 1;

    QTreeWidget* ListView1;
    TDNSCtrlAddForm* DNSCtrlAddForm = nullptr;
    KySNMPRequest2Edits* Binder = nullptr;

    void btnGetClick();
    void btnAddClick();
    void btnDeleteClick();
    // A write stops a read still running and waits for its end.
    void StopReading();

private:
    void BuildLayout();
    void FormCreate();
    void ListView1SelectItem();
};
