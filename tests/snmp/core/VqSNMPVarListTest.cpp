#include "VqSNMPVarList.h"

#include "CoreTestHelpers.h"

#include <gtest/gtest.h>

namespace vq_snmp_var_list_test {

namespace {

constexpr OptionSourceRow kStatusRows[] = {
    {1, nullptr, "active"}, {6, nullptr, "destroy"}, {0, nullptr, nullptr}};
constinit const VqOptionList kStatus("kStatus", kStatusRows);

const MibTableRow kTable[] = {
    {" ", "Index", itInteger, acNotAccess},
    {"1.3.6.1.2.1.2.2.1.2", "Name", itDisplayString, acReadOnly},
    {"1.3.6.1.2.1.2.2.1.7", "Admin", itInteger, acReadWrite, &kStatus, "$1+1", nullptr, "extra", "destroy",
     "1.3.6.1.2.1.2.2.1.7.4"},
    {nullptr},
};

const MibTableRow kFive[] = {
    {"1.1", "a", itInteger, acReadOnly}, {"1.2", "b", itInteger, acReadOnly},
    {"1.3", "c", itInteger, acReadOnly}, {"1.4", "d", itInteger, acReadOnly},
    {"1.5", "e", itInteger, acReadOnly}, {nullptr},
};

} // namespace

TEST(VqSNMPVarList, CopiesEveryFieldOfTheTableRows) {
    VqSNMPVarList list(kTable, MVT_UMV, 1);
    ASSERT_EQ(list.GetCount(), 3);
    EXPECT_EQ(list.Kind, MVT_UMV);
    EXPECT_EQ(list.KeyCount, 1);
    EXPECT_EQ(list.Instance, "");
    EXPECT_EQ(list.DisplayText, "");
    const SnmpVariable& key = list.GetVariable(0);
    EXPECT_EQ(key.Oid, " ");
    EXPECT_EQ(key.ValueText, "");
    EXPECT_FALSE(key.ReadExpression.has_value());
    const SnmpVariable& admin = list.GetVariable(2);
    EXPECT_EQ(admin.Oid, "1.3.6.1.2.1.2.2.1.7");
    EXPECT_EQ(admin.Caption, "Admin");
    EXPECT_EQ(admin.ItemType, itInteger);
    EXPECT_EQ(admin.Access, acReadWrite);
    EXPECT_EQ(admin.OptionList, &kStatus);
    EXPECT_EQ(admin.ReadExpression, "$1+1");
    EXPECT_FALSE(admin.WriteExpression.has_value());
    EXPECT_EQ(admin.ExtraText, "extra");
    EXPECT_EQ(admin.ValueText, "destroy");
    EXPECT_EQ(admin.LastOid, "1.3.6.1.2.1.2.2.1.7.4");
}

TEST(VqSNMPVarList, EmptyTablesAddNothing) {
    const MibTableRow empty[] = {{nullptr, "ignored", itInteger, acReadOnly}};
    EXPECT_EQ(VqSNMPVarList::CountRows(nullptr), 0);
    EXPECT_EQ(VqSNMPVarList::CountRows(empty), 0);
    EXPECT_EQ(VqSNMPVarList(nullptr, SVT_SV, 0).GetCount(), 0);
    VqSNMPVarList list(kTable, MVT_UMV, 1);
    list.AddRows(empty);
    list.AddRows(nullptr);
    EXPECT_EQ(list.GetCount(), 3);
    list.AddRows(kFive);
    EXPECT_EQ(list.GetCount(), 8);
    EXPECT_EQ(list.GetVariable(7).Caption, "e");
    list.Clear();
    EXPECT_EQ(list.GetCount(), 0);
}

TEST(VqSNMPVarList, AssignCopiesVariablesButKeepsTheTargetsInstance) {
    VqSNMPVarList source(kTable, MVT_FMV, 1);
    source.DisplayText = "ifTable";
    source.Instance = "9";
    VqSNMPVarList target(kFive, SVT_SV, 0);
    target.Instance = "4";
    target.Assign(source);
    EXPECT_EQ(target.GetCount(), 3);
    EXPECT_EQ(target.Kind, MVT_FMV);
    EXPECT_EQ(target.KeyCount, 1);
    EXPECT_EQ(target.DisplayText, "ifTable");
    EXPECT_EQ(target.Instance, "4");
    EXPECT_EQ(target.GetVariable(2).OptionList, &kStatus);
    target.GetVariable(2).ValueText = "active";
    EXPECT_EQ(source.GetVariable(2).ValueText, "destroy");

    VqSNMPVarList copy(source);
    EXPECT_EQ(copy.Instance, "");
    EXPECT_EQ(copy.GetCount(), 3);
    const VqSNMPVarList& alias = copy;
    copy = alias; // assigning a list to itself keeps it
    EXPECT_EQ(copy.GetCount(), 3);
}

TEST(VqSNMPVarList, AppendInstanceExtendsEveryOid) {
    VqSNMPVarList list(kFive, MVT_SV, 0);
    list.AppendInstance("5");
    list.AppendInstance("5");
    EXPECT_EQ(list.GetVariable(0).Oid, "1.1.5.5");
    EXPECT_EQ(list.GetVariable(4).Oid, "1.5.5.5");
    EXPECT_EQ(list.Instance, "");
}

TEST(VqSNMPVarList, PredicatesFollowAccessKindAndKeyColumns) {
    struct Case {
        int access;
        unsigned char kind;
        bool keyColumn;
        bool gettable, settable, visible, hidden;
    } cases[] = {
        {acNotAccess, MVT_FMV, true, false, true, true, false},
        {acNotAccess, MVT_UMV, true, false, true, true, false},
        {acNotAccess, MVT_SV, true, false, false, true, false},
        {acNotAccess | acInvalid, MVT_FMV, true, false, false, false, true},
        {acReadOnly, MVT_UMV, false, true, false, true, false},
        {acReadWrite, SVT_SV, false, true, true, true, false},
        {acReadWrite | acInvalid, SVT_SV, false, false, false, false, true},
        {acWriteOnly, MVT_UMV, false, false, true, false, true},
        {acReadWrite | acHidden, MVT_UMV, false, true, true, false, true},
        {acDerived, MVT_UMV, false, false, false, true, false},
        {acReadWrite | acImplied, MVT_UMV, false, true, true, true, false},
    };
    for (const Case& c : cases) {
        const MibTableRow rows[] = {
            {"1.1", "k", itInteger, acNotAccess}, {"1.2", "v", itInteger, c.access}, {nullptr}};
        VqSNMPVarList list(rows, c.kind, c.keyColumn ? 2 : 1);
        EXPECT_EQ(list.IsGettable(1), c.gettable) << c.access << " kind " << int(c.kind);
        EXPECT_EQ(list.IsSettable(1), c.settable) << c.access << " kind " << int(c.kind);
        EXPECT_EQ(list.IsVisible(1), c.visible) << c.access;
        EXPECT_EQ(list.IsHiddenColumn(1), c.hidden) << c.access;
        EXPECT_EQ(list.IsImpliedIndex(1), (c.access & acImplied) != 0) << c.access;
    }
}

TEST(VqSNMPVarList, CountsVisibleAndHiddenColumns) {
    const MibTableRow rows[] = {{" ", "k", itInteger, acNotAccess}, {"1.2", "w", itInteger, acWriteOnly},
                                {"1.3", "h", itInteger, 22},        {"1.4", "r", itInteger, acReadOnly},
                                {"1.5", "x", itInteger, acInvalid}, {nullptr}};
    VqSNMPVarList list(rows, MVT_UMV, 1);
    EXPECT_EQ(list.VisibleCount(), 2);
    EXPECT_EQ(list.HiddenCount(), 3);
}

TEST(VqSNMPVarList, IndexOutsideTheListRaisesIndexError) {
    VqSNMPVarList list(kTable, MVT_UMV, 1);
    const VqSNMPVarList& constList = list;
    EXPECT_EQ(RaisedCode([&] { list.GetVariable(3); }), -12);
    EXPECT_EQ(RaisedCode([&] { constList.GetVariable(-1); }), -12);
    EXPECT_EQ(RaisedCode([&] { list.IsGettable(3); }), -12);
    EXPECT_EQ(RaisedCode([&] { list.IsSettable(-1); }), -12);
    EXPECT_EQ(RaisedCode([&] { VqSNMPVarList().GetVariable(0); }), -12);
}

TEST(VqSNMPVarList, NameListsTranslateCodes) {
    EXPECT_EQ(ItemTypeList.Count(), 28);
    EXPECT_EQ(ItemTypeList.ValueToText("78"), "bitlist");
    EXPECT_EQ(ItemTypeList.TextToValue("guage"), "66");
    EXPECT_EQ(ItemTypeList.TextToValue("InetAddress"), "81");
    EXPECT_STREQ(ItemTypeList.GetRow(11).Text, "boolean");
    EXPECT_EQ(AccessList.ValueToText("32"), "invalid");
    EXPECT_EQ(AccessList.TextToValue("readwrite"), "6");
    EXPECT_EQ(VarListKindList.ValueToText("2"), "MVT_FMV");
}

} // namespace vq_snmp_var_list_test
