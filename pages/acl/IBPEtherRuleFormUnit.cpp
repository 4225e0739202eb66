#include "IBPEtherRuleFormUnit.h"

#include "Oid_acl.h"

TIBPEtherRuleForm::TIBPEtherRuleForm(QWidget* owner)
    : TIBPViewerPage(owner, {.Table = IBPEtherRuleVars,
                             .KeyCount = 2,
                             .RefreshName = "btnRefresh",
                             .Fields = {{0, "edtMaskID", "Mask ID", "%i{n1x14}"},
                                        {1, "edtAccessID", "Access ID", "%i{n1x128}"},
                                        {2, "edtRuleType", "Rule Type", "%s"},
                                        {3, "cbxPermit", "Permit"}},
                             .PortPosition = 4,
                             .Width = 760,
                             .Height = 560}) {}
