#include "RowEditDialog.h"

#include "CtrlBtnPanel.h"
#include "EditsPanel.h"
#include "KySNMPRequest2Edits.h"
#include "SNMPListViewPanel.h"

#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

TRowEditDialog::TRowEditDialog(TSNMPListViewPanel* page, const QString& caption, bool editing)
    : QDialog(page->window()), Page(page) {
    setObjectName(editing ? "EditDialog" : "AddDialog");
    setWindowTitle(caption);
    page->Request->SetConstraintOwner(this);
    Frame = new TSNMPPanel(this, page->Strip(), page->Request);
    TCtrlBtnPanel* column = Frame->ButtonPanel;
    Frame->OnClick(column->SetButton, [this] {
        if (Page->SetCheckedClick()) accept();
    });
    Frame->OnClick(column->CheckAllButton, [this] { Page->CheckAllClick(); });
    Frame->OnClick(column->ClearChecksButton, [this] { Page->ClearChecksClick(); });
    TEditsPanel* rows = page->EditsPanel;
    rows->ArrangeCtrlBtn(column);
    if (editing && column->SetButton->text() != "Set") column->SetButton->setEnabled(false);
    column->RefreshButton->hide();
    column->ArrangeButtons();
    rows->ArrangeRows(true);
    Frame->SetContent(rows);
    Frame->FitHostForm(this);
}

TRowEditDialog::~TRowEditDialog() {
    TEditsPanel* rows = Page->EditsPanel;
    rows->hide();
    rows->setParent(Page->ClientPanel);
    rows->ScrollBox->verticalScrollBar()->setValue(0);
    if (Page->Request) Page->Request->SetConstraintOwner(Page->HostForm);
}
