#include "LLDPConfigVLANNameFormUnit.h"

#include "Oid_lldp.h"

TLLDPConfigVLANNameForm::TLLDPConfigVLANNameForm(QWidget* owner)
    : TLldpDot1TxPage(owner, {.Caption = "LLDP Dot1 Configuration VLAN Name Table",
                              .Table = LldpDot1VlanNameTxVars,
                              .IndexCaption = "VLAN ID",
                              .ValueCaption = "VLAN Name TX",
                              .Width = 449,
                              .Height = 470,
                              .ItemType = MVT_UMV}) {}
