#include "ACCTMethodListFormUnit.h"
#include "AaaScenario.h"
#include "CaptionCheck.h"
#include "CatalogueColumns.h"
#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"
#include "FormsSimTest.h"
#include "LoginMethodListFormUnit.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TStaticText.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace method_list_form_test {

namespace {

using aaa_scenario::NameInstance;
using Pdus = std::vector<std::vector<SimVarBind>>;

constexpr const char* kLoginCommand = "LoginMethodControl1Click";
constexpr const char* kEnableCommand = "EnableMethodControl1Click";
constexpr const char* kAcctCommand = "ACCTMe1Click";
// The list's name, the first column of each of the three tables.
constexpr int kNameColumn = ColumnOf(Columns::LoginMethodListMethod1Type, "Login Method List Name");
constexpr const char* kQuestion =
    "Method(s) after method local and none is(are) ineffective. Do you want to change your configurations?";

SimVarBind Cell(const std::string& entry, int column, const std::string& name, int value) {
    return {entry + "." + std::to_string(column) + "." + NameInstance(name), SimValue::Int(value)};
}

class MethodListSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(aaa_scenario::Scenario());
    }
    static int Row(TMethodListForm* d, const std::string& name) {
        return RowWhere(d->Table, {{kNameColumn, name}});
    }
    static void ChooseMethods(TMethodListForm* d, const std::vector<std::string>& types) {
        TComboBox* boxes[] = {d->ComboBoxType1, d->ComboBoxType2, d->ComboBoxType3, d->ComboBoxType4};
        for (size_t i = 0; i < types.size(); ++i) {
            ChooseOption(boxes[i], types[i]);
        }
    }
};

} // namespace

