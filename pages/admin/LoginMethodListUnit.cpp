#include "LoginMethodListUnit.h"

#include "MainUnit.h"
#include "Oid_security.h"

TLoginMethodListForm::TLoginMethodListForm(QWidget* owner)
    : TMethodListPage(owner, {.Table = LoginMethodListVars,
                              .Caption = "Login Method List",
                              .Width = 633,
                              .Height = 423,
                              .NameLabel = "AAC Login Method List Name",
                              .TypeLabel = "Method%1 Type",
                              .GroupLabel = "Method%1 Server Group",
                              .EmptyName = "AAC Login Method List Name must be set.",
                              .Duplicate = "Has already a record with the same Login Method List Name. Please Change Login Method List Name.",
                              .NameEdit = "ListnameEdit",
                              .TypeCombo = "ComboBoxType%1",
                              .GroupEdit = "Server%1Edit",
                              .CloseButton = "btnClose"}) {
    setWindowTitle(QStringLiteral("Login Method List: ") + QString::fromStdString(DeviceIPText));
}
