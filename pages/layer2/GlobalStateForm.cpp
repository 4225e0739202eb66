#include "GlobalStateForm.h"

#include "PageKit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>

TGlobalStateForm::TGlobalStateForm(QWidget* owner, const TGlobalStateLayout& layout)
    : TDedicatedPage(owner, {.Width = 338, .Height = 110, .Report = TPageReport::BarePanel}) {
    setWindowTitle(QString::fromLatin1(layout.Caption));
    QHBoxLayout* columns = BuildPageColumns(Client);
    auto* values = new QGridLayout();
    columns->addLayout(values, 1);
    StateCombo = NewPageCombo(Client, layout.ComboName);
    AddCaptionedColumn(values, {{QString::fromLatin1(layout.ComboLabel), StateCombo}});
    values->setRowStretch(values->rowCount(), 1);
    RefreshButton = NewPageButton(Client, layout.GetName, QStringLiteral("Refresh"));
    auto* set = NewPageButton(Client, layout.SetName, QStringLiteral("Set"));
    CloseButton = NewPageButton(Client, "btnClose", QStringLiteral("Close"));
    AddButtonColumn(columns, {RefreshButton, set, CloseButton});
    connect(RefreshButton, &QPushButton::clicked, this, &TGlobalStateForm::GetClick);
    connect(set, &QPushButton::clicked, this, [this] { SetClick(); });
    connect(CloseButton, &QPushButton::clicked, this, &TGlobalStateForm::CloseClick);

    StateRequest = CreateBinder({.Table = layout.Table, .Main = true, .Bind = [this](KySNMPRequest2Edits& binder) {
                                     binder.BindComboBox(0, StateCombo);
                                 }});
}

void TGlobalStateForm::Step(const std::function<void()>& step) {
    try {
        step();
    } catch (const std::exception& error) {
        Report(error);
    }
}

void TGlobalStateForm::GetClick() {
    if (StateRequest) Step([this] { StateRequest->Get(); });
}
