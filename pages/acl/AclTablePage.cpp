#include "AclTablePage.h"

#include <QTreeWidget>

namespace {

constexpr int CreateAndGoItem = 3;
constexpr int DestroyItem = 5;

}  // namespace

KySNMPRequest2Edits* TAclTablePage::CreateTableBinder(QTreeWidget* list, const KySNMPVarDesc* table,
                                                      std::vector<QWidget*> keys,
                                                      const std::function<void(KySNMPRequest2Edits&)>& bind) {
    KeyEdits = std::move(keys);
    WatchList(list);
    return CreateBinder({.Table = table,
                         .ItemType = MVT_UMV,
                         .KeyCount = int(KeyEdits.size()),
                         .Async = false,
                         .Main = true,
                         .List = list,
                         .Bind = bind});
}

bool TAclTablePage::Refuse(const QString& text, QWidget* control) {
    ShowMessage(text);
    if (control && control->isEnabled()) control->setFocus();
    return false;
}

void TAclTablePage::AddRow(const std::vector<int>& excluded, int rowStatusColumn) {
    GuardedWrite([&] { return MaskedSet(excluded, rowStatusColumn, CreateAndGoItem); });
}

void TAclTablePage::DeleteRow(int rowStatusColumn) {
    if (!ListView->currentItem() || !MayWrite()) return;
    GuardedWrite([&] { return MaskedSet(AllButKeysAnd(rowStatusColumn), rowStatusColumn, DestroyItem); });
}
