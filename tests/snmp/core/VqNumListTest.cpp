#include "VqNumList.h"

#include "CoreTestHelpers.h"

#include <gtest/gtest.h>

#include <vector>

namespace vq_num_list_test {

namespace {

template <typename T> std::vector<T> Items(const VqNumList<T>& list) {
    std::vector<T> items;
    for (int i = 0; i < list.Count(); ++i)
        items.push_back(list.Get(i));
    return items;
}

} // namespace

TEST(VqNumList, ParsesDelimitedNumbers) {
    struct Case {
        const char* text;
        char delimiter;
        std::vector<int> items;
    } cases[] = {
        {"", ',', {}},
        {"7", ',', {7}},
        {"1,5,9", ',', {1, 5, 9}},
        {"1,,3", ',', {1, 0, 3}},
        {"1,", ',', {1, 0}},
        {"10.1.2.3", '.', {10, 1, 2, 3}},
        {"3.7", ',', {3}}, // a fraction is dropped
        {"3.7,4.25,5", ',', {3, 4, 5}},
        {"4294967295", ',', {-1}},          // the 32-bit pattern
        {"99999999999", ',', {1215752191}}, // long digit strings wrap, never overflow
    };
    for (const Case& c : cases) {
        VqNumList<int> list;
        list.Delimiter = c.delimiter;
        list.Parse(c.text);
        EXPECT_EQ(list.Count(), list.CountItems(c.text)) << c.text;
        EXPECT_EQ(Items(list), c.items) << c.text;
    }
}

TEST(VqNumList, StartsWithDotDelimiterAndReplacesItemsOnParse) {
    VqNumList<unsigned int> list;
    EXPECT_EQ(list.Delimiter, '.');
    EXPECT_EQ(list.Count(), 0);
    list.Parse("192.168.0.1");
    EXPECT_EQ(Items(list), (std::vector<unsigned int>{192, 168, 0, 1}));
    list.Parse("5");
    EXPECT_EQ(Items(list), (std::vector<unsigned int>{5}));
    list.Parse("");
    EXPECT_EQ(list.Count(), 0);
}

TEST(VqNumList, CountsItemsByDelimiters) {
    VqNumList<int> list;
    list.Delimiter = ',';
    EXPECT_EQ(list.CountItems(""), 0);
    EXPECT_EQ(list.CountItems("x"), 1);
    EXPECT_EQ(list.CountItems(",,"), 3);
    EXPECT_EQ(list.CountItems("1.2.3"), 1);
}

TEST(VqNumList, AllInRangeComparesUnsigned) {
    struct Case {
        const char* text;
        unsigned min, max;
        bool inRange;
    } cases[] = {
        {"1,4094", 1, 4094, true}, {"0", 1, 4094, false},        {"", 1, 4094, true},
        {"4095", 1, 4094, false},  {"4294967295", 0, 10, false}, // -1 as unsigned is large
    };
    for (const Case& c : cases) {
        VqNumList<unsigned int> list;
        list.Delimiter = ',';
        list.Parse(c.text);
        EXPECT_EQ(list.AllInRange(c.min, c.max), c.inRange) << c.text;
    }
}

TEST(VqNumList, IndexOfFindsTheFirstEqualItem) {
    VqNumList<int> list;
    list.Delimiter = ',';
    list.Parse("2,3,2");
    EXPECT_EQ(list.IndexOf(2), 0);
    EXPECT_EQ(list.IndexOf(3), 1);
    EXPECT_EQ(list.IndexOf(4), -1);
}

TEST(VqNumList, GetOutsideTheListRaisesIndexError) {
    VqNumList<int> list;
    list.Delimiter = ',';
    list.Parse("1,2");
    EXPECT_EQ(RaisedCode([&] { list.Get(2); }), -12);
    EXPECT_EQ(RaisedCode([&] { list.Get(-1); }), -12);
    VqNumList<int> empty;
    EXPECT_EQ(RaisedCode([&] { empty.Get(0); }), -12);
}

} // namespace vq_num_list_test
