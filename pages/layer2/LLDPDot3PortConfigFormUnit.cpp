#include "LLDPDot3PortConfigFormUnit.h"

#include "LldpTlvDialog.h"
#include "LldpTlvRequest2Edits.h"
#include "Oid_lldp.h"

TLLDPDot3PortConfigForm::TLLDPDot3PortConfigForm(QWidget* owner)
    : TLldpTlvPage(owner, {.Caption = "LLDP Dot3 Port Configuration Table", .Width = 495, .Height = 497, .AdminState = false}) {
    TlvDialog = CreateEditDialogOf<TLLDPDot3PortConfigurationForm>();
    FormCreate(LldpDot3PortConfigVars,
               [this](const TBinderSpec& spec) { return CreateBinder<LLDPDot3PortConfigNewRequest2Edits>(spec); });
}
