#include "TimeRangeFormUnit.h"

#include "AclControls.h"
#include "Oid_timerange.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

enum Column { Name, Days, Start, End, Status };
constexpr int ActiveItem = 0;
constexpr int CreateAndGoItem = 3;
constexpr int DestroyItem = 5;

}  // namespace

TTimeRangeForm::TTimeRangeForm(QWidget* owner)
    : TDedicatedPage(owner, {.Width = 640, .Height = 460, .Guarded = true, .RefuseCloseWhileReading = true,
                             .Report = TPageReport::BarePanel}) {
    setWindowTitle(QStringLiteral("Time Range"));
    BuildLayout();
    FormCreate();
}

void TTimeRangeForm::BuildLayout() {
    const TListFrame frame = BuildListFrame(Client);
    ListView1 = frame.List;
    QVBoxLayout* body = frame.Left;

    auto* nameRow = new QHBoxLayout();
    body->addLayout(nameRow);
    nameRow->addWidget(new QLabel(QStringLiteral("Name"), Client));
    nameRow->addWidget(edtName = NewPageEdit(Client, "edtName"), 1);
    cbxStatus = NewPageCombo(Client, "cbxStatus");
    cbxStatus->hide();

    auto* weekdays = new QGroupBox(QStringLiteral("Weekdays"), Client);
    auto* days = new QHBoxLayout(weekdays);
    CheckBox1 = NewPageCheckBox(weekdays, "CheckBox1", QStringLiteral("Monday"));
    CheckBox2 = NewPageCheckBox(weekdays, "CheckBox2", QStringLiteral("Tuesday"));
    CheckBox3 = NewPageCheckBox(weekdays, "CheckBox3", QStringLiteral("Wednesday"));
    CheckBox4 = NewPageCheckBox(weekdays, "CheckBox4", QStringLiteral("Thursday"));
    CheckBox5 = NewPageCheckBox(weekdays, "CheckBox5", QStringLiteral("Friday"));
    CheckBox6 = NewPageCheckBox(weekdays, "CheckBox6", QStringLiteral("Saturday"));
    CheckBox7 = NewPageCheckBox(weekdays, "CheckBox7", QStringLiteral("Sunday"));
    CheckBox8 = NewPageCheckBox(weekdays, "CheckBox8", QStringLiteral("None"));
    CheckBox8->hide();
    for (QCheckBox* box : Weekdays()) days->addWidget(box);
    body->addWidget(weekdays);

    auto* daily = new QGroupBox(QStringLiteral("Daily"), Client);
    auto* times = new QGridLayout(daily);
    times->addWidget(new QLabel(QStringLiteral("Start Time"), daily), 0, 0);
    times->addWidget(edtStart = NewPageEdit(daily, "edtStart"), 0, 1);
    times->addWidget(new QLabel(QStringLiteral("(Time hh:mm:ss )"), daily), 0, 2);
    times->addWidget(new QLabel(QStringLiteral("End Time"), daily), 1, 0);
    times->addWidget(edtEnd = NewPageEdit(daily, "edtEnd"), 1, 1);
    times->addWidget(new QLabel(QStringLiteral("(Time hh:mm:ss )"), daily), 1, 2);
    body->addWidget(daily);

    RefreshButton = NewPageButton(Client, "btnGet", QStringLiteral("Refresh"));
    SetButton = NewPageButton(Client, "btnSet", QStringLiteral("Edit"));
    AddButton = NewPageButton(Client, "btnAdd", QStringLiteral("Add"));
    DeleteButton = NewPageButton(Client, "btnDelete", QStringLiteral("Delete"));
    StopButton = NewPageButton(Client, "btnStop", QStringLiteral("Stop"));
    CloseButton = NewPageButton(Client, "btnClose", QStringLiteral("Close"));
    RowCounter = frame.Counter;
    AddToButtonColumn(frame.Buttons, {RefreshButton, SetButton, AddButton, DeleteButton, StopButton, CloseButton});
    connect(RefreshButton, &QPushButton::clicked, this, &TTimeRangeForm::btnGetClick);
    connect(SetButton, &QPushButton::clicked, this, &TTimeRangeForm::btnSetClick);
    connect(AddButton, &QPushButton::clicked, this, &TTimeRangeForm::btnAddClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TTimeRangeForm::btnDeleteClick);
    connect(StopButton, &QPushButton::clicked, this, &TTimeRangeForm::StopClick);
    connect(CloseButton, &QPushButton::clicked, this, &TTimeRangeForm::CloseClick);
}

