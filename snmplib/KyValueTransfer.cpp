#include "KyValueTransfer.h"

#include "KyCodec.h"
#include "KyDateTime.h"
#include "KyException.h"
#include "KyInputError.h"
#include "KyOptionList.h"
#include "KyPortList.h"
#include "KyRadioGroup.h"
#include "KyRawValue.h"
#include "KySNMPStatus.h"
#include "KySNMPVar.h"
#include "KyTextUtils.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QStringDecoder>
#include <QStringEncoder>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace {

QString latin1(const std::string& text) { return QString::fromLatin1(text.data(), qsizetype(text.size())); }
std::string latin1(const QString& text) { return text.toLatin1().toStdString(); }

// The octets of a variable's value; a value never read holds none.
std::string valueOctets(const std::string& text, int syntax) { return text.empty() ? std::string() : TextToOctets(text, syntax); }

std::vector<QLineEdit*> editsOf(const KyControlBinding& binding) {
    std::vector<QLineEdit*> edits;
    for (const auto& control : binding.Controls) edits.push_back(qobject_cast<QLineEdit*>(control.data()));
    return edits;
}

void needEdits(bool enough) {
    if (!enough) throw KyException(-522);
}

std::string hex2(std::uint8_t byte) {
    static const char digits[] = "0123456789ABCDEF";
    return {digits[byte >> 4], digits[byte & 0xF]};
}

std::uint8_t octet(const std::string& octets, std::size_t i) { return std::uint8_t(octets[i]); }

std::uint32_t littleEndian32(const std::string& octets) {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value |= std::uint32_t(octet(octets, std::size_t(i))) << (8 * i);
    return value;
}

void setEdit(QLineEdit* edit, const std::string& text) {
    if (edit) edit->setText(latin1(text));
}

std::string editText(QLineEdit* edit) { return edit ? latin1(edit->text()) : std::string(); }

// Leading blanks, an optional sign and the digits that follow; 0 when there are none.
long long editNumber(QLineEdit* edit) {
    const std::string text = editText(edit);
    std::size_t i = text.find_first_not_of(' ');
    if (i == std::string::npos) return 0;
    bool negative = false;
    if (text[i] == '+' || text[i] == '-') negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9' && value < 100000000000LL; ++i) value = value * 10 + (text[i] - '0');
    return negative ? -value : value;
}

// Each edit holds one octet as hex: an empty edit reads "00", one digit gets a leading zero.
std::string hexOfEdits(const std::vector<QLineEdit*>& edits, std::size_t count) {
    std::string hex;
    for (std::size_t k = 0; k < count && k < edits.size(); ++k) {
        const std::string text = editText(edits[k]);
        hex += text.empty() ? "00" : text.size() == 1 ? "0" + text : text;
    }
    return hex;
}

std::string numbersOfEdits(const std::vector<QLineEdit*>& edits, std::size_t count) {
    std::string text;
    for (std::size_t k = 0; k < count && k < edits.size(); ++k) {
        if (k) text += '.';
        text += std::to_string(editNumber(edits[k]));
    }
    return text;
}

constexpr double MillisecondsPerDay = 86400000.0;

// A day count since 1899-12-30 whose fraction is the time of day.
void showDayCount(const std::vector<QLineEdit*>& edits, double days) {
    const double whole = std::trunc(days);
    long long ms = std::llround(std::fabs(days - whole) * MillisecondsPerDay);
    long long dayNumber = (long long)whole;
    if (ms >= (long long)MillisecondsPerDay) {
        ms -= (long long)MillisecondsPerDay;
        ++dayNumber;
    }
    const QDate date = QDate(1899, 12, 30).addDays(dayNumber);
    const long long fields[] = {date.year(), date.month(), date.day(), ms / 3600000, ms / 60000 % 60, ms / 1000 % 60,
                                ms % 1000};
    for (std::size_t k = 0; k < 7; ++k) setEdit(edits[k], std::to_string(fields[k]));
}

