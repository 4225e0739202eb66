#include "KyInputError.h"

#include "KyException.h"
#include "KySNMPStatus.h"
#include "KyTextUtils.h"

void throwNumberRangeError(const std::string& min, const std::string& max) {
    throw KyException(-8, ReplaceAll(ReplaceAll(messageOf(-8), "[MIN]", min), "[MAX]", max));
}

void throwNumberRangeError(std::int64_t min, std::uint64_t max) {
    throwNumberRangeError(std::to_string(min), std::to_string(max));
}

void throwHexError() {
    throw KyException(-7, ReplaceAll(messageOf(-7), "[LEN]", "even"));
}
