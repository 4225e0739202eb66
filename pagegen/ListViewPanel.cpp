#include "ListViewPanel.h"

#include "CtrlBtnPanel.h"
#include "KyOid.h"
#include "KySNMPRequest2Edits.h"

#include <QPushButton>
#include <QLabel>
#include <QTreeWidget>

#include <optional>

namespace {

// The row just delivered: the highest instance among the columns' last answers. Columns with a hole
// at this row, or already ended, still stand at an earlier one.
std::string deliveredInstance(const KySNMPRequest& request) {
    const KySNMPVarList& list = request.VarList;
    std::optional<KyOid> row;
    for (int i = 0; i < list.GetCount(); ++i) {
        if (!list.IsReadable(i)) continue;
        const std::optional<KyOid> answered = KyOid::tryParse(list.GetVar(i).Index);
        const std::optional<KyOid> base = KyOid::tryParse(request.BaseOid(i));
        if (!answered || !base || !answered->isStrictlyUnder(*base)) continue;
        const auto& ids = answered->subIds();
        KyOid instance(std::vector<std::uint32_t>(ids.begin() + long(base->size()), ids.end()));
        if (!row || *row < instance) row = std::move(instance);
    }
    return row ? row->toString() : std::string();
}

}  // namespace

TListViewPanel::TListViewPanel(QWidget* parent, KySNMPRequest2Edits* request) : QWidget(parent) {
    setObjectName("ListViewPanel");
    ListView = new QTreeWidget(this);
    ListView->setObjectName("ListView");
    ListView->setUniformRowHeights(true);
    ListView->setMouseTracking(true);
    ListView->setStyleSheet("QTreeView::item { border-right: 1px solid #d0d0d0; border-bottom: 1px solid #d0d0d0; }");
    request->BindListView(ListView, 0);
    // Each line is made while the request still holds its instance.
    request->OnListRow = [request](QTreeWidgetItem& item) {
        item.setData(0, InstanceRole, QString::fromStdString(deliveredInstance(request->Request)));
    };
    int characters = 0;
    for (int c = 0; c < ListView->columnCount(); ++c) characters += int(ListView->headerItem()->text(c).size());
    resize(std::min(2 * ListView->frameWidth() + 8 * characters, MaxWidth), PanelHeight);
}

std::string TListViewPanel::InstanceOf(const QTreeWidgetItem* item) {
    return item ? item->data(0, InstanceRole).toString().toStdString() : std::string();
}

void TListViewPanel::ArrangeCtrlBtn(TCtrlBtnPanel* column) {
    column->SampleCountText->show();
    column->SamplesLabel->show();
    column->RefreshButton->show();
    column->EditButton->show();
    column->EditButton->setEnabled(false);
    column->SetButton->hide();
    column->AddButton->setVisible(AddStatusRow != -1);
    column->DeleteButton->setVisible(DeleteStatusRow != -1);
    column->DeleteButton->setEnabled(false);
    column->CheckAllButton->hide();
    column->ClearChecksButton->hide();
    column->StopButton->hide();
    column->CloseButton->show();
    column->ArrangeButtons();
}

void TListViewPanel::resizeEvent(QResizeEvent*) { ListView->setGeometry(rect()); }
