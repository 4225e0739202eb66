#include "ARPSpoofingPreventMgmtFormUnit.h"

#include "KyIPv4.h"
#include "MainUnit.h"
#include "Oid_device.h"
#include "StackingPortUitForm.h"

#include <QCheckBox>

namespace {

enum Column { GatewayIP, MAC, Ports, Status };

}  // namespace

TARPSpoofingPreventMgmtForm::TARPSpoofingPreventMgmtForm(QWidget* owner)
    : TAddressBindingPage(owner, {.Caption = "ARPSpoofingPreventMgmtTable",
                                  .Width = 683,
                                  .Height = 468,
                                  .Table = ARPSpoofingPreventMgmtVars,
                                  .KeyCount = 2,
                                  .KeyFormat = "%s{l16}",
                                  .PortsPos = Ports,
                                  .StatusPos = Status,
                                  .CreateAndGoItem = 1,
                                  .DestroyItem = 2,
                                  .EditCaption = "Set"}) {}

QString TARPSpoofingPreventMgmtForm::AddressRefusal(const QString& text) const {
    if (parseIPv4Address(text.toStdString())) return {};
    // A dot with no digit after it has a wording of its own.
    const bool danglingDot = text.contains(QStringLiteral("..")) || (text.endsWith('.') && text.size() > 1);
    return danglingDot ? QStringLiteral("Please input a valid   IP") : QStringLiteral("Please input a valid IP");
}

bool TARPSpoofingPreventMgmtForm::SendsPorts(bool adding) const {
    if (!adding) return true;
    const TPortSelectorDevice device = CurrentPortSelectorDevice();
    for (const TPortSelectorUnit& unit : device.Units) {
        if (unit.ModuleName == "Not_Exist") continue;
        bool number = false;
        const int id = QString::fromStdString(unit.UnitId).toInt(&number);
        if (!number || id < 1 || id > MaxStackUnits) continue;
        const int first = (id - 1) * UnitPortPositions;
        const int count = getModelPortCount(unit.ModuleName, device.Stacked);
        for (int k = first; k < first + count && k < int(PortSelector->PortCheckBoxes.size()); ++k)
            if (PortSelector->PortCheckBoxes[std::size_t(k)]->isChecked()) return true;
    }
    return false;
}