void showInEdits(const std::vector<QLineEdit*>& edits, int partSyntax, const std::string& text, const std::string& o) {
    const std::size_t n = edits.size();
    const bool null = text == "(NULL)";
    switch (partSyntax) {
    case sxBitStr: case sxOctetStr: case sxOpaque:
        needEdits(n >= o.size());
        for (std::size_t k = 0; k < o.size(); ++k) setEdit(edits[k], hex2(octet(o, k)));
        return;
    case sxObjectId: {
        std::vector<std::string> subIds;
        std::size_t from = 0;
        while (true) {
            const std::size_t dot = text.find('.', from);
            subIds.push_back(text.substr(from, dot == std::string::npos ? dot : dot - from));
            if (dot == std::string::npos) break;
            from = dot + 1;
        }
        needEdits(n >= subIds.size());
        for (std::size_t k = 0; k < subIds.size(); ++k) setEdit(edits[k], subIds[k]);
        return;
    }
    case sxIpAddress: case sxNsapAddr:
        needEdits(n >= 4);
        if (null || o.size() < 4) return;
        for (std::size_t k = 0; k < 4; ++k) setEdit(edits[k], std::to_string(octet(o, k)));
        return;
    case sxTimeTicks: {
        needEdits(n >= 5);
        if (null || o.size() < 4) return;
        const std::uint32_t v = littleEndian32(o);
        const std::uint32_t fields[] = {v / 8640000, v % 8640000 / 360000, v % 360000 / 6000, v % 6000 / 100, v % 100};
        for (std::size_t k = 0; k < 5; ++k) setEdit(edits[k], std::to_string(fields[k]));
        return;
    }
    case sxMacAddress:
        needEdits(n >= 6);
        if (null || o.size() < 6) return;
        for (std::size_t k = 0; k < 6; ++k) setEdit(edits[k], hex2(octet(o, k)));
        return;
    case sxDateTime: {
        needEdits(n >= 10);
        if (null || o.size() < 11) return;
        const KyDateTime t = KyDateTime::FromWire(o);
        const std::string fields[] = {std::to_string(t.Year), std::to_string(t.Month), std::to_string(t.Day),
                                      std::to_string(t.Hour), std::to_string(t.Minutes), std::to_string(t.Seconds),
                                      std::to_string(t.DeciSeconds), std::string(1, t.Sign),
                                      std::to_string(t.ZoneHours), std::to_string(t.ZoneMinutes)};
        for (std::size_t k = 0; k < 10; ++k) setEdit(edits[k], fields[k]);
        return;
    }
    case sxBCDateTime: {
        needEdits(n >= 7);
        if (null || o.size() < 8) return;
        std::uint64_t bits = 0;
        for (int i = 0; i < 8; ++i) bits |= std::uint64_t(octet(o, std::size_t(i))) << (8 * i);
        showDayCount(edits, std::bit_cast<double>(bits));
        return;
    }
    case sxIPv6Address:
        needEdits(n >= 16);
        if (null || o.size() < 16) return;
        for (std::size_t k = 0; k < 16; ++k) setEdit(edits[k], hex2(octet(o, k)));
        return;
    case sxInetAddress:
        needEdits(n >= 4 && n <= 16);
        if (null || o.size() < (n < 16 ? 4u : 16u)) return;
        for (std::size_t k = 0; k < (n < 16 ? 4u : 16u); ++k)
            setEdit(edits[k], n < 16 ? std::to_string(octet(o, k)) : hex2(octet(o, k)));
        return;
    default:
        setEdit(edits[0], text);
        return;
    }
}

