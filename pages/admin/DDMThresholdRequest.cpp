#include "DDMThresholdRequest.h"

#include <QTreeWidget>

#include <charconv>

namespace {

constexpr int FirstThreshold = 2;

bool isInteger(const std::string& text, long long& value) {
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && stop == end && !text.empty();
}

}  // namespace

NewRequest2EditsForDDMThreshold::NewRequest2EditsForDDMThreshold(QWidget* owner) : KySNMPRequest2Edits(owner) {}

std::string NewRequest2EditsForDDMThreshold::Shown(const std::string& text) {
    long long value = 0;
    if (!isInteger(text, value) || value == -1) return "-";
    return text.size() > 3 ? text.substr(0, text.size() - 3) : std::string();
}

void NewRequest2EditsForDDMThreshold::ListItemSelected(QTreeWidgetItem* item, bool selected) {
    if (!selected) return;
    KySNMPRequest2Edits::ListItemSelected(item, selected);
    KySNMPVarList& list = Request.VarList;
    for (int i = FirstThreshold; i < list.GetCount(); ++i) list.GetVar(i).Value = Shown(list.GetVar(i).Value);
    ValuesToControls(-1);
}

void NewRequest2EditsForDDMThreshold::CollectForSet() {
    KySNMPRequest2Edits::CollectForSet();
    const QTreeWidgetItem* row = ListView ? ListView->currentItem() : nullptr;
    if (!row) return;
    KySNMPVarList& list = Request.VarList;
    for (int i = FirstThreshold; i < list.GetCount(); ++i) {
        std::string& value = list.GetVar(i).Value;
        const std::string read = row->text(i).toStdString();
        long long number = 0;
        // Unchanged: the value as read; a new number: back to the switch's scale.
        if (value == Shown(read)) value = read;
        else if (isInteger(value, number)) value += "000";
    }
}
