#include "KyException.h"

#include "KySNMPStatus.h"

KyException::KyException(int code) : std::runtime_error(messageOf(code)), Code(code) {}

KyException::KyException(int code, const std::string& message) : std::runtime_error(message), Code(code) {}
