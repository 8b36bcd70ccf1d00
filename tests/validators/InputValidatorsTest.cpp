#include "InputValidators.h"

#include "TApplication.h"
#include "TEdit.h"
#include "TForm.h"
#include "UiTesting.h"

#include <gtest/gtest.h>
#include <memory>

namespace input_validators_test {

namespace {

constexpr const char* kNone = "";
constexpr const char* kIp = "Please input a valid IP.";
constexpr const char* kQuad = "Please input a valid IP";
constexpr const char* kIPv6 = "Please enter a valid IPv6 address whose length is 32 without ':'.";
constexpr const char* kIPv6Less = "Please enter a valid IPv6 address whose length is less without ':'.";
constexpr const char* k60 = "Pleaase Input a Number between 60 and 1000000 or 0.";
constexpr const char* k8 = "Please Input a Number between 8-10240000 or 0.";
constexpr const char* k2048 = "Please Input a Number between 1-2048 or -1.";
constexpr const char* kM60 = "Please Input a Number between 60-1000000 or -1.";

struct Case {
    const char* Name;
    bool (*Check)(TControl*);
    const char* Text;
    bool Accepted;
    const char* Message;             // shown before a refusal, or kNone
    const char* TextAfter = nullptr; // the control's text afterwards when the check rewrites it
};

#define CHECK(f) #f, f

// The dotted-quad check with the last group held to three digits, as the other groups.
bool CheckDottedQuadUpToThree(TControl* control) {
    return CheckDottedQuadText(control, LastGroupDigits::UpToThree);
}

const Case kCases[] = {
    {CHECK(CheckIPv4Text), "192.168.0.1", true, kNone},
    {CHECK(CheckIPv4Text), "0.0.0.0", true, kNone},
    {CHECK(CheckIPv4Text), "001.002.003.0004", true, kNone}, // 16 characters are still read
    {CHECK(CheckIPv4Text), "001.002.003.00004", false, kIp}, // 17 are refused unread
    {CHECK(CheckIPv4Text), "192.168.0", false, kIp},
    {CHECK(CheckIPv4Text), "1.2.3.4.5", false, kIp},
    {CHECK(CheckIPv4Text), "256.1.1.1", false, kIp},
    {CHECK(CheckIPv4Text), "1..2.3", false, kIp},
    {CHECK(CheckIPv4Text), "-1.2.3.4", false, kIp},
    {CHECK(CheckIPv4Text), "-0.2.3.4", false, kIp},
    {CHECK(CheckIPv4Text), " 1.2.3.4", false, kIp},
    {CHECK(CheckIPv4Text), "1.2.3.4 ", false, kIp},
    {CHECK(CheckIPv4Text), "+1.2.3.4", false, kIp},
    {CHECK(CheckIPv4Text), "1.2.3.", false, kIp},
    {CHECK(CheckIPv4Text), "", false, kIp},
    {CHECK(CheckDottedQuadText), "192.168.100.255", true, kNone},
    {CHECK(CheckDottedQuadText), "0.0.0.0", true, kNone},
    {CHECK(CheckDottedQuadText), "001.02.3.4", true, kNone}, // leading zeros before a value
    {CHECK(CheckDottedQuadText), "1.2.3.0001", true, kNone}, // the last group has any length
    {CHECK(CheckDottedQuadText), "1.2.3.00000000000000000001", true, kNone},
    {CHECK(CheckDottedQuadText), "1.2.3.00", false, kQuad}, // a zero of two digits
    {CHECK(CheckDottedQuadText), "1.00.3.4", false, kQuad},
    {CHECK(CheckDottedQuadText), "1.2.0000.4", false, kQuad}, // four digits before a dot
    {CHECK(CheckDottedQuadText), "1.2.0001.4", false, kQuad},
    {CHECK(CheckDottedQuadText), "192.168.100.2551", false, kQuad}, // the whole text is read
    {CHECK(CheckDottedQuadText), "111.111.111.11.5", false, kQuad},
    {CHECK(CheckDottedQuadText), "256.1.1.1", false, kQuad},
    {CHECK(CheckDottedQuadText), "1.2.3.256", false, kQuad},
    {CHECK(CheckDottedQuadText), "1.2.3.99999999999999999999", false, kQuad}, // no overflow
    {CHECK(CheckDottedQuadText), "1.2.3", false, kQuad},
    {CHECK(CheckDottedQuadText), ".1.2.3.4", false, kQuad},
    {CHECK(CheckDottedQuadText), "1..2.3", false, kQuad},
    {CHECK(CheckDottedQuadText), "1.2.3.", false, kQuad},
    {CHECK(CheckDottedQuadText), "1.2.3.4a", false, kQuad},
    {CHECK(CheckDottedQuadText), "-1.2.3.4", false, kQuad},
    {CHECK(CheckDottedQuadText), " 1.2.3.4", false, kQuad},
    {CHECK(CheckDottedQuadText), "", false, kQuad},
    {CHECK(CheckDottedQuadUpToThree), "192.168.1.1", true, kNone},
    {CHECK(CheckDottedQuadUpToThree), "1.2.3.010", true, kNone},
    {CHECK(CheckDottedQuadUpToThree), "1.2.3.0", true, kNone},
    {CHECK(CheckDottedQuadUpToThree), "192.168.1", false, kQuad},
    {CHECK(CheckDottedQuadUpToThree), ".1.2.3", false, kQuad},
    {CHECK(CheckDottedQuadUpToThree), "1..2.3", false, kQuad},
    {CHECK(CheckDottedQuadUpToThree), "1.2.3.4.", false, kQuad},
    {CHECK(CheckDottedQuadUpToThree), "1.2.3.256", false, kQuad},
    {CHECK(CheckDottedQuadUpToThree), "1.2.3.00", false, kQuad},
    {CHECK(CheckDottedQuadUpToThree), "1.2.3.0004", false, kQuad}, // the last group as the others
    {CHECK(CheckDottedQuadUpToThree), "1.2.3.0001", false, kQuad},
    {CHECK(CheckDottedQuadUpToThree), "1.2.3.4x", false, kQuad},
    {CHECK(CheckDottedQuadUpToThree), "", false, kQuad},
    {CHECK(IsMulticastIPv4Text), "239.255.255.250", true, kNone},
    {CHECK(IsMulticastIPv4Text), "224.0.0.1", true, kNone},
    {CHECK(IsMulticastIPv4Text), "240.0.0.1", false, kNone},
    {CHECK(IsMulticastIPv4Text), "223.255.255.255", false, kNone},
    {CHECK(IsMulticastIPv4Text), "230.1.1", false, kNone},
    {CHECK(IsNetmaskText), "255.255.255.0", true, kNone},
    {CHECK(IsNetmaskText), "0.0.0.0", true, kNone},
    {CHECK(IsNetmaskText), "255.255.255.255", true, kNone},
    {CHECK(IsNetmaskText), "255.255.254.0", true, kNone},
    {CHECK(IsNetmaskText), "128.0.0.0", true, kNone},
    {CHECK(IsNetmaskText), "255.0.255.0", false, kNone},
    {CHECK(IsNetmaskText), "255.255.255.1", false, kNone},
    {CHECK(IsNetmaskText), "255.254.255.0", false, kNone},
    {CHECK(IsNetmaskText), "255.255.253.0", false, kNone},
    {CHECK(IsNetmaskText), "255.255.255.0.0", false, kNone},
    {CHECK(IsNonZeroNetmaskText), "0.0.0.0", false, kNone},
    {CHECK(IsNonZeroNetmaskText), "255.0.0.0", true, kNone},
    {CHECK(IsNonZeroNetmaskText), "255.0.255.0", false, kNone},
    {CHECK(CheckIPv6HexText), "20010DB8000000000000000000000001", true, kNone},
    {CHECK(CheckIPv6HexText), "fe80000000000000abcdefABCDEF0123", true, kNone},
    {CHECK(CheckIPv6HexText), "20010DB800000000000000000000001", false, kIPv6},
    {CHECK(CheckIPv6HexText), "20010DB8000000000000000000000001F", false, kIPv6},
    {CHECK(CheckIPv6HexText), "2001:0DB8:0000:0000:0000:0000:00", false, kIPv6},
    {CHECK(CheckIPv6HexText), "20010DB800000000000000000000000G", false, kIPv6},
    {CHECK(CheckIPv6Text), "20010DB8000000000000000000000001", true, kNone},
    {CHECK(CheckIPv6Text), "20010DB800000000000000000000001", false, kIPv6Less},
    {CHECK(CheckIPv6Text), "20010DB8000000000000000000000001F", false, kIPv6Less},
    {CHECK(CheckIPv6Text), "", false, kIPv6Less},
    {CHECK(CheckIPv6Text), "2001:DB8000000000000000000000001", false, kIPv6},
    {CHECK(CheckIPv6Text), "20010DB800000000000000000000000G", false, kIPv6},
    {CHECK(IsIPv6MulticastText), "FF020000000000000000000000000001", true, kNone},
    {CHECK(IsIPv6MulticastText), "ff020000000000000000000000000001", true, kNone},
    {CHECK(IsIPv6MulticastText), "fF020000000000000000000000000001", true, kNone},
    {CHECK(IsIPv6MulticastText), "FE020000000000000000000000000001", false, kNone},
    {CHECK(IsIPv6MulticastText), "FF02000000000000000000000000001", false, kNone},
    {CHECK(IsMacText), "00-11-22-33-44-55", true, kNone},
    {CHECK(IsMacText), "00.11.22.33.44.55", true, kNone},
    {CHECK(IsMacText), "001122334455", true, kNone},
    {CHECK(IsMacText), "aA-bB-cC-dD-eE-fF", true, kNone},
    {CHECK(IsMacText), "00-11-22-33-44", false, kNone},
    {CHECK(IsMacText), "0-1-2-3-4-5", false, kNone},
    {CHECK(IsMacText), "00-11-22-33-44-55-66", false, kNone},
    {CHECK(IsMacText), "001-11-22-33-44-55", false, kNone}, // a group of three is no MAC group
    {CHECK(IsMacText), "00-11-22.33-44-55", false, kNone},
    {CHECK(IsMacText), "00112233445G", false, kNone},
    {CHECK(IsMacText), "0011223344556", false, kNone},
    {CHECK(IsMacText), "00:11:22:33:44:55", false, kNone},
    {CHECK(IsMulticastMacText), "01-00-5E-00-00-01", true, kNone},
    {CHECK(IsMulticastMacText), "03005e000001", true, kNone},
    {CHECK(IsMulticastMacText), "FF-FF-FF-FF-FF-FF", false, kNone},
    {CHECK(IsMulticastMacText), "ffffffffffff", false, kNone},
    {CHECK(IsMulticastMacText), "0a-00-00-00-00-01", false, kNone},
    {CHECK(IsMulticastMacText), "01-00-00-00-00-00", false, kNone},
    {CHECK(IsMulticastMacText), "00-11-22-33-44-55", false, kNone},
    {CHECK(IsUnicastMacText), "00-11-22-33-44-55", true, kNone},
    {CHECK(IsUnicastMacText), "02.00.00.00.00.01", true, kNone},
    {CHECK(IsUnicastMacText), "00-00-00-00-00-00", false, kNone},
    {CHECK(IsUnicastMacText), "000000000000", false, kNone},
    {CHECK(IsUnicastMacText), "0B-11-22-33-44-55", false, kNone},
    {CHECK(IsUnicastMacText), "0d1122334455", false, kNone},
    {CHECK(IsHexWordText), "ab", true, kNone, "00AB"},
    {CHECK(IsHexWordText), "FfFf", true, kNone, "FFFF"},
    {CHECK(IsHexWordText), "", true, kNone, "0000"},
    {CHECK(IsHexWordText), "12345", false, kNone, "12345"},
    {CHECK(IsHexWordText), "12G", false, kNone, "12G"},
    {CHECK(CheckZeroOr60To1000000Text), "0", true, kNone},
    {CHECK(CheckZeroOr60To1000000Text), "60", true, kNone},
    {CHECK(CheckZeroOr60To1000000Text), "1000000", true, kNone},
    {CHECK(CheckZeroOr60To1000000Text), "59", false, k60},
    {CHECK(CheckZeroOr60To1000000Text), "1000001", false, k60},
    {CHECK(CheckZeroOr60To1000000Text), "-1", false, k60},
    {CHECK(CheckZeroOr60To1000000Text), "00000000060", false, k60}, // 11 characters
    {CHECK(CheckZeroOr60To1000000Text), "99999999999", false, k60},
    {CHECK(CheckZeroOr60To1000000Text), " 60", false, k60},
    {CHECK(CheckZeroOr60To1000000Text), "60a", false, k60},
    {CHECK(CheckZeroOr60To1000000Text), "+60", false, k60},
    {CHECK(CheckZeroOr60To1000000Text), "", false, k60},
    {CHECK(CheckZeroOr8To10240000Text), "0", true, kNone},
    {CHECK(CheckZeroOr8To10240000Text), "8", true, kNone},
    {CHECK(CheckZeroOr8To10240000Text), "10240000", true, kNone},
    {CHECK(CheckZeroOr8To10240000Text), "7", false, k8},
    {CHECK(CheckZeroOr8To10240000Text), "-5", false, k8},
    {CHECK(CheckZeroOr8To10240000Text), "10240001", false, k8},
    {CHECK(CheckZeroOr8To10240000Text), "4294967304", false, k8}, // wraps to 8 in 32 bits
    {CHECK(CheckZeroOr8To10240000Text), "0x10", false, k8},
    {CHECK(CheckMinusOneOr1To2048Text), "-1", true, kNone},
    {CHECK(CheckMinusOneOr1To2048Text), "1", true, kNone},
    {CHECK(CheckMinusOneOr1To2048Text), "2048", true, kNone},
    {CHECK(CheckMinusOneOr1To2048Text), "0", false, k2048},
    {CHECK(CheckMinusOneOr1To2048Text), "-2", false, k2048},
    {CHECK(CheckMinusOneOr1To2048Text), "2049", false, k2048},
    {CHECK(CheckMinusOneOr1To2048Text), "02048", false, k2048}, // five characters
    {CHECK(CheckMinusOneOr1To2048Text), "5 ", false, k2048},
    {CHECK(CheckMinusOneOr60To1000000Text), "-1", true, kNone},
    {CHECK(CheckMinusOneOr60To1000000Text), "60", true, kNone},
    {CHECK(CheckMinusOneOr60To1000000Text), "1000000", true, kNone},
    {CHECK(CheckMinusOneOr60To1000000Text), "59", false, kM60},
    {CHECK(CheckMinusOneOr60To1000000Text), "0", false, kM60},
    {CHECK(CheckMinusOneOr60To1000000Text), "-2", false, kM60},
    {CHECK(CheckMinusOneOr60To1000000Text), "1000001", false, kM60},
    {CHECK(CheckMinusOneOr60To1000000Text), "000000060", false, kM60}, // nine characters
    {CHECK(CheckMinusOneOr60To1000000Text), "-", false, kM60},
};
#undef CHECK

} // namespace

TEST(InputValidators, EachCheckAcceptsOrRefusesWithItsExactMessage) {
    Application->SetTitle("ZQS-4410-Series");
    std::unique_ptr<TForm> form(CreateForm<TForm>(nullptr));
    auto* edit = new TEdit(form.get());
    edit->SetParent(form.get());
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string(c.Name) + "(\"" + c.Text + "\")");
        edit->SetText(c.Text);
        ScriptedDialogs dialogs;
        if (*c.Message) {
            dialogs.Expect(DialogKind::Message, "ZQS-4410-Series", c.Message);
        }
        EXPECT_EQ(c.Accepted, c.Check(edit));
        EXPECT_EQ(c.TextAfter ? c.TextAfter : c.Text, edit->Text());
    }
}

