#pragma once

#include "DedicatedPage.h"

#include <array>

class QComboBox;
class QLineEdit;

// "SSL Global Settings": the SSL state, the cache time-out and the four cipher suites, which the switch
// keeps as flag bits of one octet.
class TSSLManagementForm : public TDedicatedPage {
    Q_OBJECT

public:
    explicit TSSLManagementForm(QWidget* owner);

    QComboBox* cbxSSLVersion;
    QLineEdit* edtCacheTimeOut;
    QLineEdit* edtciphersuites;  // hidden: the octet as two hex digits
    std::array<QComboBox*, 4> cbxciphersuites;
    KySNMPRequest2Edits* Binder = nullptr;

    void btnGetClick();
    void btnSetClick();

private:
    void BuildLayout();
    void FormCreate();
    void GetErrorHook(const KySNMPError& error);
    void ShowCipherSuites();
    QChar CipherSuitesDigit() const;
};
