#include "Registry.h"

#include <QFile>
#include <QStandardPaths>

#include <cstdlib>

TRegistry::TRegistry(const std::string& fileName) : Ini(fileName) {}

std::string TRegistry::DefaultFileName() {
    if (const char* env = std::getenv("TRV_REGISTRY"); env && *env) return env;
    const QString found = QStandardPaths::locate(QStandardPaths::GenericConfigLocation, QStringLiteral("ostrel/registry.ini"));
    return QFile::encodeName(found).toStdString();
}

std::string TRegistry::SectionOf(std::string_view key) {
    std::string section = "HKEY_LOCAL_MACHINE";
    if (!key.starts_with('\\')) section += '\\';
    section += key;
    while (section.ends_with('\\')) section.pop_back();
    return section;
}

bool TRegistry::KeyExists(std::string_view key) const { return Ini.SectionExists(SectionOf(key)); }

std::string TRegistry::ReadString(std::string_view key, std::string_view name) const {
    return Ini.ReadString(SectionOf(key), name, {});
}
