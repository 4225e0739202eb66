#pragma once

#include "AddressBindingPage.h"

// "IP-MAC Binding Form": IPv4 addresses bound to a MAC address and ports; the switch tells how each
// entry was learned and whether its filter is in force. The IPv6 page is the same page over its table.
class TIPMACBindingForm : public TAddressBindingPage {
    Q_OBJECT

public:
    explicit TIPMACBindingForm(QWidget* owner);

protected:
    TIPMACBindingForm(QWidget* owner, const TAddressBindingTexts& texts, bool ipv6);
    // An IPv4 address, or exactly 32 hexadecimal digits on the IPv6 page: a malformed key never becomes
    // an instance.
    QString AddressRefusal(const QString& text) const override;
    // An empty port selection is not sent.
    bool SendsPorts(bool adding) const override;

private:
    const bool IPv6;
};
