#pragma once

#include "DedicatedPage.h"

class QPushButton;
class QTreeWidget;
class TIpv6StaticRouteEditForm;

// "IPv6 Static Route Table": the IPv6 static routes, added (also the default route) through
// TIpv6StaticRouteEditForm and deleted here.
class TIpv6StaticRouteForm : public TDedicatedPage {
    Q_OBJECT

public:
    explicit TIpv6StaticRouteForm(QWidget* owner);

    enum Column { Destination, PrefixLength, InterfaceName, NextHop, Metric, Protocol, RowStatus, BackupState };

    QTreeWidget* ListView1;
    QPushButton* btnAddDefault;
    TIpv6StaticRouteEditForm* Ipv6StaticRouteEditForm = nullptr;
    KySNMPRequest2Edits* Binder = nullptr;

    void btnGetClick();
    void btnAddClick();
    void btnAddDefaultClick();
    void btnDeleteClick();

private:
    void BuildLayout();
    void FormCreate();
    void ListView1SelectItem();
};
