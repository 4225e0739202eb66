#include "RampartCtrlFormUnit.h"

#include "Oid_security.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <tuple>

namespace {

enum Column { Rising, Falling, Mode, Alarm, CurrentStatus };

// A threshold text as a number, -1 when it is none.
int threshold(const QLineEdit* edit) {
    bool ok = false;
    const int value = edit->text().toInt(&ok);
    return ok ? value : -1;
}

}  // namespace

TRampartCtrlForm::TRampartCtrlForm(QWidget* owner)
    : TDedicatedPage(owner, {.Width = 414, .Height = 243, .Report = TPageReport::BarePanel}) {
    setWindowTitle(QStringLiteral("Rampart Control"));
    BuildLayout();
    FormCreate();
}

void TRampartCtrlForm::BuildLayout() {
    QHBoxLayout* columns = BuildPageColumns(Client);
    auto* grid = new QGridLayout();
    columns->addLayout(grid, 1);
    auto check = [&](const char* name, const char* caption) {
        auto* box = new QCheckBox(QLatin1String(caption), Client);
        box->setObjectName(QLatin1String(name));
        connect(box, &QCheckBox::toggled, this, &TRampartCtrlForm::ChangeSetState);
        return box;
    };
    ckRising = check("ckRising", "Rising Threshold");
    ckFalling = check("ckFalling", "Falling Threshold");
    ckMode = check("ckMode", "Mode");
    ckAlarm = check("ckAlarm", "Alarm State");
    edtRising = new QLineEdit(Client);
    edtRising->setObjectName(QStringLiteral("edtRising"));
    edtFalling = new QLineEdit(Client);
    edtFalling->setObjectName(QStringLiteral("edtFalling"));
    cbxMode = new QComboBox(Client);
    cbxMode->setObjectName(QStringLiteral("cbxMode"));
    cbxAlarm = new QComboBox(Client);
    cbxAlarm->setObjectName(QStringLiteral("cbxAlarm"));
    cbxCurrentState = new QComboBox(Client);
    cbxCurrentState->setObjectName(QStringLiteral("cbxCurrentState"));
    cbxCurrentState->setEnabled(false);
    const std::pair<QWidget*, QWidget*> rows[] = {
        {ckRising, edtRising}, {ckFalling, edtFalling}, {ckMode, cbxMode}, {ckAlarm, cbxAlarm},
        {new QLabel(QStringLiteral("Current State"), Client), cbxCurrentState}};
    int row = 0;
    for (const auto& [label, control] : rows) {
        grid->addWidget(label, row, 0);
        grid->addWidget(control, row++, 1);
    }
    grid->setRowStretch(row, 1);
    lbFalling = new QLabel(Client);
    lbFalling->setObjectName(QStringLiteral("lbFalling"));
    lbFalling->hide();

    RefreshButton = NewPageButton(Client, "btnGet", QStringLiteral("Refresh"));
    SetButton = NewPageButton(Client, "btnSet", QStringLiteral("Set"));
    btnCheckAll = NewPageButton(Client, "btnCheckAll", QStringLiteral("Check All"));
    btnClearCheck = NewPageButton(Client, "btnClearCheck", QStringLiteral("Clear Checks"));
    CloseButton = NewPageButton(Client, "btnClose", QStringLiteral("Close"));
    AddButtonColumn(columns, {RefreshButton, SetButton, btnCheckAll, btnClearCheck, CloseButton});
    connect(RefreshButton, &QPushButton::clicked, this, &TRampartCtrlForm::btnGetClick);
    connect(SetButton, &QPushButton::clicked, this, &TRampartCtrlForm::btnSetClick);
    connect(btnCheckAll, &QPushButton::clicked, this, &TRampartCtrlForm::btnCheckAllClick);
    connect(btnClearCheck, &QPushButton::clicked, this, &TRampartCtrlForm::btnClearCheckClick);
    connect(CloseButton, &QPushButton::clicked, this, &TRampartCtrlForm::CloseClick);
}

void TRampartCtrlForm::FormCreate() {
    SetButton->setEnabled(false);
    Binder = CreateBinder({.Table = RampartCtrlVars,
                           .Async = false,
                           .Main = true,
                           .ReadNow = false,
                           .Bind = [&](KySNMPRequest2Edits& binder) {
                               binder.BindEdits(Rising, "%i{n20x100l3}", {edtRising});
                               binder.BindEdits(Falling, "%i{n20x100l3}", {edtFalling});
                               binder.BindComboBox(Mode, cbxMode);
                               binder.BindComboBox(Alarm, cbxAlarm);
                               binder.BindComboBox(CurrentStatus, cbxCurrentState);
                           }});
    btnGetClick();
}

void TRampartCtrlForm::btnGetClick() {
    if (!Binder || Binder->Busy) return;
    try {
        Binder->Request.Active = 1;
        Binder->Get();
        lbFalling->setText(edtFalling->text());
    } catch (const std::exception& error) {
        Report(error);
    }
}

void TRampartCtrlForm::ChangeSetState() {
    SetButton->setEnabled(ckRising->isChecked() || ckFalling->isChecked() || ckAlarm->isChecked() || ckMode->isChecked());
}

void TRampartCtrlForm::btnCheckAllClick() {
    for (QCheckBox* box : {ckRising, ckFalling, ckMode, ckAlarm}) box->setChecked(true);
}

void TRampartCtrlForm::btnClearCheckClick() {
    for (QCheckBox* box : {ckRising, ckFalling, ckMode, ckAlarm}) box->setChecked(false);
}

bool TRampartCtrlForm::CheckThresholds() {
    const std::tuple<QCheckBox*, QLineEdit*, const char*> thresholds[] = {
        {ckRising, edtRising, "Rising Threshold should between 20-100"},
        {ckFalling, edtFalling, "Falling Threshold should between 20-100"}};
    for (const auto& [box, edit, text] : thresholds) {
        if (!box->isChecked()) continue;
        const int value = threshold(edit);
        if (value < 20 || value > 100) {
            ShowMessage(QString::fromUtf8(text));
            return false;
        }
    }
    return true;
}

void TRampartCtrlForm::btnSetClick() {
    if (!CheckThresholds() || !Binder || Binder->Busy) return;
    // Lowering both thresholds writes the falling one first, so the switch never holds a falling
    // threshold above the rising one. Without a threshold read there is nothing to compare with.
    const int lastFalling = lbFalling->text().toInt();
    const bool fallingFirst = ckRising->isChecked() && ckFalling->isChecked() && !lbFalling->text().isEmpty() &&
                              threshold(edtFalling) < lastFalling;
    SetCheckedOneByOne(fallingFirst);
    btnGetClick();
}

void TRampartCtrlForm::SetCheckedOneByOne(bool fallingFirst) {
    std::vector<std::pair<QCheckBox*, int>> order = {{ckRising, Rising}, {ckFalling, Falling}};
    if (fallingFirst) std::swap(order[0], order[1]);
    order.insert(order.end(), {{ckMode, Mode}, {ckAlarm, Alarm}});
    try {
        Binder->Request.Active = 1;
        // The order keeps the thresholds apart: a write that failed stops the ones after it.
        for (const auto& [box, column] : order)
            if (box->isChecked() && !Binder->Set(0, 1, std::to_string(column))) return;
    } catch (const std::exception& error) {
        Report(error);
    }
}
