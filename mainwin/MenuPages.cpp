#include "MenuPages.h"

#include "KySNMPTarget.h"
#include "MainUnit.h"

TVersion2cGuard::TVersion2cGuard(bool active) {
    if (!active || DefaultSNMPSecurity.Version != 0) return;
    Saved = DefaultSNMPSecurity.Version;
    DefaultSNMPSecurity.Version = 1;
    Raised = true;
}

TVersion2cGuard::~TVersion2cGuard() {
    if (Raised) DefaultSNMPSecurity.Version = Saved;
}

int Scaled(const TMainForm& form, int size) { return ScaledSize(form.ScaleFactor, size); }

std::unique_ptr<TConfigForm> BuildMenuPage(TMainForm& form, const TTablePage& page, const TPageTweaks& tweaks) {
    return BuildTablePage(page, form.DeviceIP(), form.ScaleFactor, tweaks);
}

void OpenMenuPage(TMainForm& form, const TTablePage& page, const TPageTweaks& tweaks) {
    // The requests copy the session's version when they are made, so the guard comes first.
    const TVersion2cGuard version(tweaks.Version2c);
    const std::unique_ptr<TConfigForm> config = BuildMenuPage(form, page, tweaks);
    config->exec();
}

std::unique_ptr<TConfigForm> BuildTabbedPage(TMainForm& form, const std::string& title, std::span<const TPageTab> tabs,
                                             int width, int height, const TPageTweaks& after) {
    return BuildTabbedPage(title, tabs, form.DeviceIP(), form.ScaleFactor, width, height, after);
}

std::unique_ptr<TConfigForm> BuildTabbedPage(TMainForm& form, const TMenuTabbedPage& page) {
    return BuildTabbedPage(form, page.Title, page.Tabs, page.Width, page.Height, page.After);
}
