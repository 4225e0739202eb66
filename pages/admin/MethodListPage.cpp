#include "MethodListPage.h"

#include "KyControlEvents.h"
#include "ListRows.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>

namespace {

constexpr int RowStatus = 9;
constexpr int ServerGroupItem = 4;
constexpr int LocalItem = 5;
constexpr int NoneItem = 6;
constexpr int CreateAndGoItem = 3;
constexpr int DestroyItem = 5;
const QString DefaultList = QStringLiteral("default");

int typeColumn(int method) { return 2 * method + 1; }
int groupColumn(int method) { return 2 * method + 2; }

}  // namespace

TMethodListPage::TMethodListPage(QWidget* owner, const TMethodListTexts& texts)
    : TDedicatedPage(owner, {.Width = texts.Width, .Height = texts.Height, .Report = TPageReport::BarePanel}),
      Texts(texts) {
    setWindowTitle(QString::fromUtf8(texts.Caption));
    BuildLayout();
    FormCreate();
}

void TMethodListPage::BuildLayout() {
    const TListOverPanel frame = BuildEditorFrame("StaticText1", Texts.CloseButton);
    ListView1 = frame.List;
    QWidget* entry = frame.Lower;
    auto* grid = new QGridLayout();
    frame.LowerLayout->addLayout(grid);
    NameEdit = new QLineEdit(entry);
    NameEdit->setObjectName(QString::fromUtf8(Texts.NameEdit));
    grid->addWidget(new QLabel(QString::fromUtf8(Texts.NameLabel), entry), 0, 0);
    grid->addWidget(NameEdit, 0, 1);
    for (int m = 0; m < 4; ++m) {
        const QString number = QString::number(m + 1);
        TypeComboBox[m] = new QComboBox(entry);
        TypeComboBox[m]->setObjectName(QString::fromUtf8(Texts.TypeCombo).arg(number));
        ServerGroupEdit[m] = new QLineEdit(entry);
        ServerGroupEdit[m]->setObjectName(QString::fromUtf8(Texts.GroupEdit).arg(number));
        grid->addWidget(new QLabel(QString::fromUtf8(Texts.TypeLabel).arg(number), entry), m + 1, 0);
        grid->addWidget(TypeComboBox[m], m + 1, 1);
        grid->addWidget(new QLabel(QString::fromUtf8(Texts.GroupLabel).arg(number), entry), m + 1, 2);
        grid->addWidget(ServerGroupEdit[m], m + 1, 3);
        connect(TypeComboBox[m], &QComboBox::activated, this, [this, m] { TypeComboBoxChange(m); });
        connect(TypeComboBox[m], &QComboBox::currentIndexChanged, this, [this] { ShowGroupEdits(); });
    }
    RowComboBox = new QComboBox(entry);
    RowComboBox->setObjectName(QStringLiteral("RowComboBox"));
    grid->addWidget(new QLabel(QStringLiteral("Row Status"), entry), 5, 0);
    grid->addWidget(RowComboBox, 5, 1);
    grid->setRowStretch(6, 1);
    connect(RefreshButton, &QPushButton::clicked, this, &TMethodListPage::GetButtonClick);
    connect(SetButton, &QPushButton::clicked, this, &TMethodListPage::EditButtonClick);
    connect(AddButton, &QPushButton::clicked, this, &TMethodListPage::AddButtonClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TMethodListPage::DeleteButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &TMethodListPage::CloseClick);
}

void TMethodListPage::FormCreate() {
    KeyEdits = {NameEdit};
    WatchList(ListView1);
    Binder = CreateBinder({.Table = Texts.Table,
                           .ItemType = MVT_UMV,
                           .KeyCount = 1,
                           .Async = false,
                           .Main = true,
                           .List = ListView1,
                           .Bind = [&](KySNMPRequest2Edits& binder) {
                               binder.BindEdits(0, "%s{l15}", {NameEdit});
                               for (int m = 0; m < 4; ++m) {
                                   binder.BindComboBox(typeColumn(m), TypeComboBox[m]);
                                   binder.BindEdits(groupColumn(m), "%s{l15}", {ServerGroupEdit[m]});
                               }
                               binder.BindComboBox(RowStatus, RowComboBox);
                               binder.OnGetDone = [this] { ListView1->resizeColumnToContents(0); };
                           }});
    // After the binder has copied a row: the entry states of that row.
    KyControlEvents::onSelectItem(ListView1, this, [this](QTreeWidgetItem*, bool) { RowShown(); });
    RowComboBox->setCurrentIndex(CreateAndGoItem);
    ShowRowSelected(false);
}

void TMethodListPage::RowShown() {
    QTreeWidgetItem* row = ListView1->currentItem();
    // The default list stays: no Delete for it.
    if (row && row->text(0) == DefaultList) DeleteButton->setEnabled(false);
    ShowGroupEdits();
}

