#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Numbers read from a delimited text such as "1,3,7". A '.' that is not the delimiter starts a fraction,
// whose digits are ignored; an empty item reads 0.
template <typename T>
class KyNumList {
public:
    char Delimiter = '.';
    std::vector<T> Items;

    int GetCount() const { return int(Items.size()); }

    // 0 for the empty text, else one more than the number of delimiters.
    int CountItems(const std::string& text) const;
    // False, with no items, for a character other than digits, the delimiter and '.', or for a number
    // beyond the range of T: such a text must never pass as other numbers.
    bool Parse(const std::string& text);
    // The first position holding value, -1 when none.
    int IndexOf(T value) const;
    bool AllInRange(T low, T high) const;
};

using KyIntList = KyNumList<std::int32_t>;
using KyUIntList = KyNumList<std::uint32_t>;

extern template class KyNumList<std::int32_t>;
extern template class KyNumList<std::uint32_t>;
