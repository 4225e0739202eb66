#include "KyTextUtils.h"

namespace {
bool isBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }
}  // namespace

std::string Trim(std::string_view text) {
    std::size_t first = 0, last = text.size();
    while (first < last && isBlankOrControl(text[first])) ++first;
    while (last > first && isBlankOrControl(text[last - 1])) --last;
    return std::string(text.substr(first, last - first));
}

std::string Unquote(std::string_view text) {
    if (!text.empty() && text.front() == '"' && text.back() == '"')
        return text.size() < 2 ? std::string() : std::string(text.substr(1, text.size() - 2));
    return std::string(text);
}

int SpanOf(std::string_view text, int start, std::string_view set) {
    if (start < 1) return 0;
    std::size_t i = std::size_t(start) - 1;
    if (i >= text.size() || set.find(text[i]) == std::string_view::npos) return 0;
    while (i + 1 < text.size() && set.find(text[i + 1]) != std::string_view::npos) ++i;
    return int(i + 1);
}

std::string ReplaceAll(std::string_view text, std::string_view search, std::string_view replacement) {
    if (search.empty()) return std::string(text);
    std::string result;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find(search, from)) != std::string_view::npos; from = at + search.size()) {
        result.append(text.substr(from, at - from));
        result.append(replacement);
    }
    result.append(text.substr(from));
    return result;
}

int SplitAtOperator(std::span<const std::string_view> operators, std::string_view text, std::string& left,
                    std::string& right) {
    for (std::size_t k = 0; k < operators.size(); ++k) {
        const std::size_t at = operators[k].empty() ? std::string_view::npos : text.find(operators[k]);
        if (at == std::string_view::npos) continue;
        left = std::string(text.substr(0, at));
        right = std::string(text.substr(at + operators[k].size()));
        return int(k);
    }
    return -1;
}
