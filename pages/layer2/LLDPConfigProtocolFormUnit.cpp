#include "LLDPConfigProtocolFormUnit.h"

#include "Oid_lldp.h"

TLLDPConfigProtocolForm::TLLDPConfigProtocolForm(QWidget* owner)
    : TLldpDot1TxPage(owner, {.Caption = "LLDP Dot1 Configuration Protocol Table",
                              .Table = LldpDot1ProtocolTxVars,
                              .IndexCaption = "Index",
                              .ValueCaption = "Protocol TX",
                              .Width = 462,
                              .Height = 467,
                              .ItemType = MVT_UMV}) {}
