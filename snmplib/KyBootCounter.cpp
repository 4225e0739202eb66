#include "KyBootCounter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <charconv>
#include <vector>

namespace {

constexpr std::size_t MaxEngineIdLength = 32;

struct CounterLine {
    std::string EngineId;
    unsigned Boots = 0;
};

// -2 unreadable, -3 malformed, else 0 with the parsed lines.
int readLines(const std::string& fileName, std::vector<CounterLine>& lines) {
    QFile file(QString::fromLocal8Bit(fileName.c_str()));
    if (!file.open(QIODevice::ReadOnly)) return -2;
    while (!file.atEnd()) {
        std::string line = file.readLine().toStdString();
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos) continue;
        const auto blank = line.find_last_of(" \t");
        if (blank == std::string::npos) return -3;
        CounterLine entry;
        entry.EngineId = line.substr(0, line.find_last_not_of(" \t", blank) + 1);
        const std::string count = line.substr(blank + 1);
        const auto [end, ec] = std::from_chars(count.data(), count.data() + count.size(), entry.Boots);
        if (ec != std::errc() || end != count.data() + count.size() || entry.EngineId.empty()
            || entry.EngineId.size() > MaxEngineIdLength)
            return -3;
        lines.push_back(entry);
    }
    return 0;
}

}  // namespace

int getBootCounter(const std::string& fileName, const std::string& engineId, unsigned& boots) {
    boots = 0;
    if (engineId.size() > MaxEngineIdLength) return -3;
    std::vector<CounterLine> lines;
    if (const int result = readLines(fileName, lines); result != 0) return result;
    for (const auto& line : lines)
        if (line.EngineId == engineId) {
            boots = line.Boots;
            return 0;
        }
    return -1;
}

int saveBootCounter(const std::string& fileName, const std::string& engineId, unsigned boots) {
    if (engineId.empty() || engineId.size() > MaxEngineIdLength || engineId.find_first_of(" \t\r\n") != std::string::npos)
        return -3;
    std::vector<CounterLine> lines;
    if (readLines(fileName, lines) == -3) return -1;
    bool found = false;
    for (auto& line : lines)
        if (line.EngineId == engineId) {
            line.Boots = boots;
            found = true;
        }
    if (!found) lines.push_back({engineId, boots});

    QSaveFile file(QString::fromLocal8Bit(fileName.c_str()));
    if (!file.open(QIODevice::WriteOnly)) return -1;
    for (const auto& line : lines)
        file.write((line.EngineId + " " + std::to_string(line.Boots) + "\n").c_str());
    return file.commit() ? 0 : -1;
}