std::string textOfEdits(const std::vector<QLineEdit*>& edits, int partSyntax) {
    const std::size_t n = edits.size();
    switch (partSyntax) {
    case sxBitStr: case sxOctetStr: case sxOpaque: return hexOfEdits(edits, n);
    case sxObjectId: return numbersOfEdits(edits, n);
    case sxIpAddress: case sxNsapAddr:
        needEdits(n >= 4);
        return numbersOfEdits(edits, 4);
    case sxTimeTicks: {
        needEdits(n >= 5);
        const long long ticks = editNumber(edits[0]) * 8640000 + editNumber(edits[1]) * 360000 +
                                editNumber(edits[2]) * 6000 + editNumber(edits[3]) * 100 + editNumber(edits[4]);
        if (ticks < 0 || ticks > std::numeric_limits<std::uint32_t>::max())
            throwNumberRangeError(0, std::numeric_limits<std::uint32_t>::max());
        return TimeTicksToText(std::uint32_t(ticks));
    }
    case sxMacAddress:
        needEdits(n >= 6);
        return hexOfEdits(edits, 6);
    case sxDateTime: {
        needEdits(n >= 10);
        const std::string sign = editText(edits[7]);
        auto number = [&](std::size_t k) { return std::to_string(editNumber(edits[k])); };
        return number(0) + "-" + number(1) + "-" + number(2) + "," + number(3) + ":" + number(4) + ":" + number(5) +
               "." + number(6) + "," + (sign.empty() ? '+' : sign[0]) + number(8) + ":" + number(9);
    }
    case sxBCDateTime: {
        needEdits(n >= 7);
        char text[64];
        std::snprintf(text, sizeof text, "%04lld/%02lld/%02lld %02lld:%02lld:%02lld", editNumber(edits[0]),
                      editNumber(edits[1]), editNumber(edits[2]), editNumber(edits[3]), editNumber(edits[4]),
                      editNumber(edits[5]));
        return text;
    }
    case sxIPv6Address:
        needEdits(n >= 16);
        return hexOfEdits(edits, 16);
    case sxInetAddress:
        needEdits(n >= 4 && n <= 16);
        return n == 16 ? hexOfEdits(edits, 16) : numbersOfEdits(edits, 4);
    default:
        return editText(edits[0]);
    }
}

bool isTruthSyntax(int syntax) { return syntax == sxBoolean || syntax == sxBool8 || syntax == sxBool16; }

const KyOptionList* optionsOf(const KyControlBinding& binding, const KySNMPVar& var) {
    if (binding.Options) return binding.Options;
    return IsWholeValue(binding, var) ? var.Options : nullptr;
}

const KyOptionList& needOptions(const KyOptionList* options) {
    if (!options) throw KyException(-520);
    return *options;
}

[[noreturn]] void throwPortListError(const std::string& templateHex) {
    std::string message = ReplaceAll(messageOf(-11), "[DELIMITER]", ",");
    message = ReplaceAll(ReplaceAll(message, "[MIN]", "1"), "[MAX]", std::to_string(templateHex.size() / 2 * 8));
    throw KyException(-11, message);
}

}  // namespace

QString TextOfOctets(const std::string& octets, const std::string& encoding) {
    if (!encoding.empty()) {
        QStringDecoder decoder(encoding.c_str());
        if (decoder.isValid()) return decoder.decode(QByteArrayView(octets.data(), qsizetype(octets.size())));
    }
    return latin1(octets);
}

std::string OctetsOfText(const QString& text, const std::string& encoding) {
    if (!encoding.empty()) {
        QStringEncoder encoder(encoding.c_str());
        if (encoder.isValid()) {
            const QByteArray octets = encoder.encode(text);
            if (encoder.hasError())
                throw KyException(0, "Please enter only characters that " + encoding + " can hold!");
            return octets.toStdString();
        }
    }
    return latin1(text);
}

bool IsWholeValue(const KyControlBinding& binding, const KySNMPVar& var) {
    return binding.ByteOffset == 0 && binding.PartSyntax == var.Syntax;
}

