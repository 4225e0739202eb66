// Time from process start to the main window with the twelve panels of a twelve-unit stack drawn and
// every panel's first LED poll applied, against the simulator. Each run is a fresh process (this
// program started again with --once); the parent measures from starting it to its "ready" line.
// Printed beside it, as ratios measured in this run:
// - the start against a bare Qt window's start (goal at most 2.5);
// - the time to a usable window with an agent that never answers against one request's full time-out,
//   tries x time-out (goal at most 1.5);
// - the round trips of one start, from the simulator's request log (goal at most 30);
// - the start with every answer 20 ms late against the start without delay.
#include "FrontPanelForm.h"
#include "KySNMPRequest.h"
#include "KySNMPRequest2Leds.h"
#include "KySNMPTarget.h"
#include "MainUnit.h"
#include "SimAgent.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QProcess>
#include <QTemporaryDir>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr int Runs = 7;
constexpr int DeadRuns = 3;
constexpr int Panels = 12;
constexpr int LateAnswerMs = 20;

bool ready(const TMainForm& form) {
    if (!form.Activated || QApplication::activeModalWidget() || int(form.PanelForms.size()) != Panels) return false;
    return std::all_of(form.PanelForms.begin(), form.PanelForms.end(), [](const auto& panel) {
        return panel->LedRequest && panel->LedRequest->RowsDelivered > 0 && !panel->LedRequest->Busy;
    });
}

// The discovery has ended and no dialog holds the window.
bool usable(const TMainForm& form) { return form.Activated && !QApplication::activeModalWidget(); }

// What waits to be painted painted now, so the screen shows the window as it stands. Not a grab: that
// paints everything again and lays out every menu of the menu bar, which a start never shows.
void paintPending(QWidget& window) { QCoreApplication::sendPostedEvents(&window, QEvent::UpdateRequest); }

void reportAndLeave(const char* what) {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("ready %ld %s\n", usage.ru_maxrss, what);
    std::fflush(stdout);
    _exit(0);
}

// One start of the program in this process; prints "ready <peak resident kB>" and leaves at once.
int runOnce(int argc, char** argv, bool deadAgent) {
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("TRV5124"));
    TMainForm form({"/I127.0.0.1"});
    form.show();
    if (deadAgent) {
        while (!usable(form)) QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
        // One request's every try.
        const KySNMPRequest request;
        reportAndLeave(std::to_string(request.Timeout * 10 * (request.Retries + 1)).c_str());
    }
    while (!ready(form)) QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
    // Every panel in view painted with its LEDs.
    paintPending(form);
    reportAndLeave("");
    return 0;
}

// A bare Qt main window shown and painted, for comparison.
int runBare(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(800, 600);
    window.show();
    QCoreApplication::processEvents();
    paintPending(window);
    reportAndLeave("");
    return 0;
}

