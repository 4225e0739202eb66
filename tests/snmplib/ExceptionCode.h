#pragma once

#include "KyException.h"

#include <functional>

// The code of the library exception the call raises, 0 when it raises none.
inline int codeOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const KyException& e) {
        return e.code();
    }
    return 0;
}
