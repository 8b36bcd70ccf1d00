// The edit-constraint language: "%", a type letter (for type n also a delimiter), and options in
// braces, such as "%i{n1x4094l4}" (a whole number 1..4094 of at most 4 characters), "%h{l8f}"
// (exactly 8 hex digits), "%s{I}" (a dotted IPv4 address) or "%n,{n1x9l3}" (at most 3 numbers
// 1..9 separated by ","). This unit reads the strings; the edits enforce them (VqEditConstraint).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum EditLengthFlag : int16_t {
    elfAutoAdvance = 1, // "a": move to the next control when the text reaches MaxLength
    elfFixed = 2,       // "f": the length (or count of numbers) must equal MaxLength
    elfNotEmpty = 4,    // "n": an empty text is refused
};

enum EditAddressKind : unsigned char {
    eakNone = 0,
    eakIPv4 = 1,          // I
    eakMulticastIPv4 = 2, // Im
    eakIPv6 = 3,          // I6
    eakMulticastIPv6 = 4, // I6m
    eakMac = 5,           // M
    eakMulticastMac = 6,  // Mm
    eakUnicastMac = 7,    // Mu
};

struct EditConstraintFormat {
    char Conversion = 0;    // f, h, i, n, s or u
    char ListDelimiter = 0; // type n only
    double Minimum = 0;     // option n, else the type's default
    double Maximum = 0;     // option x, else the type's default
    int MaxLength = 0;      // option l; 0 when absent. For type n the count of numbers
    bool CheckOnly = false; // option Z
    unsigned char AddressKind = eakNone;
    int16_t LengthFlags = 0; // EditLengthFlag bits
    char ExitChar = 0;       // option e; 0 when absent
    int Width = 0;           // option w; 0 when absent
};

// Reads one constraint. A malformed string raises VqException with the message of code -2 and
// code -2; a number of option n, x, l or w that does not convert raises VqException with the
// conversion's own words ("'1-2' is not a valid floating point value") and code -2.
EditConstraintFormat ParseEditConstraint(std::string_view text);

// Cuts a string that holds several constraints into one part per constraint: a new part starts at
// every "%" after the first character; a final "%" starts no part. The parts are not checked.
std::vector<std::string> SplitEditConstraints(std::string_view text);
