#include "GUIGenerator.h"

#include "KySNMPRequest2Edits.h"
#include "SNMPEditorPanel.h"
#include "SNMPListViewPanel.h"

std::unique_ptr<KySNMPRequest2Edits> MakePageRequest(QWidget* owner, const KySNMPVarDesc* table,
                                                     std::uint8_t itemType, int keyCount) {
    auto request = std::make_unique<KySNMPRequest2Edits>(owner);
    request->Request.VarList = KySNMPVarList(table, itemType, keyCount);
    return request;
}

std::unique_ptr<TConfigForm> BuildTablePage(const TTablePage& page, const std::string& deviceIP, QWidget* parent,
                                            const TPageTweak& tweak) {
    auto form = std::make_unique<TConfigForm>(parent);
    form->DeviceIP = deviceIP;
    auto request = MakePageRequest(form.get(), page.Table, page.ItemType, page.KeyCount);
    TSNMPEditorPanel* panel = nullptr;
    if (page.ItemType == MVT_FMV || page.ItemType == MVT_UMV)
        panel = form->MakeListView(std::move(request), page.StatusRow, page.AddText, page.StatusRow, page.DeleteText);
    else
        panel = form->MakeEditor(std::move(request));
    form->setWindowTitle(QString::fromLatin1(page.Title + deviceIP));
    if (tweak) tweak(*form, *panel);
    return form;
}

void OpenTablePage(const TTablePage& page, const std::string& deviceIP, QWidget* parent, const TPageTweak& tweak) {
    const std::unique_ptr<TConfigForm> form = BuildTablePage(page, deviceIP, parent, tweak);
    form->exec();
}
