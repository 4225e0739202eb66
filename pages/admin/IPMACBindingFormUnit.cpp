#include "IPMACBindingFormUnit.h"

#include "AddressChecks.h"
#include "KyIPv4.h"
#include "Oid_security.h"

TIPMACBindingForm::TIPMACBindingForm(QWidget* owner)
    : TIPMACBindingForm(owner,
                        {.Caption = "IP-MAC Binding Form",
                         .Width = 684,
                         .Height = 494,
                         .Table = IPMACBindingVars,
                         .KeyCount = 1,
                         .KeyFormat = "%s{l16}",
                         .PortsPos = 2,
                         .StatusPos = 3,
                         .CreateAndGoItem = 3,
                         .DestroyItem = 5,
                         .EditCaption = "Edit"},
                        false) {}

TIPMACBindingForm::TIPMACBindingForm(QWidget* owner, const TAddressBindingTexts& texts, bool ipv6)
    : TAddressBindingPage(owner, texts), IPv6(ipv6) {}

QString TIPMACBindingForm::AddressRefusal(const QString& text) const {
    const bool valid = IPv6 ? IsHexOfLength(text, 32) : parseIPv4Address(text.toStdString()).has_value();
    return valid ? QString() : QStringLiteral("Please input a valid ip");
}

bool TIPMACBindingForm::SendsPorts(bool) const { return AnyPortChecked(); }
