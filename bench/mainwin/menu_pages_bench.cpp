// Time from a menu handler's build of a generated page to its first read shown, for every generated
// page of every menu and every dedicated page against the simulator, and the resident memory over eight
// rounds of opening them all: pages are freed on closing, so once the heap has settled (five rounds) it
// should not grow.
#include "DedicatedPage.h"
#include "DedicatedPages.h"
#include "GUIConfigForm.h"
#include "KySNMPRequest2Edits.h"
#include "MainUnit.h"
#include "MenuHandlers.h"
#include "MsgPanel.h"
#include "SimAgent.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int Rounds = 8;
constexpr int SettledAfter = 5;

void writeFile(const QString& path, const std::string& text) { std::ofstream(path.toStdString()) << text; }

long residentKb() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return 0;
}

bool firstReadShown(TConfigForm& page) {
    for (const auto& request : page.Requests)
        if (request->Busy) return false;
    return !page.findChild<TMsgPanel*>()->StatusBar->text().isEmpty();
}

bool firstReadShown(TDedicatedPage& page) {
    return page.DataComplete == 1 && !(page.MainBinder() && page.MainBinder()->Busy) &&
           !page.StatusPanel()->text().isEmpty();
}

// Opens the dedicated page the way its menu item does; the time until its first read is shown.
double openDedicatedPage(TMainForm& form, const std::string& className) {
    const TMenuDialog dialog{"", className.c_str(), TDialogOwner::MainWindow, "Bench: "};
    QElapsedTimer clock;
    double shownMs = 0;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto* page = qobject_cast<TDedicatedPage*>(QApplication::activeModalWidget());
        if (!page || !firstReadShown(*page)) return;
        shownMs = double(clock.nsecsElapsed()) / 1e6;
        page->reject();
    });
    watch.start(1);
    clock.start();
    OpenMenuDialog(form, dialog);
    return shownMs;
}

std::vector<TMenuPage> everyPage() {
    std::vector<TMenuPage> pages;
    for (auto list : {ConfigurationMenuPages(), VlanMenuPages(), SecurityAuthMenuPages(), SecurityProtectionMenuPages(),
                      Layer2PortsMenuPages(), Layer2AclMenuPages(), Layer2RingMenuPages(), Layer3MenuPages(),
                      Layer3RoutingMenuPages(), RmonMenuPages(), BridgeMenuPages(), SnmpV3MenuPages(),
                      SingleIpMenuPages(), SFlowMenuPages()})
        pages.insert(pages.end(), list.begin(), list.end());
    return pages;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("TRV5124"));
    trvtest::SimAgent sim("menus.txt");
    QTemporaryDir dir;
    writeFile(dir.filePath("registry.ini"),
              "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Ostrel\\Varden5.1\\MibFile]\nPath=" + dir.path().toStdString() + "\n");
    // Version 3 reaches the SNMP v3 pages too; v2c would leave them out.
    writeFile(dir.filePath("127.0.0.1.cfg"), "[Program Information]\nAgentPort=" + std::to_string(sim.port()) +
                                                 "\nVersion=3\nSecurityModel=3\nSecurityLevel=0\nAuthProtocol=0"
                                                 "\nPrivProtocol=0\nSecurityName=" +
                                                 std::string(trvtest::kNoAuthUser.name) + "\n");
    qputenv("TRV_REGISTRY", dir.filePath("registry.ini").toLocal8Bit());
    QDir::setCurrent(dir.path());

    TMainForm form({"/I127.0.0.1"});
    form.show();
    while (!form.Activated || QApplication::activeModalWidget())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);

    RegisterDedicatedPages();
    const std::vector<TMenuPage> pages = everyPage();
    const std::vector<std::string> dedicated = RegisteredDialogClasses();
    std::vector<double> times;
    std::vector<double> dedicatedTimes;
    long settled = 0;
    for (int round = 0; round < Rounds; ++round) {
        for (const TMenuPage& entry : pages) {
            QElapsedTimer clock;
            clock.start();
            const std::unique_ptr<TConfigForm> page = BuildMenuPage(form, entry.Page, entry.Tweaks);
            page->show();
            while (!firstReadShown(*page))
                QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
            if (round == 1) times.push_back(double(clock.nsecsElapsed()) / 1e6);
            page->reject();
        }
        for (const std::string& name : dedicated) {
            const double ms = openDedicatedPage(form, name);
            if (round == 1) dedicatedTimes.push_back(ms);
        }
        QCoreApplication::processEvents();
        if (round == SettledAfter - 1) settled = residentKb();
    }
    std::sort(times.begin(), times.end());
    std::printf("pages %zu\n", times.size());
    std::printf("open_ms_median %.1f\n", times[times.size() / 2]);
    std::printf("open_ms_p95 %.1f\n", times[times.size() * 95 / 100]);
    std::printf("open_ms_max %.1f\n", times.back());
    std::sort(dedicatedTimes.begin(), dedicatedTimes.end());
    std::printf("dedicated_pages %zu\n", dedicatedTimes.size());
    if (!dedicatedTimes.empty()) {
        std::printf("dedicated_open_ms_median %.1f\n", dedicatedTimes[dedicatedTimes.size() / 2]);
        std::printf("dedicated_open_ms_max %.1f\n", dedicatedTimes.back());
    }
    std::printf("rss_kb_settled %ld\n", settled);
    std::printf("rss_kb_growth_last_%d_rounds %ld\n", Rounds - SettledAfter, residentKb() - settled);
    return 0;
}
