// Helpers of the value-core tests: the framework error that a call raises, and octets written
// as numbers.
#pragma once

#include "VqException.h"

#include <initializer_list>
#include <string>

inline std::string Bytes(std::initializer_list<int> octets) {
    std::string s;
    for (int o : octets)
        s += static_cast<char>(o);
    return s;
}

struct RaisedError {
    int Code = 0; // 0: nothing was raised
    std::string Message;
};

template <typename F> RaisedError Raised(F&& f) {
    try {
        f();
    } catch (const VqException& e) {
        return {e.Code(), e.what()};
    }
    return {};
}

template <typename F> int RaisedCode(F&& f) {
    return Raised(f).Code;
}
