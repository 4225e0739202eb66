#pragma once

#include "AddressBindingPage.h"

// "ARPSpoofingPreventMgmtTable": gateway addresses bound to the gateway's MAC address, enforced on the
// ports listed. The gateway and its MAC address together name the row.
class TARPSpoofingPreventMgmtForm : public TAddressBindingPage {
    Q_OBJECT

public:
    explicit TARPSpoofingPreventMgmtForm(QWidget* owner);

protected:
    QString AddressRefusal(const QString& text) const override;
    // A new row takes the port list only when a front-panel port of a present unit is checked.
    bool SendsPorts(bool adding) const override;
};
