#include "LogHostEditUnit.h"

#include "DedicatedPage.h"
#include "KyIPv4.h"
#include "ListRows.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column { Index, Address, Facility, Severity, Port, State, RowStatus };
constexpr int CreateAndGoItem = 3;
constexpr int AddressCell = 1;

}  // namespace

TLogHostEditForm::TLogHostEditForm(TDedicatedPage& page) : TPageEditDialog(page) {
    setObjectName(QStringLiteral("LogHostEditForm"));
    setWindowTitle(QStringLiteral("Log Host Edit"));
    resize(414, 260);
    QHBoxLayout* columns = BuildPageColumns(this);
    auto* grid = new QGridLayout();
    columns->addLayout(grid, 1);
    auto combo = [&](const char* name) {
        auto* made = new QComboBox(this);
        made->setObjectName(QLatin1String(name));
        return made;
    };
    auto edit = [&](const char* name) {
        auto* made = new QLineEdit(this);
        made->setObjectName(QLatin1String(name));
        return made;
    };
    cbxIndex = combo("cbxIndex");
    FacComboBox = combo("FacComboBox");
    SevComboBox = combo("SevComboBox");
    PortEdit = edit("PortEdit");
    IPAddrEdit = edit("IPAddrEdit");
    StateComboBox = combo("StateComboBox");
    RowComboBox = combo("RowComboBox");
    const std::pair<const char*, QWidget*> rows[] = {{" Index", cbxIndex},        {" Facility", FacComboBox},
                                                     {" Severity", SevComboBox},  {" UDP Port", PortEdit},
                                                     {" IP Address", IPAddrEdit}, {" State", StateComboBox},
                                                     {" Row Status", RowComboBox}};
    int row = 0;
    for (const auto& [label, control] : rows) {
        grid->addWidget(new QLabel(QLatin1String(label), this), row, 0);
        grid->addWidget(control, row++, 1);
    }
    SetButton = NewPageButton(this, "SetButton", QStringLiteral("Set"));
    CloseButton = NewPageButton(this, "CloseButton", QStringLiteral("Close"));
    AddButtonColumn(columns, {SetButton, CloseButton});
    connect(SetButton, &QPushButton::clicked, this, &TLogHostEditForm::SetButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TLogHostEditForm::PrepareAdd() {
    cbxIndex->setEnabled(true);
    RowComboBox->setEnabled(true);
    cbxIndex->setCurrentIndex(-1);
    for (QComboBox* first : {FacComboBox, SevComboBox, StateComboBox, RowComboBox}) first->setCurrentIndex(0);
    PortEdit->clear();
    IPAddrEdit->clear();
}

void TLogHostEditForm::PrepareEdit() {
    cbxIndex->setEnabled(false);
    RowComboBox->setEnabled(false);
}

bool TLogHostEditForm::ValidSyslogPort(const QString& text) {
    bool number = false;
    const int port = text.toInt(&number);
    return number && (port == 514 || (port >= 6000 && port <= 65535));
}

bool TLogHostEditForm::ValidLogHostAddress(const QString& text) {
    if (text.isEmpty() || text.size() > 16) return false;
    const auto octets = parseIPv4Address(text.toStdString());
    if (!octets) return false;
    const int first = std::uint8_t((*octets)[0]);
    if (*octets == std::string(4, '\xff')) return false;
    return first != 127 && !(first >= 224 && first <= 247);
}

bool TLogHostEditForm::Refuse(const char* text, QWidget* focus) {
    Page.ShowMessage(QString::fromUtf8(text));
    if (focus->isEnabled()) focus->setFocus();
    return false;
}

bool TLogHostEditForm::AddressTaken(const QString& except) const {
    const QTreeWidget* list = Page.findChild<QTreeWidget*>(QStringLiteral("ListView1"));
    for (int i = 0; list && i < list->topLevelItemCount(); ++i) {
        const QString address = list->topLevelItem(i)->text(AddressCell);
        if (address == IPAddrEdit->text() && address != except) return true;
    }
    return false;
}

std::vector<int> TLogHostEditForm::EmptyColumns() const {
    std::vector<int> empty;
    if (FacComboBox->currentText().isEmpty()) empty.push_back(Facility);
    if (SevComboBox->currentText().isEmpty()) empty.push_back(Severity);
    if (PortEdit->text().isEmpty()) empty.push_back(Port);
    if (StateComboBox->currentText().isEmpty()) empty.push_back(State);
    return empty;
}

void TLogHostEditForm::SetButtonClick() {
    const QTreeWidget* list = Page.findChild<QTreeWidget*>(QStringLiteral("ListView1"));
    if (Adding && cbxIndex->currentIndex() < 0) return void(Refuse("Index is needed.", cbxIndex));
    if (!PortEdit->text().isEmpty() && !ValidSyslogPort(PortEdit->text()))
        return void(Refuse("The range of UDP Port for syslog is 514 or 6000-65535.", PortEdit));
    if (IPAddrEdit->text().isEmpty()) return void(Refuse("IP Address should be set.", IPAddrEdit));
    if (!ValidLogHostAddress(IPAddrEdit->text())) return void(Refuse("IP Address in not valid.", IPAddrEdit));
    std::vector<int> excluded = EmptyColumns();
    if (Adding) {
        if (AddressTaken({})) return void(Refuse("IP Address must be different.", IPAddrEdit));
        if (RowComboBox->currentIndex() != CreateAndGoItem) return void(Refuse("State should be createAndGo.", RowComboBox));
        if (!Page.MayWrite()) return;
    } else {
        const QTreeWidgetItem* row = findRow(list, {cbxIndex->currentText()});
        if (!row) return void(Refuse("Index is needed.", cbxIndex));
        if (AddressTaken(row->text(AddressCell))) return void(Refuse("IP Address must be different.", IPAddrEdit));
        if (!Page.MayWrite()) return;
        if (IPAddrEdit->text() == "0.0.0.0") excluded.push_back(Address);
        excluded.push_back(RowStatus);
    }
    Page.GuardedWrite([&] { return Page.MaskedSet(excluded); });
    accept();
}
