#include "ModelTables.h"

#include "Oid_l3.h"

#include <gtest/gtest.h>

TEST(ModelTables, TheSixModelsAndNothingElse) {
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
        {"1.3.6.1.4.1.746.10.117.2", 0, 0},
        {"", 0, 0},
        {"1.3.6.1.4.1.746.10.117.02.1", 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ModelOfSysObjectIdText(c.SysObjectId, SysObjectIdMatch::Exact), c.Exact) << c.SysObjectId;
        EXPECT_EQ(ModelOfSysObjectIdText(c.SysObjectId, SysObjectIdMatch::IgnoreCase), c.IgnoringCase)
            << c.SysObjectId;
    }
}

TEST(ModelTables, TheCopyOfTheModelOrNone) {
    EXPECT_EQ(ModelTable(IpCtrlIndexTable, "1.3.6.1.4.1.746.10.117.4.1", SysObjectIdMatch::IgnoreCase),
              IpCtrlIndexTableM4);
    EXPECT_EQ(ModelTable(IpCtrlIndexTable2, "1.3.6.1.4.1.746.10.117.7.1", SysObjectIdMatch::Exact),
              IpCtrlIndexTable2M7);
    EXPECT_EQ(ModelTable(IpCtrlIndexTable, "1.3.6.1.4.1.746.10.118.4.1", SysObjectIdMatch::Exact), nullptr);
}
