#include "Layer2ControlUnit.h"

#include "KySNMPTarget.h"
#include "Oid_device.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEventLoop>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// The rows top to bottom: box, label, editor name, edit format (none: a combo), variable (-1: a port).
struct RowText {
    const char* Box;
    const char* Label;
    const char* Editor;
    const char* Format;
    int Variable;
};
const RowText RowTexts[] = {
    {"CheckBox1", "IGMP Snooping State", "IGMPComBo", nullptr, 0},
    {"CheckBox2", "Snooping Multicast Route Only State", "SnoopingComBo", nullptr, 1},
    {"CheckBox3", "RMON State", "RmonComBo", nullptr, 2},
    {"CheckBox4", "Clean All Statistic Counter", "CleanComBo", nullptr, 3},
    {"CheckBox5", "VLAN ID Of FDB Table (1-4094)", "VlanEdit", "%i{n1x4094l4}", 4},
    {"CheckBox11", "Management VLAN ID (1-4094)", "edtMVlanID", "%i{n1x4094l4}", 5},
    {"CheckBox12", "MAC Notification", "cbxMACNotify", nullptr, 6},
    {"CheckBox13", "MAC Notify History Size (1-500)", "edtNotifySize", "%i{n1x500l3}", 7},
    {"CheckBox14", "MAC Notify Interval", "edtNotifyInterval", "%i{n1x2147483647}", 8},
    {"CheckBox6", "Web State", "WebStateComBo", nullptr, 9},
    {"CheckBox7", "Web Port", "WebPortEdit", "%i{n1x65535}", -1},
    {"CheckBox8", "Telnet State", "TelStateComBo", nullptr, 10},
    {"CheckBox9", "Telnet Port", "TelPortEdit", "%i{n1x65535}", -1},
    {"CheckBox10", "IP Auto Configuration", "IPConfigComBo", nullptr, 11},
    {"CheckBox16", "CLI Paging", "CliPagingComBo", nullptr, 12},
    {"CheckBox17", "LLDP State", "LLDPStatecbx", nullptr, 13},
    {"CheckBox18", "LLDP Forward Message State", "LLDPfwdmsgStatecbx", nullptr, 14},
    {"CheckBox19", "Port Mirror Global State", "PortMirrorComboBox", nullptr, 15},
};

QString editorText(QWidget* editor) {
    if (auto* combo = qobject_cast<QComboBox*>(editor)) return combo->currentText();
    return static_cast<QLineEdit*>(editor)->text();
}

}  // namespace

TLayer2ControlForm::TLayer2ControlForm(QWidget* owner)
    : TDedicatedPage(owner, {.Width = 543, .Height = 668, .Report = TPageReport::BarePanel}),
      SettleWait(DefaultSNMPSecurity.Version == 3 ? 1500 : 800) {
    setWindowTitle(QStringLiteral("Layer2 Control"));
    BuildLayout();
    FormCreate();
}

void TLayer2ControlForm::BuildLayout() {
    QHBoxLayout* columns = BuildPageColumns(Client);
    auto* grid = new QGridLayout();
    columns->addLayout(grid, 1);
    int line = 0;
    for (const RowText& text : RowTexts) {
        auto* box = new QCheckBox(Client);
        box->setObjectName(QLatin1String(text.Box));
        QWidget* editor = text.Format ? static_cast<QWidget*>(new QLineEdit(Client)) : new QComboBox(Client);
        editor->setObjectName(QLatin1String(text.Editor));
        grid->addWidget(box, line, 0);
        grid->addWidget(new QLabel(QLatin1String(text.Label), Client), line, 1);
        grid->addWidget(editor, line++, 2);
        Rows.push_back({box, editor, text.Variable});
    }
    grid->setRowStretch(line, 1);
    auto row = [&](const char* editor) {
        for (const Row& r : Rows)
            if (r.Editor->objectName() == QLatin1String(editor)) return r;
        return Row{};
    };
    WebStateComBo = static_cast<QComboBox*>(row("WebStateComBo").Editor);
    TelStateComBo = static_cast<QComboBox*>(row("TelStateComBo").Editor);
    WebPortEdit = static_cast<QLineEdit*>(row("WebPortEdit").Editor);
    TelPortEdit = static_cast<QLineEdit*>(row("TelPortEdit").Editor);
    CheckBox7 = row("WebPortEdit").Box;
    CheckBox9 = row("TelPortEdit").Box;
    connect(WebStateComBo, &QComboBox::currentIndexChanged, this, &TLayer2ControlForm::WebStateComBoChange);
    for (const char* name : {"TelStateComBo", "IPConfigComBo", "CliPagingComBo", "LLDPStatecbx", "LLDPfwdmsgStatecbx",
                             "PortMirrorComboBox"})
        connect(static_cast<QComboBox*>(row(name).Editor), &QComboBox::currentIndexChanged, this,
                &TLayer2ControlForm::TelStateComBoChange);

    RefreshButton = NewPageButton(Client, "GetButton", QStringLiteral("Refresh"));
    SetButton = NewPageButton(Client, "SetButton", QStringLiteral("Set Checked"));
    CheckButton = NewPageButton(Client, "CheckButton", QStringLiteral("Check All"));
    ClearButton = NewPageButton(Client, "ClearButton", QStringLiteral("Clear Checked"));
    CloseButton = NewPageButton(Client, "CloseButton", QStringLiteral("Close"));
    AddButtonColumn(columns, {RefreshButton, SetButton, CheckButton, ClearButton, CloseButton});
    connect(RefreshButton, &QPushButton::clicked, this, &TLayer2ControlForm::GetButtonClick);
    connect(SetButton, &QPushButton::clicked, this, &TLayer2ControlForm::SetButtonClick);
    connect(CheckButton, &QPushButton::clicked, this, &TLayer2ControlForm::CheckButtonClick);
    connect(ClearButton, &QPushButton::clicked, this, &TLayer2ControlForm::ClearButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &TLayer2ControlForm::CloseClick);
}

