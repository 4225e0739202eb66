#include "KyOptionList.h"

#include "KyException.h"
#include "KyRadioGroup.h"

#include <QComboBox>

#include <charconv>
#include <cstdint>

namespace {

constexpr int OutOfRange = -12;

// Case folding of one Latin-1 character; whole texts compare this way when case does not matter.
unsigned char foldLatin1(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 0x20;
    return c;
}

unsigned char foldAscii(unsigned char c) { return (c >= 'A' && c <= 'Z') ? c + 0x20 : c; }

// A whole decimal 32-bit number with an optional sign; anything else is no number.
bool toInt32(const std::string& text, std::int32_t& value) {
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+') ++first;
    if (first == last || *first == '+') return false;
    const auto [end, ec] = std::from_chars(first, last, value);
    return ec == std::errc() && end == last;
}

const char* valueText(const KyOptionItem& row) { return row.ValueText ? row.ValueText : ""; }

}  // namespace

const KyOptionItem& KyOptionList::GetItem(int index) const {
    if (index < 0 || index >= Count) throw KyException(OutOfRange);
    return Rows[index];
}

bool KyOptionList::SameText(const std::string& a, const std::string& b) const {
    if (CaseSensitive || a.size() != b.size()) return a == b;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (foldLatin1(a[i]) != foldLatin1(b[i])) return false;
    return true;
}

bool KyOptionList::StartsWith(const std::string& text, const std::string& prefix) const {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        const unsigned char t = text[i], p = prefix[i];
        if (CaseSensitive ? t != p : foldAscii(t) != foldAscii(p)) return false;
    }
    return true;
}

int KyOptionList::IndexOfLabel(const std::string& text) const {
    if (Kind != IntegerValues && Kind != TextValues && Kind != TextPrefixValues) return -1;
    for (int i = 0; i < Count; ++i) {
        const std::string label = Rows[i].Label;
        if (Kind == TextPrefixValues ? StartsWith(text, label) : SameText(text, label)) return i;
    }
    return -1;
}

int KyOptionList::IndexOfValue(const std::string& text) const {
    switch (Kind) {
    case IntegerValues: {
        std::int32_t value = 0;
        if (text == "(NULL)" || !toInt32(text, value)) return -1;
        for (int i = 0; i < Count; ++i)
            if (Rows[i].Value == value) return i;
        return -1;
    }
    case TextValues:
        for (int i = 0; i < Count; ++i)
            if (SameText(text, valueText(Rows[i]))) return i;
        return -1;
    case TextPrefixValues:
        for (int i = 0; i < Count; ++i)
            if (StartsWith(text, valueText(Rows[i]))) return i;
        return -1;
    default:
        return -1;
    }
}

std::string KyOptionList::ValueToLabel(const std::string& text) const {
    const int i = IndexOfValue(text);
    if (i < 0) return text;
    if (Kind == TextPrefixValues) return Rows[i].Label + text.substr(std::string(valueText(Rows[i])).size());
    return Rows[i].Label;
}

std::string KyOptionList::LabelToValue(const std::string& text) const {
    const int i = IndexOfLabel(text);
    if (i < 0) return text;
    switch (Kind) {
    case IntegerValues:
        return std::to_string(Rows[i].Value);
    case TextValues:
        return valueText(Rows[i]);
    default:
        return valueText(Rows[i]) + text.substr(std::string(Rows[i].Label).size());
    }
}

int KyOptionList::IndexToSelect(const std::string& text) const {
    const int i = IndexOfLabel(text);
    return i >= 0 ? i : IndexOfValue(text);
}

void KyOptionList::FillComboBox(QComboBox* combo) const {
    combo->clear();
    for (int i = 0; i < Count; ++i) combo->addItem(QString::fromLatin1(Rows[i].Label));
}

void KyOptionList::SelectCombo(QComboBox* combo, const std::string& text) const {
    combo->setCurrentIndex(IndexToSelect(text));
}

void KyOptionList::FillRadioGroup(KyRadioGroup* group) const {
    QStringList labels;
    for (int i = 0; i < Count; ++i) labels << QString::fromLatin1(Rows[i].Label);
    group->setItems(labels);
}

void KyOptionList::SelectRadio(KyRadioGroup* group, const std::string& text) const {
    group->setItemIndex(IndexToSelect(text));
}
