#include "Dot3CounterPage.h"

#include "KyControlEvents.h"
#include "PageKit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTimer>
#include <QTreeWidget>

#include <array>

namespace {

constexpr std::array<int, 6> IntervalSeconds = {0, 2, 5, 10, 30, 60};
const char* const NotCompleted = "Get data not completed!";

}  // namespace

TDot3CounterPage::TDot3CounterPage(QWidget* owner, const TDot3CounterLayout& layout)
    : TDedicatedPage(owner, {.Width = 520, .Height = 460, .Guarded = true, .Report = TPageReport::BarePanel}),
      Layout(layout) {
    setWindowTitle(QString::fromLatin1(layout.Caption));
}

void TDot3CounterPage::BuildLayout(const std::function<void(QGridLayout*)>& rowControls,
                                   std::initializer_list<QWidget*> buttons) {
    QHBoxLayout* columns = BuildPageColumns(Client);
    auto* splitter = new QSplitter(Qt::Vertical, Client);
    columns->addWidget(splitter, 1);
    ListView1 = NewPageList(splitter, "ListView1");

    auto* row = new QWidget(splitter);
    auto* rowGrid = new QGridLayout(row);
    rowGrid->setContentsMargins(0, 0, 0, 0);
    rowControls(rowGrid);
    cbxInterval = NewPageCombo(row, "cbxInterval");
    cbxInterval->addItems({"none", "2s", "5s", "10s", "30s", "1m"});
    AddCaptionedColumn(rowGrid, {{QStringLiteral("Interval Time"), cbxInterval}});
    rowGrid->setColumnStretch(2, 1);

    ListView2 = NewPageList(splitter, "ListView2");
    ListView2->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Value")});
    ListView2->setRootIsDecorated(false);
    for (const QString& name : Layout.CounterNames) ListView2->addTopLevelItem(new QTreeWidgetItem({name, QString()}));
    ListView2->resizeColumnToContents(0);
    ListView2->setColumnWidth(0, ListView2->columnWidth(0) + 40);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(2, 1);
    lvChart = NewPageList(Client, "lvChart");
    lvChart->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    RowCounter = NewRowCounter(Client, "StaticText1");
    RefreshButton = NewPageButton(Client, "btnGet", QStringLiteral("Refresh"));
    CloseButton = NewPageButton(Client, "btnClose", QStringLiteral("Close"));
    QVBoxLayout* buttonColumn = AddButtonColumn(columns, {RowCounter, RefreshButton});
    int at = buttonColumn->count() - 1;
    for (QWidget* button : buttons) buttonColumn->insertWidget(at++, button);
    buttonColumn->insertWidget(at, CloseButton);
    connect(RefreshButton, &QPushButton::clicked, this, &TDot3CounterPage::btnGetClick);
    connect(CloseButton, &QPushButton::clicked, this, &TDot3CounterPage::CloseClick);
    connect(cbxInterval, &QComboBox::activated, this, &TDot3CounterPage::cbxIntervalChange);
    connect(Timer1, &QTimer::timeout, this, &TDot3CounterPage::Timer1Timer);
}

void TDot3CounterPage::FormCreate(const std::function<void(KySNMPRequest2Edits&)>& bindRow) {
    WatchList(ListView1, {}, false);
    TableRequest = CreateBinder({.Table = Layout.InterfaceTable,
                                 .ItemType = MVT_FMV,
                                 .KeyCount = 1,
                                 .Main = true,
                                 .List = ListView1,
                                 .Bind = bindRow});
    CounterRequest = CreateBinder({.Table = Layout.CounterTable, .ItemType = MVT_SV, .ReadNow = false, .List = lvChart});
    // After the binder has copied the row into the controls.
    KyControlEvents::onSelectItem(ListView1, this, [this](QTreeWidgetItem*, bool selected) {
        ListView1Click(selected);
    });
    ResetInputs();
}

void TDot3CounterPage::ResetInputs() { ResetCounters(); }

void TDot3CounterPage::ResetCounters() {
    Timer1->stop();
    cbxInterval->setCurrentIndex(0);
    DisableControl(cbxInterval);
    for (int i = 0; i < ListView2->topLevelItemCount(); ++i) ListView2->topLevelItem(i)->setText(1, QString());
    lvChart->clear();
}

void TDot3CounterPage::btnGetClick() {
    if (!TableRequest || Reading() || TableRequest->Busy) return;
    ResetInputs();
    try {
        DataComplete = 0;
        TableRequest->Request.Active = 1;
        TableRequest->Get();
    } catch (const std::exception& error) {
        DataComplete = 1;
        Report(error);
    }
}

void TDot3CounterPage::ListView1Click(bool selected) {
    if (!selected) return;  // the base has reset the inputs
    if (ReadCounters()) {
        EnableControl(cbxInterval);
    } else {
        ShowMessage(QString::fromLatin1(NotCompleted));
        ResetCounters();
    }
    RowSelected();
}

bool TDot3CounterPage::ReadCounters() {
    QTreeWidgetItem* row = ListView1->currentItem();
    if (!CounterRequest || !row) return false;
    try {
        // A fresh copy drops the instance of the interface clicked before.
        CounterRequest->Request.VarList = KySNMPVarList(Layout.CounterTable, MVT_SV, 0);
        CounterRequest->Request.VarList.AppendInstance(row->text(0).toStdString());
        CounterRequest->Async = 0;
        lvChart->clear();
        CounterRequest->Get();
    } catch (const std::exception& error) {
        Report(error);
    }
    return ShowCounters();
}

bool TDot3CounterPage::ShowCounters() {
    QTreeWidgetItem* read = lvChart->topLevelItem(0);
    if (!read) return false;
    for (int i = 0; i < ListView2->topLevelItemCount() && i < read->columnCount(); ++i)
        ListView2->topLevelItem(i)->setText(1, read->text(i));
    return true;
}

void TDot3CounterPage::cbxIntervalChange(int index) {
    if (index == 0) Timer1->stop();
    if (index < 1 || index >= int(IntervalSeconds.size())) return;
    Timer1->start(IntervalSeconds[std::size_t(index)] * CounterIntervalSecondMs);
}

void TDot3CounterPage::Timer1Timer() {
    if (!CounterRequest || CounterRequest->Busy) return;
    // A tick never raises a box: the failure goes to the status line and polling stops.
    if (!ReadCounters()) {
        StatusPanel()->setText(QString::fromLatin1(NotCompleted));
        ResetCounters();
    }
}

void TDot3CounterPage::done(int result) {
    Timer1->stop();
    TDedicatedPage::done(result);
}