// The dotted-quad core with the last group's two lengths: up to three digits, as the other groups,
// or any number; every other rule is the same.
TEST(InputValidators, DottedQuadCoreTakesTheLengthOfTheLastGroupAsAChoice) {
    const struct {
        const char* Text;
        bool UpToThree;
        bool Any;
    } cases[] = {
        {"10.0.0.1", true, true},     {"10.0.0.010", true, true},   {"1.2.3.0001", false, true},
        {"1.2.3.0000", false, false}, {"1.2.3.1000", false, false}, {"1.2.0001.4", false, false},
        {"10.00.0.1", false, false},  {"1.2.3.4.5", false, false},  {"1.2.3.4.", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        EXPECT_EQ(IsDottedQuadString(c.Text, LastGroupDigits::UpToThree), c.UpToThree);
        EXPECT_EQ(IsDottedQuadString(c.Text, LastGroupDigits::Any), c.Any);
    }
}

// The 12-digit MAC rule: the core says it silently, the check shows its one message for every
// refusal, the empty text included.
TEST(InputValidators, MacHexTakesTwelveHexDigitsOfEitherCaseAndNothingElse) {
    const struct {
        const char* Text;
        bool Passes;
    } cases[] = {
        {"001A2B3C4D5E", true},       // upper case
        {"001a2b3c4d5e", true},       // lower case
        {"aBcDeF012345", true},       // mixed
        {"", false},                  //
        {"001A2B3C4D5", false},       // 11 digits
        {"001A2B3C4D5E6", false},     // 13 digits
        {"00-1A-2B-3C-4D-5E", false}, // the separated forms IsMacString takes
        {"00.1A.2B.3C.4D.5E", false}, //
        {"001A2B-C4D5E", false},      // 12 characters with a separator
        {"001A2B.C4D5E", false},      //
        {"001A2B3C4D5G", false},      // a letter past F
        {" 01A2B3C4D5E", false},      //
    };
    Application->SetTitle("ZQS-4410-Series");
    std::unique_ptr<TForm> form(CreateForm<TForm>(nullptr));
    auto* edit = new TEdit(form.get());
    edit->SetParent(form.get());
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.Text + "\"");
        EXPECT_EQ(IsMacHexString(c.Text), c.Passes);
        edit->SetText(c.Text);
        ScriptedDialogs dialogs;
        if (!c.Passes) {
            dialogs.Expect(DialogKind::Message, "ZQS-4410-Series", "Invalid MAC address");
        }
        EXPECT_EQ(CheckMacHexText(edit), c.Passes);
        EXPECT_EQ(edit->Text(), c.Text);
    }
}

