#include "LLDPPortConfigFormUnit.h"

#include "LldpTlvDialog.h"
#include "LldpTlvRequest2Edits.h"
#include "Oid_lldp.h"

TLLDPPortConfigForm::TLLDPPortConfigForm(QWidget* owner)
    : TLldpTlvPage(owner, {.Caption = "LLDP Port Configuration Table", .Width = 699, .Height = 533, .AdminState = true}) {
    TlvDialog = CreateEditDialogOf<TLLDPPortConfigurationForm>();
    FormCreate(LldpPortConfigVars, [this](const TBinderSpec& spec) { return CreateBinder<NewRequest2Edits>(spec); });
}
