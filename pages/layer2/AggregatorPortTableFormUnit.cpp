#include "AggregatorPortTableFormUnit.h"

#include "AddressChecks.h"
#include "Oid_lacp.h"
#include "PageKit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

namespace {

enum Column { ActorAdminKey = 3, PartnerAdminSystemId = 7, PartnerAdminKey = 9, ActorAdminState = 19, PartnerAdminState = 21 };
enum Tab { ActorAdmin, ActorOper, PartnerAdmin, PartnerOper };
constexpr int BitsPerTab = 8;
constexpr int HighestKey = 65535;
const char* const StateBits[BitsPerTab] = {"lacpActivity", "lacpTimeout", "aggregation", "synchronisation",
                                           "collecting",   "distributing", "defaulted",   "expired"};

}  // namespace

TAggregatorPortTableForm::TAggregatorPortTableForm(QWidget* owner)
    : TDedicatedPage(owner, {.Width = 547,
                             .Height = 591,
                             .Guarded = true,
                             .RefuseCloseWhileReading = true,
                             .Report = TPageReport::BarePanel}) {
    setWindowTitle(QStringLiteral("802.3ad Aggregator Port Table"));
    BuildLayout();
    FormCreate();
}

void TAggregatorPortTableForm::BuildLayout() {
    const TListOverPanel body = BuildListOverPanel(Client, "ListView1", false);
    ListView1 = body.List;
    ListView1->setRootIsDecorated(false);
    PageControl1 = new QTabWidget(body.Lower);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    body.LowerLayout->addWidget(PageControl1);
    const char* const tabs[] = {"Actor Admin State", "Actor Oper State", "Partner Admin State", "Partner Oper State"};
    for (int tab = ActorAdmin; tab <= PartnerOper; ++tab) {
        auto* sheet = new QWidget(PageControl1);
        auto* grid = new QGridLayout(sheet);
        for (int bit = 0; bit < BitsPerTab; ++bit) {
            const int n = tab * BitsPerTab + bit;
            auto* box = new QCheckBox(QString::fromLatin1(StateBits[bit]), sheet);
            box->setObjectName(QStringLiteral("CheckBox%1").arg(n + 1));
            grid->addWidget(box, bit / 4, bit % 4);
            CheckBoxes[std::size_t(n)] = box;
        }
        PageControl1->addTab(sheet, QString::fromLatin1(tabs[tab]));
    }
    // The operational states are seen in the list only.
    PageControl1->setTabVisible(ActorOper, false);
    PageControl1->setTabVisible(PartnerOper, false);

    auto* inputs = new QGridLayout();
    body.LowerLayout->addLayout(inputs);
    edtActorKey = NewPageEdit(body.Lower, "edtActorKey");
    edtPartnerID = NewPageEdit(body.Lower, "edtPartnerID");
    edtPartnerKey = NewPageEdit(body.Lower, "edtPartnerKey");
    AddCaptionedColumn(inputs, {{QStringLiteral("Actor Admin Key"), edtActorKey},
                                {QStringLiteral("Partner Admin System ID"), edtPartnerID},
                                {QStringLiteral("Partner Admin Key"), edtPartnerKey}});
    inputs->setColumnStretch(2, 1);

    RowCounter = NewRowCounter(Client, "StaticText1");
    RefreshButton = NewPageButton(Client, "GetBtn", QStringLiteral("Refresh"));
    SetButton = NewPageButton(Client, "btnEdit", QStringLiteral("Edit"));
    StopButton = NewPageButton(Client, "btnStop", QStringLiteral("Stop"));
    CloseButton = NewPageButton(Client, "btnClose", QStringLiteral("Close"));
    AddButtonColumn(body.Columns, {RowCounter, RefreshButton, SetButton, StopButton, CloseButton});
    connect(RefreshButton, &QPushButton::clicked, this, &TAggregatorPortTableForm::GetBtnClick);
    connect(SetButton, &QPushButton::clicked, this, &TAggregatorPortTableForm::btnEditClick);
    connect(StopButton, &QPushButton::clicked, this, &TAggregatorPortTableForm::StopClick);
    connect(CloseButton, &QPushButton::clicked, this, &TAggregatorPortTableForm::CloseClick);
}

void TAggregatorPortTableForm::FormCreate() {
    WatchList(ListView1);
    const auto tabBoxes = [this](int tab) {
        const auto first = CheckBoxes.begin() + tab * BitsPerTab;
        return std::vector<QCheckBox*>(first, first + BitsPerTab);
    };
    AggPortRequest = CreateBinder({.Table = AggregatorPortVars,
                                   .ItemType = MVT_FMV,
                                   .KeyCount = 1,
                                   .Main = true,
                                   .List = ListView1,
                                   .Bind = [&](KySNMPRequest2Edits& binder) {
                                       binder.BindEdits(ActorAdminKey, "%i{n0x65535l5}", {edtActorKey});
                                       binder.BindEdits(PartnerAdminSystemId, "%s{l12}", {edtPartnerID});
                                       binder.BindEdits(PartnerAdminKey, "%i{n0x65535l5}", {edtPartnerKey});
                                       binder.BindCheckBoxBits(ActorAdminState, "0,1,2,3,4,5,6,7", tabBoxes(ActorAdmin));
                                       binder.BindCheckBoxBits(PartnerAdminState, "0,1,2,3,4,5,6,7",
                                                               tabBoxes(PartnerAdmin));
                                   }});
    ShowRowSelected(false);
}

void TAggregatorPortTableForm::ResetInputs() {
    for (QCheckBox* box : CheckBoxes) box->setChecked(false);
    for (QLineEdit* edit : {edtActorKey, edtPartnerID, edtPartnerKey}) edit->clear();
}

void TAggregatorPortTableForm::ReadEnded(const KySNMPError&) {
    for (QCheckBox* box : CheckBoxes) box->setEnabled(true);
    for (QLineEdit* edit : {edtActorKey, edtPartnerID, edtPartnerKey}) EnableControl(edit);
}

bool TAggregatorPortTableForm::CheckPartnerSystemId(const QString& text) {
    if (IsHexOfLength(text, 12)) return true;
    ShowMessage(QStringLiteral("Invalid MAC address"));
    return false;
}

bool TAggregatorPortTableForm::KeyAccepted(QLineEdit* edit) {
    // The edit checks its range only when the focus leaves it.
    bool number = false;
    const int key = edit->text().toInt(&number);
    if (number && key >= 0 && key <= HighestKey) return true;
    ShowMessage(QStringLiteral("Please enter a number between 0 and 65535!"));
    edit->setFocus();
    return false;
}

void TAggregatorPortTableForm::GetBtnClick() { RefreshClick(); }

void TAggregatorPortTableForm::btnEditClick() {
    // A write names the port of the selected row, never an empty one.
    if (!ListView1->currentItem() || !MayWrite()) return;
    if (!CheckPartnerSystemId(edtPartnerID->text())) return;
    if (!KeyAccepted(edtActorKey) || !KeyAccepted(edtPartnerKey)) return;
    GuardedWrite([&] { return MaskedSet({}); });
}
