#include "ECMPManagementFormUnit.h"

#include "Oid_routing.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TECMPManagementForm::TECMPManagementForm(QWidget* owner)
    : TDedicatedPage(owner, {.Width = 420, .Height = 260, .Report = TPageReport::BarePanel}) {
    setWindowTitle(QStringLiteral("ECMP Management"));
    BuildLayout();
    FormCreate();
}

void TECMPManagementForm::BuildLayout() {
    QHBoxLayout* columns = BuildPageColumns(Client);
    auto* grid = new QGridLayout();
    columns->addLayout(grid, 1);
    const std::array<std::pair<const char*, QString>, 6> fields{{
        {"DestIPcbx", QStringLiteral("Destination IP")},
        {"IPSourcecbx", QStringLiteral("IP Source")},
        {"CRCLowcbx", QStringLiteral("CRC Low")},
        {"CRCHighcbx", QStringLiteral("CRC High")},
        {"TCP_UDPPortcbx", QStringLiteral("TCP/UDP Port")},
        {"Statecbx", QStringLiteral("ECMP State")},
    }};
    std::array<QComboBox*, 6> combos{};
    for (int i = 0; i < 6; ++i) {
        auto* box = new QCheckBox(Client);
        box->setObjectName(QStringLiteral("CheckBox%1").arg(i + 1));
        auto* combo = new QComboBox(Client);
        combo->setObjectName(QLatin1String(fields[std::size_t(i)].first));
        grid->addWidget(box, i, 0);
        grid->addWidget(new QLabel(fields[std::size_t(i)].second, Client), i, 1);
        grid->addWidget(combo, i, 2);
        CheckBoxes[std::size_t(i)] = box;
        combos[std::size_t(i)] = combo;
    }
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(6, 1);
    DestIPcbx = combos[0];
    IPSourcecbx = combos[1];
    CRCLowcbx = combos[2];
    CRCHighcbx = combos[3];
    TCP_UDPPortcbx = combos[4];
    Statecbx = combos[5];

    RefreshButton = NewPageButton(Client, "GetButton", QStringLiteral("Refresh"));
    SetButton = NewPageButton(Client, "SetButton", QStringLiteral("Set Checked"));
    ClearButton = NewPageButton(Client, "ClearButton", QStringLiteral("Clear Checked"));
    CloseButton = NewPageButton(Client, "CloseButton", QStringLiteral("Close"));
    AddButtonColumn(columns, {RefreshButton, SetButton, ClearButton, CloseButton});
    connect(RefreshButton, &QPushButton::clicked, this, &TECMPManagementForm::GetButtonClick);
    connect(SetButton, &QPushButton::clicked, this, &TECMPManagementForm::SetButtonClick);
    connect(ClearButton, &QPushButton::clicked, this, &TECMPManagementForm::ClearButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &TECMPManagementForm::CloseClick);
    for (std::size_t i : {1u, 2u, 3u}) {
        QCheckBox* box = CheckBoxes[i];
        connect(box, &QCheckBox::toggled, this, [this, box](bool on) {
            if (on) HashFieldChecked(box);
        });
    }
}

void TECMPManagementForm::FormCreate() {
    Binder = CreateBinder({.Table = ECMPManagementVars,
                           .Async = false,
                           .Main = true,
                           .Bind = [this](KySNMPRequest2Edits& binder) {
                               int position = 0;
                               for (QComboBox* combo : {DestIPcbx, IPSourcecbx, CRCLowcbx, CRCHighcbx, TCP_UDPPortcbx,
                                                        Statecbx})
                                   binder.BindComboBox(position++, combo);
                           }});
}

void TECMPManagementForm::HashFieldChecked(QCheckBox* checked) {
    for (std::size_t i : {1u, 2u, 3u})
        if (CheckBoxes[i] != checked) CheckBoxes[i]->setChecked(false);
}

// No row to select: Set Checked and every field stay usable, and the ticks stay as they are.
void TECMPManagementForm::GetButtonClick() {
    if (!Binder || Binder->Busy) return;
    try {
        Binder->Get();
    } catch (const std::exception& error) {
        Report(error);
    }
}

void TECMPManagementForm::ClearButtonClick() {
    for (QCheckBox* box : CheckBoxes) box->setChecked(false);
}

void TECMPManagementForm::SetButtonClick() {
    if (!Binder || Binder->Busy) return;
    std::vector<int> excluded;
    for (std::size_t i = 0; i < CheckBoxes.size(); ++i)
        if (!CheckBoxes[i]->isChecked()) excluded.push_back(int(i));
    bool sent = false;
    try {
        sent = MaskedSet(excluded);
    } catch (const std::exception& error) {
        Report(error);
    }
    // The combos show the device's values again, also after a refusal or a failure the binder has shown.
    if (sent || !Binder->Busy) GetButtonClick();
}