void TLayer2ControlForm::FormCreate() {
    SettingsRequest = CreateBinder({.Table = Layer2ControlVars1,
                                    .Async = false,
                                    .Main = true,
                                    .ReadNow = false,
                                    .Bind = [&](KySNMPRequest2Edits& binder) {
                                        for (std::size_t i = 0; i < Rows.size(); ++i) {
                                            const Row& row = Rows[i];
                                            if (row.Variable < 0) continue;
                                            if (auto* combo = qobject_cast<QComboBox*>(row.Editor))
                                                binder.BindComboBox(row.Variable, combo);
                                            else
                                                binder.BindEdits(row.Variable, RowTexts[i].Format,
                                                                 {static_cast<QLineEdit*>(row.Editor)});
                                        }
                                    }});
    auto port = [&](const KySNMPVarDesc* table, QLineEdit* edit) {
        return CreateBinder({.Table = table,
                             .Async = false,
                             .ReadNow = false,
                             .Bind = [edit](KySNMPRequest2Edits& binder) { binder.BindEdits(0, "%i{n1x65535}", {edit}); }});
    };
    WebPortRequest = port(Layer2ControlVars2, WebPortEdit);
    TelnetPortRequest = port(Layer2ControlVars3, TelPortEdit);
    try {
        ReadAll();
    } catch (const std::exception& error) {
        Report(error);
    }
}

bool TLayer2ControlForm::AnyBusy() const {
    for (const KySNMPRequest2Edits* binder : {SettingsRequest, WebPortRequest, TelnetPortRequest})
        if (binder && binder->Busy) return true;
    return false;
}

void TLayer2ControlForm::ReadAll() {
    if (!SettingsRequest) return;
    SettingsRequest->Request.Active = 1;
    SettingsRequest->Get();
    WebStateComBoChange();
    TelStateComBoChange();
    if (WebPortRequest && WebStateComBo->currentText() == "enabled") WebPortRequest->Get();
    if (TelnetPortRequest && TelStateComBo->currentText() == "enabled") TelnetPortRequest->Get();
}

void TLayer2ControlForm::GetButtonClick() {
    if (AnyBusy()) return;
    try {
        ReadAll();
    } catch (const std::exception& error) {
        Report(error);
    }
}

void TLayer2ControlForm::ShowPortState(QComboBox* state, QLineEdit* port, QCheckBox* box) {
    if (state->currentText() == "disabled") {
        port->clear();
        DisableControl(port);
        box->setChecked(false);
        box->setEnabled(false);
    } else if (state->currentText() == "enabled") {
        EnableControl(port);
        box->setEnabled(true);
    }
}

void TLayer2ControlForm::WebStateComBoChange() { ShowPortState(WebStateComBo, WebPortEdit, CheckBox7); }

void TLayer2ControlForm::TelStateComBoChange() { ShowPortState(TelStateComBo, TelPortEdit, CheckBox9); }

void TLayer2ControlForm::CheckButtonClick() {
    for (const Row& row : Rows)
        if (row.Box->isEnabled()) row.Box->setChecked(true);
}

void TLayer2ControlForm::ClearButtonClick() {
    for (const Row& row : Rows)
        if (row.Box->isEnabled()) row.Box->setChecked(false);
}

bool TLayer2ControlForm::ValidateCheckedFields() {
    for (const Row& row : Rows) {
        if (!row.Box->isChecked() || !editorText(row.Editor).isEmpty()) continue;
        ShowMessage(QStringLiteral("Some Checked fields are empty."));
        if (row.Editor->isEnabled()) row.Editor->setFocus();
        return false;
    }
    return true;
}

void TLayer2ControlForm::SendCheckedSettings() {
    std::vector<int> excluded;
    bool any = false;
    for (const Row& row : Rows) {
        if (row.Variable < 0) continue;
        if (row.Box->isChecked()) any = true;
        else excluded.push_back(row.Variable);
    }
    // Only the ports checked: no empty request.
    if (!any) return;
    try {
        ShowRefusal(MaskedSet(excluded, -1, -1, 0));
    } catch (const std::exception& error) {
        Report(error);
    }
}

void TLayer2ControlForm::Settle() {
    // The switch applies a new port a moment after the state: the window keeps painting meanwhile.
    QEventLoop loop;
    QTimer::singleShot(SettleWait, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void TLayer2ControlForm::SendPort(QCheckBox* box, QLineEdit* edit, KySNMPRequest2Edits* request) {
    if (!request) return;
    if (box->isChecked()) {
        try {
            request->Request.Active = 1;
            // The re-read's "Ok!" would hide a refused write.
            if (!request->Set(1, 1)) return;
        } catch (const std::exception& error) {
            Report(error);
        }
        request->Get();
        return;
    }
    request->Get();
    edit->clear();
    edit->setReadOnly(true);
    Settle();
    edit->setReadOnly(false);
    request->Get();
}

void TLayer2ControlForm::SetButtonClick() {
    if (AnyBusy() || !SettingsRequest || !ValidateCheckedFields()) return;
    SendCheckedSettings();
    try {
        SettingsRequest->Get();
        WebStateComBoChange();
        TelStateComBoChange();
        if (WebStateComBo->currentText() == "enabled") SendPort(CheckBox7, WebPortEdit, WebPortRequest);
        if (TelStateComBo->currentText() == "enabled") SendPort(CheckBox9, TelPortEdit, TelnetPortRequest);
    } catch (const std::exception& error) {
        Report(error);
    }
}
