#include "IBPIPMaskFormUnit.h"

#include "Oid_acl.h"

TIBPIPMaskForm::TIBPIPMaskForm(QWidget* owner)
    : TIBPViewerPage(owner, {.Table = IBPIPMaskVars,
                             .KeyCount = 1,
                             .RefreshName = "BT_Get",
                             .Fields = {{0, "edtID", "Profile ID", "%i{n1x14l2}"},
                                        {1, "edtSrcMacMask", "Source MAC Address Mask", "%s"},
                                        {2, "edtSrcIPMask", "Source IP Address Mask", "%s"}}}) {}
