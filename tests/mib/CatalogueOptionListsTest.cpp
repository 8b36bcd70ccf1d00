#include "CatalogueOptionLists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace catalogue_option_lists_test {

namespace {

using Content = std::vector<std::tuple<int, std::string, std::string>>;

Content ContentOf(const VqOptionList& list) {
    Content content;
    for (int i = 0; i < list.Count(); ++i) {
        const OptionSourceRow& row = list.GetRow(i);
        content.emplace_back(row.Value, row.ValueText ? row.ValueText : "", row.Text);
    }
    return content;
}

TEST(CatalogueOptionLists, EachDistinctContentIsOneListUnderItsOwnName) {
    std::set<std::string> names;
    std::set<std::pair<int, Content>> contents;
    for (const VqOptionList* list : CatalogueOptionLists()) {
        EXPECT_TRUE(names.insert(list->Name).second) << list->Name;
        EXPECT_TRUE(contents.emplace(list->Kind, ContentOf(*list)).second) << list->Name;
        EXPECT_FALSE(list->CaseSensitive) << list->Name;
    }
    EXPECT_EQ(names.size(), 413u);
}

TEST(CatalogueOptionLists, OnlyTheSnmpV3ProtocolListsMapTextValues) {
    std::set<std::string> textLists;
    for (const VqOptionList* list : CatalogueOptionLists()) {
        if (list->Kind == olTextValues) {
            textLists.insert(list->Name);
            for (int i = 0; i < list->Count(); ++i) {
                const char* value = list->GetRow(i).ValueText;
                EXPECT_TRUE(value && std::string_view(value).starts_with("1.3.6.1.6.3.10.1.")) << list->Name;
            }
        } else {
            EXPECT_EQ(list->Kind, olIntegerValues) << list->Name;
        }
    }
    EXPECT_EQ(textLists, (std::set<std::string>{"NoneMD5SHAList", "NoneDESList"}));
}

// Lists that differ only in letter case or one value each keep their own rows: a column shows the
// words of its own list.
TEST(CatalogueOptionLists, NearTwinListsKeepTheirOwnRows) {
    struct Case {
        const VqOptionList* List;
        Content Rows;
    };
    const Case cases[] = {
        {&RowStatusList,
         {{1, "", "active"},
          {2, "", "notInService"},
          {3, "", "notReady"},
          {4, "", "createAndGo"},
          {5, "", "createAndWait"},
          {6, "", "destroy"}}},
        {&ActiveNotInServiceNotReadyList,
         {{1, "", "Active"},
          {2, "", "NotInService"},
          {3, "", "NotReady"},
          {4, "", "CreateAndGo"},
          {5, "", "CreateAndWait"},
          {6, "", "Destroy"}}},
        {&EnabledDisabledList, {{1, "", "enabled"}, {2, "", "disabled"}}},
        {&EnabledDisabledList2, {{2, "", "enabled"}, {3, "", "disabled"}}},
        {&NoneTacacsPlusRadiusList,
         {{4, "", "none"}, {1, "", "tacacs-plus"}, {2, "", "radius"}, {3, "", "server-group"}}},
        {&NoneMD5SHAList,
         {{0, "1.3.6.1.6.3.10.1.1.1", "None"},
          {0, "1.3.6.1.6.3.10.1.1.2", "MD5"},
          {0, "1.3.6.1.6.3.10.1.1.3", "SHA"}}},
        {&VList, {{-1, "", "-"}}},
        {&EmptyList, {}},
    };
    const auto lists = CatalogueOptionLists();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.List->Name);
        EXPECT_NE(std::find(lists.begin(), lists.end(), c.List), lists.end());
        EXPECT_EQ(ContentOf(*c.List), c.Rows);
    }
}

// A value the list does not name is shown as it is, not refused; EmptyList names none.
TEST(CatalogueOptionLists, ValuesTurnIntoTheirListsWords) {
    struct Case {
        const VqOptionList* List;
        const char* Value;
        const char* Text;
    };
    const Case cases[] = {
        {&EnabledDisabledList, "1", "enabled"},
        {&EnabledDisabledList, "0", "0"},
        {&RowStatusList, "1", "active"},
        {&ActiveNotInServiceNotReadyList, "1", "Active"},
        {&EmptyList, "3", "3"},
        {&VList, "-1", "-"},
        {&NoneMD5SHAList, "1.3.6.1.6.3.10.1.1.2", "MD5"},
        {&NoneDESList, "1.3.6.1.6.3.10.1.2.2", "DES"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.List->Name << " " << c.Value);
        EXPECT_EQ(c.List->ValueToText(c.Value), c.Text);
    }
}

} // namespace

} // namespace catalogue_option_lists_test
