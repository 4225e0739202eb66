#include "AclRuleEditor.h"

#include "AclControls.h"
#include "KyIPv4.h"
#include "MainUnit.h"
#include "StackingPortUitForm.h"
#include "TBasicFormUnit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidget>

#include <algorithm>

namespace {

QString ControlText(const QWidget* control) {
    if (auto* edit = qobject_cast<const QLineEdit*>(control)) return edit->text();
    if (auto* combo = qobject_cast<const QComboBox*>(control)) return combo->currentIndex() < 0 ? QString() : combo->currentText();
    return {};
}

// Check boxes keep their state while disabled: the action only greys them.
void EnableBox(QCheckBox* box, bool enabled) {
    if (box) box->setEnabled(enabled);
}

void EnableValue(QWidget* control, bool enabled) {
    if (!control) return;
    if (enabled) TBasicForm::EnableControl(control);
    else TBasicForm::DisableControl(control);
}

bool Shows(const QComboBox* combo, const char* text) { return combo && combo->currentText() == QLatin1String(text); }

}  // namespace

int IntegerOr(const QString& text, int otherwise) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : otherwise;
}

QString CheckRxRate(const QString& text) {
    const int rate = IntegerOr(text);
    return rate >= 0 && rate <= 156249 ? QString() : QStringLiteral("RX Rate should between 0-156249");
}


bool IsUsedOffsetGroup(const QString& text) { return !text.isEmpty() && text != QString(32, u'0'); }

bool IsIPv4(const QString& text) { return parseIPv4Address(text.toStdString()).has_value(); }

TAclRuleEditor::TAclRuleEditor(Controls controls, std::vector<Field> fields, QString emptyText, bool formsAfterEmpties)
    : C(controls), AllFields(std::move(fields)), EmptyText(std::move(emptyText)), FormsAfterEmpties(formsAfterEmpties) {}

void TAclRuleEditor::PermitChange() {
    const QString action = C.Permit->currentText();
    const std::initializer_list<QWidget*> values{C.EnablePriority, C.Priority, C.ReplacePriority,
                                                 C.EnableReplaceDscp, C.DscpValue, C.RxRate};
    const std::initializer_list<QCheckBox*> boxes{C.EnablePriorityBox, C.PriorityBox, C.ReplacePriorityBox,
                                                  C.EnableReplaceDscpBox, C.DscpValueBox, C.RxRateBox};
    if (action == "deny" || action == "mirror") {
        for (QWidget* control : values) EnableValue(control, false);
        for (QCheckBox* box : boxes) EnableBox(box, false);
        const bool mirror = action == "mirror";
        EnableValue(C.MirrorID, mirror);
        EnableBox(C.MirrorIDBox, mirror);
    } else if (!C.CombosEnable) {
        for (QWidget* control : values) EnableValue(control, true);
        for (QCheckBox* box : boxes) EnableBox(box, true);
    } else if (action == "permit") {
        EnableValue(C.MirrorID, false);
        EnableBox(C.MirrorIDBox, false);
        EnableValue(C.RxRate, true);
        EnableValue(C.EnablePriority, true);
        EnableValue(C.EnableReplaceDscp, true);
        for (QCheckBox* box : {C.RxRateBox, C.EnableReplaceDscpBox, C.EnablePriorityBox}) EnableBox(box, true);
        PriorityChange();
        ReplaceDscpChange();
    }
}

void TAclRuleEditor::PriorityChange() {
    const bool enabled = Shows(C.EnablePriority, "enabled");
    for (QCheckBox* box : {C.PriorityBox, C.ReplacePriorityBox}) {
        box->setEnabled(enabled);
        box->setChecked(enabled);
    }
    EnableValue(C.Priority, enabled);
    EnableValue(C.ReplacePriority, enabled);
}

void TAclRuleEditor::ReplaceDscpChange() {
    if (!C.DscpValueBox) return;
    const bool enabled = Shows(C.EnableReplaceDscp, "enabled");
    C.DscpValueBox->setEnabled(enabled);
    C.DscpValueBox->setChecked(enabled);
    EnableValue(C.DscpValue, enabled);
}