void ValueToBinding(const KyControlBinding& binding, const KySNMPVar& var) {
    std::string t = var.Options ? var.Options->LabelToValue(var.Value) : var.Value;
    const KyOptionList* options = optionsOf(binding, var);
    // Only pieces, bits and several edits need the octets: a whole value shows its text even when the
    // agent answered with another type than expected.
    std::string o;
    if (!IsWholeValue(binding, var)) {
        o = ExtractPart(valueOctets(t, var.Syntax), binding.ByteOffset, binding.PartSyntax);
        t = OctetsToText(o, binding.PartSyntax);
    } else if (!binding.PartNumbers.empty() || binding.Controls.size() > 1) {
        o = valueOctets(t, var.Syntax);
    }
    if (options) t = options->ValueToLabel(t);

    QWidget* first = binding.Controls.front();
    if (auto* label = qobject_cast<QLabel*>(first)) {
        label->setText(latin1(t));
    } else if (qobject_cast<QCheckBox*>(first)) {
        for (std::size_t k = 0; k < binding.Controls.size(); ++k) {
            auto* box = qobject_cast<QCheckBox*>(binding.Controls[k].data());
            if (!box) continue;
            if (!binding.PartNumbers.empty()) {
                const int n = binding.PartNumbers[k];
                if (std::size_t(n / 8) >= o.size()) throw KyException(-519);
                box->setChecked(octet(o, std::size_t(n / 8)) & (0x80 >> (n % 8)));
            } else if (options) {
                int i = options->IndexOfLabel(t);
                if (i < 0) i = options->IndexOfValue(t);
                // The list's first row means unchecked, every later row checked.
                box->setChecked(i > 0);
            } else if (isTruthSyntax(binding.PartSyntax)) {
                box->setChecked(t == "true");
            } else {
                throw KyException(-517);
            }
        }
    } else if (auto* combo = qobject_cast<QComboBox*>(first)) {
        needOptions(options).SelectCombo(combo, t);
        if (binding.Controls.size() > 1) {
            // A prefix list: the combo box shows the prefix, the second control the rest of the value.
            const std::size_t shown = combo->currentIndex() < 0 ? 0 : std::size_t(combo->currentText().size());
            std::string rest = t.substr(std::min(shown, t.size()));
            if (binding.PartSyntax == sxObjectId && !rest.empty()) rest.erase(0, 1);
            if (auto* edit = qobject_cast<QLineEdit*>(binding.Controls[1].data())) setEdit(edit, rest);
        }
    } else if (auto* group = qobject_cast<KyRadioGroup*>(first)) {
        needOptions(options).SelectRadio(group, t);
    } else if (auto* edit = qobject_cast<QLineEdit*>(first)) {
        if (binding.Controls.size() > 1) showInEdits(editsOf(binding), binding.PartSyntax, t, o);
        else if (var.Syntax == sxBitList) setEdit(edit, portBitmapToText(var.Value, false));
        else edit->setText(TextOfOctets(t, binding.TextEncoding));
    } else {
        throw KyException(-521);
    }
}

bool BindingToOctets(const KyControlBinding& binding, const KySNMPVar& var, const std::string& portTemplate,
                     std::string& octets) {
    const KyOptionList* options = optionsOf(binding, var);
    QWidget* first = binding.Controls.front();
    std::string p;
    if (auto* label = qobject_cast<QLabel*>(first)) {
        p = latin1(label->text());
    } else if (auto* box = qobject_cast<QCheckBox*>(first)) {
        if (!binding.PartNumbers.empty()) {
            // Built bit by bit: octets no box reaches stay 0.
            octets.clear();
            for (std::size_t k = 0; k < binding.Controls.size(); ++k) {
                auto* bit = qobject_cast<QCheckBox*>(binding.Controls[k].data());
                if (!bit) continue;
                const int n = binding.PartNumbers[k];
                if (octets.size() < std::size_t(n / 8 + 1)) octets.resize(std::size_t(n / 8 + 1), '\0');
                const auto mask = char(0x80 >> (n % 8));
                if (bit->isChecked()) octets[std::size_t(n / 8)] |= mask;
                else octets[std::size_t(n / 8)] &= char(~mask);
            }
            return true;
        }
        if (options) p = options->GetItem(box->isChecked() ? 1 : 0).Label;
        else if (isTruthSyntax(binding.PartSyntax)) p = box->isChecked() ? "true" : "false";
        else throw KyException(-517);
    } else if (auto* combo = qobject_cast<QComboBox*>(first)) {
        if (combo->currentIndex() < 0) return false;
        p = latin1(combo->currentText());
        if (binding.Controls.size() > 1) {
            if (binding.PartSyntax == sxObjectId) p += '.';
            p += editText(qobject_cast<QLineEdit*>(binding.Controls[1].data()));
        }
    } else if (auto* group = qobject_cast<KyRadioGroup*>(first)) {
        const int i = group->itemIndex();
        if (i < 0 || i >= group->count()) return false;
        p = latin1(group->items()[i]);
    } else if (auto* edit = qobject_cast<QLineEdit*>(first)) {
        if (binding.Controls.size() > 1) {
            p = textOfEdits(editsOf(binding), binding.PartSyntax);
        } else if (var.Syntax == sxBitList) {
            // Against the value read from the device: a bad port text refuses the write.
            if (!portTextToBitmap(latin1(edit->text()), portTemplate, p)) throwPortListError(portTemplate);
        } else {
            p = OctetsOfText(edit->text(), binding.TextEncoding);
        }
    } else {
        throw KyException(-521);
    }
    if (options) p = options->LabelToValue(p);
    octets = TextToOctets(p, binding.PartSyntax);
    return true;
}
