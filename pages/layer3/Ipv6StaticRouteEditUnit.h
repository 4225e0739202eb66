#pragma once

#include "PageEditDialog.h"

class KySNMPRequest2Edits;
class QComboBox;
class QLineEdit;
class QPushButton;

// "IPv6 Static Route Edit": adds an IPv6 static route, or the default route (all zeros, prefix 0),
// through the route page's binder. Addresses are 32 hexadecimal digits.
class TIpv6StaticRouteEditForm : public TPageEditDialog {
    Q_OBJECT

public:
    explicit TIpv6StaticRouteEditForm(TDedicatedPage& page);

    static constexpr int AddMode = 1;
    static constexpr int AddDefaultMode = 2;
    int Mode = AddMode;

    void Bind(KySNMPRequest2Edits& binder);

    QLineEdit* edtDst;
    QLineEdit* edtPrefix;
    QLineEdit* edtInterface;
    QLineEdit* edtNextHop;
    QLineEdit* edtMetric;
    QComboBox* cbxStatus;
    QComboBox* cbxBackup;
    QPushButton* btnSet;

    void FormActivate();
    void btnSetClick();

private:
    void BuildLayout();
    bool Refuse(QLineEdit* focus, const QString& text);
    bool IsValidIPv6Text(QLineEdit* edit);
    bool Validate();
};
