#include "DedicatedPages.h"
#include "ProgramEntry.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("TRV5124"));
    RegisterDedicatedPages();
    // The arguments as raw bytes: addresses and secrets must reach the target record unchanged.
    return RunProgram(std::vector<std::string>(argv + 1, argv + argc));
}
