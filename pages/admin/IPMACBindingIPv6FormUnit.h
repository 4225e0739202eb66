#pragma once

#include "IPMACBindingFormUnit.h"

// "IP-MAC Binding IPv6Form": the IPv6 twin of the IP-MAC-port binding page.
class TIPMACBindingIPv6Form : public TIPMACBindingForm {
    Q_OBJECT

public:
    explicit TIPMACBindingIPv6Form(QWidget* owner);
};
