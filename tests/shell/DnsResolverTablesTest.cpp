#include "DnsResolverTables.h"

#include "VqOptionList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dns_resolver_tables_test {

namespace {

// One column as the "DNS Resolver" dialogs need it: the column's arc under its table's prefix, the
// caption shown, item type, access and the option list as "value text" pairs ("" for none).
struct Column {
    const char* Arc;
    const char* Caption;
    int ItemType;
    int Access;
    const char* Options;
};

struct Table {
    const char* Name;
    const MibTableRow* Rows;
    const char* Prefix;
    std::vector<Column> Columns;
};

constexpr const char* kEnabledDisabled = "1 enabled, 2 disabled";
constexpr const char* kPrimarySecondary = "1 primary, 2 secondary";
constexpr const char* kRowStatus =
    "1 active, 2 notInService, 3 notReady, 4 createAndGo, 5 createAndWait, 6 destroy";

const Table kTables[] = {
    {"global settings",
     DnsResolverGlobalSettings,
     "1.3.6.1.4.1.746.12.85.1.",
     {{"1", "State", itInteger, acReadWrite, kEnabledDisabled},
      {"2", "Timeout (1-60 sec)", itInteger, acReadWrite, ""}}},
    {"static name servers",
     DnsStaticNameServerTable,
     "1.3.6.1.4.1.746.12.85.1.3.1.1.",
     {{"1", "Index", itInteger, acNotAccess, ""},
      {"2", "Row Status", itInteger, acReadWrite, kRowStatus},
      {"3", "IP Address", itIpAddress, acReadWrite, ""},
      {"4", "Priority", itInteger, acReadWrite, kPrimarySecondary}}},
    {"dynamic name servers",
     DnsDynamicNameServerTable,
     "1.3.6.1.4.1.746.12.85.1.3.2.1.",
     {{"1", "Index", itInteger, acNotAccess, ""},
      {"2", "IP Address", itIpAddress, acReadOnly, ""},
      {"3", "Priority", itInteger, acReadOnly, kPrimarySecondary}}},
    {"static hosts",
     DnsStaticHostTable,
     "1.3.6.1.4.1.746.12.85.1.4.1.1.",
     {{"1", "Index", itInteger, acNotAccess, ""},
      {"2", "Row Status", itInteger, acReadWrite, kRowStatus},
      {"3", "Name", itDisplayString, acReadWrite, ""},
      {"4", "IP Address", itIpAddress, acReadWrite, ""},
      {"6", "IPv6 Address", itIpv6Address, acReadWrite, ""}}},
    {"dynamic hosts",
     DnsDynamicHostTable,
     "1.3.6.1.4.1.746.12.85.1.4.2.1.",
     {{"1", "Index", itInteger, acNotAccess, ""},
      {"2", "Name", itDisplayString, acReadOnly, ""},
      {"3", "IP Address", itIpAddress, acReadOnly, ""},
      {"4", "TTL", itInteger, acReadOnly, ""},
      {"5", "Clear Control", itInteger, acReadWrite, "1 other, 2 start"},
      {"7", "IPv6 Address", itIpv6Address, acReadWrite, ""},
      {"8", "Interface Name", itDisplayString, acReadWrite, ""}}},
    {"static IPv6 name servers",
     DnsStaticIPv6NameServerTable,
     "1.3.6.1.4.1.746.12.85.1.3.3.1.",
     {{"1", "Index", itInteger, acNotAccess, ""},
      {"2", "IPv6 Address", itIpv6Address, acReadWrite, ""},
      {"3", "Interface Name", itDisplayString, acReadWrite, ""},
      {"4", "Priority", itInteger, acReadWrite, kPrimarySecondary},
      {"100", "Row Status", itInteger, acReadWrite, kRowStatus}}},
};

std::string OptionsText(const VqOptionList* list) {
    std::string text;
    for (int i = 0; list && i < list->Count(); ++i) {
        const OptionSourceRow& row = list->GetRow(i);
        text += (i ? ", " : "") + std::to_string(row.Value) + " " + row.Text;
    }
    return text;
}

} // namespace

// Every column of the six tables: its OID, caption, type, access and option list, and nothing more
// (no expression, extra text or initial value, which the generic dialog would act on); each table
// ends right after its last column. The option lists are integer lists matched without case.
TEST(DnsResolverTablesTest, TablesHoldExactlyTheColumnsTheDialogsShow) {
    for (const Table& table : kTables) {
        SCOPED_TRACE(table.Name);
        size_t k = 0;
        for (; table.Rows[k].Oid; ++k) {
            ASSERT_LT(k, table.Columns.size()) << "a column too many: " << table.Rows[k].Oid;
            const MibTableRow& row = table.Rows[k];
            const Column& want = table.Columns[k];
            SCOPED_TRACE(want.Caption);
            EXPECT_EQ(std::string(table.Prefix) + want.Arc, row.Oid);
            EXPECT_STREQ(want.Caption, row.Caption);
            EXPECT_EQ(want.ItemType, row.ItemType);
            EXPECT_EQ(want.Access, row.Access);
            EXPECT_EQ(want.Options, OptionsText(row.OptionList));
            if (row.OptionList) {
                EXPECT_EQ(olIntegerValues, row.OptionList->Kind);
                EXPECT_FALSE(row.OptionList->CaseSensitive);
            }
            EXPECT_EQ(nullptr, row.ReadExpression);
            EXPECT_EQ(nullptr, row.WriteExpression);
            EXPECT_EQ(nullptr, row.ExtraText);
            EXPECT_EQ(nullptr, row.InitialValue);
            EXPECT_EQ(nullptr, row.InitialLastOid);
        }
        EXPECT_EQ(table.Columns.size(), k);
    }
}

} // namespace dns_resolver_tables_test
