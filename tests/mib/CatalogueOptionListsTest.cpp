#include "CatalogueOptionLists.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace {

using Content = std::vector<std::tuple<int, std::string, std::string>>;

Content ContentOf(const CatalogueOptionList& list) {
    Content content;
    for (const OptionSourceRow* row = list.Rows; row->Text; ++row)
        content.emplace_back(row->Value, row->ValueText ? row->ValueText : "", row->Text);
    return content;
}

TEST(CatalogueOptionLists, EachDistinctContentIsOneListUnderItsOwnName) {
    std::set<std::string> names;
    std::set<std::pair<int, Content>> contents;
    for (const CatalogueOptionList& list : CatalogueOptionLists()) {
        EXPECT_TRUE(names.insert(list.List->Name).second) << list.List->Name;
        EXPECT_TRUE(contents.emplace(list.List->Kind, ContentOf(list)).second) << list.List->Name;
        EXPECT_EQ(list.List->Count(), static_cast<int>(ContentOf(list).size())) << list.List->Name;
        EXPECT_FALSE(list.List->CaseSensitive) << list.List->Name;
    }
    EXPECT_EQ(names.size(), 413u);
}

TEST(CatalogueOptionLists, OnlyTheSnmpV3ProtocolListsMapTextValues) {
    std::set<std::string> textLists;
    for (const CatalogueOptionList& list : CatalogueOptionLists()) {
        if (list.List->Kind == olTextValues) {
            textLists.insert(list.List->Name);
            for (const OptionSourceRow* row = list.Rows; row->Text; ++row)
                EXPECT_TRUE(row->ValueText &&
                            std::string_view(row->ValueText).starts_with("1.3.6.1.6.3.10.1."))
                    << list.List->Name;
        } else {
            EXPECT_EQ(list.List->Kind, olIntegerValues) << list.List->Name;
        }
    }
    EXPECT_EQ(textLists, (std::set<std::string>{"NoneMD5SHAList", "NoneDESList"}));
    const Content md5sha = {{0, "1.3.6.1.6.3.10.1.1.1", "None"},
                            {0, "1.3.6.1.6.3.10.1.1.2", "MD5"},
                            {0, "1.3.6.1.6.3.10.1.1.3", "SHA"}};
    for (const CatalogueOptionList& list : CatalogueOptionLists())
        if (list.List == &NoneMD5SHAList) {
            EXPECT_EQ(ContentOf(list), md5sha);
        }
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
        {&VList, {{-1, "", "-"}}},
        {&EmptyList, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.List->Name);
        bool found = false;
        for (const CatalogueOptionList& list : CatalogueOptionLists())
            if (list.List == c.List) {
                EXPECT_EQ(ContentOf(list), c.Rows);
                found = true;
            }
        EXPECT_TRUE(found);
        EXPECT_EQ(c.List->Count(), static_cast<int>(c.Rows.size()));
    }
}

} // namespace
