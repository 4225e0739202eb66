#pragma once

#include "PageEditDialog.h"

class KySNMPRequest2Edits;
class QComboBox;
class QLineEdit;
class QPushButton;

// "Ip Static Route Edit": adds an IPv4 static route, or the default route with destination and mask
// 0.0.0.0, through the route page's binder.
class TIpStaticRouteEditForm : public TPageEditDialog {
    Q_OBJECT

public:
    explicit TIpStaticRouteEditForm(TDedicatedPage& page);

    static constexpr int AddMode = 2;
    static constexpr int DefaultRouteMode = 3;
    int Mode = AddMode;

    void Bind(KySNMPRequest2Edits& binder);

    QLineEdit* DesEdit;
    QLineEdit* MaskEdit;
    QComboBox* BakeupComboBox;
    QLineEdit* NextHopEdit;
    QLineEdit* MetricEdit;
    QComboBox* cbxStatus;
    QPushButton* SetButton;

    void FormActivate();
    void SetButtonClick();

private:
    void BuildLayout();
    bool Refuse(QLineEdit* focus, const QString& text);
    // The question for a 0.0.0.0 destination or mask; OK closes the dialog. Either way nothing is sent.
    bool RefuseDefaultRoute(QLineEdit* focus);
    bool ValidateAdd();
    bool ValidateDefaultRoute();
};
