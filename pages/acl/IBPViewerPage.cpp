#include "IBPViewerPage.h"

#include "AclControls.h"
#include "KyControlEvents.h"
#include "StackingPortUitForm.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

TIBPViewerPage::TIBPViewerPage(QWidget* owner, const TIBPViewerTable& table)
    : TDedicatedPage(owner, {.Width = table.Width, .Height = table.Height, .Report = TPageReport::BarePanel}) {
    const TListFrame frame = BuildListFrame(Client);
    ListView1 = frame.List;
    QVBoxLayout* body = frame.Left;
    TFieldGrid fields(body, 3);
    for (const TIBPViewerField& field : table.Fields) {
        QWidget* control = nullptr;
        if (field.Format) {
            QLineEdit* edit = NewPageEdit(Client, field.Name);
            edit->setReadOnly(true);
            control = edit;
        } else {
            QComboBox* combo = NewPageCombo(Client, field.Name);
            Combos.push_back(combo);
            control = combo;
        }
        fields.Add(QString::fromUtf8(field.Caption), control);
        Fields.push_back(control);
    }
    if (table.PortPosition >= 0) {
        PageControl1 = new QTabWidget(Client);
        PageControl1->setObjectName(QStringLiteral("PageControl1"));
        body->addWidget(PageControl1, 1);
    }
    RefreshButton = NewPageButton(Client, table.RefreshName, QStringLiteral("Refresh"));
    CloseButton = NewPageButton(Client, "btnClose", QStringLiteral("Close"));
    RowCounter = frame.Counter;
    AddToButtonColumn(frame.Buttons, {RefreshButton, CloseButton});
    connect(RefreshButton, &QPushButton::clicked, this, &TIBPViewerPage::RefreshClick);
    connect(CloseButton, &QPushButton::clicked, this, &TIBPViewerPage::CloseClick);

    const std::string ports = PortNumberList();
    if (PageControl1) PortSelector = AddPortSelector(PageControl1, QStringLiteral("Ports"));
    WatchList(ListView1, {}, false);
    Binder = CreateBinder({.Table = table.Table,
                           .ItemType = MVT_UMV,
                           .KeyCount = table.KeyCount,
                           .Async = false,
                           .Main = true,
                           .List = ListView1,
                           .Bind = [&](KySNMPRequest2Edits& b) {
                               for (std::size_t i = 0; i < table.Fields.size(); ++i) {
                                   const TIBPViewerField& field = table.Fields[i];
                                   if (field.Format) b.BindEdits(field.Position, field.Format, {qobject_cast<QLineEdit*>(Fields[i])});
                                   else b.BindComboBox(field.Position, qobject_cast<QComboBox*>(Fields[i]));
                               }
                               if (PortSelector) BindPortList(b, table.PortPosition, ports, PortSelector);
                           }});
    // After the binder has shown the row (and enabled every bound control).
    KyControlEvents::onSelectItem(ListView1, this, [this](QTreeWidgetItem*, bool selected) { ListView1Click(selected); });
    ClearFields();
}

void TIBPViewerPage::ListView1Click(bool selected) {
    if (!selected) return;
    for (QComboBox* combo : Combos) combo->setEnabled(false);
}

void TIBPViewerPage::ClearFields() {
    for (QWidget* control : Fields)
        if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->clear();
    for (QComboBox* combo : Combos) {
        combo->setCurrentIndex(-1);
        combo->setEnabled(false);
    }
    if (PortSelector) PortSelector->UncheckAll();
}
