// The framework exception: every failure of the framework itself (not an SNMP status) is raised
// as one of these, carrying the message text and the negative code.
#pragma once

#include <stdexcept>
#include <string>

class VqException : public std::runtime_error {
public:
    VqException(const std::string& message, int code) : std::runtime_error(message), ErrorCode(code) {}

    int Code() const noexcept { return ErrorCode; }

private:
    int ErrorCode;
};

// Raises VqException with the current text of `code` from the message tables (a replaced table's
// text once its file was loaded) and `code` itself.
[[noreturn]] void RaiseVqError(int code);
