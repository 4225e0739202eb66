#pragma once

#include <compare>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// An object identifier as its sub-identifiers. Printed as dotted decimals without a leading dot.
class KyOid {
public:
    static constexpr std::size_t MaxLength = 128;

    KyOid() = default;
    KyOid(std::initializer_list<std::uint32_t> subIds) : SubIds(subIds) {}
    explicit KyOid(std::vector<std::uint32_t> subIds) : SubIds(std::move(subIds)) {}

    // Dotted decimals, one leading dot allowed; every sub-identifier 0..4294967295, at most MaxLength
    // of them. The empty text is the empty OID. Anything else gives nullopt.
    static std::optional<KyOid> tryParse(std::string_view text);
    // As tryParse, raising -417 for a text that is no object identifier.
    static KyOid parse(std::string_view text);

    std::string toString() const;

    std::size_t size() const { return SubIds.size(); }
    bool empty() const { return SubIds.empty(); }
    std::uint32_t operator[](std::size_t i) const { return SubIds[i]; }
    const std::vector<std::uint32_t>& subIds() const { return SubIds; }

    void append(std::uint32_t subId) { SubIds.push_back(subId); }
    void append(const KyOid& tail) { SubIds.insert(SubIds.end(), tail.SubIds.begin(), tail.SubIds.end()); }

    // True when this OID lies below base: base is a proper prefix, compared sub-identifier by
    // sub-identifier (so 1.10 is not under 1.1).
    bool isStrictlyUnder(const KyOid& base) const;

    // Lexicographic order of the sub-identifiers, the order of GETNEXT.
    friend std::strong_ordering operator<=>(const KyOid&, const KyOid&) = default;
    friend bool operator==(const KyOid&, const KyOid&) = default;

private:
    std::vector<std::uint32_t> SubIds;
};
