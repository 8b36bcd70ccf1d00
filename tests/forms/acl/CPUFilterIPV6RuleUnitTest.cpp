#include "CPUFilterIPV6RuleUnit.h"

#include "AclScenarios.h"
#include "CatalogueColumns.h"
#include "FormsSimTest.h"
#include "StackingPortUitFormUnit.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"

#include <gtest/gtest.h>

namespace cpu_filter_ipv6_rule_unit_test {

namespace {

using Form = TCPUFilterIPV6RuleForm;
using Pdus = std::vector<std::vector<SimVarBind>>;
constexpr const char* kCommand = "IPv6RuleCPUFilter1Click";
const std::string kEntry = "1.3.6.1.4.1.746.12.9.5.4.1";
constexpr int kSourceColumn = ColumnOf(Columns::CPUFilterIPV6RuleTable, "Source IPv6 Address");

class CpuIpv6RuleSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(kCpuIpv6RuleScenario);
    }
    static TCheckBox* Port(Form* d, int port) {
        return d->PortPicker->PortBoxes.at(static_cast<size_t>(port - 1));
    }
};

} // namespace

// Any length but 32 gives the "less" text; mixed case passes and is listed in upper case. The edits
// keep every character but the hexadecimal digits out, so a "G" put among 32 leaves 31 digits (the
// check's "is 32" text is its validator's test).
TEST_F(CpuIpv6RuleSim, TheAddressCheckRefusesAnyOtherLengthAndTakesMixedCase) {
    const struct {
        const char* Address;
        const char* Message;
    } cases[] = {
        {"2001DB80000000000000000000000001F",
         "Please enter a valid IPv6 address whose length is less without ':'."},
        {"2001DB800000000000000000000001",
         "Please enter a valid IPv6 address whose length is less without ':'."},
        {"2001DB80000000000000000000000G01",
         "Please enter a valid IPv6 address whose length is less without ':'."},
        {"2001db8000000000000000000000aBcD", nullptr},
    };
    RunDialog<Form>(kCommand, CPUFilterIPV6RuleForm, [&](Form* d) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.Address);
            d->ResetFields();
            FocusControl(d->ListView1); // the last refusal's field, emptied, is left before the next

            d->ProfileIDEdit->SetText("2");
            d->AccessEdit->SetText("5");
            d->cbxSource->SetChecked(true);
            d->SourceIPV6Edit->SetText(c.Address);
            d->cbxPermit->SetChecked(true);
            Port(d, 1)->SetChecked(true);
            if (c.Message) {
                Dialogs.Expect(c.Message);
            }
            ClickControl(d->AddButton);
            EXPECT_EQ(Dialogs.Pending(), 0);
        }
        ASSERT_TRUE(WaitReads(1));
        ASSERT_TRUE(WaitIdle(d->Table));
        EXPECT_EQ(ColumnCells(d->Table, kSourceColumn).at(1), "2001DB8000000000000000000000ABCD");
    });
    EXPECT_EQ(Agent().SetLog().size(), 1u);
}

TEST_F(CpuIpv6RuleSim, EditOfAnActiveRuleSendsThePortsAndNoRowStatus) {
    RunDialog<Form>(kCommand, CPUFilterIPV6RuleForm, [&](Form* d) {
        ClickListRow(d->ListView1, 0);
        Port(d, 2)->SetChecked(true);
        ClickControl(d->EditButton);
        ASSERT_TRUE(WaitForSets(1));
        ASSERT_TRUE(WaitReads(1));
        EXPECT_EQ(SetPdus(), (Pdus{{{kEntry + ".9.1.1", {"4x", "C000000000000000"}}}}));
    });
}

} // namespace cpu_filter_ipv6_rule_unit_test
