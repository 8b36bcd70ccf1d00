#include "CatalogueOptionLists.h"
#include "LedColorMaps.h"
#include "MibCatalogue.h"
#include "VqSNMPVarList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace mibdump_test {

namespace {

std::vector<std::string> RunMibdump(int& exitCode) {
    std::unique_ptr<FILE, decltype(&pclose)> pipe(popen(ZQS_MIBDUMP_PATH, "r"), &pclose);
    if (!pipe)
        return {};
    std::string out;
    char buffer[65536];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe.get())) > 0)
        out.append(buffer, n);
    exitCode = pclose(pipe.release());
    std::vector<std::string> lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
        fields.push_back(line.substr(start, tab - start));
    fields.push_back(line.substr(start));
    return fields;
}

TEST(Mibdump, PrintsEveryTableRowListEntryAndColourMapEntry) {
    int exitCode = -1;
    const std::vector<std::string> lines = RunMibdump(exitCode);
    ASSERT_EQ(exitCode, 0);

    std::map<std::string, int> expectedRows; // "name\tm" -> rows
    for (const MibTableInfo& info : MibTables())
        expectedRows[std::string(info.Name) + "\t" + (info.Model ? std::to_string(info.Model) : "-")] =
            VqSNMPVarList::CountRows(info.Table);
    int listEntries = 0;
    for (const VqOptionList* list : CatalogueOptionLists())
        listEntries += list->Count();

    std::map<std::string, int> tableRows;
    int listLines = 0, ledLines = 0;
    for (const std::string& line : lines) {
        const std::vector<std::string> f = Fields(line);
        if (f[0] == "list") {
            EXPECT_EQ(f.size(), 4u) << line;
            ++listLines;
        } else if (f[0] == "ledmap") {
            EXPECT_EQ(f.size(), 5u) << line;
            ++ledLines;
        } else {
            ASSERT_EQ(f.size(), 8u) << line;
            const std::string key = f[0] + "\t" + f[1];
            EXPECT_EQ(f[2], std::to_string(tableRows[key]++)) << line;
        }
    }
    EXPECT_EQ(tableRows, expectedRows);
    EXPECT_EQ(listLines, listEntries);
    EXPECT_EQ(ledLines, 18 * 6);
}

TEST(Mibdump, LinesCarryTheStoredTextsAndCodes) {
    int exitCode = -1;
    const std::vector<std::string> lines = RunMibdump(exitCode);
    ASSERT_EQ(exitCode, 0);
    const char* expected[] = {
        "EthernetProfileTable\t-\t0\t1.3.6.1.4.1.746.12.9.2.1.1.1\tProfile ID \t2\t1\t-",
        "EthernetProfileTable\t-\t1\t1.3.6.1.4.1.746.12.9.2.1.1.2\tVLAN\t2\t6\tEnabledDisabledList",
        "VLANPortInfomationTable\t7\t2\t1.3.6.1.4.1.746.11.117.7.1.2.2.3.1.3\tPort "
        "Role\t2\t2\tNoneUntaggedTaggedList",
        "IGMPSnoopingGroup\t-\t0\t \tVLAN ID\t2\t1\t-",
        "list\tNoneMD5SHAList\t1.3.6.1.6.3.10.1.1.2\tMD5",
        "list\tVList\t-1\t-",
        "ledmap\tPortLedColorMap\t0\tdark grey\t4B4B4B",
        "ledmap\tPoePortBodyColorMap\t1\tamber\t04A6FD",
    };
    for (const char* line : expected)
        EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
}

} // namespace

} // namespace mibdump_test
