#pragma once

#include "PageEditDialog.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// "Host Table Edit": a new trusted host, written through the table page's binder. Add only.
class THostTableEditForm : public TPageEditDialog {
    Q_OBJECT

public:
    explicit THostTableEditForm(TDedicatedPage& page);

    QCheckBox* IndexCBox;
    QCheckBox* IPCBox;
    QCheckBox* StatusCBox;
    QCheckBox* IPnetCBox;
    QLineEdit* IndexEdit;
    QLineEdit* IpEdit;
    QComboBox* StatusComboBox;
    QLineEdit* IPSubnetEdit;
    QPushButton* SetButton;
    QPushButton* CheckAllButton;
    QPushButton* ClearButton;
    QPushButton* CloseButton;

    // FormActivate: a new row with its status fixed at createAndGo.
    void PrepareAdd() override;
    void SetButtonClick();

    // The message that refuses a host address, or none: no broadcast, 0.0.0.0, loopback or multicast
    // and reserved first octets 224-247, and a whole dotted address.
    static QString HostAddressRefusal(const QString& text);

private:
    bool Refuse(const QString& text, QWidget* focus);
};