// Addresses compared as the switch reads them: by octets, whatever leading zeros or letter case
// each text is written with; a text that is no address matches only itself.
TEST(InputValidators, TwoTextsAreTheSameAddressByTheirOctets) {
    const std::string v6 = "FE80000000000000000000000000ABCD";
    const struct {
        const char* A;
        std::string B;
        bool SameV4;
        bool SameV6;
    } cases[] = {
        {"10.1.1.1", "10.1.1.1", true, true},
        {"10.1.1.1", "010.1.1.1", true, false},
        {"10.1.1.1", "10.01.001.0001", true, false},
        {"10.1.1.1", "10.1.1.2", false, false},
        {"10.1.1.1", "10.1.1.1.", false, false},
        {"host", "host", true, true},
        {"host", "HOST", false, false},
        {"fe80000000000000000000000000abcd", v6, false, true},
        {"FE80000000000000000000000000ABCE", v6, false, false},
        {"fe80:0000:0000:0000:0000:0000:0000:abcd", v6, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.A) + " / " + c.B);
        EXPECT_EQ(SameIPv4Address(c.A, c.B), c.SameV4);
        EXPECT_EQ(SameIPv4Address(c.B, c.A), c.SameV4);
        EXPECT_EQ(SameIPv6HexAddress(c.A, c.B), c.SameV6);
    }
}

} // namespace input_validators_test
