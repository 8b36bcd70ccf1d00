#include "EditConstraintFormat.h"
#include "CoreTestHelpers.h"

#include <cfloat>
#include <gtest/gtest.h>

namespace edit_constraint_format_test {

namespace {

struct Parsed {
    const char* Text;
    char Conversion;
    char Delimiter;
    double Minimum;
    double Maximum;
    int MaxLength;
    int LengthFlags;
    int AddressKind;
    bool CheckOnly;
    char ExitChar;
    int Width;
};

constexpr double kIntMin = -2147483648.0, kIntMax = 2147483647.0, kUMax = 4294967295.0;

const Parsed kParsed[] = {
    {"%i{n1x4094l4}", 'i', 0, 1, 4094, 4, 0, 0, false, 0, 0},
    {"%i{n-1x7}", 'i', 0, -1, 7, 0, 0, 0, false, 0, 0},
    {"%i{n0x65535l5a}", 'i', 0, 0, 65535, 5, elfAutoAdvance, 0, false, 0, 0},
    {"%i", 'i', 0, kIntMin, kIntMax, 0, 0, 0, false, 0, 0},
    {"%i{}", 'i', 0, kIntMin, kIntMax, 0, 0, 0, false, 0, 0},
    {"%u{x100}", 'u', 0, 0, 100, 0, 0, 0, false, 0, 0},
    {"%f{n.5x2.}", 'f', 0, 0.5, 2, 0, 0, 0, false, 0, 0},
    {"%f", 'f', 0, DBL_MIN, DBL_MAX, 0, 0, 0, false, 0, 0},
    {"%h{l8f}", 'h', 0, DBL_MIN, DBL_MAX, 8, elfFixed, 0, false, 0, 0},
    {"%s{l32}", 's', 0, DBL_MIN, DBL_MAX, 32, 0, 0, false, 0, 0},
    {"%s{l16fan}", 's', 0, DBL_MIN, DBL_MAX, 16, elfFixed | elfAutoAdvance | elfNotEmpty, 0, false, 0, 0},
    {"%s{l3aa}", 's', 0, DBL_MIN, DBL_MAX, 3, elfAutoAdvance, 0, false, 0, 0}, // a repeat is no "f"
    {"%s{l3nx5}", 's', 0, DBL_MIN, 5, 3, elfNotEmpty, 0, false, 0, 0},         // greedy flags
    {"%s{I}", 's', 0, DBL_MIN, DBL_MAX, 0, 0, eakIPv4, false, 0, 0},
    {"%s{Im}", 's', 0, DBL_MIN, DBL_MAX, 0, 0, eakMulticastIPv4, false, 0, 0},
    {"%h{I6}", 'h', 0, DBL_MIN, DBL_MAX, 0, 0, eakIPv6, false, 0, 0},
    {"%h{I6ml32}", 'h', 0, DBL_MIN, DBL_MAX, 32, 0, eakMulticastIPv6, false, 0, 0},
    {"%h{Ml8}", 'h', 0, DBL_MIN, DBL_MAX, 8, 0, eakMac, false, 0, 0},
    {"%h{Mm}", 'h', 0, DBL_MIN, DBL_MAX, 0, 0, eakMulticastMac, false, 0, 0},
    {"%h{Mu}", 'h', 0, DBL_MIN, DBL_MAX, 0, 0, eakUnicastMac, false, 0, 0},
    {"%s{Z}", 's', 0, DBL_MIN, DBL_MAX, 0, 0, 0, true, 0, 0},
    {"%i{Zw80e;}", 'i', 0, kIntMin, kIntMax, 0, 0, 0, true, ';', 80},
    {"%s{e}}", 's', 0, DBL_MIN, DBL_MAX, 0, 0, 0, false, '}', 0},
    {"%n,", 'n', ',', 0, kUMax, 0, 0, 0, false, 0, 0},
    {"%n,{n1x9l3}", 'n', ',', 1, 9, 3, 0, 0, false, 0, 0},
    {"%n.{l4f}", 'n', '.', 0, kUMax, 4, elfFixed, 0, false, 0, 0},
};

} // namespace

TEST(EditConstraintFormat, ReadsTypeBoundsAndEveryOption) {
    for (const Parsed& p : kParsed) {
        SCOPED_TRACE(p.Text);
        EditConstraintFormat f = ParseEditConstraint(p.Text);
        EXPECT_EQ(p.Conversion, f.Conversion);
        EXPECT_EQ(p.Delimiter, f.ListDelimiter);
        EXPECT_EQ(p.Minimum, f.Minimum);
        EXPECT_EQ(p.Maximum, f.Maximum);
        EXPECT_EQ(p.MaxLength, f.MaxLength);
        EXPECT_EQ(p.LengthFlags, f.LengthFlags);
        EXPECT_EQ(p.AddressKind, f.AddressKind);
        EXPECT_EQ(p.CheckOnly, f.CheckOnly);
        EXPECT_EQ(p.ExitChar, f.ExitChar);
        EXPECT_EQ(p.Width, f.Width);
    }
}

TEST(EditConstraintFormat, MalformedStringsRaiseTheFormatError) {
    const std::string formatMessage = " Bad format specifier of edit's constraint!";
    struct Bad {
        const char* Text;
        const char* Message; // null: the format error's own text
    } const cases[] = {
        {"", nullptr},
        {"%", nullptr},
        {"i{n1}", nullptr},
        {"%q", nullptr},
        {"%n", nullptr},       // n without its delimiter
        {"%s{", nullptr},      // an open brace at the end
        {"%s{l3", nullptr},    // never closed
        {"%sX", nullptr},      // trailing text without braces
        {"%s{l3}x", nullptr},  // text after the closing brace
        {"%i{n}", nullptr},    // n without a number
        {"%i{x}", nullptr},    // x without a number
        {"%s{l}", nullptr},    // l without a number
        {"%s{w}", nullptr},    // w without a number
        {"%s{e}", nullptr},    // e as the last character
        {"%s{q}", nullptr},    // unknown option
        {"%s{l3n1}", nullptr}, // n after l is l's flag, so "1" is an unknown option
        {"%s{l 3}", nullptr},  // no blanks between options
        {"%i{n1-2}", "'1-2' is not a valid floating point value"},
        {"%i{x1..2}", "'1..2' is not a valid floating point value"},
        {"%i{n-}", "'-' is not a valid floating point value"},
        {"%s{l99999999999}", "'99999999999' is not a valid integer value"},
    };
    for (const Bad& c : cases) {
        SCOPED_TRACE(c.Text);
        RaisedError e = Raised([&] { ParseEditConstraint(c.Text); });
        EXPECT_EQ(-2, e.Code);
        EXPECT_EQ(c.Message ? c.Message : formatMessage, e.Message);
    }
}

TEST(EditConstraintFormat, SplitStartsAPartAtEveryPercentAfterTheFirst) {
    using Parts = std::vector<std::string>;
    struct Case {
        const char* Text;
        Parts Expected;
    } const cases[] = {
        {"%i{n1x4094l4}", {"%i{n1x4094l4}"}},
        {"%i{n1x255}%s{l3}", {"%i{n1x255}", "%s{l3}"}},
        {"%s{l3} %i", {"%s{l3} ", "%i"}}, // the blank stays in the first part (a format error)
        {"%s%", {"%s"}},                  // a final "%" starts nothing
        {"%", {}},
        {"", {}},
        {"ab%s", {"ab", "%s"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        EXPECT_EQ(c.Expected, SplitEditConstraints(c.Text));
    }
}

} // namespace edit_constraint_format_test
