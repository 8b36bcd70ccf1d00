// A byte buffer that dialogs keep as a member and fill themselves.
#pragma once

#include <string>

struct VqBinaryString {
    std::string Data; // the bytes; Data.size() is the length
};
