#include "NewRequest2Edits3.h"

#include "LldpText.h"

#include <QTreeWidget>

namespace {

enum Column { ChassisSubtype = 3, ChassisId, PortSubtype, PortId, Supported = 10, Enabled };

}  // namespace

NewRequest2Edits3::NewRequest2Edits3(QWidget* owner) : KySNMPRequest2Edits(owner) {}

void NewRequest2Edits3::BeforeGet() {
    // The IDs are read as octets: a display string would end at a MAC address's zero octet.
    for (int id : {ChassisId, PortId}) Request.VarList.GetVar(id).Syntax = sxOctetStr;
    KySNMPRequest2Edits::BeforeGet();
}

void NewRequest2Edits3::DecodeCapabilities() {
    for (int column : {Supported, Enabled}) {
        KySNMPVar& var = Request.VarList.GetVar(column);
        var.Value = BitNames(var.Value, CapabilityNames()).toStdString();
    }
}

void NewRequest2Edits3::RowReceived() {
    if (!ListView) return;
    DecodeCapabilities();
    KySNMPVarList& row = Request.VarList;
    for (const auto& [subtype, id] : {std::pair{ChassisSubtype, ChassisId}, std::pair{PortSubtype, PortId}}) {
        KySNMPVar& value = row.GetVar(id);
        value.Value = LldpIdText(QString::fromStdString(row.GetVar(subtype).Value), value.Value).toStdString();
    }
    AddListRow();
}
