#include "ServerInfoUnit.h"

#include "KyIPv4.h"
#include "ListRows.h"
#include "Oid_security.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

enum Column { IP, Protocol, Port, Key, Timeout, Retry, RowStatus };
constexpr int CreateAndGoItem = 3;
constexpr int DestroyItem = 5;
const QString MaskedKey = QStringLiteral("********");

}  // namespace

TServerInformationForm::TServerInformationForm(QWidget* owner)
    : TDedicatedPage(owner, {.Width = 595, .Height = 438, .Report = TPageReport::BarePanel}) {
    setWindowTitle(QStringLiteral("Server Information Table"));
    BuildLayout();
    FormCreate();
}

void TServerInformationForm::BuildLayout() {
    const TListOverPanel frame = BuildEditorFrame("Static", "btnClose");
    ListView1 = frame.List;
    QWidget* entry = frame.Lower;
    auto* grid = new QGridLayout();
    frame.LowerLayout->addLayout(grid);
    auto edit = [&](const char* name) {
        auto* made = new QLineEdit(entry);
        made->setObjectName(QLatin1String(name));
        return made;
    };
    IPEdit = edit("IPEdit");
    ProtocolComboBox = new QComboBox(entry);
    ProtocolComboBox->setObjectName(QStringLiteral("ProtocolComboBox"));
    PortEdit = edit("PortEdit");
    KeyEdit = edit("KeyEdit");
    KeyEdit->setEchoMode(QLineEdit::Password);
    TimeoutEdit = edit("TimeoutEdit");
    RetryCEdit = edit("RetryCEdit");
    RowComboBox = new QComboBox(entry);
    RowComboBox->setObjectName(QStringLiteral("RowComboBox"));
    const std::pair<const char*, QWidget*> rows[] = {
        {"Server IP", IPEdit}, {"Server Auth Protocol", ProtocolComboBox}, {"Server Auth Port", PortEdit},
        {"Server Auth Key", KeyEdit}, {"Server Timeout", TimeoutEdit}, {"Server Retry Count", RetryCEdit},
        {"Server Row Status", RowComboBox}};
    int row = 0;
    for (const auto& [label, control] : rows) {
        grid->addWidget(new QLabel(QLatin1String(label), entry), row / 2, (row % 2) * 2);
        grid->addWidget(control, row / 2, (row % 2) * 2 + 1);
        ++row;
    }
    connect(RefreshButton, &QPushButton::clicked, this, &TServerInformationForm::GetButtonClick);
    connect(SetButton, &QPushButton::clicked, this, &TServerInformationForm::EditButtonClick);
    connect(AddButton, &QPushButton::clicked, this, &TServerInformationForm::AddButtonClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TServerInformationForm::DeleteButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &TServerInformationForm::CloseClick);
}

void TServerInformationForm::FormCreate() {
    KeyEdits = {IPEdit, ProtocolComboBox};
    WatchList(ListView1);
    Binder = CreateBinder({.Table = ServerInformationVars,
                           .ItemType = MVT_UMV,
                           .KeyCount = 2,
                           .Async = false,
                           .Main = true,
                           .List = ListView1,
                           .Bind = [&](KySNMPRequest2Edits& binder) {
                               binder.BindEdits(IP, "%s{l16}", {IPEdit});
                               binder.BindComboBox(Protocol, ProtocolComboBox);
                               binder.BindEdits(Port, "%i{n1x65535l5}", {PortEdit});
                               binder.BindEdits(Key, "%s{l254}", {KeyEdit});
                               binder.BindEdits(Timeout, "%i{n1x255l3}", {TimeoutEdit});
                               binder.BindEdits(Retry, "%i{n1x255l3}", {RetryCEdit});
                               binder.BindComboBox(RowStatus, RowComboBox);
                               binder.OnGetDone = [this] { MaskKeys(); };
                           }});
    RowComboBox->setCurrentIndex(CreateAndGoItem);
    ShowRowSelected(false);
}

void TServerInformationForm::MaskKeys() {
    // The list shows that a key is set, never the key; a selected row gives the key entry nothing.
    for (int i = 0; i < ListView1->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = ListView1->topLevelItem(i);
        if (!row->text(Key).isEmpty()) row->setText(Key, MaskedKey);
        row->setData(Key, Qt::UserRole, QByteArray());
    }
    ListView1->resizeColumnToContents(IP);
}

void TServerInformationForm::ResetInputs() {
    for (QLineEdit* edit : {IPEdit, PortEdit, KeyEdit, TimeoutEdit, RetryCEdit}) edit->clear();
}

std::vector<int> TServerInformationForm::EmptyColumns() const {
    std::vector<int> empty;
    const std::pair<int, QLineEdit*> optional[] = {{Port, PortEdit}, {Key, KeyEdit}, {Timeout, TimeoutEdit}, {Retry, RetryCEdit}};
    for (const auto& [column, edit] : optional)
        if (edit->text().isEmpty()) empty.push_back(column);
    return empty;
}

bool TServerInformationForm::CheckKeys() {
    if (IPEdit->text().isEmpty()) {
        ShowMessage(QStringLiteral("Server IP must be set."));
        if (IPEdit->isEnabled()) IPEdit->setFocus();
        return false;
    }
    // The address becomes part of the row's instance: only a whole, valid address may.
    if (!parseIPv4Address(IPEdit->text().toStdString())) {
        ShowMessage(QStringLiteral("Server IP is not a valid IP address."));
        if (IPEdit->isEnabled()) IPEdit->setFocus();
        return false;
    }
    if (ProtocolComboBox->currentText().isEmpty()) {
        ShowMessage(QStringLiteral("Protocol must be set."));
        if (ProtocolComboBox->isEnabled()) ProtocolComboBox->setFocus();
        return false;
    }
    return true;
}

void TServerInformationForm::GetButtonClick() { RefreshClick(); }

void TServerInformationForm::AddButtonClick() {
    if (!MayWrite() || !CheckKeys()) return;
    if (findRow(ListView1, {IPEdit->text(), ProtocolComboBox->currentText()})) {
        ShowMessage(QStringLiteral("Has already a record with the same Server IP and Protocol. Please Change Server IP or Protocol."));
        IPEdit->setFocus();
        return;
    }
    if (RowComboBox->currentIndex() != CreateAndGoItem) {
        ShowMessage(QStringLiteral("Row State must be createAndGo."));
        RowComboBox->setFocus();
        return;
    }
    GuardedWrite([&] { return MaskedSet(EmptyColumns()); });
}

void TServerInformationForm::EditButtonClick() {
    if (!ListView1->currentItem() || !MayWrite() || !CheckKeys()) return;
    if (RowComboBox->currentIndex() == DestroyItem) {
        GuardedWrite([&] { return MaskedSet({Port, Key, Timeout, Retry}); });
        return;
    }
    std::vector<int> excluded = EmptyColumns();
    excluded.push_back(RowStatus);
    GuardedWrite([&] { return MaskedSet(excluded); });
}

void TServerInformationForm::DeleteButtonClick() {
    if (!ListView1->currentItem() || !MayWrite()) return;
    GuardedWrite([&] { return MaskedSet({Port, Key, Timeout, Retry}, RowStatus, DestroyItem); });
}