// A bound UDP port on loopback whose datagrams nobody reads; the socket stays open until the program ends.
int silentPort() {
    const int socket = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (socket < 0 || bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        return 0;
    return ntohs(address.sin_port);
}

// What the round trips asked for: the requests of each kind and size, by the object of their first binding.
void printRoundTrips(const std::vector<trvtest::LogEntry>& log) {
    std::map<std::string, int> kinds;
    for (const trvtest::LogEntry& entry : log) {
        std::string object = entry.bindings.empty() ? std::string() : entry.bindings.front().oid;
        object = object.substr(0, object.rfind('.'));
        kinds[entry.pdu + " x" + std::to_string(entry.bindings.size()) + " " + object]++;
    }
    for (const auto& [kind, count] : kinds) std::printf("  %3d %s\n", count, kind.c_str());
}

void writeFile(const QString& path, const std::string& text) { std::ofstream(path.toStdString()) << text; }

struct Start {
    double Ms = 0;
    long PeakKb = 0;
    std::string Extra;
};

class Starter {
public:
    explicit Starter(const QTemporaryDir& dir) : Dir(dir) {
        Env = QProcessEnvironment::systemEnvironment();
        Env.insert("TRV_REGISTRY", dir.filePath("registry.ini"));
        Env.insert("QT_QPA_PLATFORM", "offscreen");
        Env.insert("MIBS", "");
        Env.insert("SNMPCONFPATH", dir.path());
        Env.insert("SNMP_PERSISTENT_DIR", dir.path());
        // A start leaves at once, before its temporary folders are removed: they go with this one.
        Env.insert("TMPDIR", dir.path());
        writeFile(dir.filePath("registry.ini"), "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Ostrel\\Varden5.1\\MibFile]\nPath=" +
                                                    dir.path().toStdString() + "\n");
    }

    void UsePort(int port) {
        writeFile(Dir.filePath("127.0.0.1.cfg"), "[Program Information]\nAgentPort=" + std::to_string(port) +
                                                     "\nVersion=0\nSecurityModel=1\nSecurityLevel=0\nAuthProtocol=0"
                                                     "\nPrivProtocol=0\n");
    }

    // Starts this program in the given mode; false when it gave no ready line.
    bool Run(const char* mode, Start& start) {
        QProcess child;
        child.setProcessEnvironment(Env);
        child.setWorkingDirectory(Dir.path());
        QElapsedTimer clock;
        clock.start();
        child.start(QCoreApplication::applicationFilePath(), {mode});
        if (!child.waitForReadyRead(120000)) {
            std::fprintf(stderr, "%s: no answer from the program\n", mode);
            return false;
        }
        start.Ms = double(clock.nsecsElapsed()) / 1e6;
        const QList<QByteArray> words = child.readLine().trimmed().split(' ');
        child.waitForFinished(10000);
        if (words.size() < 2 || words[0] != "ready") {
            std::fprintf(stderr, "%s: %s\n", mode, words.join(' ').constData());
            return false;
        }
        start.PeakKb = words[1].toLong();
        start.Extra = words.size() > 2 ? words[2].toStdString() : std::string();
        return true;
    }

    // The median of several starts.
    bool Median(const char* mode, int runs, double& ms, long* peakKb = nullptr, std::string* extra = nullptr) {
        std::vector<double> times;
        for (int run = 0; run < runs; ++run) {
            Start start;
            if (!Run(mode, start)) return false;
            times.push_back(start.Ms);
            if (peakKb) *peakKb = std::max(*peakKb, start.PeakKb);
            if (extra) *extra = start.Extra;
        }
        std::sort(times.begin(), times.end());
        ms = times[times.size() / 2];
        return true;
    }

private:
    const QTemporaryDir& Dir;
    QProcessEnvironment Env;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--once") return runOnce(argc, argv, false);
    if (argc > 1 && std::string(argv[1]) == "--dead") return runOnce(argc, argv, true);
    if (argc > 1 && std::string(argv[1]) == "--bare") return runBare(argc, argv);

    QCoreApplication app(argc, argv);
    trvtest::SimAgent sim("stack12.txt");
    QTemporaryDir dir;
    Starter starter(dir);
    starter.UsePort(sim.port());

    // Each start followed by a bare window's, so that both see the same load of a shared machine.
    std::vector<double> times;
    std::vector<double> bareTimes;
    long peakKb = 0;
    std::vector<trvtest::LogEntry> lastStart;
    for (int run = 0; run < Runs; ++run) {
        sim.clearLog();
        Start start;
        Start bare;
        if (!starter.Run("--once", start)) return 1;
        lastStart = sim.log();
        if (!starter.Run("--bare", bare)) return 1;
        peakKb = std::max(peakKb, start.PeakKb);
        times.push_back(start.Ms);
        bareTimes.push_back(bare.Ms);
        std::printf("run %d: %.1f ms, %zu round trips; bare window %.1f ms\n", run + 1, start.Ms, lastStart.size(),
                    bare.Ms);
    }
    const std::size_t roundTrips = lastStart.size();
    std::sort(times.begin(), times.end());
    std::sort(bareTimes.begin(), bareTimes.end());
    const double startupMs = times[times.size() / 2];
    const double bareMs = bareTimes[bareTimes.size() / 2];
    std::printf("peak_rss_kb %ld\n", peakKb);
    std::printf("startup_ms %.1f\n", startupMs);
    std::printf("bare_window_ms %.1f startup_ratio %.2f (goal <= 2.5)\n", bareMs, startupMs / bareMs);
    std::printf("round_trips %zu (goal <= 30)\n", roundTrips);
    printRoundTrips(lastStart);

    sim.addFault({trvtest::Fault::Delay, "", -1, 5, LateAnswerMs});
    double lateMs = 0;
    if (!starter.Median("--once", 3, lateMs)) return 1;
    sim.clearFaults();
    std::printf("startup_ms_answers_%dms_late %.1f late_ratio %.2f\n", LateAnswerMs, lateMs, lateMs / startupMs);

    // An agent that never answers.
    starter.UsePort(silentPort());
    double deadMs = 0;
    std::string fullTimeout;
    if (!starter.Median("--dead", DeadRuns, deadMs, nullptr, &fullTimeout)) return 1;
    const double timeoutMs = std::stod(fullTimeout);
    std::printf("dead_agent_usable_ms %.1f full_timeout_ms %.0f dead_ratio %.2f (goal <= 1.5)\n", deadMs, timeoutMs,
                deadMs / timeoutMs);
    return 0;
}
