#include "MainUnit.h"

#include "EditsPanel.h"
#include "GUIConfigForm.h"
#include "MainMenuTable.h"
#include "MenuHandlers.h"
#include "MenuPages.h"
#include "SNMPEditorPanel.h"
#include "StackingPortUitForm.h"

#include "KySNMPRequest2Edits.h"
#include "KySNMPLedPoll.h"
#include "KySNMPRequest2Leds.h"
#include "KySNMPSequence.h"
#include "KySNMPStatus.h"
#include "KySNMPTarget.h"
#include "Oid_device.h"
#include "Oid_dot1xpae.h"
#include "Oid_stacking.h"
#include "PanelForms.h"
#include "Registry.h"
#include "SuitePaths.h"
#include "UnitBadges.h"
#include "WaitingFormUnit.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QThreadPool>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include <future>
#include <map>
#include <string_view>

TMainForm* MainForm = nullptr;
std::string DeviceIPText;
std::string StackModeText = "ST_StackMode";
int StackUnitCount = 0;
QTreeWidget* StackUnitListView = nullptr;

namespace {

// Columns of the unit list: the unit ID first, then the table's variables in order.
constexpr int StartPortColumn = 2;
constexpr int ModuleNameColumn = 7;
constexpr int ExistStateColumn = 8;

QLabel* hiddenLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(QString::fromLatin1(name), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->hide();
    return label;
}

}  // namespace

TMainForm::TMainForm(const std::vector<std::string>& args, QWidget* parent) : QMainWindow(parent) {
    // Painting hands a large fill to the global pool's threads in pieces and waits for them. The fills of
    // these small widgets cost less than waking a thread for each piece (a scroll bar took
    // twice as long), so a single thread takes them all.
    QThreadPool::globalInstance()->setMaxThreadCount(1);
    // Finding the machine's fonts is the slowest step of a start and needs nothing of the window: it runs
    // beside the session's start and the building of the menu bar, which measure no text. The first text
    // measured waits for it (the font database is thread-safe); leaving the constructor waits for the thread.
    const auto fontsFound = std::async(std::launch::async, [] { QFontDatabase::families(); });

    // The engine-boots counter lies in the current directory.
    startSNMPSession("");

    BuildForm();

    const QScreen* screen = QGuiApplication::primaryScreen();
    ScaleFactor = screen && screen->logicalDotsPerInch() == 96 ? 1.0f : 1.25f;
    resize(800, height());
    if (screen) move(screen->availableGeometry().center() - rect().center());

    const TRegistry registry(TRegistry::DefaultFileName());
    loadMessageFiles(HelpBaseDirectory(registry));

    TStartupSettings settings(DefaultSNMPDevice, DefaultSNMPScope, DefaultSNMPSecurity);
    settings.Apply(args, ConfigDirectory(registry));
    DefaultSNMPDevice = settings.Device;
    DefaultSNMPScope = settings.Scope;
    DefaultSNMPSecurity = settings.Security;
    LaunchParameters = settings.Launch;
    DeviceIPText = DeviceIP();

    VACM1->menuAction()->setEnabled(DefaultSNMPSecurity.Version == 3);
    MainForm = this;
    FormCreate();
}

TMainForm::~TMainForm() {
    StartupReads.reset();
    ClosePanelForms();
    if (StackUnitListView == UnitListView) StackUnitListView = nullptr;
    if (MainForm == this) MainForm = nullptr;
}

