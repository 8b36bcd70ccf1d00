#include "VqDateTime.h"

#include "CoreTestHelpers.h"

#include <gtest/gtest.h>

#include <ctime>

namespace vq_date_time_test {

TEST(VqDateTime, TextToOctetsAndBack) {
    struct Case {
        const char* text;
        std::string octets;
        const char* shown;
    } cases[] = {
        {"2013-12-8,13:30:15.0", Bytes({0x07, 0xDD, 12, 8, 13, 30, 15, 0, '+', 0, 0}),
         "2013-12-8,13:30:15.0"},
        {"2013-12-8,13:30:15.0,-5:30", Bytes({0x07, 0xDD, 12, 8, 13, 30, 15, 0, '-', 5, 30}),
         "2013-12-8,13:30:15.0,-5:30"},
        {"2013-12-8,13:30:15.0,+8:0", Bytes({0x07, 0xDD, 12, 8, 13, 30, 15, 0, '+', 8, 0}),
         "2013-12-8,13:30:15.0,+8:0"},
        {"2013-12-8,13:30:15.0,+0:0", Bytes({0x07, 0xDD, 12, 8, 13, 30, 15, 0, '+', 0, 0}),
         "2013-12-8,13:30:15.0"},
        {"2013-12-08,01:02:03.4", Bytes({0x07, 0xDD, 12, 8, 1, 2, 3, 4, '+', 0, 0}), "2013-12-8,1:2:3.4"},
        // Each number is cut to its field's width.
        {"70000-300-1,0:0:0.0", Bytes({0x11, 0x70, 44, 1, 0, 0, 0, 0, '+', 0, 0}), "4464-44-1,0:0:0.0"},
        // A text that matches no form completely keeps what it gives; the rest is 0.
        {"2013-12-8", Bytes({0x07, 0xDD, 12, 8, 0, 0, 0, 0, '+', 0, 0}), "2013-12-8,0:0:0.0"},
        {"2013-12-8,13:30:15.0,*5:30", Bytes({0x07, 0xDD, 12, 8, 13, 30, 15, 0, '+', 0, 0}),
         "2013-12-8,13:30:15.0"},
        {"", Bytes({0, 0, 0, 0, 0, 0, 0, 0, '+', 0, 0}), "0-0-0,0:0:0.0"},
    };
    for (const Case& c : cases) {
        const VqDateTime d(c.text);
        EXPECT_EQ(d.Octets(), c.octets) << c.text;
        EXPECT_EQ(d.Text(), c.shown) << c.text;
        EXPECT_EQ(VqDateTime::FromOctets(c.octets).Text(), c.shown) << c.text;
    }
}

TEST(VqDateTime, ShortReceivedValuesReadMissingOctetsAsZero) {
    const VqDateTime eight = VqDateTime::FromOctets(Bytes({0x07, 0xDD, 12, 8, 13, 30, 15, 0}));
    EXPECT_EQ(eight.Text(), "2013-12-8,13:30:15.0");
    EXPECT_EQ(eight.Direction, '\0');
    const VqDateTime one = VqDateTime::FromOctets(Bytes({0x07}));
    EXPECT_EQ(one.Year, 0x0700);
    EXPECT_EQ(one.Month, 0);
    // Zone octets without a valid direction are not shown.
    EXPECT_EQ(VqDateTime::FromOctets(Bytes({0x07, 0xDD, 1, 2, 3, 4, 5, 6, 'x', 1, 0})).Text(),
              "2013-1-2,3:4:5.6");
}

TEST(VqDateTime, DefaultIsNowInLocalTime) {
    auto local = [] {
        std::time_t t = std::time(nullptr);
        std::tm tm{};
        localtime_r(&t, &tm);
        return tm;
    };
    const std::tm before = local();
    const VqDateTime now;
    const std::tm after = local();
    bool matches = false;
    for (const std::tm& tm : {before, after})
        matches |= now.Year == tm.tm_year + 1900 && now.Month == tm.tm_mon + 1 && now.Day == tm.tm_mday &&
                   now.Hour == tm.tm_hour && now.Minutes == tm.tm_min;
    EXPECT_TRUE(matches) << now.Text();
    EXPECT_EQ(now.DeciSeconds, 0);
    EXPECT_EQ(now.Direction, '+');
    EXPECT_EQ(now.ZoneHours, 0);
    EXPECT_EQ(now.ZoneMinutes, 0);
}

} // namespace vq_date_time_test
