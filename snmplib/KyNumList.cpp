#include "KyNumList.h"

#include <algorithm>
#include <limits>

template <typename T>
int KyNumList<T>::CountItems(const std::string& text) const {
    return text.empty() ? 0 : 1 + int(std::count(text.begin(), text.end(), Delimiter));
}

template <typename T>
bool KyNumList<T>::Parse(const std::string& text) {
    Items.assign(CountItems(text), 0);
    std::size_t j = 0;
    bool fraction = false;
    for (const char c : text) {
        if (c == Delimiter) {
            ++j;
            fraction = false;
        } else if (c == '.') {
            fraction = true;
        } else if (c >= '0' && c <= '9') {
            if (fraction) continue;
            if (Items[j] > (std::numeric_limits<T>::max() - T(c - '0')) / 10) {
                Items.clear();
                return false;
            }
            Items[j] = T(Items[j] * 10 + (c - '0'));
        } else {
            Items.clear();
            return false;
        }
    }
    return true;
}

template <typename T>
int KyNumList<T>::IndexOf(T value) const {
    const auto it = std::find(Items.begin(), Items.end(), value);
    return it == Items.end() ? -1 : int(it - Items.begin());
}

template <typename T>
bool KyNumList<T>::AllInRange(T low, T high) const {
    return std::all_of(Items.begin(), Items.end(), [&](T v) { return v >= low && v <= high; });
}

template class KyNumList<std::int32_t>;
template class KyNumList<std::uint32_t>;
