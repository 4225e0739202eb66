// Any edit format and any text put into the edit: attaching refuses only with the bad-format code, the
// filter leaves only what the type allows and never recurses deeply, and the validators agree with each
// other.
#include "KyEditConstraint.h"
#include "KyException.h"
#include "KyValidators.h"

#include <QApplication>
#include <QLineEdit>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

bool upperHex(QChar c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); }
bool digit(QChar c) { return c >= '0' && c <= '9'; }

void checkValidators(QLineEdit& edit) {
    const QString text = edit.text();
    const bool mac = isValidMACAddress(&edit);
    if (mac && text.size() != 12 && text.size() != 17) __builtin_trap();
    if ((isMulticastMACAddress(&edit) || isUnicastMACAddress(&edit)) && !mac) __builtin_trap();
    if (isMulticastMACAddress(&edit) && isUnicastMACAddress(&edit)) __builtin_trap();
    const bool ipv4 = isValidIPv4Address(&edit);
    if ((isValidMulticastIPv4Address(&edit) || isValidSubnetMask(&edit)) && !ipv4) __builtin_trap();
    if (isValidMulticastIPv6Address(&edit) && !isValidIPv6Hex(&edit)) __builtin_trap();
    if (isValidShortHex(&edit)) {
        const QString hex = edit.text();
        if (hex.size() != 4) __builtin_trap();
        for (const QChar c : hex)
            if (!upperHex(c)) __builtin_trap();
    } else if (edit.text() != text) {
        __builtin_trap();
    }
}

// What the filter of the type may leave in the edit.
void checkFiltered(char type, char delimiter, const QString& text) {
    if (text == "(NOTDONE)" || text == "(NULL)") return;
    bool point = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        bool ok = true;
        switch (type) {
        case 'i': ok = digit(c) || (c == '-' && i == 0); break;
        case 'u': ok = digit(c); break;
        case 'f':
            ok = digit(c) || (c == '-' && i == 0) || (c == '.' && !point);
            point = point || c == '.';
            break;
        case 'h': ok = upperHex(c.toUpper()); break;
        case 'n': ok = digit(c) || (c == QLatin1Char(delimiter) && i > 0 && text[i - 1] != QLatin1Char(delimiter)); break;
        }
        if (!ok) __builtin_trap();
    }
}

}  // namespace

// The font setup of the widgets keeps its caches for the life of the process.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig\n"; }

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first line is the format, the rest the text.
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t eol = input.find('\n');
    const std::string format = input.substr(0, eol);
    const std::string rest = eol == std::string::npos ? std::string() : input.substr(eol + 1);
    const QString text = QString::fromLatin1(rest.data(), qsizetype(rest.size()));

    QLineEdit edit;
    edit.setText(text);
    checkValidators(edit);

    KyEditConstraint constraint(nullptr, true);
    try {
        constraint.Attach(format, &edit);
    } catch (const KyException& e) {
        if (e.code() != -2) __builtin_trap();
        return 0;
    }
    edit.clear();
    edit.setText(text);
    checkFiltered(format[1], format[1] == 'n' ? format[2] : 0, edit.text());
    return 0;
}
