#include "IBPEtherMaskFormUnit.h"

#include "Oid_acl.h"

TIBPACLEtherMaskForm::TIBPACLEtherMaskForm(QWidget* owner)
    : TIBPViewerPage(owner, {.Table = IBPACLEtherMaskVars,
                             .KeyCount = 1,
                             .RefreshName = "BT_Get",
                             .Fields = {{0, "edtID", "Profile ID", "%i{n1x14l2}"}, {1, "cbxEtherType", "Use Ethernet Type"}}}) {}
