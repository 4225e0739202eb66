#include "KyOid.h"

#include "KyException.h"

#include <algorithm>
#include <charconv>

std::optional<KyOid> KyOid::tryParse(std::string_view text) {
    KyOid oid;
    if (text.empty()) return oid;
    if (text.front() == '.') text.remove_prefix(1);
    oid.SubIds.reserve(std::size_t(std::count(text.begin(), text.end(), '.')) + 1);
    std::size_t pos = 0;
    for (;;) {
        const std::size_t dot = std::min(text.find('.', pos), text.size());
        const std::string_view part = text.substr(pos, dot - pos);
        // Digits only: from_chars alone would take a sign or stop early.
        if (part.empty() || part.size() > 10 ||
            !std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return std::nullopt;
        std::uint64_t value = 0;
        std::from_chars(part.data(), part.data() + part.size(), value);
        if (value > UINT32_MAX || oid.size() == MaxLength) return std::nullopt;
        oid.append(std::uint32_t(value));
        if (dot == text.size()) return oid;
        pos = dot + 1;
    }
}

KyOid KyOid::parse(std::string_view text) {
    if (auto oid = tryParse(text)) return std::move(*oid);
    throw KyException(-417);
}

std::string KyOid::toString() const {
    std::string text;
    for (std::size_t i = 0; i < SubIds.size(); ++i) {
        if (i) text += '.';
        text += std::to_string(SubIds[i]);
    }
    return text;
}

bool KyOid::isStrictlyUnder(const KyOid& base) const {
    return SubIds.size() > base.SubIds.size() && std::equal(base.SubIds.begin(), base.SubIds.end(), SubIds.begin());
}
