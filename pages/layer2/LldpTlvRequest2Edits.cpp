#include "LldpTlvRequest2Edits.h"

#include "LldpText.h"

#include <QTreeWidget>

LldpTlvRequest2Edits::LldpTlvRequest2Edits(QWidget* owner, int tlvPosition, QStringList names)
    : KySNMPRequest2Edits(owner), TlvPosition(tlvPosition), Names(std::move(names)) {}

void LldpTlvRequest2Edits::RowReceived() {
    if (!ListView) return;
    KySNMPVar& tlv = Request.VarList.GetVar(TlvPosition);
    tlv.Value = BitNames(tlv.Value, Names).toStdString();
    AddListRow();
}

void LldpTlvRequest2Edits::CollectForSet() {
    KySNMPRequest2Edits::CollectForSet();
    // The edit holds names, the switch takes the octet.
    if (TlvText) Request.VarList.GetVar(TlvPosition).Value = NamesToBits(TlvText(), Names);
}

NewRequest2Edits::NewRequest2Edits(QWidget* owner) : LldpTlvRequest2Edits(owner, 3, TlvNames()) {}

const QStringList& NewRequest2Edits::TlvNames() {
    static const QStringList names = {"Port Description", "System Name", "System Description", "System Capabilities"};
    return names;
}

LLDPDot3PortConfigNewRequest2Edits::LLDPDot3PortConfigNewRequest2Edits(QWidget* owner)
    : LldpTlvRequest2Edits(owner, 1, TlvNames()) {}

const QStringList& LLDPDot3PortConfigNewRequest2Edits::TlvNames() {
    static const QStringList names = {"macPhyConfigStatus", "powerViaMDI", "linkAggregation", "maxFrameSize"};
    return names;
}
