#include "AclRulePage.h"

#include <QTreeWidget>

namespace {

constexpr int DestroyItem = 5;

}  // namespace

TAclRulePage::TAclRulePage(QWidget* owner, const TPageOptions& options, int rowStatusColumn)
    : TDedicatedPage(owner, options), RowStatusColumn(rowStatusColumn) {}

bool TAclRulePage::Refuse(const QString& text, QWidget* control) {
    ShowMessage(text);
    if (control && control->isEnabled()) control->setFocus();
    return false;
}

bool TAclRulePage::CheckFieldsAndPorts(const TStackingPortUitForm& selector) {
    if (const TAclRuleEditor::Failure failure = Editor->Validate(); !failure.Text.isEmpty())
        return Refuse(failure.Text, failure.Control);
    if (!TAclRuleEditor::HasCheckedPort(selector)) return Refuse(QStringLiteral("You must choose at least 1 port!"), nullptr);
    return true;
}

bool TAclRulePage::MayAdd(const std::vector<QString>& keys, const QString& duplicateText, QWidget* keyEdit) {
    const TAclRuleEditor::Failure refusal = Editor->NewRuleRefusal(ListView, keys, duplicateText, keyEdit);
    if (refusal.Text.isEmpty()) return true;
    ShowMessage(refusal.Text);
    refusal.Control->setFocus();
    return false;
}

void TAclRulePage::WriteRule(const std::vector<int>& excluded, int rowStatusItem) {
    if (!MayWrite()) return;
    GuardedWrite([&] { MaskedSet(excluded, rowStatusItem < 0 ? -1 : RowStatusColumn, rowStatusItem); });
    AfterWrite();
}

void TAclRulePage::DeleteRule() {
    if (!ListView || !ListView->currentItem()) return;
    WriteRule(AllButKeysAnd(RowStatusColumn), DestroyItem);
}
