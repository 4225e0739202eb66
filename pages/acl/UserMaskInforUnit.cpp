#include "UserMaskInforUnit.h"

#include "AclControls.h"
#include "AclRuleEditor.h"
#include "Oid_acl.h"
#include "StackingPortUitForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int EntryId = 0, Ports = 1, FirstGroup = 2, RowStatus = 7;
constexpr int CreateAndGoItem = 3;
constexpr int DestroyItem = 5;
const char* const GroupCaptions[] = {"Filtered Port(s) [0 to 15]", "Filtered Port(s) [16 to 31]",
                                     "Filtered Port(s) [32 to 47]", "Filtered Port(s) [48 to 63]",
                                     "Filtered Port(s) [64 to 79]"};

}  // namespace

TUserMaskInfoForm::TUserMaskInfoForm(QWidget* owner)
    : TAclTablePage(owner, {.Width = 760, .Height = 600, .Report = TPageReport::BarePanel}) {
    setWindowTitle(QStringLiteral("User Defined Mask Information"));
    BuildLayout();
    FormCreate();
}

void TUserMaskInfoForm::BuildLayout() {
    const TListFrame frame = BuildListFrame(Client);
    ListView1 = frame.List;
    QVBoxLayout* body = frame.Left;
    TFieldGrid fields(body, 4);
    QWidget* p = Client;
    fields.Add(QStringLiteral("Mask Entry ID"), Edit1 = NewPageEdit(p, "Edit1"));
    const char* const names[] = {"Edit5", "Edit3", "Edit4", "Edit6", "Edit7"};
    for (std::size_t i = 0; i < Groups.size(); ++i) {
        fields.Add(QString::fromUtf8(GroupCaptions[i]), Groups[i] = NewPageEdit(p, names[i]));
        Groups[i]->setMinimumWidth(250);
    }
    fields.Add(QStringLiteral("Mask Row Status"), ComboBox1 = NewPageCombo(p, "ComboBox1"));
    PageControl1 = new QTabWidget(Client);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    body->addWidget(PageControl1, 1);

    RefreshButton = NewPageButton(Client, "GetButton", QStringLiteral("Refresh"));
    SetButton = NewPageButton(Client, "OperButton", QStringLiteral("Edit"));
    AddButton = NewPageButton(Client, "AddButton", QStringLiteral("Add"));
    DeleteButton = NewPageButton(Client, "DeleteButton", QStringLiteral("Delete"));
    CloseButton = NewPageButton(Client, "btnClose", QStringLiteral("Close"));
    RowCounter = frame.Counter;
    AddToButtonColumn(frame.Buttons, {RefreshButton, SetButton, AddButton, DeleteButton, CloseButton});
    RowCounter->setObjectName(QStringLiteral("Static"));
    connect(RefreshButton, &QPushButton::clicked, this, &TUserMaskInfoForm::GetButtonClick);
    connect(SetButton, &QPushButton::clicked, this, &TUserMaskInfoForm::OperButtonClick);
    connect(AddButton, &QPushButton::clicked, this, &TUserMaskInfoForm::AddButtonClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TUserMaskInfoForm::DeleteButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &TUserMaskInfoForm::CloseClick);
}

void TUserMaskInfoForm::FormCreate() {
    const std::string ports = PortNumberList();
    PortSelector = AddPortSelector(PageControl1, QStringLiteral("Ports"));
    Binder = CreateTableBinder(ListView1, UserMaskInfoVars, {Edit1}, [&](KySNMPRequest2Edits& b) {
        b.BindEdits(EntryId, "%i{n1x255l3}", {Edit1});
        BindPortList(b, Ports, ports, PortSelector);
        for (std::size_t i = 0; i < Groups.size(); ++i)
            b.BindEdits(FirstGroup + int(i), "%s{l32}", {Groups[i]});
        b.BindComboBox(RowStatus, ComboBox1);
    });
    ComboBox1->setCurrentIndex(CreateAndGoItem);
    ShowRowSelected(false);
}

void TUserMaskInfoForm::ResetInputs() {
    Edit1->clear();
    for (QLineEdit* group : Groups) group->clear();
    if (PortSelector) PortSelector->UncheckAll();
}

void TUserMaskInfoForm::GetButtonClick() { RefreshClick(); }

bool TUserMaskInfoForm::IsHexText(const QString& text) { return IsHexUpTo(text, 32); }

bool TUserMaskInfoForm::CheckGroupCount() {
    const auto used = std::count_if(Groups.begin(), Groups.end(), [](const QLineEdit* group) {
        return IsUsedOffsetGroup(group->text());
    });
    if (used <= 2) return true;
    ShowMessage(QStringLiteral("Filtered Ports can not over two groups."));
    Groups[0]->setFocus();
    return false;
}

bool TUserMaskInfoForm::GroupExclusions(std::vector<int>& excluded) {
    for (std::size_t i = 0; i < Groups.size(); ++i) {
        const QString text = Groups[i]->text();
        if (text.isEmpty()) {
            excluded.push_back(FirstGroup + int(i));
        } else if (!IsHexText(text)) {
            ShowMessage(QString::fromUtf8(GroupCaptions[i]) + " can not contain invalid character(s).");
            Groups[0]->setFocus();
            return false;
        }
    }
    return true;
}

void TUserMaskInfoForm::AddButtonClick() {
    if (!MayWrite()) return;
    const auto refuse = [&](const QString& text, QWidget* control) {
        ShowMessage(text);
        control->setFocus();
    };
    if (Edit1->text().isEmpty()) return refuse(QStringLiteral("Payload Entry ID must be set."), Edit1);
    if (FindAclRow(ListView1, {Edit1->text()})) return refuse(QStringLiteral("Payload Entry ID must be different."), Edit1);
    if (ComboBox1->currentIndex() != CreateAndGoItem) return refuse(QStringLiteral("Row State must be createAndGo."), ComboBox1);
    std::vector<int> excluded;
    if (!CheckGroupCount() || !GroupExclusions(excluded)) return;
    if (!PortSelector->AnyChecked())
        excluded.push_back(Ports);
    AddRow(excluded, RowStatus);
}

void TUserMaskInfoForm::OperButtonClick() {
    if (!ListView1->currentItem() || !MayWrite()) return;
    if (Edit1->text().isEmpty()) {
        ShowMessage(QStringLiteral("Payload Entry ID must be set."));
        return;
    }
    if (ComboBox1->currentIndex() != DestroyItem && !CheckGroupCount()) return;
    std::vector<int> excluded;
    if (!GroupExclusions(excluded)) return;
    // The status travels as the user chose it in the visible combo.
    GuardedWrite([&] { return MaskedSet(excluded); });
}

void TUserMaskInfoForm::DeleteButtonClick() { DeleteRow(RowStatus); }
