#include "ModelTables.h"

#include "Oid_l3.h"

#include <gtest/gtest.h>

namespace model_tables_test {

TEST(ModelTables, TheCopyOfTheModelOrNone) {
    EXPECT_EQ(ModelTable(IpCtrlIndexTable, "1.3.6.1.4.1.746.10.117.4.1", SysObjectIdMatch::IgnoreCase),
              IpCtrlIndexTableM4);
    EXPECT_EQ(ModelTable(IpCtrlIndexTable2, "1.3.6.1.4.1.746.10.117.7.1", SysObjectIdMatch::Exact),
              IpCtrlIndexTable2M7);
    EXPECT_EQ(ModelTable(IpCtrlIndexTable, "1.3.6.1.4.1.746.10.118.4.1", SysObjectIdMatch::Exact), nullptr);
}

} // namespace model_tables_test
