// Time from a menu handler's build of a generated page to its first read shown, for every generated
// page of every menu and every dedicated page against the simulator, and the resident memory over eight
// rounds of opening them all: pages are freed on closing, so once the heap has settled (five rounds) it
// should not grow. Then, as ratios measured in this run: the slowest table page and a table of 1,000 rows,
// time to the last row shown against the same walk without a page (goal at most 1.5); and the memory one
// page keeps over 2,000 opens (goal under 1 MB).
#include "DedicatedPage.h"
#include "DedicatedPages.h"
#include "GUIConfigForm.h"
#include "KySNMPRequest2Edits.h"
#include "KySNMPTarget.h"
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
#include <cstdlib>
#include <functional>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int SettledAfter = 5;
constexpr int Samples = 5;
constexpr int Opens = 2000;
constexpr int WarmOpens = 200;
constexpr int ScaledRows = 1000;
constexpr int SchedulingClasses = 4;
constexpr int MenuPorts = 26;  // of the scheduling table in menus.txt

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

void spinUntil(const std::function<bool()>& done) {
    while (!done()) QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The menu handler's page until its last row is shown and painted.
double pageMs(TMainForm& form, const TMenuPage& entry) {
    QElapsedTimer clock;
    clock.start();
    const std::unique_ptr<TConfigForm> page = BuildMenuPage(form, entry.Page, entry.Tweaks);
    page->show();
    spinUntil([&] { return firstReadShown(*page); });
    QCoreApplication::processEvents();
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    page->reject();
    return ms;
}

// The same walk by a binding object without a page, list or controls.
double bareWalkMs(const TMenuPage& entry) {
    QElapsedTimer clock;
    clock.start();
    const std::unique_ptr<KySNMPRequest2Edits> binder =
        MakePageRequest(nullptr, entry.Page.Table, entry.Page.ItemType, entry.Page.KeyCount);
    binder->Get();
    spinUntil([&] { return binder->Busy == 0; });
    return double(clock.nsecsElapsed()) / 1e6;
}

// Time to the last row shown divided by the bare walk's, each the median of a few runs.
void printRatio(const char* name, TMainForm& form, const TMenuPage& entry) {
    std::vector<double> page, bare;
    for (int i = 0; i < Samples; ++i) {
        page.push_back(pageMs(form, entry));
        bare.push_back(bareWalkMs(entry));
    }
    std::printf("%s %s page_ms %.1f walk_ms %.1f ratio %.2f (goal <= 1.5)\n", name, entry.Handler, median(page),
                median(bare), median(page) / median(bare));
}

// menus.txt with the scheduling table grown to ScaledRows rows.
std::string scaledDataFile(const QTemporaryDir& dir) {
    const QString path = dir.filePath("scaled.txt");
    std::ofstream out(path.toStdString());
    out << "@include " << TRV_SIM_DATA_DIR << "/menus.txt\n";
    const std::string entry = "1.3.6.1.4.1.32473.11.70.1.2.6.2.1.";
    for (int port = MenuPorts + 1; port <= ScaledRows / SchedulingClasses; ++port)
        for (int c = 0; c < SchedulingClasses; ++c) {
            const std::string instance = std::to_string(port) + "." + std::to_string(c);
            out << entry << "3." << instance << " INTEGER " << (1 << c) << "\n"
                << entry << "4." << instance << " INTEGER 3\n"
                << entry << "5." << instance << " INTEGER 3\n";
        }
    return path.toStdString();
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
    // Rounds of opening every page: the first argument, 8 unless given (2 measure the times only).
    const int Rounds = argc > 1 ? std::max(2, std::atoi(argv[1])) : 8;
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
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
    std::vector<std::pair<double, const TMenuPage*>> tableTimes;
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
            const double ms = double(clock.nsecsElapsed()) / 1e6;
            if (round == 1) times.push_back(ms);
            const bool table = entry.Page.ItemType == MVT_FMV || entry.Page.ItemType == MVT_UMV;
            if (round == 1 && table && page->Requests.size() == 1) tableTimes.emplace_back(ms, &entry);
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
    if (Rounds > SettledAfter) {
        std::printf("rss_kb_settled %ld\n", settled);
        std::printf("rss_kb_growth_last_%d_rounds %ld\n", Rounds - SettledAfter, residentKb() - settled);
    }

    const TMenuPage& slowest = *std::max_element(tableTimes.begin(), tableTimes.end())->second;
    printRatio("slowest_table", form, slowest);
    {
        trvtest::SimAgent scaled(scaledDataFile(dir));
        const std::uint16_t port = DefaultSNMPDevice.Port;
        DefaultSNMPDevice.Port = std::uint16_t(scaled.port());
        const auto scheduling = std::find_if(pages.begin(), pages.end(), [](const TMenuPage& p) {
            return std::string(p.Handler) == "SchedulingTable1Click";
        });
        printRatio("rows_1000", form, *scheduling);
        DefaultSNMPDevice.Port = port;
    }

    // One page opened again and again: what it keeps after the heap has warmed up.
    const auto ssh = std::find_if(pages.begin(), pages.end(), [](const TMenuPage& p) {
        return std::string(p.Handler) == "EncryptionAlgorithm1Click";
    });
    long warm = 0;
    for (int open = 0; open < Opens; ++open) {
        pageMs(form, *ssh);
        if (open + 1 == WarmOpens) {
            QCoreApplication::processEvents();
            warm = residentKb();
        }
    }
    QCoreApplication::processEvents();
    const long kept = residentKb() - warm;
    std::printf("one_page_%d_opens %s rss_kb_kept %ld (goal < 1024)\n", Opens - WarmOpens, ssh->Handler, kept);
    return 0;
}