void TAclRuleEditor::CheckAll() {
    for (const Field& field : AllFields)
        if (!field.ActionBound || field.Box->isEnabled()) field.Box->setChecked(true);
}

TAclRuleEditor::Failure TAclRuleEditor::Validate() const {
    for (const Field& field : AllFields) {
        if (!field.Box->isChecked()) continue;
        const QString text = ControlText(field.Control);
        if (text.isEmpty() && field.MustNotBeEmpty) return {EmptyText, field.Control};
        if (!FormsAfterEmpties && field.Check && (!text.isEmpty() || !field.MustNotBeEmpty)) {
            const QString message = field.Check(text);
            if (!message.isEmpty()) return {message, field.Control};
        }
    }
    if (FormsAfterEmpties) {
        for (const Field& field : AllFields) {
            if (!field.Box->isChecked() || !field.Check) continue;
            const QString message = field.Check(ControlText(field.Control));
            if (!message.isEmpty()) return {message, field.Control};
        }
    }
    return {};
}

std::vector<int> TAclRuleEditor::Exclusions(bool denyDrops) const {
    std::vector<int> excluded;
    const bool deny = C.PermitBox->isChecked() && Shows(C.Permit, "deny");
    for (const Field& field : AllFields)
        if (!field.Box->isChecked() || (denyDrops && deny && field.ActionBound)) excluded.push_back(field.Position);
    return excluded;
}

std::vector<int> TAclRuleEditor::PriorityExclusions(const QTreeWidgetItem* selectedRow, int enableColumn) const {
    const auto position = [&](const QCheckBox* box) {
        for (const Field& field : AllFields)
            if (field.Box == box) return field.Position;
        return -1;
    };
    const std::vector<int> priority{position(C.PriorityBox), position(C.ReplacePriorityBox)};
    if (selectedRow) {
        const QString cell = selectedRow->text(enableColumn);
        if (cell.isEmpty()) return {};
        const QString inForce = C.EnablePriorityBox->isChecked() ? C.EnablePriority->currentText() : cell;
        return inForce == "disabled" ? priority : std::vector<int>{};
    }
    const bool enabled = C.EnablePriorityBox->isChecked() && !Shows(C.EnablePriority, "disabled");
    return enabled ? std::vector<int>{} : priority;
}

std::vector<int> TAclRuleEditor::Selection(bool denyDrops, const QTreeWidgetItem* selectedRow, int enableColumn) const {
    std::vector<int> excluded = Exclusions(denyDrops);
    const std::vector<int> priority = PriorityExclusions(selectedRow, enableColumn);
    excluded.insert(excluded.end(), priority.begin(), priority.end());
    return excluded;
}

TAclRuleEditor::Failure TAclRuleEditor::NewRuleRefusal(const QTreeWidget* list, const std::vector<QString>& keys,
                                                       const QString& duplicateText, QWidget* keyEdit) const {
    if (FindAclRow(list, keys)) return {duplicateText, keyEdit};
    if (!C.PermitBox->isChecked()) return {QStringLiteral("Permit option must be checked."), C.Permit};
    return {};
}

bool TAclRuleEditor::HasCheckedPort(const TStackingPortUitForm& selector) {
    const std::size_t count = std::min<std::size_t>(StackModeText == "enabled" ? 768 : 64, selector.PortCheckBoxes.size());
    return std::any_of(selector.PortCheckBoxes.begin(), selector.PortCheckBoxes.begin() + long(count),
                       [](const QCheckBox* box) { return box->isChecked(); });
}

int TAclRuleEditor::OwnStatusItem(const QComboBox* rowStatus, const QTreeWidgetItem* row, int column) {
    const QString own = row->text(column);
    const int item = rowStatus->findText(own);
    return item < 0 || own == "destroy" || own == "createAndGo" ? rowStatus->findText("active") : item;
}
