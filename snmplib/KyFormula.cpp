#include "KyFormula.h"

#include "KyCodec.h"
#include "KyException.h"
#include "KyExpression.h"
#include "KyOptionList.h"
#include "KySNMPVarList.h"

#include <cmath>
#include <limits>

namespace {

constexpr int OutOfRange = -12;
constexpr int NullInExpression = -512;
constexpr int BadSyntaxInExpression = -513;
const std::string_view Marker = "$";

// The formula's result truncated toward zero, when it fits between low and high.
double whole(double x, double low, double high) {
    const double t = std::trunc(x);
    if (!(t >= low && t <= high)) throw KyException(BadSyntaxInExpression);
    return t;
}

}  // namespace

std::string ExpandTemplate(const KySNMPVarList& list, std::string_view text, bool quote, std::string_view marker) {
    std::string s(text);
    if (marker.empty()) return s;
    for (std::size_t c = 0; (c = s.find(marker, c)) != std::string::npos;) {
        std::size_t end = c + marker.size();
        long long n = 0;
        while (end < s.size() && s[end] >= '0' && s[end] <= '9') {
            if (n <= list.GetCount()) n = n * 10 + (s[end] - '0');
            ++end;
        }
        s.erase(c, end - c);
        if (n >= list.GetCount()) throw KyException(OutOfRange);

        const KySNMPVar& var = list.GetVar(int(n));
        const std::string v = var.Options ? var.Options->LabelToValue(var.Value) : var.Value;
        if (v == "(NULL)") throw KyException(NullInExpression);

        std::string replacement;
        switch (var.Syntax) {
        case sxBoolean: case sxBool8: case sxBool16:
            replacement = v == "true" ? "1" : "0";
            break;
        case sxInteger: case sxCounter: case sxGauge: case sxCounter64: case sxUInteger: case sxDouble:
        case sxInt8: case sxUInt8: case sxInt16: case sxUInt16:
            replacement = v;
            break;
        case sxTimeTicks:
            replacement = std::to_string(TextToTimeTicks(v));
            break;
        case sxBCDateTime:
            replacement = DoubleToText(TextToDayCount(v));
            break;
        default:
            if (!quote) throw KyException(BadSyntaxInExpression);
            replacement = '"' + v + '"';
        }
        s.insert(c, replacement);
        // Go on after the value: a value holding the marker must not be expanded again.
        c += replacement.size();
    }
    return s;
}

void ApplyFormula(KySNMPVarList& list, int index, bool get) {
    KySNMPVar& var = list.GetVar(index);
    const std::string& formula = get ? var.GetFormula : var.SetFormula;
    if (formula.empty()) return;
    const double x = EvaluateArithmetic(ExpandTemplate(list, formula, false, Marker));
    constexpr double maxUInt32 = std::numeric_limits<std::uint32_t>::max();

    std::string value;
    switch (var.Syntax) {
    case sxBoolean:
        value = x != 0 ? "true" : "false";
        break;
    case sxInteger:
        value = std::to_string(std::int32_t(whole(x, std::numeric_limits<std::int32_t>::min(),
                                                  std::numeric_limits<std::int32_t>::max())));
        break;
    case sxCounter: case sxGauge: case sxUInteger:
        value = std::to_string(std::uint32_t(whole(x, 0, maxUInt32)));
        break;
    case sxTimeTicks:
        value = TimeTicksToText(std::uint32_t(whole(x, 0, maxUInt32)));
        break;
    case sxCounter64:
        // 2^64 itself is a double, so the bound is the largest double below it.
        value = std::to_string(std::uint64_t(whole(x, 0, 18446744073709549568.0)));
        break;
    case sxDouble:
        value = DoubleToText(x);
        break;
    case sxBCDateTime:
        value = DayCountToText(x);
        break;
    default:
        throw KyException(BadSyntaxInExpression);
    }
    var.Value = var.Options ? var.Options->ValueToLabel(value) : value;
}

bool EvaluateFilter(const KySNMPVarList& list, std::string_view condition) {
    if (condition.empty()) return true;
    return EvaluateCondition(ExpandTemplate(list, condition, true, Marker));
}