void TMainForm::BuildForm() {
    setObjectName(QStringLiteral("MainForm"));
    // System menu and minimize box only.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    BuildMainMenu();
    // Both profiles describe this family of switches, whatever the installation says.
    ApplyRoutingMenuProfile();
    ApplyStorageMenuProfile();

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollContent = new QWidget;
    ScrollBox1->setWidget(ScrollContent);
    setCentralWidget(ScrollBox1);

    UnitListView = new QTreeWidget(this);
    UnitListView->setObjectName(QStringLiteral("UnitListView"));
    UnitListView->hide();
    ST_StackMode = hiddenLabel(this, "ST_StackMode");
    ST_RmonState = hiddenLabel(this, "ST_RmonState");
    ST_STPVersion = hiddenLabel(this, "ST_STPVersion");
    ST_8021xStatus = hiddenLabel(this, "ST_8021xStatus");

    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    StatusPanel = new QLabel(this);
    StatusPanel->setObjectName(QStringLiteral("StatusPanel0"));
    statusBar()->addWidget(StatusPanel, 1);

    PortInfoPopupMenu = new QMenu(this);
    PortInfoPopupMenu->setObjectName(QStringLiteral("PortInfoPopupMenu"));
    QAction* portInformation = PortInfoPopupMenu->addAction(QStringLiteral("Port Information"));
    portInformation->setObjectName(QStringLiteral("PortInformation2"));
    connect(portInformation, &QAction::triggered, this, [this] { RunGuarded([this] { PortInformation2Click(); }); });
    QAction* portConfiguration = PortInfoPopupMenu->addAction(QStringLiteral("Port Configuration"));
    portConfiguration->setObjectName(QStringLiteral("PortConfiguration1"));
    connect(portConfiguration, &QAction::triggered, this, [this] { RunGuarded([this] { PortConfiguration1Click(); }); });

    LedPoll = std::make_unique<KySNMPLedPoll>(this);
    ImageList1 = MakeImageList1();
    ImageList2 = MakeImageList2();

    resize(768, 156 + menuBar()->sizeHint().height());
}

void TMainForm::BuildMainMenu() {
    for (const TMainMenuEntry& entry : mainMenuTable())
        if (!entry.Parent) AddMenuEntry(entry, nullptr);
    VACM1 = Menus.at("VACM1");
}

void TMainForm::FillMenu(std::string_view name) {
    if (!FilledMenus.insert(name).second) return;
    // A menu is made with the items of the menu it sits in.
    if (const TMainMenuEntry* entry = FindMainMenuEntry(name); entry && entry->Parent) FillMenu(entry->Parent);
    QMenu* menu = Menus.at(name);
    for (const TMainMenuEntry& entry : mainMenuTable())
        if (entry.Parent && name == entry.Parent) AddMenuEntry(entry, menu);
}

void TMainForm::AddMenuEntry(const TMainMenuEntry& entry, QMenu* parent) {
    QAction* action = nullptr;
    const QString caption = QString::fromLatin1(entry.Caption);
    switch (entry.Kind) {
    case TMenuKind::Submenu: {
        QMenu* menu = parent ? parent->addMenu(caption) : menuBar()->addMenu(caption);
        menu->setObjectName(QString::fromLatin1(entry.Name));
        Menus[entry.Name] = menu;
        connect(menu, &QMenu::aboutToShow, this, [this, name = std::string_view(entry.Name)] { FillMenu(name); });
        action = menu->menuAction();
        break;
    }
    case TMenuKind::Separator:
        action = parent->addSeparator();
        action->setObjectName(QString::fromLatin1(entry.Name));
        break;
    case TMenuKind::Item:
        action = parent ? parent->addAction(caption) : menuBar()->addAction(caption);
        action->setObjectName(QString::fromLatin1(entry.Name));
        break;
    }
    action->setVisible(entry.Visible);
    if (const auto pending = PendingMenuStates.find(entry.Name); pending != PendingMenuStates.end()) {
        if (pending->second.Visible) action->setVisible(*pending->second.Visible);
        if (pending->second.Enabled) action->setEnabled(*pending->second.Enabled);
        PendingMenuStates.erase(pending);
    }
    if (entry.Handler && entry.Kind == TMenuKind::Item)
        connect(action, &QAction::triggered, this, [this, handler = entry.Handler] { RunMenuHandler(handler); });
    MenuActions[entry.Name] = action;
}

