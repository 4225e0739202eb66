#include "DDMThresholdRequest.h"

#include <QTreeWidget>

#include <algorithm>
#include <cctype>
#include <charconv>

namespace {

constexpr int FirstThreshold = 2;
constexpr std::size_t ScaleDigits = 3;

bool isInteger(const std::string& text, long long& value) {
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && stop == end && !text.empty();
}

bool allDigits(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

}  // namespace

NewRequest2EditsForDDMThreshold::NewRequest2EditsForDDMThreshold(QWidget* owner) : KySNMPRequest2Edits(owner) {}

std::string NewRequest2EditsForDDMThreshold::Shown(const std::string& text) {
    long long value = 0;
    if (!isInteger(text, value) || value == -1) return "-";
    return text.size() > ScaleDigits ? text.substr(0, text.size() - ScaleDigits) : std::string();
}

std::optional<std::string> NewRequest2EditsForDDMThreshold::Scaled(const std::string& text) {
    std::string rest = text;
    const bool negative = !rest.empty() && rest[0] == '-';
    if (!rest.empty() && (rest[0] == '-' || rest[0] == '+')) rest.erase(0, 1);
    const std::size_t point = rest.find('.');
    std::string whole = rest.substr(0, point);
    std::string fraction = point == std::string::npos ? std::string() : rest.substr(point + 1);
    if (whole.empty() && fraction.empty()) return std::nullopt;
    if (!allDigits(whole) || !allDigits(fraction)) return std::nullopt;
    // Digits below the thousandth would be lost: only zeros may stand there.
    if (fraction.size() > ScaleDigits) {
        if (fraction.find_first_not_of('0', ScaleDigits) != std::string::npos) return std::nullopt;
        fraction.resize(ScaleDigits);
    }
    fraction.resize(ScaleDigits, '0');
    std::string digits = whole + fraction;
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
    return negative && digits != "0" ? "-" + digits : digits;
}

void NewRequest2EditsForDDMThreshold::ReadRow(const QTreeWidgetItem* line) {
    KySNMPRequest2Edits::ReadRow(line);
    KySNMPVarList& list = Request.VarList;
    for (int i = FirstThreshold; i < list.GetCount(); ++i) list.GetVar(i).Value = Shown(list.GetVar(i).Value);
}

bool NewRequest2EditsForDDMThreshold::AcceptValues() {
    const QTreeWidgetItem* row = ListView ? ListView->currentItem() : nullptr;
    if (!row) return true;
    KySNMPVarList& list = Request.VarList;
    for (int i = FirstThreshold; i < list.GetCount(); ++i) {
        KySNMPVar& var = list.GetVar(i);
        if (var.Access & afInvalid) continue;
        // Unchanged: the value as read; a new number: back to the switch's scale, or not at all.
        const std::string read = row->text(i).toStdString();
        if (var.Value == Shown(read)) {
            var.Value = read;
            continue;
        }
        const std::optional<std::string> scaled = Scaled(var.Value);
        if (!scaled) {
            ShowMessageBox(var.Label + " must be a number with at most three decimals");
            return false;
        }
        var.Value = *scaled;
    }
    return true;
}
