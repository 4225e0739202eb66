#include "IGMPSnoopingDataDrivenLearningGroupUnit.h"

#include "Oid_device.h"

TIGMPSnoopingDataDrivenLearingGroupForm::TIGMPSnoopingDataDrivenLearingGroupForm(QWidget* owner)
    : TDataDrivenGroupPage(owner, {.Width = 647,
                                   .Height = 406,
                                   .Table = IgmpDataDrivenGroupVars,
                                   .AddressFormat = "%s{l16}",
                                   .AddressEnabledAtStart = true}) {
    setWindowTitle(QStringLiteral("IGMP Snooping Data Driven Learning Group Table"));
}