QAction* TMainForm::MenuItem(std::string_view name) {
    const TMainMenuEntry* entry = FindMainMenuEntry(name);
    if (!entry) return nullptr;
    if (entry->Parent) FillMenu(entry->Parent);
    return MenuActions.at(entry->Name);
}

void TMainForm::GateMenuItem(std::string_view name, bool on, bool visibility) {
    if (const auto made = MenuActions.find(name); made != MenuActions.end()) {
        if (visibility)
            made->second->setVisible(on);
        else
            made->second->setEnabled(on);
    } else if (const TMainMenuEntry* entry = FindMainMenuEntry(name)) {
        TMenuItemState& state = PendingMenuStates[entry->Name];
        (visibility ? state.Visible : state.Enabled) = on;
    }
}

void TMainForm::RunMenuHandler(std::string_view handler) {
    if (const TMenuHandlerFn* run = FindMenuHandler(handler)) RunGuarded([this, run] { (*run)(*this); });
}

void TMainForm::RunGuarded(const std::function<void()>& work) {
    // Nothing a page throws while it is built or shown may reach the event loop.
    try {
        work();
    } catch (const std::exception& e) {
        QMessageBox::critical(this, QApplication::applicationDisplayName(), QString::fromLocal8Bit(e.what()));
    } catch (...) {
        QMessageBox::critical(this, QApplication::applicationDisplayName(), QStringLiteral("Unknown error"));
    }
}

void TMainForm::ApplyMenuProfile(std::span<const std::pair<const char*, bool>> profile) {
    for (const auto& [name, visible] : profile) GateMenuItem(name, visible, true);
}

void TMainForm::ApplyRoutingMenuProfile() {
    static constexpr std::pair<const char*, bool> profile[] = {
        {"MD5Table1", false},
        {"AllInterfaceState1", true},
        {"ARPAgingTime2", true},
        {"IPControlTable1", true},
        {"IPForwardingTable1", true},
        {"IPv6ControlTable1", true},
        {"IPv6AddressControl1", true},
        {"IPStaticRoutingtable1", true},
        {"BOOTPBasicConfiguration1", true},
        {"BOOTPCtrlTable1", true},
        {"CIDRRFC20961", false},
        {"OSPFRFC18501", false},
        {"miVRRP", false},
        {"IpMroute1", false},
        {"DVMRP1", false},
        {"PIM1", false},
        {"IGMP1", false},
        {"DVMRPInterface1", false},
        {"PolicyRoute1", false},
        {"SuperVLAN1", false},
        {"IPMulticastVLANReplication1", true},
        {"OSPFECMPManagement1", false},
        {"DataDrivenLearningGroupTable1", true},
        {"DataDrivenLearningGroupTable2", true},
        {"OSPFv31", false},
        {"LoopBackIPControl1", false},
        {"FileTable1", true},
        {"FileSystemTable1", false},
        {"BGP1", false},
        {"IPMulticastVLANReplication1", true},
        {"AgentSuportedUpdateFiles1", true},
        {"IGMPForwardingTable1", false},
        {"MLDSnoopingForwardingTable1", false},
        {"LimitedMulticastAddressTable1", false},
        {"MulticastRangeTable1", false},
        {"CIDR1", false},
    };
    ApplyMenuProfile(profile);
}

void TMainForm::ApplyStorageMenuProfile() {
    static constexpr std::pair<const char*, bool> profile[] = {
        {"POE1", false},
        {"FileSystem1", false},
        {"Multipleimagemanagement1", true},
        {"MultipleConfigManagement1", true},
        {"AgentFileSystemManagement1", false},
    };
    ApplyMenuProfile(profile);
}

void TMainForm::RmonSettingsClose(TConfigForm& page) {
    page.FormClose();
    UpdateRmonMenu();
}

