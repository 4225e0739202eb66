#pragma once

#include "DedicatedPage.h"

class QPushButton;
class QTreeWidget;
class TIpStaticRouteEditForm;

// "IP Static Route Table": the IPv4 static routes, added (also the default route) through
// TIpStaticRouteEditForm and deleted here; a route is never edited.
class TIpStaticRouteForm : public TDedicatedPage {
    Q_OBJECT

public:
    explicit TIpStaticRouteForm(QWidget* owner);

    enum Column { Destination, Mask, NextHop, BackupState, Metric, Status };

    QTreeWidget* ListView1;
    QPushButton* btnDefaultRoute;
    TIpStaticRouteEditForm* IpStaticRouteEditForm = nullptr;
    KySNMPRequest2Edits* Binder = nullptr;

    void GetButtonClick();
    void AddButtonClick();
    void btnDefaultRouteClick();
    void DeleteButtonClick();

protected:
    void ReadEnded(const KySNMPError&) override;

private:
    void BuildLayout();
    void FormCreate();
    void ShowDialog(int mode, const QString& suffix);
    void ListView1SelectItem();
};
