#include "LldpTlvPage.h"

#include "KyControlEvents.h"
#include "LldpTlvDialog.h"
#include "LldpTlvRequest2Edits.h"
#include "PageKit.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

constexpr int TlvTextLength = 256;

}  // namespace

TLldpTlvPage::TLldpTlvPage(QWidget* owner, const TLldpTlvLayout& layout)
    : TDedicatedPage(owner, {.Width = layout.Width, .Height = layout.Height, .Report = TPageReport::BarePanel}) {
    setWindowTitle(QString::fromLatin1(layout.Caption));
    BuildLayout(layout);
}

void TLldpTlvPage::BuildLayout(const TLldpTlvLayout& layout) {
    const TListOverPanel body = BuildListOverPanel(Client, "ListView1", false);
    ListView1 = body.List;
    auto* inputs = new QGridLayout();
    body.LowerLayout->addLayout(inputs);
    PortText = NewStaticText(body.Lower, "PortText");
    TLVsEdit = NewPageEdit(body.Lower, "TLVsEdit");
    TLVsEdit->setMaxLength(TlvTextLength);
    TLVsEdit->setMinimumWidth(layout.AdminState ? 320 : 200);
    TLVsEdit->installEventFilter(this);
    auto* portLabel = new QLabel(QStringLiteral("Port Number"), body.Lower);
    portLabel->setObjectName(QStringLiteral("PortEditLabel"));
    portLabel->setEnabled(false);
    inputs->addWidget(portLabel, 0, 0);
    inputs->addWidget(PortText, 0, 1);
    AddCaptionedColumn(inputs, {{QStringLiteral("TLVs TX Enable"), TLVsEdit}});
    if (layout.AdminState) {
        AdminStateComboBox = NewPageCombo(body.Lower, "AdminStateComboBox");
        NotificationComboBox = NewPageCombo(body.Lower, "NotificationComboBox");
        AddCaptionedColumn(inputs, {{QStringLiteral("Admin State"), AdminStateComboBox},
                                    {QStringLiteral("Notification Enable"), NotificationComboBox}});
    }
    inputs->setColumnStretch(2, 1);

    RowCounter = NewRowCounter(Client, "StaticText1");
    RefreshButton = NewPageButton(Client, "GetButton", QStringLiteral("Refresh"));
    SetButton = NewPageButton(Client, "EditButton", QStringLiteral("Edit"));
    CloseButton = NewPageButton(Client, "CloseButton", QStringLiteral("Close"));
    AddButtonColumn(body.Columns, {RowCounter, RefreshButton, SetButton, CloseButton});
    connect(RefreshButton, &QPushButton::clicked, this, &TLldpTlvPage::RefreshClick);
    connect(SetButton, &QPushButton::clicked, this, &TLldpTlvPage::EditButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &TLldpTlvPage::CloseClick);
}

void TLldpTlvPage::FormCreate(const KySNMPVarDesc* table,
                              const std::function<LldpTlvRequest2Edits*(const TBinderSpec&)>& create) {
    WatchList(ListView1);
    TlvRequest = create({.Table = table,
                         .ItemType = MVT_UMV,
                         .KeyCount = 1,
                         .Main = true,
                         .List = ListView1,
                         .Bind = [this](KySNMPRequest2Edits& binder) {
                             binder.BindStaticText(0, PortText);
                             if (AdminStateComboBox) {
                                 binder.BindComboBox(1, AdminStateComboBox);
                                 binder.BindComboBox(2, NotificationComboBox);
                             }
                         }});
    if (TlvRequest) {
        TlvRequest->TlvText = [this] { return TLVsEdit->text(); };
        const int tlvColumn = TlvRequest->TlvPosition;
        // After the binder has copied the row: the edit takes the names the list shows.
        KyControlEvents::onSelectItem(ListView1, this, [this, tlvColumn](QTreeWidgetItem* row, bool selected) {
            if (selected) TLVsEdit->setText(row->text(tlvColumn));
        });
    }
    ShowRowSelected(false);
}

void TLldpTlvPage::ResetInputs() { PortText->setText(QStringLiteral(" ")); }

bool TLldpTlvPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == TLVsEdit && event->type() == QEvent::MouseButtonPress) TLVsEditClick();
    return TDedicatedPage::eventFilter(watched, event);
}

void TLldpTlvPage::TLVsEditClick() {
    if (!TlvDialog) return;
    SetButton->setEnabled(true);
    TlvDialog->exec();
}

void TLldpTlvPage::EditButtonClick() {
    if (!ListView1->currentItem() || !TlvRequest) return;
    // The write and the read after it go out together; the read starts once the write is answered.
    GuardedWrite([this] { return TlvRequest->Set(0, 1, {}, nullptr); });
}
