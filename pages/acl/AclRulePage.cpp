#include "AclRulePage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTreeWidget>

namespace {

constexpr int CreateAndGoItem = 3;
constexpr int DestroyItem = 5;

}  // namespace

TAclRulePage::TAclRulePage(QWidget* owner, const TPageOptions& options, int rowStatusColumn)
    : TAclTablePage(owner, options), RowStatusColumn(rowStatusColumn) {}

TFieldGrid TAclRulePage::BuildListAndEditor(QTreeWidget*& list, int listHeight, int rowsPerColumn) {
    QHBoxLayout* columns = BuildPageColumns(Client);
    Splitter = new QSplitter(Qt::Vertical, Client);
    columns->addWidget(Splitter, 1);
    list = NewPageList(Splitter);
    list->setMinimumHeight(listHeight);
    ListView = list;

    auto* editor = new QWidget(Splitter);
    auto* grid = new QGridLayout(editor);
    grid->setContentsMargins(0, 0, 0, 0);
    Splitter->setStretchFactor(0, 1);
    return TFieldGrid(grid, rowsPerColumn);
}

QTabWidget* TAclRulePage::AddPageControl(const char* name) {
    auto* pages = new QTabWidget(Splitter);
    pages->setObjectName(QLatin1String(name));
    Splitter->setStretchFactor(2, 1);
    return pages;
}

void TAclRulePage::AddButtonColumn(QPushButton*& checkAll, const char* checkAllName, QPushButton*& clearChecks,
                                   const char* clearChecksName) {
    RefreshButton = NewPageButton(Client, "GetButton", QStringLiteral("Refresh"));
    SetButton = NewPageButton(Client, "EditButton", QStringLiteral("Edit"));
    AddButton = NewPageButton(Client, "AddButton", QStringLiteral("Add"));
    DeleteButton = NewPageButton(Client, "DeleteButton", QStringLiteral("Delete"));
    checkAll = NewPageButton(Client, checkAllName, QStringLiteral("Check All"));
    clearChecks = NewPageButton(Client, clearChecksName, QStringLiteral("Clear Checks"));
    CloseButton = NewPageButton(Client, "btnClose", QStringLiteral("Close"));
    RowCounter = NewRowCounter(Client);
    ::AddButtonColumn(static_cast<QBoxLayout*>(Client->layout()),
                      {RowCounter, RefreshButton, SetButton, AddButton, DeleteButton, checkAll, clearChecks, CloseButton});
    connect(RefreshButton, &QPushButton::clicked, this, [this] { GetButtonClick(); });
    connect(SetButton, &QPushButton::clicked, this, [this] { EditButtonClick(); });
    connect(AddButton, &QPushButton::clicked, this, [this] { AddButtonClick(); });
    connect(DeleteButton, &QPushButton::clicked, this, &TAclRulePage::DeleteButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &TAclRulePage::CloseClick);
}

void TAclRulePage::CreateEditor(const TAclRuleEditor::Controls& controls, std::vector<TAclRuleEditor::Field> fields,
                                const QString& emptyText, bool formsAfterEmpties) {
    Editor = std::make_unique<TAclRuleEditor>(controls, std::move(fields), emptyText, formsAfterEmpties);
    connect(controls.Permit, &QComboBox::activated, this, [this] { PermitComboBoxChange(); });
    if (!controls.CombosEnable) return;
    if (controls.EnablePriority)
        connect(controls.EnablePriority, &QComboBox::activated, this, [this] { Editor->PriorityChange(); });
    if (controls.EnableReplaceDscp)
        connect(controls.EnableReplaceDscp, &QComboBox::activated, this, [this] { Editor->ReplaceDscpChange(); });
}

void TAclRulePage::GetButtonClick() {
    RefreshClick();
    PermitComboBoxChange();
}

void TAclRulePage::PermitComboBoxChange() { Editor->PermitChange(); }

bool TAclRulePage::CheckKeys(const QString& firstEmptyText, const QString& secondEmptyText) {
    for (const auto& [key, text] : {std::pair{KeyEdits[0], firstEmptyText}, std::pair{KeyEdits[1], secondEmptyText}})
        if (static_cast<const QLineEdit*>(key)->text().isEmpty()) return Refuse(text, key);
    return true;
}

bool TAclRulePage::CheckFieldsAndPorts(const TStackingPortUitForm& selector) {
    if (const TAclRuleEditor::Failure failure = Editor->Validate(); !failure.Text.isEmpty())
        return Refuse(failure.Text, failure.Control);
    if (!TAclRuleEditor::HasCheckedPort(selector)) return Refuse(QStringLiteral("You must choose at least 1 port!"), nullptr);
    return true;
}

void TAclRulePage::AddRule(const QString& duplicateText, const std::vector<int>& excluded) {
    std::vector<QString> keys;
    for (const QWidget* key : KeyEdits) keys.push_back(static_cast<const QLineEdit*>(key)->text());
    const TAclRuleEditor::Failure refusal = Editor->NewRuleRefusal(ListView, keys, duplicateText, KeyEdits.front());
    if (!refusal.Text.isEmpty()) {
        ShowMessage(refusal.Text);
        refusal.Control->setFocus();
        return;
    }
    WriteRule(excluded, CreateAndGoItem);
}

void TAclRulePage::EditRule(const std::vector<int>& excluded, const QComboBox* rowStatus) {
    WriteRule(excluded, TAclRuleEditor::OwnStatusItem(rowStatus, ListView->currentItem(), RowStatusColumn));
}

void TAclRulePage::WriteRule(const std::vector<int>& excluded, int rowStatusItem) {
    if (!MayWrite()) return;
    GuardedWrite([&] { return MaskedSet(excluded, rowStatusItem < 0 ? -1 : RowStatusColumn, rowStatusItem); });
    AfterWrite();
}

void TAclRulePage::AfterWrite() { PermitComboBoxChange(); }

void TAclRulePage::DeleteButtonClick() {
    if (!ListView || !ListView->currentItem()) return;
    WriteRule(AllButKeysAnd(RowStatusColumn), DestroyItem);
}
