#pragma once

#include <stdexcept>
#include <string>

// A failure of the library itself: the code of the status tables and the code's current message text.
class KyException : public std::runtime_error {
public:
    explicit KyException(int code);  // message is the current text of the code
    KyException(int code, const std::string& message);

    int code() const noexcept { return Code; }

private:
    int Code;
};
