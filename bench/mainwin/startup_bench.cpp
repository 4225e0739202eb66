// Time from process start to the main window with the twelve panels of a twelve-unit stack drawn and
// every panel's first LED poll applied, against the simulator. Each run is a fresh process (this
// program started again with --once); the parent measures from starting it to its "ready" line.
#include "FrontPanelForm.h"
#include "KySNMPRequest2Leds.h"
#include "MainUnit.h"
#include "SimAgent.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int Runs = 7;
constexpr int Panels = 12;

bool ready(const TMainForm& form) {
    if (!form.Activated || QApplication::activeModalWidget() || int(form.PanelForms.size()) != Panels) return false;
    return std::all_of(form.PanelForms.begin(), form.PanelForms.end(), [](const auto& panel) {
        return panel->LedRequest && panel->LedRequest->RowsDelivered > 0 && !panel->LedRequest->Busy;
    });
}

// One start of the program in this process; prints "ready <peak resident kB>" and leaves at once.
int runOnce(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("TRV5124"));
    TMainForm form({"/I127.0.0.1"});
    form.show();
    while (!ready(form)) QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
    // Every panel painted with its LEDs.
    form.grab();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("ready %ld\n", usage.ru_maxrss);
    std::fflush(stdout);
    _exit(0);
}

void writeFile(const QString& path, const std::string& text) { std::ofstream(path.toStdString()) << text; }

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--once") return runOnce(argc, argv);

    QCoreApplication app(argc, argv);
    trvtest::SimAgent sim("stack12.txt");
    QTemporaryDir dir;
    writeFile(dir.filePath("registry.ini"),
              "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Ostrel\\Varden5.1\\MibFile]\nPath=" + dir.path().toStdString() + "\n");
    writeFile(dir.filePath("127.0.0.1.cfg"), "[Program Information]\nAgentPort=" + std::to_string(sim.port()) +
                                                 "\nVersion=0\nSecurityModel=1\nSecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n");

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("TRV_REGISTRY", dir.filePath("registry.ini"));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("MIBS", "");
    env.insert("SNMPCONFPATH", dir.path());
    env.insert("SNMP_PERSISTENT_DIR", dir.path());

    std::vector<double> times;
    long peakKb = 0;
    for (int run = 0; run < Runs; ++run) {
        QProcess child;
        child.setProcessEnvironment(env);
        child.setWorkingDirectory(dir.path());
        QElapsedTimer clock;
        clock.start();
        child.start(QCoreApplication::applicationFilePath(), {"--once"});
        if (!child.waitForReadyRead(60000)) {
            std::fprintf(stderr, "run %d: no answer from the program\n", run + 1);
            return 1;
        }
        const double ms = double(clock.nsecsElapsed()) / 1e6;
        const QByteArray line = child.readLine().trimmed();
        child.waitForFinished(10000);
        if (!line.startsWith("ready ")) {
            std::fprintf(stderr, "run %d: %s\n", run + 1, line.constData());
            return 1;
        }
        peakKb = std::max(peakKb, line.mid(6).toLong());
        times.push_back(ms);
        std::printf("run %d: %.1f ms\n", run + 1, ms);
    }
    std::sort(times.begin(), times.end());
    std::printf("peak_rss_kb %ld\n", peakKb);
    std::printf("startup_ms %.1f\n", times[times.size() / 2]);
    return 0;
}
