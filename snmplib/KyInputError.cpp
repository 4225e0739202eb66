#include "KyInputError.h"

#include "KyException.h"
#include "KySNMPStatus.h"

namespace {

std::string filled(int code, std::initializer_list<std::pair<std::string_view, std::string>> placeholders) {
    std::string text = messageOf(code);
    for (const auto& [name, value] : placeholders)
        if (const std::size_t at = text.find(name); at != std::string::npos) text.replace(at, name.size(), value);
    return text;
}

}  // namespace

void throwNumberRangeError(const std::string& min, const std::string& max) {
    throw KyException(-8, filled(-8, {{"[MIN]", min}, {"[MAX]", max}}));
}

void throwNumberRangeError(std::int64_t min, std::uint64_t max) {
    throwNumberRangeError(std::to_string(min), std::to_string(max));
}

void throwHexError() {
    throw KyException(-7, filled(-7, {{"[LEN]", "even"}}));
}
