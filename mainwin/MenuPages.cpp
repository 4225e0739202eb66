#include "MenuPages.h"

#include "CtrlBtnPanel.h"
#include "EditsPanel.h"
#include "KySNMPRequest2Edits.h"
#include "KySNMPTarget.h"
#include "MainUnit.h"
#include "SNMPEditorPanel.h"
#include "SNMPListViewPanel.h"

#include <QPushButton>

TVersion2cGuard::TVersion2cGuard(bool active) {
    if (!active || DefaultSNMPSecurity.Version != 0) return;
    Saved = DefaultSNMPSecurity.Version;
    DefaultSNMPSecurity.Version = 1;
    Raised = true;
}

TVersion2cGuard::~TVersion2cGuard() {
    if (Raised) DefaultSNMPSecurity.Version = Saved;
}

int Scaled(const TMainForm& form, int size) { return int(float(size) * form.ScaleFactor); }

namespace {

bool IsTable(const TTablePage& page) { return page.ItemType == MVT_FMV || page.ItemType == MVT_UMV; }

std::unique_ptr<KySNMPRequest2Edits> MakeRequest(QWidget* owner, const TTablePage& page, const TPageTweaks& tweaks) {
    auto request = MakePageRequest(owner, page.Table, page.ItemType, page.KeyCount);
    if (tweaks.Timeout > 0) request->Request.Timeout = tweaks.Timeout;
    if (tweaks.Synchronous) request->Async = 0;
    if (!tweaks.InstanceSuffix.empty()) request->Request.VarList.InstanceSuffix = tweaks.InstanceSuffix;
    return request;
}

void HideButton(TSNMPEditorPanel& panel, QPushButton* button) {
    button->setVisible(false);
    panel.ButtonPanel->ArrangeButtons();
}

// A table page keeps showing its list: only the rows its Add and Edit dialogs borrow get the width.
void SetEditWidth(TSNMPEditorPanel& panel, int width) {
    if (qobject_cast<TSNMPListViewPanel*>(&panel)) panel.EditsPanel->SetEditWidth(width);
    else panel.SetEditWidth(width);
}

// Row and button changes of one panel, in the order the handlers make them.
void TweakPanel(TMainForm& form, TSNMPEditorPanel& panel, const TPageTweaks& tweaks) {
    if (tweaks.EditHidden) {
        if (auto* list = qobject_cast<TSNMPListViewPanel*>(&panel)) list->HideEditButton();
        else HideButton(panel, panel.ButtonPanel->EditButton);
    }
    if (tweaks.AddHidden) HideButton(panel, panel.ButtonPanel->AddButton);
    if (tweaks.StopHidden) HideButton(panel, panel.ButtonPanel->StopButton);
    if (tweaks.StopShown) {
        panel.ButtonPanel->StopButton->setVisible(true);
        panel.ButtonPanel->ArrangeButtons();
    }
    for (const auto& [row, format] : tweaks.Formats) panel.SetVarFormat(row, format);
    for (const auto& [row, validator] : tweaks.Validators) panel.SetVarFormatValidator(row, "%s{Z}", validator);
    for (int row : tweaks.MayBeEmpty) panel.EditsPanel->SetRowMayBeEmpty(row);
    if (tweaks.EditWidth > 0) SetEditWidth(panel, Scaled(form, tweaks.EditWidth));
    if (tweaks.EditWidthPlus > 0) SetEditWidth(panel, panel.EditsPanel->EditWidth + Scaled(form, tweaks.EditWidthPlus));
}

void SizePage(TMainForm& form, TConfigForm& page, const TPageTweaks& tweaks) {
    if (tweaks.Height450) page.resize(page.width(), Scaled(form, 450));
    if (tweaks.Height > 0) page.resize(page.width(), tweaks.Height);
    if (tweaks.HeightPlus > 0) page.resize(page.width(), page.height() + Scaled(form, tweaks.HeightPlus));
    if (tweaks.WidthPlus > 0) page.resize(page.width() + Scaled(form, tweaks.WidthPlus), page.height());
    if (tweaks.Width > 0) page.resize(tweaks.Width, page.height());
}

}  // namespace

std::unique_ptr<TConfigForm> BuildMenuPage(TMainForm& form, const TTablePage& page, const TPageTweaks& tweaks) {
    auto config = std::make_unique<TConfigForm>();
    config->DeviceIP = form.DeviceIP();
    auto request = MakeRequest(config.get(), page, tweaks);
    TSNMPEditorPanel* panel = IsTable(page) || tweaks.ListOfScalars
        ? config->MakeListView(std::move(request), page.StatusRow, page.AddText, page.StatusRow, page.DeleteText)
        : config->MakeEditor(std::move(request));
    TweakPanel(form, *panel, tweaks);
    config->setWindowTitle(QString::fromStdString(page.Title + form.DeviceIP()));
    SizePage(form, *config, tweaks);
    if (tweaks.Extra) tweaks.Extra(*config, *panel);
    return config;
}

void OpenMenuPage(TMainForm& form, const TTablePage& page, const TPageTweaks& tweaks) {
    // The requests copy the session's version when they are made, so the guard comes first.
    const TVersion2cGuard version(tweaks.Version2c);
    const std::unique_ptr<TConfigForm> config = BuildMenuPage(form, page, tweaks);
    config->exec();
}

std::unique_ptr<TConfigForm> BuildTabbedPage(TMainForm& form, const std::string& title, std::span<const TPageTab> tabs,
                                             int width, int height, const TPageTweaks& after) {
    auto config = std::make_unique<TConfigForm>();
    config->DeviceIP = form.DeviceIP();
    config->setWindowTitle(QString::fromStdString(title + form.DeviceIP()));
    if (width > 0 || height > 0) config->resize(width > 0 ? width : config->width(), height > 0 ? height : config->height());
    config->MakePaged();
    for (const TPageTab& tab : tabs) {
        auto request = MakeRequest(config.get(), tab.Page, tab.Tweaks);
        const QString caption = QString::fromStdString(tab.Caption);
        TSNMPEditorPanel* panel = IsTable(tab.Page)
            ? config->AddListViewPage(caption, std::move(request), tab.Page.StatusRow, tab.Page.AddText,
                                      tab.Page.StatusRow, tab.Page.DeleteText)
            : config->AddEditorPage(caption, std::move(request));
        TweakPanel(form, *panel, tab.Tweaks);
        if (tab.Tweaks.Extra) tab.Tweaks.Extra(*config, *panel);
    }
    SizePage(form, *config, after);
    return config;
}

std::unique_ptr<TConfigForm> BuildTabbedPage(TMainForm& form, const TMenuTabbedPage& page) {
    return BuildTabbedPage(form, page.Title, page.Tabs, page.Width, page.Height, page.After);
}
