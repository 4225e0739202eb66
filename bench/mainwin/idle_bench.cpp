// The program idle with a twelve-unit stack: once every panel shows its first LED poll, the CPU time it
// takes over 60 s as a share of one core (goal at most 0.2 %), with the paint events it took by widget
// class. The simulator runs in its own process.
#include "FrontPanelForm.h"
#include "KySNMPRequest2Leds.h"
#include "MainUnit.h"
#include "SimAgent.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>

namespace {

constexpr int Panels = 12;
constexpr int DefaultIdleSeconds = 60;
constexpr int SettleMs = 500;

void writeFile(const QString& path, const std::string& text) { std::ofstream(path.toStdString()) << text; }

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

bool ready(const TMainForm& form) {
    if (!form.Activated || QApplication::activeModalWidget() || int(form.PanelForms.size()) != Panels) return false;
    return std::all_of(form.PanelForms.begin(), form.PanelForms.end(), [](const auto& panel) {
        return panel->LedRequest && panel->LedRequest->RowsDelivered > 0 && !panel->LedRequest->Busy;
    });
}

// Counts the paint events of every widget class while it is installed on the application.
class PaintCounter : public QObject {
public:
    std::map<std::string, int> Paints;
    int Flushes = 0;  // a top-level window's repaint, each ending in a flush of its backing store

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++Paints[watched->metaObject()->className()];
        if (event->type() == QEvent::UpdateRequest) ++Flushes;
        return false;
    }
};

}  // namespace

int main(int argc, char** argv) {
    // The seconds to watch: the first argument, 60 unless given (a shorter run for profiling).
    const int IdleSeconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : DefaultIdleSeconds;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("TRV5124"));
    trvtest::SimAgent sim("stack12.txt");
    QTemporaryDir dir;
    writeFile(dir.filePath("registry.ini"),
              "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Ostrel\\Varden5.1\\MibFile]\nPath=" + dir.path().toStdString() + "\n");
    writeFile(dir.filePath("127.0.0.1.cfg"), "[Program Information]\nAgentPort=" + std::to_string(sim.port()) +
                                                 "\nVersion=0\nSecurityModel=1\nSecurityLevel=0\nAuthProtocol=0"
                                                 "\nPrivProtocol=0\n");
    qputenv("TRV_REGISTRY", dir.filePath("registry.ini").toLocal8Bit());
    QDir::setCurrent(dir.path());

    TMainForm form({"/I127.0.0.1"});
    form.show();
    while (!ready(form)) QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
    // The window's first full paint is part of the start, not of the idle time.
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < SettleMs) QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);

    sim.clearLog();
    PaintCounter paints;
    app.installEventFilter(&paints);
    const double before = cpuSeconds();
    double used = 0;
    // Taken before leaving, and the loop left without closing the window: closing is no idle work.
    QTimer::singleShot(IdleSeconds * 1000, &app, [&] {
        used = cpuSeconds() - before;
        app.removeEventFilter(&paints);
        QCoreApplication::exit(0);
    });
    app.exec();
    std::printf("idle_seconds %d led_polls %zu\n", IdleSeconds, sim.log().size());
    std::printf("window_repaints %d\n", paints.Flushes);
    for (const auto& [className, count] : paints.Paints) std::printf("  %6d paint events of %s\n", count, className.c_str());
    std::printf("idle_cpu_percent %.3f (goal <= 0.2)\n", 100.0 * used / IdleSeconds);
    return 0;
}