void TMethodListPage::ShowGroupEdits() {
    for (int m = 0; m < 4; ++m) {
        const bool group = TypeComboBox[m]->currentIndex() == ServerGroupItem;
        if (group) EnableControl(ServerGroupEdit[m]);
        else DisableControl(ServerGroupEdit[m]);
    }
}

void TMethodListPage::TypeComboBoxChange(int method) {
    ServerGroupEdit[method]->clear();
    ShowGroupEdits();
}

void TMethodListPage::ResetInputs() {
    NameEdit->clear();
    for (QLineEdit* group : ServerGroupEdit) group->clear();
    ShowGroupEdits();
}

bool TMethodListPage::CheckMethodOrder() {
    for (int m = 0; m < 4; ++m) {
        const QString type = TypeComboBox[m]->currentText();
        MethodTypeIndex[m] = type.isEmpty() || type == "other" ? -1 : TypeComboBox[m]->currentIndex();
    }
    for (int m = 0; m < 4; ++m) {
        if (MethodTypeIndex[m] != LocalItem && MethodTypeIndex[m] != NoneItem) continue;
        for (int later = m + 1; later < 4; ++later)
            if (MethodTypeIndex[later] >= 0) return false;
        return true;
    }
    return true;
}

void TMethodListPage::DropMethodsAfterLocal(std::vector<int>& excluded) {
    bool after = false;
    for (int m = 0; m < 4; ++m) {
        if (after) MethodTypeIndex[m] = -1;
        if (MethodTypeIndex[m] == LocalItem || MethodTypeIndex[m] == NoneItem) after = true;
    }
    for (int m = 0; m < 4; ++m)
        if (MethodTypeIndex[m] < 0) excluded.insert(excluded.end(), {typeColumn(m), groupColumn(m)});
}

std::optional<std::vector<int>> TMethodListPage::MethodColumns() {
    const bool ordered = CheckMethodOrder();
    if (!ordered) {
        const auto answer = QMessageBox::question(
            this, QApplication::applicationDisplayName(),
            QStringLiteral("Method(s) after method local and none is(are) ineffective. Do you want to change your configurations?"),
            QMessageBox::Yes | QMessageBox::No);
        if (answer != QMessageBox::No) return std::nullopt;
    }
    std::vector<int> excluded;
    for (int m = 0; m < 4; ++m) {
        const QString type = TypeComboBox[m]->currentText();
        if (type.isEmpty() || type == "other") excluded.insert(excluded.end(), {typeColumn(m), groupColumn(m)});
        else if (TypeComboBox[m]->currentIndex() != ServerGroupItem) excluded.push_back(groupColumn(m));
    }
    if (!ordered) DropMethodsAfterLocal(excluded);
    return excluded;
}

void TMethodListPage::GetButtonClick() { RefreshClick(); }

void TMethodListPage::AddButtonClick() {
    if (!MayWrite()) return;
    if (NameEdit->text().isEmpty()) {
        ShowMessage(QString::fromUtf8(Texts.EmptyName));
        NameEdit->setFocus();
        return;
    }
    if (findRow(ListView1, {NameEdit->text()})) {
        ShowMessage(QString::fromUtf8(Texts.Duplicate));
        NameEdit->setFocus();
        return;
    }
    if (RowComboBox->currentIndex() != CreateAndGoItem) {
        ShowMessage(QStringLiteral("Row State must be createAndGo."));
        RowComboBox->setFocus();
        return;
    }
    const auto excluded = MethodColumns();
    if (!excluded) return;
    GuardedWrite([&] { return MaskedSet(*excluded, -1, -1); });
}

void TMethodListPage::EditButtonClick() {
    if (!ListView1->currentItem() || !MayWrite()) return;
    if (NameEdit->text().isEmpty()) {
        ShowMessage(QString::fromUtf8(Texts.EmptyName));
        return;
    }
    if (RowComboBox->currentIndex() == DestroyItem) {
        // Edit destroys a list as Delete does, and like Delete never the default one.
        if (NameEdit->text() == DefaultList) {
            ShowMessage(QStringLiteral("The default method list cannot be deleted."));
            return;
        }
        GuardedWrite([&] { return MaskedSet({2, 3, 4, 5, 6, 7, 8}); });
        return;
    }
    auto excluded = MethodColumns();
    if (!excluded) return;
    excluded->push_back(RowStatus);
    GuardedWrite([&] { return MaskedSet(*excluded); });
}

void TMethodListPage::DeleteButtonClick() {
    QTreeWidgetItem* row = ListView1->currentItem();
    if (!row || row->text(0) == DefaultList || !MayWrite()) return;
    GuardedWrite([&] { return MaskedSet({2, 3, 4, 5, 6, 7, 8}, RowStatus, DestroyItem); });
}
