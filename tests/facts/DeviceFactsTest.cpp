#include "DeviceFacts.h"

#include <gtest/gtest.h>

namespace device_facts_test {

TEST(DeviceFacts, ReadersSeeWhatTheWriterWrote) {
    WritableFacts() = {.SysObjectId = "1.3.6.1.4.1.746.10.117.2.1", .StackMode = "enabled"};
    WritableFacts().MulticastIpVersion = 2;
    EXPECT_EQ(Facts().SysObjectId, "1.3.6.1.4.1.746.10.117.2.1");
    EXPECT_EQ(Facts().MulticastIpVersion, 2);
    WritableFacts() = {};
    EXPECT_EQ(Facts().SysObjectId, "");
    EXPECT_EQ(Facts().MulticastIpVersion, 0);
}

TEST(DeviceFacts, TheStackStacksOnlyWhenItsModeReadsEnabled) {
    const std::vector<StackUnitRow> rows = {{"1", "1", "master", "ZQS-4410-24RA", "exist"},
                                            {"2", "65", "slave", "NOT_EXIST", "no-exist"}};
    for (auto [mode, stacking] : {std::pair{"enabled", true}, std::pair{"disabled", false},
                                  std::pair{"Enabled", false}, std::pair{"", false}}) {
        const DeviceFacts facts{.StackMode = mode, .UnitList = rows};
        EXPECT_EQ(facts.Stacking(), stacking) << mode;
        EXPECT_EQ(facts.Units().Stacking, stacking) << mode;
        EXPECT_EQ(facts.Units().Rows, rows) << mode;
        EXPECT_EQ(facts.UnitCount(), 2) << mode;
    }
}

} // namespace device_facts_test