void TMainForm::OpenPortPage(const char* title, const KySNMPVarDesc* table, int widthPlus) {
    QToolButton* button = PopupComponent;
    if (!button) return;
    ReleasePortButtons();
    button->setChecked(true);
    // The hint is "port.medium": the page reads that one row of the port table.
    const QString hint = button->toolTip();
    TPageTweaks tweaks;
    tweaks.InstanceSuffix = hint.toStdString();
    // The editors widen first, refitting the page; the page then grows by as much again.
    tweaks.EditWidthPlus = widthPlus;
    tweaks.WidthPlus = widthPlus;
    std::unique_ptr<TConfigForm> page = BuildMenuPage(*this, {title, table, MVT_SV, 0}, tweaks);
    const qsizetype dot = hint.indexOf(QLatin1Char('.'));
    const QString medium = dot < 0 ? QString() : hint.mid(dot + 1, 1);
    if (medium == QLatin1String("1") || medium == QLatin1String("2"))
        page->setWindowTitle(QStringLiteral("%1: %2 / Port %3").arg(QLatin1String(title), QString::fromStdString(DeviceIP()), hint.left(dot)));
    else
        page->setWindowTitle(QStringLiteral("ConfigForm"));
    page->exec();
}

void TMainForm::PortInformation2Click() { OpenPortPage("Port Information Table", PortInformationVars, 50); }

void TMainForm::PortConfiguration1Click() { OpenPortPage("Port Configuration", PortConfigurationVars, 82); }

TPortSelectorDevice CurrentPortSelectorDevice() {
    TPortSelectorDevice device;
    device.Stacked = StackModeText == "enabled";
    if (!StackUnitListView) return device;
    for (int i = 0; i < std::min(StackUnitCount, StackUnitListView->topLevelItemCount()); ++i) {
        const QTreeWidgetItem* row = StackUnitListView->topLevelItem(i);
        device.Units.push_back({row->text(0).toStdString(), row->text(ModuleNameColumn).toStdString(),
                                row->text(StartPortColumn).toStdString(), row->text(ExistStateColumn).toStdString()});
    }
    return device;
}

void TMainForm::ShowStatus(const std::string& text) { StatusPanel->setText(QString::fromStdString(text)); }

