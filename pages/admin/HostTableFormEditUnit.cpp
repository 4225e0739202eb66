#include "HostTableFormEditUnit.h"

#include "DedicatedPage.h"
#include "KyIPv4.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

enum Column { Index, Address, RowStatus, SubnetMask };
constexpr int CreateAndGoItem = 1;

}  // namespace

THostTableEditForm::THostTableEditForm(TDedicatedPage& page) : TPageEditDialog(page) {
    setObjectName(QStringLiteral("HostTableEditForm"));
    setWindowTitle(QStringLiteral("Host Table Edit"));
    resize(416, 169);
    QHBoxLayout* columns = BuildPageColumns(this);
    auto* grid = new QGridLayout();
    columns->addLayout(grid, 1);
    const auto box = [&](const char* name, bool checked) {
        auto* made = new QCheckBox(this);
        made->setObjectName(QLatin1String(name));
        made->setChecked(checked);
        return made;
    };
    const auto edit = [&](const char* name) {
        auto* made = new QLineEdit(this);
        made->setObjectName(QLatin1String(name));
        return made;
    };
    IndexCBox = box("IndexCBox", true);
    IPCBox = box("IPCBox", false);
    StatusCBox = box("StatusCBox", true);
    StatusCBox->setEnabled(false);
    IPnetCBox = box("IPnetCBox", false);
    IndexEdit = edit("IndexEdit");
    IpEdit = edit("IpEdit");
    StatusComboBox = new QComboBox(this);
    StatusComboBox->setObjectName(QStringLiteral("StatusComboBox"));
    StatusComboBox->setEnabled(false);
    IPSubnetEdit = edit("IPSubnetEdit");
    const std::tuple<QCheckBox*, const char*, QWidget*> rows[] = {{IndexCBox, "Index", IndexEdit},
                                                                  {IPCBox, "IP Address", IpEdit},
                                                                  {StatusCBox, "Status", StatusComboBox},
                                                                  {IPnetCBox, "IP Subnet Mask", IPSubnetEdit}};
    int row = 0;
    for (const auto& [check, label, editor] : rows) {
        grid->addWidget(check, row, 0);
        grid->addWidget(new QLabel(QLatin1String(label), this), row, 1);
        grid->addWidget(editor, row++, 2);
    }
    SetButton = NewPageButton(this, "SetButton", QStringLiteral("Set Checked"));
    CheckAllButton = NewPageButton(this, "CheckAllButton", QStringLiteral("CheckAll"));
    ClearButton = NewPageButton(this, "ClearButton", QStringLiteral("Clear Checked"));
    CloseButton = NewPageButton(this, "CloseButton", QStringLiteral("Close"));
    AddButtonColumn(columns, {SetButton, CheckAllButton, ClearButton, CloseButton});
    connect(SetButton, &QPushButton::clicked, this, &THostTableEditForm::SetButtonClick);
    connect(CheckAllButton, &QPushButton::clicked, this, [this] {
        IPCBox->setChecked(true);
        IPnetCBox->setChecked(true);
    });
    connect(ClearButton, &QPushButton::clicked, this, [this] {
        IPCBox->setChecked(false);
        IPnetCBox->setChecked(false);
    });
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::reject);
}

void THostTableEditForm::PrepareAdd() {
    IpEdit->setEnabled(true);
    StatusCBox->setChecked(true);
    IPnetCBox->setChecked(false);
    StatusComboBox->setEnabled(false);
    StatusComboBox->setCurrentIndex(CreateAndGoItem);
    for (QLineEdit* emptied : {IpEdit, IndexEdit, IPSubnetEdit}) emptied->clear();
}

QString THostTableEditForm::HostAddressRefusal(const QString& text) {
    if (text == "255.255.255.255" || text == "0.0.0.0") return QStringLiteral("you can't input this ip address");
    if (text.startsWith("127")) return QStringLiteral("you can't input ip address like 127.*.*.*");
    const QString invalid = QStringLiteral("Please input a valid ip");
    if (!text.contains('.')) return invalid;
    bool number = false;
    const int first = text.section('.', 0, 0).toInt(&number);
    if (!number || (first >= 224 && first <= 247)) return invalid;
    if (parseIPv4Address(text.toStdString())) return {};
    // A dot with no digit after it, or one in front, has a wording of its own.
    const bool strayDot = text.startsWith('.') || text.endsWith('.') || text.contains(QStringLiteral(".."));
    return strayDot ? QStringLiteral("Please input a valid IP") : invalid;
}

bool THostTableEditForm::Refuse(const QString& text, QWidget* focus) {
    Page.ShowMessage(text);
    if (focus->isEnabled()) focus->setFocus();
    return false;
}

void THostTableEditForm::SetButtonClick() {
    KySNMPRequest2Edits* binder = Page.MainBinder();
    if (!binder || binder->Busy) return;
    // The row is named by its index: it must be there before it becomes the instance.
    if (IndexEdit->text().isEmpty()) return void(Refuse(QStringLiteral("Index can't be empty"), IndexEdit));
    // The address is always sent, so it is always checked.
    if (IpEdit->text().isEmpty()) return void(Refuse(QStringLiteral("IP Address can't be empty"), IpEdit));
    const QString refusal = HostAddressRefusal(IpEdit->text());
    if (!refusal.isEmpty()) return void(Refuse(refusal, IpEdit));
    if (IPnetCBox->isChecked() && IPSubnetEdit->text().isEmpty())
        return void(Refuse(QStringLiteral("you have choosed the Trust Host IP Subnet Mask,it can't be empty"), IPSubnetEdit));
    std::vector<int> excluded;
    if (!IPnetCBox->isChecked()) excluded.push_back(SubnetMask);
    Page.GuardedWrite([&] { return Page.MaskedSet(excluded, RowStatus, CreateAndGoItem); });
    accept();
}
