#include "GUIGenerator.h"

#include "CtrlBtnPanel.h"
#include "EditsPanel.h"
#include "KySNMPRequest2Edits.h"
#include "SNMPEditorPanel.h"
#include "SNMPListViewPanel.h"

#include <QPushButton>

namespace {

bool IsTable(const TTablePage& page) { return page.ItemType == MVT_FMV || page.ItemType == MVT_UMV; }

std::unique_ptr<KySNMPRequest2Edits> MakeRequest(QWidget* owner, const TTablePage& page, const TPageTweaks& tweaks) {
    auto request = MakePageRequest(owner, page.Table, page.ItemType, page.KeyCount);
    if (tweaks.Timeout > 0) request->Request.Timeout = tweaks.Timeout;
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
void TweakPanel(float scale, TSNMPEditorPanel& panel, const TPageTweaks& tweaks) {
    if (tweaks.EditHidden) {
        if (auto* list = qobject_cast<TSNMPListViewPanel*>(&panel)) list->HideEditButton();
        else HideButton(panel, panel.ButtonPanel->EditButton);
    }
    if (tweaks.AddHidden) HideButton(panel, panel.ButtonPanel->AddButton);
    if (tweaks.StopShown) {
        panel.ButtonPanel->StopButton->setVisible(true);
        panel.ButtonPanel->ArrangeButtons();
    }
    for (const auto& [row, format] : tweaks.Formats) panel.SetVarFormat(row, format);
    for (const auto& [row, validator] : tweaks.Validators) panel.SetVarFormatValidator(row, "%s{Z}", validator);
    for (int row : tweaks.MayBeEmpty) panel.EditsPanel->SetRowMayBeEmpty(row);
    if (tweaks.EditWidth > 0) SetEditWidth(panel, ScaledSize(scale, tweaks.EditWidth));
    if (tweaks.EditWidthPlus > 0)
        SetEditWidth(panel, panel.EditsPanel->EditWidth + ScaledSize(scale, tweaks.EditWidthPlus));
}

void SizePage(float scale, TConfigForm& page, const TPageTweaks& tweaks) {
    if (tweaks.Height450) page.resize(page.width(), ScaledSize(scale, 450));
    if (tweaks.Height > 0) page.resize(page.width(), tweaks.Height);
    if (tweaks.HeightPlus > 0) page.resize(page.width(), page.height() + ScaledSize(scale, tweaks.HeightPlus));
    if (tweaks.WidthPlus > 0) page.resize(page.width() + ScaledSize(scale, tweaks.WidthPlus), page.height());
    if (tweaks.Width > 0) page.resize(tweaks.Width, page.height());
}

QString Caption(const std::string& title, const std::string& deviceIP) { return QString::fromLatin1(title + deviceIP); }

}  // namespace

int ScaledSize(float scale, int size) { return int(float(size) * scale); }

std::unique_ptr<KySNMPRequest2Edits> MakePageRequest(QWidget* owner, const KySNMPVarDesc* table,
                                                     std::uint8_t itemType, int keyCount) {
    auto request = std::make_unique<KySNMPRequest2Edits>(owner);
    request->Request.VarList = KySNMPVarList(table, itemType, keyCount);
    return request;
}

std::unique_ptr<TConfigForm> BuildTablePage(const TTablePage& page, const std::string& deviceIP, float scale,
                                            const TPageTweaks& tweaks) {
    auto config = std::make_unique<TConfigForm>();
    config->DeviceIP = deviceIP;
    auto request = MakeRequest(config.get(), page, tweaks);
    TSNMPEditorPanel* panel = IsTable(page) || tweaks.ListOfScalars
        ? config->MakeListView(std::move(request), page.StatusRow, page.AddText, page.StatusRow, page.DeleteText)
        : config->MakeEditor(std::move(request));
    TweakPanel(scale, *panel, tweaks);
    config->setWindowTitle(Caption(page.Title, deviceIP));
    SizePage(scale, *config, tweaks);
    if (tweaks.Extra) tweaks.Extra(*config, *panel);
    return config;
}

std::unique_ptr<TConfigForm> BuildTabbedPage(const std::string& title, std::span<const TPageTab> tabs,
                                             const std::string& deviceIP, float scale, int width, int height,
                                             const TPageTweaks& after) {
    auto config = std::make_unique<TConfigForm>();
    config->DeviceIP = deviceIP;
    config->setWindowTitle(Caption(title, deviceIP));
    if (width > 0 || height > 0) config->resize(width > 0 ? width : config->width(), height > 0 ? height : config->height());
    config->MakePaged();
    for (const TPageTab& tab : tabs) {
        auto request = MakeRequest(config.get(), tab.Page, tab.Tweaks);
        const QString caption = QString::fromStdString(tab.Caption);
        TSNMPEditorPanel* panel = IsTable(tab.Page)
            ? config->AddListViewPage(caption, std::move(request), tab.Page.StatusRow, tab.Page.AddText,
                                      tab.Page.StatusRow, tab.Page.DeleteText)
            : config->AddEditorPage(caption, std::move(request));
        TweakPanel(scale, *panel, tab.Tweaks);
        if (tab.Tweaks.Extra) tab.Tweaks.Extra(*config, *panel);
    }
    SizePage(scale, *config, after);
    return config;
}