std::vector<QCheckBox*> TTimeRangeForm::Weekdays() const {
    return {CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox5, CheckBox6, CheckBox7};
}

void TTimeRangeForm::FormCreate() {
    KeyEdits = {edtName, cbxStatus};
    WatchList(ListView1);
    ShowRowSelected(false);
    Binder = CreateBinder({.Table = TimeRangeVars,
                           .ItemType = MVT_UMV,
                           .KeyCount = 1,
                           .Main = true,
                           .List = ListView1,
                           .Bind = [&](KySNMPRequest2Edits& b) {
                               b.BindEdits(Name, "%s", {edtName});
                               // Bit 0 (0x80) is Sunday; the lowest bit has no box the user can change.
                               b.BindCheckBoxBits(Days, "0,1,2,3,4,5,6,7",
                                                  {CheckBox7, CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox5,
                                                   CheckBox6, CheckBox8});
                               b.BindEdits(Start, "%s", {edtStart});
                               b.BindEdits(End, "%s", {edtEnd});
                               b.BindComboBox(Status, cbxStatus);
                           }});
}

void TTimeRangeForm::ReadEnded(const KySNMPError&) {
    for (QCheckBox* box : Weekdays()) box->setEnabled(true);
}

void TTimeRangeForm::ResetInputs() {
    if (KeepInputs) return;
    cbxStatus->setCurrentIndex(-1);
    edtStart->clear();
    edtEnd->clear();
    edtName->clear();
    // A new profile starts with no days; the hidden bit of the row shown last must not travel with it.
    for (QCheckBox* box : Weekdays()) box->setChecked(false);
    CheckBox8->setChecked(false);
}

void TTimeRangeForm::btnGetClick() { RefreshClick(); }

bool TTimeRangeForm::CheckInputs() {
    const auto refuse = [&](const QString& text, QWidget* control) {
        ShowMessage(text);
        if (control && control->isEnabled()) control->setFocus();
        return false;
    };
    const std::vector<QCheckBox*> days = Weekdays();
    if (std::none_of(days.begin(), days.end(), [](const QCheckBox* box) { return box->isChecked(); }))
        return refuse(QStringLiteral("Please select the weekdays"), CheckBox1);
    if (edtStart->text().isEmpty()) return refuse(QStringLiteral("Please select the daily start time"), edtStart);
    if (edtEnd->text().isEmpty()) return refuse(QStringLiteral("Please select the daily end time"), edtEnd);
    return true;
}

void TTimeRangeForm::btnAddClick() {
    if (!MayWrite()) return;
    // The name is the row's instance: an empty one would address the table itself.
    if (edtName->text().isEmpty()) {
        ShowMessage(QStringLiteral("Please input the time range name"));
        edtName->setFocus();
        return;
    }
    if (!CheckInputs()) return;
    KeepInputs = true;
    GuardedWrite([&] { return MaskedSet({}, Status, CreateAndGoItem); });
    KeepInputs = false;
}

void TTimeRangeForm::btnSetClick() {
    if (!ListView1->currentItem() || !MayWrite() || !CheckInputs()) return;
    GuardedWrite([&] { return MaskedSet({}, Status, ActiveItem); });
}

void TTimeRangeForm::btnDeleteClick() {
    if (!ListView1->currentItem() || !MayWrite()) return;
    GuardedWrite([&] { return MaskedSet({}, Status, DestroyItem); });
}
