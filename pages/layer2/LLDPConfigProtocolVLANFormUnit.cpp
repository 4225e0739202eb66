#include "LLDPConfigProtocolVLANFormUnit.h"

#include "Oid_lldp.h"

TLLDPConfigProtocolVLANForm::TLLDPConfigProtocolVLANForm(QWidget* owner)
    : TLldpDot1TxPage(owner, {.Caption = "LLDP Dot1 Configuration Protocol VLAN  Table",
                              .Table = LldpDot1ProtocolVlanTxVars,
                              .IndexCaption = "VLAN ID",
                              .ValueCaption = "Protocol VLAN TX",
                              .Width = 460,
                              .Height = 471,
                              .ItemType = MVT_UMV}) {}
