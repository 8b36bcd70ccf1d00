#include "IBPAclViewForm.h"

#include "AclScenarios.h"
#include "CaptionCheck.h"
#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"
#include "DialogLayout.h"
#include "FormsSimTest.h"
#include "IBPEtherMaskFormUnit.h"
#include "IBPEtherRuleFormUnit.h"
#include "IBPIPMaskFormUnit.h"
#include "IBPIPRuleFormUnit.h"
#include "StackingPortUitFormUnit.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TPageControl.h"
#include "TStaticText.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace ibp_acl_view_form_test {

namespace {

using View = TIBPAclViewForm;

// Each view as a test sees it: how it is opened, its title, its value edits with the first row's
// texts (the first is the key) and its combo box with the first row's option, if it has one.
struct ViewCase {
    const char* Name;
    const char* Title;
    std::function<void(const std::function<void(View*)>&)> Run;
    std::function<std::vector<TEdit*>(View*)> Edits;
    std::vector<std::string> FirstRow;
    std::function<TComboBox*(View*)> Combo = nullptr;
    const char* FirstOption = nullptr;
};

template <class T> std::function<std::vector<TEdit*>(View*)> EditsOf(std::vector<TEdit * T::*> edits) {
    return [edits](View* v) {
        std::vector<TEdit*> controls;
        for (TEdit* T::*edit : edits) {
            controls.push_back(dynamic_cast<T*>(v)->*edit);
        }
        return controls;
    };
}
template <class T> std::function<TComboBox*(View*)> ComboOf(TComboBox* T::*combo) {
    return [combo](View* v) { return dynamic_cast<T*>(v)->*combo; };
}

class IbpViews : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(kIbpAclScenario);
        WritableFacts().UnitList = {{"1", "1", "master", "ZQS-4410-24RA", "exist"}};
    }
    template <class T> auto Opener(const char* command, T*& instance) {
        return [this, command, &instance](const std::function<void(View*)>& test) {
            RunDialog<T>(command, instance, [&](T* d) { test(d); });
        };
    }
    std::vector<ViewCase> Cases() {
        using EM = TIBPACLEtherMaskForm;
        using ER = TIBPEtherRuleForm;
        using IM = TIBPIPMaskForm;
        using IR = TIBPIPRuleForm;
        return {
            {"Ethernet mask",
             "ACL IP-MAC Binding Ethernet Mask: ",
             Opener("IPMACBindingEthernetMask1Click", IBPACLEtherMaskForm),
             EditsOf<EM>({&EM::edtID}),
             {"1"},
             ComboOf(&EM::cbxEtherType),
             "enabled"},
            // The rule type is an octet string: shown as its hexadecimal text.
            {"Ethernet rule",
             "ACL IP-MAC Binding Ethernet Rule: ",
             Opener("IPMACBindingEthernetRule1Click", IBPEtherRuleForm),
             EditsOf<ER>({&ER::edtMaskID, &ER::edtAccessID, &ER::edtRuleType}),
             {"1", "1", "617270"},
             ComboOf(&ER::cbxPermit),
             "permit"},
            {"IP mask",
             "ACL IP-MAC Binding IP Mask: ",
             Opener("IPMACBindingIPMask1Click", IBPIPMaskForm),
             EditsOf<IM>({&IM::edtID, &IM::edtSrcMacMask, &IM::edtSrcIPMask}),
             {"1", "FFFFFFFFFFFF", "255.255.255.255"}},
            {"IP rule",
             "ACL IP-MAC Binding IP Rule: ",
             Opener("IPMACBindingIPRule1Click", IBPIPRuleForm),
             EditsOf<IR>({&IR::edtMaskID, &IR::edtAccessID, &IR::edtSrcMac, &IR::edtSrcIP}),
             {"1", "1", "00AABBCCDDEE", "10.0.0.5"},
             ComboOf(&IR::cbxPermit),
             "permit"},
        };
    }
};

} // namespace

namespace {

std::vector<std::string> Texts(const std::vector<TEdit*>& edits) {
    std::vector<std::string> texts;
    for (TEdit* e : edits) {
        texts.push_back(e->Text());
    }
    return texts;
}

} // namespace

