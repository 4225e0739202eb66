#include "EnableMethodListUnit.h"

#include "Oid_security.h"

TEnableMethodForm::TEnableMethodForm(QWidget* owner)
    : TMethodListPage(owner, {.Table = EnableMethodVars,
                              .Caption = "Enable Method List",
                              .Width = 700,
                              .Height = 419,
                              .NameLabel = "Enable MethodList Name",
                              .TypeLabel = "Enable Method%1 Type",
                              .GroupLabel = "Enable Method%1 Server Group",
                              .EmptyName = "Enable MethodList Name must be set.",
                              .Duplicate = "Has already a record with the same Enable MethodList Name. Please Change Enable MethodList Name.",
                              .NameEdit = "NameEdit",
                              .TypeCombo = "Type%1ComboBox",
                              .GroupEdit = "ServerGroupEdit%1",
                              .CloseButton = "CloseButton"}) {}
