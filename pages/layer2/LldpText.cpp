#include "LldpText.h"

#include "OctetStr.h"

#include <cstdint>

namespace {

// Subtypes whose IDs are names: entity and interface aliases and names, locally assigned texts.
const QStringList NameSubtypes = {"chassisComponent", "interfaceAlias", "portComponent", "interfaceName", "local"};

}  // namespace

QString BitNames(const std::string& hex, const QStringList& names) {
    const std::string octets = OctetStr::from_hex_string(hex).value_or(std::string());
    QStringList set;
    for (std::size_t i = 0; i < octets.size(); ++i) {
        const auto octet = static_cast<std::uint8_t>(octets[i]);
        for (int bit = 0; bit < 8; ++bit) {
            const int number = int(i) * 8 + bit;
            if ((octet & (0x80 >> bit)) && number < names.size()) set << names[number];
        }
    }
    return QStringLiteral(" ") + set.join(QLatin1Char(','));
}

std::string NamesToBits(const QString& text, const QStringList& names) {
    std::uint8_t bits = 0;
    for (int bit = 0; bit < names.size() && bit < 8; ++bit)
        if (text.contains(names[bit])) bits |= std::uint8_t(0x80 >> bit);
    return OctetStr::get_printable_hex(std::string(1, char(bits)));
}

const QStringList& CapabilityNames() {
    static const QStringList names = {"other",  "repeater",  "bridge", "wlanAccessPoint", "router", "telephone",
                                      "docsisCableDevice", "stationOnly", "cVLANComponent", "sVLANComponent",
                                      "twoPortMACRelay"};
    return names;
}

QString LldpIdText(const QString& subtype, const std::string& hex) {
    const std::optional<std::string> octets = OctetStr::from_hex_string(hex);
    if (!octets) return QString::fromStdString(hex);
    if (subtype == QLatin1String("macAddress")) {
        QStringList parts;
        for (char octet : *octets) parts << QString::fromStdString(OctetStr::get_printable_hex(std::string(1, octet)));
        return parts.join(QLatin1Char('-'));
    }
    if (NameSubtypes.contains(subtype)) {
        bool printable = !octets->empty();
        for (char octet : *octets) printable = printable && octet >= 0x20 && octet < 0x7f;
        if (printable) return QString::fromLatin1(octets->data(), qsizetype(octets->size()));
    }
    return QString::fromStdString(hex);
}