// Opening, selecting, refreshing and clicking on no row: the row's values read-only (the combo box
// showing its option, disabled), cleared again, and nothing ever sent.
TEST_F(IbpViews, EachViewShowsTheChosenRowReadOnlyClearsOnNoRowAndSendsNothing) {
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    for (const ViewCase& c : Cases()) {
        SCOPED_TRACE(c.Name);
        for (const char* name :
             {"TIBPACLEtherMaskForm", "TIBPEtherRuleForm", "TIBPIPMaskForm", "TIBPIPRuleForm"}) {
            EXPECT_EQ(std::find(missing.begin(), missing.end(), name), missing.end());
        }
        c.Run([&](View* d) {
            EXPECT_EQ(d->Caption(), c.Title + Agent().Address());
            EXPECT_EQ(d->StaticText1->Caption(), "2");
            EXPECT_EQ(Texts(c.Edits(d)), std::vector<std::string>(c.FirstRow.size(), ""));

            ClickListRow(d->ListView1, 0);
            EXPECT_EQ(Texts(c.Edits(d)), c.FirstRow);
            for (TEdit* edit : c.Edits(d)) {
                EXPECT_TRUE(edit->ReadOnly());
            }
            if (c.Combo) {
                EXPECT_EQ(c.Combo(d)->Text(), c.FirstOption);
                EXPECT_FALSE(c.Combo(d)->Enabled());
            }

            // A click on empty space of the list.
            d->ListView1->SetSelected(nullptr);
            d->ListView1Click(nullptr);
            EXPECT_EQ(Texts(c.Edits(d)), std::vector<std::string>(c.FirstRow.size(), ""));
            if (c.Combo) {
                EXPECT_EQ(c.Combo(d)->ItemIndex(), -1);
                EXPECT_FALSE(c.Combo(d)->Enabled());
            }

            ClickListRow(d->ListView1, 1);
            ClickControl(d->RefreshButton); // blocking: the walk has ended when the click returns
            EXPECT_EQ(Reads, 1);
            EXPECT_EQ(d->StaticText1->Caption(), "2");
            EXPECT_EQ(Texts(c.Edits(d)).front(), "");
        });
        EXPECT_TRUE(Agent().SetLog().empty());
    }
}

// Rule 1.1's ports are 1 and 3 of unit 1 and 2 of unit 2: a stand-alone switch binds only the 64
// boxes of unit 1, a stacking one all 384.
TEST_F(IbpViews, ARuleTicksItsPortsOverTheBoxesTheStackModeBinds) {
    const struct {
        const char* Stack;
        bool SecondUnitPort;
    } stacks[] = {{"disabled", false}, {"enabled", true}};
    for (const auto& s : stacks) {
        SCOPED_TRACE(s.Stack);
        WritableFacts().StackMode = s.Stack;
        WritableFacts().UnitList = {{"1", "1", "master", "ZQS-4410-24RA", "exist"},
                                    {"2", "65", "slave", "ZQS-4410-24DA", "exist"}};
        RunDialog<TIBPIPRuleForm>("IPMACBindingIPRule1Click", IBPIPRuleForm, [&](TIBPIPRuleForm* d) {
            ASSERT_EQ(d->Pickers.Pickers.size(), 1u);
            const auto& boxes = d->Pickers.Pickers.front()->PortBoxes;
            ClickListRow(d->ListView1, 0);
            EXPECT_TRUE(boxes[0]->Checked());
            EXPECT_FALSE(boxes[1]->Checked());
            EXPECT_TRUE(boxes[2]->Checked());
            EXPECT_EQ(boxes[65]->Checked(), s.SecondUnitPort);
            ClickListRow(d->ListView1, 1);
            EXPECT_FALSE(boxes[0]->Checked());
            EXPECT_FALSE(boxes[65]->Checked());
        });
    }
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(IbpViews, EveryCaptionReadsWholeInListModeAndWithARowChosenThePortsTabIncluded) {
    for (const ViewCase& c : Cases()) {
        SCOPED_TRACE(c.Name);
        c.Run([&](View* d) {
            EXPECT_TRUE(CaptionsReadWhole(d));
            ClickListRow(d->ListView1, 0);
            EXPECT_TRUE(CaptionsReadWhole(d));
            if (d->PageControl1) {
                EXPECT_EQ(d->PageControl1->PageCount(), 1);
                EXPECT_EQ(d->PageControl1->Pages(0)->Caption(), "Ports");
            }
        });
    }
}

} // namespace ibp_acl_view_form_test
