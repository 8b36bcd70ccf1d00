#include "VqOptionList.h"

#include "CoreTestHelpers.h"

#include <gtest/gtest.h>

#include <memory>

namespace vq_option_list_test {

namespace {

constexpr OptionSourceRow kEnabledRows[] = {
    {1, nullptr, "enabled"}, {2, nullptr, "disabled"}, {0, nullptr, nullptr}};
constinit const VqOptionList kEnabled("kEnabled", kEnabledRows);

constexpr OptionSourceRow kAuthRows[] = {{0, "1.3.6.1.6.3.10.1.1.1", "None"},
                                         {0, "1.3.6.1.6.3.10.1.1.2", "MD5"},
                                         {0, "1.3.6.1.6.3.10.1.1.3", "SHA"},
                                         {0, nullptr, nullptr}};
constinit const VqOptionList kAuth("kAuth", kAuthRows, olTextValues);

constexpr OptionSourceRow kPrefixRows[] = {
    {0, "1.3.6.1.4.1.", "enterprises."}, {0, "1.3.6.1.2.1.", "mib-2."}, {0, nullptr, nullptr}};
constinit const VqOptionList kPrefixes("kPrefixes", kPrefixRows, olTextPrefixes);

} // namespace

TEST(VqOptionList, TranslatesBothWaysByKind) {
    constexpr OptionSourceRow dashRows[] = {
        {-1, nullptr, "-"}, {7, nullptr, "seven"}, {7, nullptr, "again"}, {0, nullptr, nullptr}};
    const VqOptionList dash(nullptr, dashRows);
    struct Case {
        const VqOptionList* list;
        const char* value;
        const char* text;
    } toText[] = {
        {&kEnabled, "2", "disabled"},
        {&kEnabled, "+1", "enabled"},
        {&kEnabled, "7", "7"},                   // no row: unchanged
        {&kEnabled, "abc", "abc"},               // not an integer
        {&kEnabled, "(NULL)", "(NULL)"},         // never matches
        {&kEnabled, " 1", " 1"},                 // only a whole number matches
        {&kEnabled, "4294967297", "4294967297"}, // beyond 32 bits, not wrapped onto 1
        {&dash, "-1", "-"},
        {&dash, "7", "seven"}, // duplicates: the first row wins
        {&kAuth, "1.3.6.1.6.3.10.1.1.2", "MD5"},
        {&kAuth, "1.3.6.1.6.3.10.1.1", "1.3.6.1.6.3.10.1.1"},
        {&kPrefixes, "1.3.6.1.4.1.746.5", "enterprises.746.5"},
        {&kPrefixes, "1.3.6.1.2.1.1.0", "mib-2.1.0"},
        {&kPrefixes, "1.3.6", "1.3.6"}, // shorter than every prefix
    };
    for (const Case& c : toText)
        EXPECT_EQ(c.list->ValueToText(c.value), c.text) << c.value;

    Case toValue[] = {
        {&kEnabled, "2", "Disabled"}, // letter case ignored
        {&kEnabled, "1", "ENABLED"},
        {&kEnabled, "enable", "enable"}, // no row: unchanged
        {&dash, "-1", "-"},
        {&kAuth, "1.3.6.1.6.3.10.1.1.3", "SHA"},
        {&kAuth, "1.3.6.1.6.3.10.1.1.3", "sha"},
        {&kPrefixes, "1.3.6.1.4.1.746.5", "Enterprises.746.5"},
        {&kPrefixes, "enterp", "enterp"},
    };
    for (const Case& c : toValue)
        EXPECT_EQ(c.list->TextToValue(c.text), c.value) << c.text;
}

TEST(VqOptionList, IndexLookupsFindTheFirstMatchingRow) {
    EXPECT_EQ(kEnabled.IndexOfText("enabled"), 0);
    EXPECT_EQ(kEnabled.IndexOfText("Disabled"), 1);
    EXPECT_EQ(kEnabled.IndexOfText("disabled "), -1);
    EXPECT_EQ(kEnabled.IndexOfValue("2"), 1);
    EXPECT_EQ(kEnabled.IndexOfValue("abc"), -1);
    EXPECT_EQ(kEnabled.IndexOfValue("(NULL)"), -1);
    EXPECT_EQ(kEnabled.IndexOfValue(""), -1);
    EXPECT_EQ(kAuth.IndexOfValue("1.3.6.1.6.3.10.1.1.1"), 0);
    EXPECT_EQ(kPrefixes.IndexOfText("mib-2.7"), 1);
    EXPECT_EQ(kPrefixes.IndexOfValue("1.3.6.1.2.1."), 1);
}

TEST(VqOptionList, CaseSensitiveListComparesExactly) {
    const VqOptionList exact(kEnabledRows, olIntegerValues, true);
    EXPECT_EQ(exact.TextToValue("enabled"), "1");
    EXPECT_EQ(exact.TextToValue("Enabled"), "Enabled");
    EXPECT_EQ(exact.IndexOfText("DISABLED"), -1);
}

TEST(VqOptionList, EmptySourceGivesAnEmptyList) {
    constexpr OptionSourceRow none[] = {{5, nullptr, nullptr}};
    const VqOptionList fromTerminator(none, olIntegerValues, false);
    const VqOptionList fromNull(nullptr, olTextValues, false);
    for (const VqOptionList* list : {&fromTerminator, &fromNull}) {
        EXPECT_EQ(list->Count(), 0);
        EXPECT_EQ(list->IndexOfText("x"), -1);
        EXPECT_EQ(list->IndexOfValue("5"), -1);
        EXPECT_EQ(list->ValueToText("5"), "5");
        EXPECT_EQ(list->TextToValue("x"), "x");
    }
}

TEST(VqOptionList, OwningListKeepsCopiesOfItsTexts) {
    auto value = std::make_unique<std::string>("1.3.6.1.6.3.10.1.2.2");
    auto text = std::make_unique<std::string>("DES");
    OptionSourceRow rows[] = {{0, value->c_str(), text->c_str()}, {0, nullptr, nullptr}};
    const VqOptionList list(rows, olTextValues, false);
    *value = "overwritten";
    *text = "gone";
    value.reset();
    text.reset();
    rows[0] = {0, "x", "y"};
    EXPECT_EQ(list.Count(), 1);
    EXPECT_STREQ(list.GetRow(0).Text, "DES");
    EXPECT_EQ(list.ValueToText("1.3.6.1.6.3.10.1.2.2"), "DES");
    EXPECT_EQ(list.TextToValue("des"), "1.3.6.1.6.3.10.1.2.2");
}

TEST(VqOptionList, GetRowOutsideTheListRaisesIndexError) {
    EXPECT_STREQ(kEnabled.GetRow(1).Text, "disabled");
    EXPECT_EQ(kEnabled.GetRow(0).Value, 1);
    for (int bad : {-1, 2, 1000}) {
        RaisedError e = Raised([&] { kEnabled.GetRow(bad); });
        EXPECT_EQ(e.Code, -12) << bad;
        EXPECT_EQ(e.Message, " Out of range at index of array or list!");
    }
}

} // namespace vq_option_list_test
