#include "IPMACBindingIPv6FormUnit.h"

#include "Oid_security.h"

TIPMACBindingIPv6Form::TIPMACBindingIPv6Form(QWidget* owner)
    : TIPMACBindingForm(owner,
                        {.Caption = "IP-MAC Binding IPv6Form",
                         .Width = 685,
                         .Height = 450,
                         .Table = IPMACBindingIPv6Vars,
                         .KeyCount = 1,
                         .KeyFormat = "%s{l32}",
                         .PortsPos = 2,
                         .StatusPos = 5,
                         .CreateAndGoItem = 3,
                         .DestroyItem = 5,
                         .EditCaption = "Edit"},
                        true) {}
