#include "MLDSnoopingDataDrivenLearningGroupUnit.h"

#include "Oid_mld.h"

TMLDSnoopingDataDrivenLearingGroupForm::TMLDSnoopingDataDrivenLearingGroupForm(QWidget* owner)
    : TDataDrivenGroupPage(owner, {.Width = 668,
                                   .Height = 407,
                                   .Table = MldDataDrivenGroupVars,
                                   .AddressFormat = "%s{l32}",
                                   .AddressEnabledAtStart = false}) {
    setWindowTitle(QStringLiteral("MLD Snooping Data Driven Learning Group Table"));
}