void TMainForm::BetweenSteps() { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

void TMainForm::CreateStateRequest(std::unique_ptr<KySNMPRequest2Edits>& request, const KySNMPVarDesc* table,
                                   QLabel* label) {
    request = std::make_unique<KySNMPRequest2Edits>(this);
    request->Request.VarList = KySNMPVarList(table, SVT_SV, 0);
    request->Async = 0;
    request->BindControl(0, label);
    // No status line of their own: a failed read is told on the window's, never in a box.
    request->OnGetError = [this](KySNMPRequest2Controls&, const KySNMPError& e) { ShowStatus(e.Message); };
}

void TMainForm::BeginStartupReads() {
    if (StartupReads) return;
    StartupReads = std::make_unique<KySNMPSequence>();
    StackModeKnown = false;
    UnitTableKnown = false;
}

void TMainForm::ReadStackMode() {
    if (!StackModeKnown) StackModeKnown = StackModeRequest->Get();
}

void TMainForm::FormCreate() {
    BeginStartupReads();
    try {
        FirstLoad = 1;
        Activated = 0;
        StackModeText = ST_StackMode->text().toStdString();
        StackUnitCount = 0;
        setWindowTitle(QString::fromStdString(DeviceIP()));
        PortButtons.clear();
        PanelForms.clear();
        ModelNames = {"TRV-5224", "TRV-5224F", "TRV-5248", "TRV-5124", "TRV-5125",
                      "TRV-5148", "TRV-5124E", "TRV-5212F", "TRV-5212", "TRV-5124F"};
        CreateStateRequest(RmonStateRequest, RmonStateVars, ST_RmonState);
        CreateStateRequest(StpVersionRequest, StpVersionVars, ST_STPVersion);
        CreateStateRequest(Dot1xStateRequest, Dot1xGlobalStateVars, ST_8021xStatus);
        GetUnitInformation();
        UpdateUnitMenu();
    } catch (const std::exception& e) {
        ShowStatus(e.what());
    }
}

bool TMainForm::GetUnitInformation() {
    if (!UnitTableRequest) {
        try {
            auto request = std::make_unique<KySNMPRequest2Edits>(this);
            request->Request.VarList = KySNMPVarList(StackUnitTableVars, MVT_FMV, 1);
            request->Async = 0;
            request->SetStatusTarget(StatusPanel);
            request->BindListView(UnitListView, 1);
            UnitTableRequest = std::move(request);
        } catch (const std::exception&) {
            ShowStatus("Initial  Unit Information Failed");
            return false;
        }
    }
    if (!StackModeRequest) {
        try {
            auto request = std::make_unique<KySNMPRequest2Edits>(this);
            request->Request.VarList = KySNMPVarList(StackModeVars, SVT_SV, 0);
            request->Async = 0;
            request->SetStatusTarget(StatusPanel);
            request->BindControl(0, ST_StackMode);
            StackModeRequest = std::move(request);
        } catch (const std::exception&) {
            ShowStatus("Initial Stack Information Failed");
            return false;
        }
    }
    try {
        ReadStackMode();
        StackModeText = ST_StackMode->text().toStdString();
        // A refresh reads the table again, so units that joined or left the stack show.
        if (!UnitTableKnown && (StackUnitCount == 0 || FirstLoad == 0)) {
            BetweenSteps();
            UnitTableKnown = UnitTableRequest->Get();
        }
        StackUnitCount = UnitListView->topLevelItemCount();
        StackUnitListView = UnitListView;
        return true;
    } catch (const std::exception&) {
        ShowStatus("Get Unit Information Failed");
        return false;
    }
}

void TMainForm::FormActivate() {
    if (Activated) return;
    PanelCount = 0;
    Activated = 1;
    ShowWaitingForm(QStringLiteral("Initializing Panel"));
    if (PanelCount >= ScrollingFrom) ApplyScrollingLayout();
    emit DiscoveryFinished();
}

void TMainForm::ShowWaitingForm(const QString& caption) {
    TWaitingForm waiting(this, [this] { Discover(); });
    if (!caption.isEmpty()) waiting.setWindowTitle(caption);
    waiting.exec();
}

void TMainForm::Discover() {
    BeginStartupReads();
    struct End {
        TMainForm& Form;
        ~End() {
            Form.StartupReads.reset();
            Form.StackModeKnown = Form.UnitTableKnown = false;
        }
    } end{*this};
    try {
        if (!GetUnitInformation()) return;
        if (FirstLoad == 0) {
            ClosePanelForms();
            PortButtons.clear();
        }
        BuildPanels();
        // Every panel's first LED poll in one request; its failures show on the status bar.
        LedPoll->Start(TFrontPanelForm::PollInterval);
        AttachPortPopup();
        HookPortButtons();
        BetweenSteps();
        UpdateRmonMenu();
        BetweenSteps();
        UpdateAuthMenu();
        BetweenSteps();
        UpdateUnitMenu();
    } catch (const std::exception& e) {
        ShowStatus(e.what());
    }
}

void TMainForm::ApplyScrollingLayout() {
    // Sized when its panels stood; it moves up so that the taller window fits the screen.
    move(x(), 20);
}

std::string TMainForm::UnitOneModuleName() const {
    for (int i = 0; i < UnitListView->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = UnitListView->topLevelItem(i);
        if (row->text(0) == QLatin1String("1")) return row->text(ModuleNameColumn).toStdString();
    }
    return {};
}

namespace {

bool UnitPresent(const QTreeWidgetItem& row) {
    const QString exist = row.text(ExistStateColumn);
    return exist != QLatin1String("no-exist") && exist != QLatin1String("(NOTDONE)");
}

}  // namespace

void TMainForm::BuildPanels() {
    PanelCount = 0;
    LastPanel = nullptr;
    // Behind the waiting dialog the window is painted once with all its panels, not again for each
    // panel added.
    setUpdatesEnabled(false);
    // The window grows around the panels once they all stand, not once for each: every size it passes
    // through costs a layout and a backing store.
    struct End {
        TMainForm& Form;
        ~End() {
            Form.ComboLinksAhead.clear();
            Form.FitToPanels();
            Form.setUpdatesEnabled(true);
        }
    } end{*this};
    ProbeCombosAhead();
    if (ST_StackMode->text() != QLatin1String("enabled")) {
        AddStandalonePanel();
        return;
    }
    try {
        for (int i = 0; i < UnitListView->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* row = UnitListView->topLevelItem(i);
            if (!UnitPresent(*row)) continue;
            ++PanelCount;
            BetweenSteps();
            AddUnitPanel(row->text(ModuleNameColumn).toStdString(), row->text(0).toStdString());
        }
    } catch (const std::exception& e) {
        ShowStatus(e.what());
    }
}

const TPanelModel& TMainForm::StandaloneModel() const {
    // The model unit 1 names; an unknown or missing name is the base model.
    const TPanelModel* model = FindPanelModel(UnitOneModuleName());
    return model ? *model : BasePanelModel();
}

void TMainForm::ProbeCombosAhead() {
    // Every panel's probes in one request; when it fails, each panel asks as it would have alone.
    try {
        std::vector<std::string> oids;
        const auto plan = [&oids](const TPanelModel& model, int unitId) {
            for (std::string& oid : TFrontPanelForm::ComboProbeOids(model, unitId)) oids.push_back(std::move(oid));
        };
        if (ST_StackMode->text() != QLatin1String("enabled")) {
            plan(StandaloneModel(), 1);
        } else {
            for (int i = 0; i < UnitListView->topLevelItemCount(); ++i) {
                const QTreeWidgetItem* row = UnitListView->topLevelItem(i);
                if (!UnitPresent(*row)) continue;
                if (const TPanelModel* model = FindPanelModel(row->text(ModuleNameColumn).toStdString()))
                    plan(*model, StrToInt(row->text(0).toStdString()));
            }
        }
        if (oids.empty()) return;
        BetweenSteps();
        ComboLinksAhead = ProbeComboLinks(oids, this);
    } catch (const std::exception&) {
        ComboLinksAhead.clear();
    }
}

void TMainForm::AddStandalonePanel() { AddPanel(StandaloneModel(), 1); }

void TMainForm::AddUnitPanel(const std::string& moduleName, const std::string& unitId) {
    const TPanelModel* model = FindPanelModel(moduleName);
    if (!model) return;
    AddPanel(*model, StrToInt(unitId));
}

void TMainForm::AddPanel(const TPanelModel& model, int unitId) {
    std::unique_ptr<TFrontPanelForm> panel = CreatePanelForm(model, ScrollContent);
    panel->UnitId = unitId;
    TPanelHost host;
    host.StackModeText = StackModeText;
    host.StatusTarget = StatusPanel;
    host.PortButtons = &PortButtons;
    host.ImageList1 = ImageList1;
    host.ImageList2 = ImageList2;
    host.BetweenRequests = &TMainForm::BetweenSteps;
    host.LedPoll = LedPoll.get();
    host.ComboLinks = &ComboLinksAhead;
    panel->InitPanel(host);
    if (model.RegistersButtons) panel->RegisterPortButtons(host);

    // One under the other; the window grows around them.
    const int top = LastPanel ? LastPanel->y() + LastPanel->height() + 1 : 0;
    panel->move(0, top);
    panel->show();
    LastPanel = panel.get();
    PanelForms.push_back(std::move(panel));
}

void TMainForm::FitToPanels() {
    if (!LastPanel) return;
    int width = 0;
    for (const auto& p : PanelForms) width = std::max(width, p->width());
    const int height = LastPanel->y() + LastPanel->height();
    ScrollContent->resize(width, height);
    // A window that scrolls takes its final size now, with room for the scroll bar beside the panels,
    // so that the steps left of the discovery paint it at that size and the end paints only what changed.
    if (PanelCount >= ScrollingFrom)
        resize(width + 23, menuBar()->sizeHint().height() + ScrollingHeight + statusBar()->sizeHint().height());
    else
        resize(width + 3, menuBar()->sizeHint().height() + height + statusBar()->sizeHint().height() +
                              int(PanelForms.size()) + 3);
}

void TMainForm::AttachPortPopup() {
    for (QToolButton* button : PortButtons) {
        button->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(button, &QToolButton::customContextMenuRequested, this, [this, button](const QPoint& at) {
            PopupComponent = button;
            PortInfoPopupMenu->popup(button->mapToGlobal(at));
        });
    }
}

void TMainForm::HookPortButtons() {
    for (QToolButton* button : PortButtons)
        connect(button, &QToolButton::clicked, this, [this, button] { PortButtonClick(button); });
}

void TMainForm::PortButtonClick(QToolButton* sender) {
    for (QToolButton* button : PortButtons)
        if (button != sender) button->setChecked(false);
}

void TMainForm::ReleasePortButtons() {
    for (QToolButton* button : PortButtons) button->setChecked(false);
}

void TMainForm::ClosePanelForms() {
    // All polls stop first, so the reads still out end together rather than one panel after another.
    for (const auto& panel : PanelForms)
        if (panel->LedRequest) {
            panel->LedRequest->StopPolling();
            panel->LedRequest->Request.Active = 0;
        }
    for (const auto& panel : PanelForms) panel->FormClose();
    PanelForms.clear();
    LastPanel = nullptr;
}

void TMainForm::RefreshPanel1Click() {
    const auto answer = QMessageBox::question(this, QApplication::applicationDisplayName(),
                                              QStringLiteral("Refresh panel may take a long time. Are you sure?"),
                                              QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel);
    if (answer != QMessageBox::Ok) return;
    FirstLoad = 0;
    ShowWaitingForm({});
    if (PanelCount >= ScrollingFrom) ApplyScrollingLayout();
    emit DiscoveryFinished();
}

void TMainForm::GateActions(const char* const* names, bool on, bool visibility) {
    for (; *names; ++names) GateMenuItem(*names, on, visibility);
}

void TMainForm::GateByState(KySNMPRequest2Edits& request, const QLabel* state, const char* const* items) {
    try {
        request.Get();
        if (state->text() == QLatin1String("disabled")) GateActions(items, false, false);
        if (state->text() == QLatin1String("enabled")) GateActions(items, true, false);
    } catch (const std::exception& e) {
        ShowStatus(e.what());
    }
}

void TMainForm::UpdateRmonMenu() {
    static const char* const items[] = {"Statistics1", "History1", "AlarmEvent1", nullptr};
    GateByState(*RmonStateRequest, ST_RmonState, items);
}

void TMainForm::UpdateAuthMenu() {
    static const char* const items[] = {"Auth1", nullptr};
    GateByState(*Dot1xStateRequest, ST_8021xStatus, items);
}

void TMainForm::UpdateUnitMenu() {
    static const char* const items[] = {"Unitinformation1", "UnitTable1", nullptr};
    try {
        if (!StackModeRequest) throw std::runtime_error("Initial Stack Information Failed");
        ReadStackMode();
        if (ST_StackMode->text() == QLatin1String("disabled")) GateActions(items, false, true);
        if (ST_StackMode->text() == QLatin1String("enabled")) GateActions(items, true, true);
    } catch (const std::exception& e) {
        ShowStatus(e.what());
        GateActions(items, false, true);
    }
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The discovery runs once the window is on the screen.
    if (!Activated) QTimer::singleShot(0, this, [this] { FormActivate(); });
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (UnitTableRequest) {
        UnitTableRequest->Request.Active = 0;
        UnitTableRequest.reset();
    }
    ClosePanelForms();
    PortButtons.clear();
    QMainWindow::closeEvent(event);
}
