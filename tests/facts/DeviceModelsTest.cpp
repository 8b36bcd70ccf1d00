#include "DeviceModels.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace device_models_test {

TEST(DeviceModels, TheSixModelsAndNothingElse) {
    const struct {
        const char* SysObjectId;
        int Exact;
        int IgnoringCase;
    } cases[] = {
        {"1.3.6.1.4.1.746.10.117.2.1", 2, 2},
        {"1.3.6.1.4.1.746.10.117.5.1", 5, 5},
        {"1.3.6.1.4.1.746.10.117.7.1", 7, 7},
        {"1.3.6.1.4.1.746.10.117.8.1", 0, 0},
        {"1.3.6.1.4.1.746.10.117.1.1", 0, 0},
        {"1.3.6.1.4.1.746.10.117.2.1.0", 0, 0},
        {".1.3.6.1.4.1.746.10.117.2.1", 0, 0},
        {" 1.3.6.1.4.1.746.10.117.2.1", 0, 0},
        {"1.3.6.1.4.1.746.10.117.2", 0, 0},
        {"1.3.6.1.4.1.171.10.117.2.1", 0, 0},
        {"", 0, 0},
        {"1.3.6.1.4.1.746.10.117.02.1", 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ModelOfSysObjectId(c.SysObjectId, SysObjectIdMatch::Exact), c.Exact) << c.SysObjectId;
        EXPECT_EQ(ModelOfSysObjectId(c.SysObjectId, SysObjectIdMatch::IgnoreCase), c.IgnoringCase)
            << c.SysObjectId;
        EXPECT_EQ(ModelOfSysObjectId(c.SysObjectId), c.Exact) << "exact by default: " << c.SysObjectId;
    }
}

TEST(DeviceModels, ModelIsTheWholeSysObjectIdOfASupportedModel) {
    for (int m = 2; m <= 7; ++m) {
        EXPECT_EQ(m, ModelOfSysObjectId("1.3.6.1.4.1.746.10.117." + std::to_string(m) + ".1"));
    }
}

TEST(DeviceModels, NamesByModelInTheOrderOfTheModelNumbers) {
    const std::vector<std::string> names = {"ZQS-4410-24RA", "ZQS-4410-24DA", "ZQS-4410-24ZO",
                                            "ZQS-4410-48DA", "ZQS-4410-48RO", "ZQS-4410-24ZO-DC"};
    EXPECT_EQ(SupportedModelNames(), names);
    for (int m = 2; m <= 7; ++m) {
        EXPECT_EQ(ModelNameOf("1.3.6.1.4.1.746.10.117." + std::to_string(m) + ".1"), names[m - 2]);
    }
    EXPECT_EQ(ModelNameOf("1.3.6.1.4.1.746.10.117.9.1"), "") << "a switch of no listed model";
    EXPECT_EQ(ModelNameOfModel(1), "");
    EXPECT_EQ(ModelNameOfModel(8), "");
}

} // namespace device_models_test