TEST_F(MethodListSim, EachCommandOpensItsOwnTableAndReadingWritesNothing) {
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    for (const char* name : {"TLoginMethodListForm", "TACCTMethodListForm", "TServerInformationForm"}) {
        EXPECT_EQ(std::find(missing.begin(), missing.end(), name), missing.end()) << name;
    }
    const struct {
        const char* Command;
        const char* Title;
        int Kind;
        const char* NameCaption;
    } cases[] = {
        {kLoginCommand, "AAC Login Method List Table: ", 1, "Login Method List Name"},
        {kEnableCommand, "AAC Enable Method List Table: ", 0, "Enable Method List Name"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Command);
        RunDialog<TLoginMethodListForm>(c.Command, [&](TLoginMethodListForm* d) {
            EXPECT_EQ(d->Caption(), c.Title + Agent().Address());
            EXPECT_EQ(d->ListKind, c.Kind);
            EXPECT_EQ(d->Table.Request->Mode, 0);
            EXPECT_EQ(d->ListView1->Columns()[0]->Caption(), c.NameCaption);
            EXPECT_EQ(d->ListView1->Items().Count(), 2);
            EXPECT_EQ(d->StaticText1->Caption(), "2");
            EXPECT_EQ(d->ComboBoxType1->Items()[0], "other");
            EXPECT_TRUE(CaptionsReadWhole(d));
            ClickListRow(d->ListView1, Row(d, "Default"));
            EXPECT_TRUE(CaptionsReadWhole(d));
        });
    }
    RunDialog<TACCTMethodListForm>(kAcctCommand, ACCTMethodListForm, [&](TACCTMethodListForm* d) {
        EXPECT_EQ(d->Caption(), "AAC ACCT Method List Table: " + Agent().Address());
        EXPECT_EQ(d->Value, 0);
        EXPECT_EQ(d->ListView1->Columns()[0]->Caption(), "Accounting Method List Name");
        EXPECT_EQ(d->ComboBoxType1->Items()[0], "none");
        EXPECT_EQ(d->ListView1->Items().Count(), 2);
        EXPECT_TRUE(CaptionsReadWhole(d));
        ClickListRow(d->ListView1, Row(d, "Default"));
        EXPECT_TRUE(CaptionsReadWhole(d));
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(MethodListSim, TheIneffectiveMethodsQuestionMeansDropOnAddYesAndOnEditNo) {
    const std::string entry = aaa_scenario::kLoginEntry;
    const std::vector<std::string> methods = {"radius", "local", "tacacs-plus", "other"};
    const struct {
        bool Edit;
        int Answer;
        Pdus Expected;
    } cases[] = {
        {false, mrYes, {{Cell(entry, 2, "lst", 4), Cell(entry, 4, "lst", 6), Cell(entry, 10, "lst", 4)}}},
        {false, mrNo, {}},
        {true, mrNo, {{Cell(entry, 2, "Default", 4), Cell(entry, 4, "Default", 6)}}},
        {true, mrYes, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.Edit ? "Edit " : "Add ") + (c.Answer == mrYes ? "Yes" : "No"));
        RunDialog<TLoginMethodListForm>(kLoginCommand, [&](TLoginMethodListForm* d) {
            if (c.Edit) {
                ClickListRow(d->ListView1, Row(d, "Default"));
            } else {
                TypeText(d->ListnameEdit, "lst");
            }
            ChooseMethods(d, methods);
            Dialogs.Expect(DialogKind::Dialog, "Confirmation", kQuestion, c.Answer);
            ClickControl(c.Edit ? d->EditButton : d->AddButton);
            EXPECT_EQ(Dialogs.Pending(), 0);
            EXPECT_EQ(SetPdus(), c.Expected);
        });
        Agent().LoadScenario(aaa_scenario::Scenario());
    }
    // Methods 3 and 4 of the edited list are the switch's as before.
    EXPECT_EQ(Agent().Value(entry + ".6." + NameInstance("Default")), SimValue::Int(8));
}

TEST_F(MethodListSim, WhichListsAreQuestioned) {
    // A present none after local is ineffective in a login list.
    RunDialog<TLoginMethodListForm>(kLoginCommand, [&](TLoginMethodListForm* d) {
        TypeText(d->ListnameEdit, "lst");
        ChooseMethods(d, {"local", "none", "other", "other"});
        Dialogs.Expect(kQuestion, mrNo);
        ClickControl(d->AddButton);
        EXPECT_EQ(Dialogs.Pending(), 0);
        EXPECT_TRUE(Agent().SetLog().empty());
    });
    // A run of none in an accounting list is no fault: written without a question.
    const std::string entry = aaa_scenario::kAcctEntry;
    const size_t shown = Dialogs.Shown().size();
    RunDialog<TACCTMethodListForm>(kAcctCommand, ACCTMethodListForm, [&](TACCTMethodListForm* d) {
        ClickListRow(d->ListView1, Row(d, "Default"));
        ChooseMethods(d, {"none", "none", "none", "none"});
        ClickControl(d->EditButton);
        EXPECT_EQ(SetPdus(), (Pdus{{Cell(entry, 2, "Default", 4), Cell(entry, 4, "Default", 4),
                                    Cell(entry, 6, "Default", 4), Cell(entry, 8, "Default", 4)}}));
    });
    EXPECT_EQ(Dialogs.Shown().size(), shown);
}

TEST_F(MethodListSim, ServerGroupTypeEnablesItsServerEditAndALeftoverGroupIsNotWritten) {
    RunDialog<TLoginMethodListForm>(kLoginCommand, [&](TLoginMethodListForm* d) {
        d->Server2Edit->SetText("old");
        ChooseOption(d->ComboBoxType2, "server-group");
        EXPECT_TRUE(d->Server2Edit->Enabled());
        EXPECT_EQ(d->Server2Edit->Text(), "");
        d->Server2Edit->SetText("grp");
        ChooseOption(d->ComboBoxType2, "radius");
        EXPECT_FALSE(d->Server2Edit->Enabled());
        EXPECT_EQ(d->Server2Edit->Text(), "");
    });
    // A server group left over from another type in method 1 of "Default": only an accounting list
    // leaves such a method out of an Edit. (The login list's methods 3 and 4 become "other", so that
    // no method follows a terminal one.)
    const std::string login = aaa_scenario::kLoginEntry;
    const std::string acct = aaa_scenario::kAcctEntry;
    const SimVarBind leftover = {login + ".3." + NameInstance("Default"), SimValue::Octets("leftover")};
    const struct {
        const char* Command;
        std::vector<std::string> Methods; // from method 1; the rest as the switch has them
        Pdus Expected;
        SimValue Method1; // the switch's method 1 afterwards
    } cases[] = {
        {kLoginCommand,
         {"radius", "local", "other", "other"},
         {{Cell(login, 2, "Default", 4), leftover, Cell(login, 4, "Default", 6), Cell(login, 6, "Default", 9),
           Cell(login, 8, "Default", 9)}},
         SimValue::Int(4)},
        // Method 1 is left as it was; the other Type columns are written as shown.
        {kAcctCommand,
         {"radius"},
         {{Cell(acct, 4, "Default", 4), Cell(acct, 6, "Default", 4), Cell(acct, 8, "Default", 4)}},
         SimValue::Int(1)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Command);
        RunDialog<TMethodListForm>(c.Command, [&](TMethodListForm* d) {
            ClickListRow(d->ListView1, Row(d, "Default"));
            ChooseMethods(d, c.Methods);
            d->Server1Edit->SetText("leftover");
            ClickControl(d->EditButton);
            EXPECT_EQ(SetPdus(), c.Expected);
        });
        const std::string entry = c.Command == kAcctCommand ? acct : login;
        EXPECT_EQ(Agent().Value(entry + ".2." + NameInstance("Default")), c.Method1);
    }
}

TEST_F(MethodListSim, NamesAreCheckedBeforeAnythingIsSent) {
    const std::string entry = aaa_scenario::kLoginEntry;
    RunDialog<TLoginMethodListForm>(kLoginCommand, [&](TLoginMethodListForm* d) {
        Dialogs.Expect("Name must be set.");
        ClickControl(d->AddButton);
        EXPECT_TRUE(d->ListnameEdit->Focused());
        for (const char* taken : {"default", "Default"}) {
            d->ListnameEdit->SetText(taken);
            Dialogs.Expect("Has already a record with the same Login Method List Name. Please Change Login "
                           "Method List Name.");
            ClickControl(d->AddButton);
        }
        EXPECT_EQ(Dialogs.Pending(), 0);
        EXPECT_TRUE(Agent().SetLog().empty());
        // Names differ by case: another list.
        d->ListnameEdit->SetText("DEFAULT");
        ClickControl(d->AddButton);
        EXPECT_EQ(SetPdus(), (Pdus{{Cell(entry, 2, "DEFAULT", 9), Cell(entry, 4, "DEFAULT", 9),
                                    Cell(entry, 6, "DEFAULT", 9), Cell(entry, 8, "DEFAULT", 9),
                                    Cell(entry, 10, "DEFAULT", 4)}}));
        EXPECT_EQ(d->ListView1->Items().Count(), 3);
    });
    RunDialog<TACCTMethodListForm>(kAcctCommand, ACCTMethodListForm, [&](TACCTMethodListForm* d) {
        d->ListnameEdit->SetText("default");
        Dialogs.Expect(
            "Has already a record with the same ACCT Method List Name. Please Change AACT Method List Name.");
        ClickControl(d->AddButton);
        EXPECT_TRUE(Agent().SetLog().empty());
    });
}

TEST_F(MethodListSim, DefaultStaysAndDeleteAsksFirst) {
    const std::string entry = aaa_scenario::kEnableEntry;
    RunDialog<TLoginMethodListForm>(kEnableCommand, [&](TLoginMethodListForm* d) {
        ClickListRow(d->ListView1, Row(d, "default"));
        EXPECT_TRUE(d->EditButton->Enabled());
        EXPECT_FALSE(d->DeleteButton->Enabled());
        EXPECT_FALSE(d->ListnameEdit->Enabled());

        ClickListRow(d->ListView1, Row(d, "Default"));
        ASSERT_TRUE(d->DeleteButton->Enabled());
        Dialogs.Expect("Are you sure to delete it?", mrCancel);
        ClickControl(d->DeleteButton);
        EXPECT_TRUE(Agent().SetLog().empty());

        ClickListRow(d->ListView1, Row(d, "Default"));
        Dialogs.Expect("Are you sure to delete it?", mrOk);
        ClickControl(d->DeleteButton);
        EXPECT_EQ(SetPdus(), (Pdus{{Cell(entry, 10, "Default", 6)}}));
        EXPECT_EQ(Row(d, "Default"), -1);
        EXPECT_EQ(d->StaticText1->Caption(), "1");
    });
}

TEST_F(MethodListSim, RefreshShowsItemZeroAndEmptyEdits) {
    RunDialog<TLoginMethodListForm>(kLoginCommand, [&](TLoginMethodListForm* d) {
        ClickListRow(d->ListView1, Row(d, "Default"));
        EXPECT_EQ(d->ComboBoxType1->Text(), "tacacs-plus");
        ClickControl(d->GetButton);
        for (TComboBox* box : {d->ComboBoxType1, d->ComboBoxType2, d->ComboBoxType3, d->ComboBoxType4}) {
            EXPECT_EQ(box->ItemIndex(), 0);
            EXPECT_EQ(box->Text(), "other");
        }
        for (TEdit* edit :
             {d->ListnameEdit, d->Server1Edit, d->Server2Edit, d->Server3Edit, d->Server4Edit}) {
            EXPECT_EQ(edit->Text(), "");
        }
        EXPECT_TRUE(d->AddButton->Enabled());
        EXPECT_FALSE(d->EditButton->Enabled());
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

} // namespace method_list_form_test
