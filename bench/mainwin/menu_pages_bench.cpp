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
#include "KySNMPTransport.h"
#include "MainUnit.h"
#include "MenuHandlers.h"
#include "MsgPanel.h"
#include "SimAgent.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <tuple>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int SettledAfter = 5;
constexpr int Samples = 15;  // pairs of a page and its bare walk, taken in turn: the ratio is of their medians
constexpr int Opens = 2000;
constexpr int WarmOpens = 200;
constexpr int ScaledRows = 1000;
constexpr int SchedulingClasses = 4;
constexpr int MenuPorts = 26;  // of the scheduling table in menus.txt
constexpr double PageLimitMs = 10000;  // a page that shows nothing by then is reported and closed

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

// A dedicated page's first read is shown once the page no longer reads, no request of it waits for an
// answer, and a page with a list binder has put its outcome on the status line.
bool firstReadShown(QDialog& dialog) {
    if (KySNMPTransport::outstanding()) return false;
    auto* page = qobject_cast<TDedicatedPage*>(&dialog);
    if (!page) return true;
    return !page->Reading() && (!page->MainBinder() || !page->StatusPanel()->text().isEmpty());
}

// The dialog a menu item opened: a new visible window that is neither a message box nor one of the
// page's own dialogs. The page is not always the active modal widget (a progress or message box can be).
QDialog* openedPage(const QWidgetList& before) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<QDialog*>(widget);
        if (!dialog || !dialog->isVisible() || before.contains(widget) || qobject_cast<QMessageBox*>(widget)) continue;
        if (!dialog->parentWidget() || before.contains(dialog->parentWidget()->window())) return dialog;
    }
    return nullptr;
}

// Closes every message box a page raised (an error or a refusal) and keeps its text for the report.
void dismissMessageBoxes(std::string& seen) {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) {
            if (seen.empty()) seen = box->text().toStdString();
            box->done(QMessageBox::Ok);
        }
}

struct TDedicatedOpen {
    double ShownMs = 0;
    bool TimedOut = false;
    std::string Message;  // the first message box the page raised
};

// Opens the dedicated page the way its menu item does; the time until its first read is shown. A page
// that shows nothing within the limit is stopped and closed, however it refuses.
TDedicatedOpen openDedicatedPage(TMainForm& form, const std::string& className) {
    const TMenuDialog dialog{"", className.c_str(), TDialogOwner::MainWindow, "Bench: "};
    const QWidgetList before = QApplication::topLevelWidgets();
    TDedicatedOpen result;
    QElapsedTimer clock;
    QPointer<QDialog> page;
    bool closing = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        dismissMessageBoxes(result.Message);
        if (!page) page = openedPage(before);
        if (!page) return;
        const double ms = double(clock.nsecsElapsed()) / 1e6;
        if (!closing && firstReadShown(*page)) {
            result.ShownMs = ms;
            closing = true;
            page->reject();
        } else if (!closing && ms > PageLimitMs) {
            result.TimedOut = true;
            closing = true;
            if (auto* dedicated = qobject_cast<TDedicatedPage*>(page.data())) dedicated->StopClick();
            page->reject();
        } else if (closing && page->isVisible() && ms > 2 * PageLimitMs) {
            // Refused its close for too long: end the dialog's loop without its close query.
            page->QDialog::done(QDialog::Rejected);
        } else if (closing && page->isVisible()) {
            page->reject();
        }
    });
    watch.start(1);
    clock.start();
    OpenMenuDialog(form, dialog);
    return result;
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

QtMessageHandler standardHandler = nullptr;

// The offscreen platform warns at every page shown that it cannot pass size hints on.
void dropSizeHintWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!message.contains(QLatin1String("propagateSizeHints"))) standardHandler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
    standardHandler = qInstallMessageHandler(dropSizeHintWarnings);
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
    // Every round's time of each table page after the first round: one slow open must not choose the page.
    std::map<const TMenuPage*, std::vector<double>> tableTimes;
    std::map<std::string, std::vector<double>> pageTimes;
    std::vector<std::pair<double, std::string>> dedicatedTimes;
    std::vector<std::string> timedOut, messages;
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
            if (round >= 1) pageTimes[entry.Handler].push_back(ms);
            const bool table = entry.Page.ItemType == MVT_FMV || entry.Page.ItemType == MVT_UMV;
            if (round >= 1 && table && page->Requests.size() == 1) tableTimes[&entry].push_back(ms);
            page->reject();
        }
        for (const std::string& name : dedicated) {
            const TDedicatedOpen open = openDedicatedPage(form, name);
            if (round != 1) continue;
            if (open.TimedOut) timedOut.push_back(name);
            else dedicatedTimes.emplace_back(open.ShownMs, name);
            if (!open.Message.empty()) messages.push_back(name + ": " + open.Message);
        }
        QCoreApplication::processEvents();
        if (round == SettledAfter - 1) settled = residentKb();
    }
    std::sort(times.begin(), times.end());
    std::printf("pages %zu\n", times.size());
    std::printf("open_ms_median %.1f\n", times[times.size() / 2]);
    std::printf("open_ms_p95 %.1f\n", times[times.size() * 95 / 100]);
    std::printf("open_ms_max %.1f\n", times.back());
    std::vector<std::pair<double, std::string>> slowestPages;
    for (const auto& [handler, samples] : pageTimes) slowestPages.emplace_back(median(samples), handler);
    std::sort(slowestPages.rbegin(), slowestPages.rend());
    for (std::size_t i = 0; i < std::min<std::size_t>(5, slowestPages.size()); ++i)
        std::printf("  slow page: %s %.1f ms\n", slowestPages[i].second.c_str(), slowestPages[i].first);
    std::sort(dedicatedTimes.begin(), dedicatedTimes.end());
    std::printf("dedicated_pages %zu\n", dedicatedTimes.size());
    if (!dedicatedTimes.empty()) {
        std::printf("dedicated_open_ms_median %.1f\n", dedicatedTimes[dedicatedTimes.size() / 2].first);
        std::printf("dedicated_open_ms_max %.1f %s\n", dedicatedTimes.back().first, dedicatedTimes.back().second.c_str());
    }
    std::printf("dedicated_timed_out %zu\n", timedOut.size());
    for (const std::string& name : timedOut) std::printf("  timed out: %s\n", name.c_str());
    for (const std::string& message : messages) std::printf("  message box: %s\n", message.c_str());
    if (Rounds > SettledAfter) {
        std::printf("rss_kb_settled %ld\n", settled);
        std::printf("rss_kb_growth_last_%d_rounds %ld\n", Rounds - SettledAfter, residentKb() - settled);
    }

    const TMenuPage* slowest = nullptr;
    double slowestMs = 0;
    for (const auto& [entry, samples] : tableTimes)
        if (const double ms = median(samples); ms > slowestMs) std::tie(slowestMs, slowest) = std::tie(ms, entry);
    printRatio("slowest_table", form, *slowest);
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
