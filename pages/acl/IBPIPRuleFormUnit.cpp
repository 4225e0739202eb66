#include "IBPIPRuleFormUnit.h"

#include "Oid_acl.h"

TIBPIPRuleForm::TIBPIPRuleForm(QWidget* owner)
    : TIBPViewerPage(owner, {.Table = IBPIPRuleVars,
                             .KeyCount = 2,
                             .RefreshName = "btnRefresh",
                             .Fields = {{0, "edtMaskID", "Mask ID", "%i{n1x14}"},
                                        {1, "edtAccessID", "Access ID", "%i{n1x128}"},
                                        {2, "edtSrcMac", "MAC Address", "%s"},
                                        {3, "edtSrcIP", "IP Address", "%s"},
                                        {4, "cbxPermit", "Permit"}},
                             .PortPosition = 5,
                             .Width = 760,
                             .Height = 560}) {}
