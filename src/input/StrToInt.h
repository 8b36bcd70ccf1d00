// The platform's decimal text-to-integer conversion, which raises on a text that is not a number.
// The command line and the unit table rely on the raise: a bad number is an error, not a zero.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An optional "-" and decimal digits, the value within a 32-bit int. Anything else (also "", blanks,
// a "+") raises EConvertError "'<text>' is not a valid integer value".
int StrToInt(std::string_view text);
