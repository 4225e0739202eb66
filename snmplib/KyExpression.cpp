#include "KyExpression.h"

#include "KyException.h"
#include "KyTextUtils.h"

#include <QDateTime>

#include <array>
#include <charconv>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr int BadLogicOperand = -1;
constexpr int BadExpression = -513;
// Deeper than any real formula; keeps a hostile text from exhausting the stack.
constexpr int MaxDepth = 200;

bool isNow(std::string_view text) {
    const std::string t = Trim(text);
    return t.size() == 3 && (t[0] | 0x20) == 'n' && (t[1] | 0x20) == 'o' && (t[2] | 0x20) == 'w';
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const unsigned char x = a[i], y = b[i];
        if (x != y && !(std::isalpha(x) && (x | 0x20) == (y | 0x20))) return false;
    }
    return true;
}

// Position of the ')' that closes the '(' at open, or npos.
std::size_t matchingParen(std::string_view text, std::size_t open) {
    int depth = 0;
    for (std::size_t i = open; i < text.size(); ++i) {
        if (text[i] == '(') ++depth;
        else if (text[i] == ')' && --depth == 0) return i;
    }
    return std::string_view::npos;
}

// A parenthesised part is replaced by a marker naming its value rather than by its number text: the
// text of a negative value or of an exponent would be split again at its sign.
constexpr char ValueMark = '\x01';

// The decimal number at the start of the text after leading blanks; 0 when there is none.
double leadingNumber(std::string_view text, const std::vector<double>& values) {
    if (isNow(text)) return DayCountNow();
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    if (i < text.size() && text[i] == ValueMark) {
        std::size_t index = 0;
        const auto [end, ec] = std::from_chars(text.data() + i + 1, text.data() + text.size(), index);
        if (ec != std::errc() || index >= values.size()) throw KyException(BadExpression);
        return values[index];
    }
    const std::size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = 0;
    auto skipDigits = [&] {
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, ++digits;
    };
    skipDigits();
    if (i < text.size() && text[i] == '.') ++i, skipDigits();
    if (digits == 0) return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        if (j < text.size() && text[j] >= '0' && text[j] <= '9') {
            i = j;
            while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
        }
    }
    const char* first = text.data() + start + (text[start] == '+' ? 1 : 0);
    double value = 0;
    std::from_chars(first, text.data() + i, value);
    return value;
}

// Up to 15 significant digits, as the day count enters a comparison.
std::string GeneralNumberText(double value) {
    std::array<char, 32> buffer{};
    const int n = std::snprintf(buffer.data(), buffer.size(), "%.15g", value);
    return std::string(buffer.data(), std::size_t(n));
}

double finite(double value) {
    if (!std::isfinite(value)) throw KyException(BadExpression);
    return value;
}

double arithmetic(std::string_view t, int depth, std::vector<double>& values) {
    if (depth > MaxDepth) throw KyException(BadExpression);
    std::string text(t);
    for (std::size_t open; (open = text.find('(')) != std::string::npos;) {
        const std::size_t close = matchingParen(text, open);
        if (close == std::string::npos) break;
        const double inner = arithmetic(std::string_view(text).substr(open + 1, close - open - 1), depth + 1, values);
        values.push_back(inner);
        text.replace(open, close - open + 1, ValueMark + std::to_string(values.size() - 1));
    }
    const std::string_view s = text;
    auto value = [&](std::string_view part) { return arithmetic(part, depth + 1, values); };
    if (const std::size_t at = s.find('+'); at != std::string_view::npos)
        return finite(value(s.substr(0, at)) + value(s.substr(at + 1)));
    if (const std::size_t at = s.find('-'); at != std::string_view::npos)
        return finite(value(s.substr(0, at)) - value(s.substr(at + 1)));
    if (const std::size_t at = s.find('*'); at != std::string_view::npos)
        return finite(leadingNumber(s.substr(0, at), values) * value(s.substr(at + 1)));
    if (const std::size_t at = s.find('/'); at != std::string_view::npos) {
        const double divisor = value(s.substr(at + 1));
        if (divisor == 0) throw KyException(BadExpression);
        return finite(leadingNumber(s.substr(0, at), values) / divisor);
    }
    return finite(leadingNumber(s, values));
}

bool condition(std::string_view t, int depth) {
    if (depth > MaxDepth) throw KyException(BadLogicOperand);
    std::string text(t);
    for (;;) {
        const std::string_view s = text;
        const std::size_t q1 = s.find('"');
        const std::size_t q2 = q1 == std::string_view::npos ? q1 : s.find('"', q1 + 1);
        auto quoted = [&](std::size_t p) {
            return q2 != std::string_view::npos && p != std::string_view::npos && q1 < p && p < q2;
        };
        const std::size_t p1 = s.find('('), p2 = s.find('|'), p3 = s.find('&'), p4 = s.find('!');

        if (p1 != std::string_view::npos) {
            const std::size_t close = matchingParen(s, p1);
            if (close != std::string_view::npos && !quoted(p1) && !quoted(close)) {
                const bool inner = condition(s.substr(p1 + 1, close - p1 - 1), depth + 1);
                text.replace(p1, close - p1 + 1, inner ? "true" : "false");
                continue;
            }
        }
        if (p2 != std::string_view::npos && !quoted(p2))
            return condition(s.substr(0, p2), depth + 1) || condition(s.substr(p2 + 1), depth + 1);
        if (p3 != std::string_view::npos && !quoted(p3))
            return condition(s.substr(0, p3), depth + 1) && condition(s.substr(p3 + 1), depth + 1);
        if (p4 != std::string_view::npos && !quoted(p4)) return !condition(s.substr(1), depth + 1);
        return CompareCondition(s);
    }
}

}  // namespace

double DayCountNow() {
    const QDateTime now = QDateTime::currentDateTime();
    return double(QDate(1899, 12, 30).daysTo(now.date())) + now.time().msecsSinceStartOfDay() / 86400000.0;
}

bool CompareCondition(std::string_view text) {
    static constexpr std::array<std::string_view, 6> operators{"<>", ">=", "<=", ">", "<", "="};
    std::string left, right;
    const int op = SplitAtOperator(operators, text, left, right);
    if (op < 0) {
        if (equalsIgnoringCase(text, "true")) return true;
        if (equalsIgnoringCase(text, "false")) return false;
        throw KyException(BadLogicOperand);
    }
    auto side = [](const std::string& s) {
        const std::string t = Unquote(Trim(s));
        return isNow(t) ? GeneralNumberText(DayCountNow()) : t;
    };
    const int order = side(left).compare(side(right));
    switch (op) {
    case 0: return order != 0;
    case 1: return order >= 0;
    case 2: return order <= 0;
    case 3: return order > 0;
    case 4: return order < 0;
    default: return order == 0;
    }
}

bool EvaluateCondition(std::string_view text) { return condition(text, 0); }

double EvaluateArithmetic(std::string_view text) {
    std::vector<double> values;
    return arithmetic(text, 0, values);
}
