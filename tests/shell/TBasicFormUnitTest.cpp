#include "TBasicFormUnit.h"

#include "DnsResolverTables.h"
#include "MainFormFixture.h"
#include "MessageWait.h"
#include "ShellSimTest.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TLabel.h"
#include "TPageControl.h"
#include "TPanel.h"
#include "TRadioButton.h"
#include "UiTesting.h"
#include "UnitTableRows.h"
#include "VqException.h"
#include "VqMessageTable.h"
#include "VqSNMPRequest2Edits.h"

#include <gtest/gtest.h>

#include <memory>

namespace t_basic_form_unit_test {

namespace {

template <class T> T* AddTo(TForm* form) {
    auto* control = new T(form);
    control->SetParent(form);
    return control;
}

// A dialog derived from the base, with a panel for the port picker.
struct Dialog {
    Dialog() {
        Application->SetTitle(kAppTitle);
        Form.reset(CreateForm<TBasicForm>(nullptr, 400, 300));
        Panel = AddTo<TPanel>(Form.get());
        Panel->SetAlign(alClient);
    }
    std::unique_ptr<TBasicForm> Form;
    TPanel* Panel;
};

} // namespace

TEST(TBasicForm, ScalesItsDesignedSizeWhenTheScreenIsNotAt96Dpi) {
    const struct {
        int ppi, width, height, scaledWidth, scaledHeight;
    } cases[] = {
        {96, 400, 300, 400, 300},  {120, 400, 300, 500, 375}, {144, 400, 300, 500, 375},
        {120, 400, 301, 500, 376}, {72, 650, 455, 812, 568},
    };
    for (const auto& c : cases) {
        ScreenDpi dpi(c.ppi);
        std::unique_ptr<TBasicForm> form(CreateForm<TBasicForm>(nullptr, c.width, c.height));
        EXPECT_EQ(form->Width(), c.scaledWidth) << c.ppi << " " << c.width;
        EXPECT_EQ(form->Height(), c.scaledHeight) << c.ppi << " " << c.height;
        EXPECT_EQ(form->Position(), poMainFormCenter);
    }
}

TEST(TBasicForm, TheScaleIsNoneOnceOrTwiceEachProductTruncated) {
    const struct {
        int ppi;
        DesignScale scale;
        int width, height;
    } cases[] = {
        {120, DesignScale::None, 741, 674},
        {120, DesignScale::Once, 926, 842},
        {120, DesignScale::Twice, 1157, 1052},
        {96, DesignScale::Twice, 741, 674},
    };
    for (const auto& c : cases) {
        ScreenDpi dpi(c.ppi);
        std::unique_ptr<TBasicForm> form(CreateForm<TBasicForm>(nullptr, 741, 674, c.scale));
        EXPECT_EQ(form->Width(), c.width) << static_cast<int>(c.scale);
        EXPECT_EQ(form->Height(), c.height) << static_cast<int>(c.scale);
    }
}

// ---- the embedded port picker

TEST(TBasicForm, EmbeddedPickerShowsTheUnitsWhoseModuleExists) {
    Dialog d;
    TListView* units = AddTo<TListView>(d.Form.get());
    // Module Name decides, not Exist State nor Start Port: the base reads neither.
    FillUnitTable(units, {{"1", "ZQS-4410-24RA", "master", "(NOTDONE)"},
                          {"2", ""},
                          {"3", "ZQS-4410-48RO"},
                          {"4", ""},
                          {"5", ""},
                          {"6", ""}});
    std::vector<std::string> reported;
    d.Form->EmbedPortSelection(d.Panel, 14, {true, ReadStackUnitRows(units)},
                               [&](const std::string& text) { reported.push_back(text); });

    TStackingPortUitForm* picker = d.Form->PortPicker;
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(picker->Owner(), d.Form.get());
    EXPECT_EQ(picker->Parent(), d.Panel);
    EXPECT_TRUE(reported.empty());
    std::vector<std::string> tabs;
    std::vector<int> visible;
    for (size_t u = 0; u < picker->UnitPages.size(); ++u) {
        tabs.push_back(picker->UnitPages[u]->TabVisible() ? picker->UnitPages[u]->Caption() : "-");
        visible.push_back(
            static_cast<int>(std::count_if(picker->PortBoxes.begin() + static_cast<long>(u) * 64,
                                           picker->PortBoxes.begin() + static_cast<long>(u + 1) * 64,
                                           [](TCheckBox* box) { return box->Visible(); })));
    }
    EXPECT_EQ(tabs,
              (std::vector<std::string>{"Unit1 ZQS-4410-24RA", "-", "Unit3 ZQS-4410-48RO", "-", "-", "-"}));
    EXPECT_EQ(visible, (std::vector<int>{24, 0, 48, 0, 0, 0}));
    // Fourteen boxes a row: box 13 still sits in the first row.
    EXPECT_EQ(picker->PortBoxes[12]->Left(), 12 * 40 + 20);
    EXPECT_EQ(picker->PortBoxes[14]->Left(), 20);
}

TEST(TBasicForm, EmbeddedPickerFailureGoesToTheMainStatusOnlyWhenStacking) {
    {
        Dialog d;
        std::vector<std::string> reported;
        // No columns: the pages cannot be laid out.
        d.Form->EmbedPortSelection(d.Panel, 0, {true, {}},
                                   [&](const std::string& text) { reported.push_back(text); });
        ASSERT_EQ(reported.size(), 1u);
        EXPECT_NE(reported[0].find("columns"), std::string::npos);
        ASSERT_NE(d.Form->PortPicker, nullptr);
    }
    {
        Dialog d;
        EXPECT_THROW(d.Form->EmbedPortSelection(
                         d.Panel, 0, {false, {}},
                         [](const std::string&) { ADD_FAILURE() << "reported without stacking"; }),
                     std::invalid_argument);
    }
}

TEST(TBasicForm, CheckPortChosenCountsHiddenBoxesAndSaysSoOnce) {
    Dialog d;
    TListView* units = AddTo<TListView>(d.Form.get());
    FillUnitTable(units, {{"1", "ZQS-4410-24RA", "master"}});
    d.Form->EmbedPortSelection(d.Panel, 12, {false, ReadStackUnitRows(units)}, [](const std::string&) {});
    {
        ScriptedDialogs dialogs;
        dialogs.Expect(DialogKind::Message, kAppTitle, "You must choose at least 1 port!");
        EXPECT_FALSE(d.Form->CheckPortChosen());
        EXPECT_EQ(dialogs.Shown().size(), 1u);
    }
    d.Form->PortPicker->PortBoxes[383]->SetChecked(true); // unit 6, hidden
    EXPECT_TRUE(d.Form->CheckPortChosen());
}

// ---- field states

TEST(TBasicForm, FieldStatesByKindOfControl) {
    Dialog d;
    auto* edit = AddTo<TEdit>(d.Form.get());
    auto* combo = AddTo<TComboBox>(d.Form.get());
    auto* check = AddTo<TCheckBox>(d.Form.get());
    auto* radio = AddTo<TRadioButton>(d.Form.get());
    auto* label = AddTo<TLabel>(d.Form.get());
    combo->SetStyle(csDropDownList);
    combo->Items().Assign({"one", "two"});
    combo->SetItemIndex(1);
    edit->SetText("10.0.0.1");
    check->SetChecked(true);
    radio->SetChecked(true);
    label->SetCaption("x");

    d.Form->DisableControls({edit, combo, check, radio, label});
    EXPECT_FALSE(edit->Enabled());
    EXPECT_EQ(edit->Color(), clMenu);
    EXPECT_EQ(edit->Text(), "");
    EXPECT_FALSE(combo->Enabled());
    EXPECT_EQ(combo->Color(), clMenu);
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_FALSE(check->Enabled());
    EXPECT_FALSE(check->Checked());
    EXPECT_FALSE(radio->Enabled());
    EXPECT_FALSE(radio->Checked());
    EXPECT_TRUE(label->Enabled());

    check->SetChecked(true); // enabling keeps the state
    d.Form->EnableControls({edit, combo, check, radio});
    for (TControl* c : {static_cast<TControl*>(edit), static_cast<TControl*>(combo)}) {
        EXPECT_TRUE(c->Enabled());
        EXPECT_EQ(c->Color(), clWindow);
    }
    EXPECT_TRUE(check->Enabled());
    EXPECT_TRUE(check->Checked());
    EXPECT_TRUE(radio->Enabled());

    d.Form->MakeReadOnlyControls({edit, combo, check});
    EXPECT_TRUE(edit->ReadOnly());
    EXPECT_TRUE(edit->Enabled());
    EXPECT_FALSE(edit->TabStop());
    EXPECT_EQ(edit->Color(), clBtnFace);
    EXPECT_FALSE(combo->Enabled());
    EXPECT_FALSE(combo->TabStop());
    EXPECT_EQ(combo->Color(), clBtnFace);
    EXPECT_TRUE(check->Enabled());
    EXPECT_TRUE(check->TabStop());
}

TEST(TBasicForm, ByTagTreatsTheRowsThatHaveACheckBox) {
    Dialog d;
    auto request = std::make_unique<VqSNMPRequest2Edits>(d.Form.get());
    request->Request.VarList = VqSNMPVarList(DnsStaticHostTable, MVT_UMV, 1);
    auto* index = AddTo<TEdit>(d.Form.get());
    auto* status = AddTo<TComboBox>(d.Form.get());
    auto* name = AddTo<TEdit>(d.Form.get());
    auto* chkName = AddTo<TCheckBox>(d.Form.get());
    auto* address = AddTo<TEdit>(d.Form.get());
    auto* chkAddress = AddTo<TCheckBox>(d.Form.get());
    index->SetTag(2); // a row without a check box is never treated
    name->SetTag(2);
    chkName->SetTag(2);
    address->SetTag(2); // its check box has another tag
    chkAddress->SetTag(1);
    index->SetText("7");
    name->SetText("host");
    address->SetText("10.0.0.1");
    chkName->SetChecked(true);
    d.Form->BindEditRow(request.get(), 0, "%i", index, nullptr);
    d.Form->BindComboRow(request.get(), 1, status, nullptr);
    d.Form->BindEditRow(request.get(), 2, "%s", name, chkName);
    d.Form->BindEditRow(request.get(), 3, "%s", address, chkAddress);

    d.Form->DisableControlsByTag(2);
    EXPECT_TRUE(index->Enabled());
    EXPECT_EQ(index->Text(), "7");
    EXPECT_FALSE(name->Enabled());
    EXPECT_EQ(name->Text(), "");
    EXPECT_FALSE(chkName->Enabled());
    EXPECT_FALSE(chkName->Checked());
    EXPECT_FALSE(address->Enabled());
    EXPECT_TRUE(chkAddress->Enabled());
    d.Form->EnableControlsByTag(2);
    EXPECT_TRUE(name->Enabled());
    EXPECT_TRUE(chkName->Enabled());
    EXPECT_TRUE(address->Enabled());
    request.reset();
}

TEST(TBasicForm, TheEnablingVariantsChangeOnlyWhatTheySay) {
    Dialog d;
    auto* edit = AddTo<TEdit>(d.Form.get());
    auto* combo = AddTo<TComboBox>(d.Form.get());
    auto* check = AddTo<TCheckBox>(d.Form.get());
    combo->Items().Assign({"one", "two"});
    combo->SetItemIndex(1);
    edit->SetText("10");
    check->SetChecked(true);
    const auto colour = edit->Color();

    // The Enabled property alone: colour, text and check mark stay.
    SetFieldsEnabled({edit, combo, check}, false, FieldEnabling::EnabledOnly);
    for (TControl* c :
         {static_cast<TControl*>(edit), static_cast<TControl*>(combo), static_cast<TControl*>(check)}) {
        EXPECT_FALSE(c->Enabled());
    }
    EXPECT_EQ(edit->Color(), colour);
    EXPECT_EQ(edit->Text(), "10");
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_TRUE(check->Checked());
    SetFieldsEnabled({edit, combo, check}, true, FieldEnabling::EnabledOnly);
    EXPECT_TRUE(edit->Enabled() && combo->Enabled() && check->Enabled());

    // A field fixed with its value (clBtnFace) or a key fixed while its row is chosen (clMenu):
    // disabled in that colour with the text, selection and check mark kept; clWindow again when
    // enabled.
    const struct {
        FieldEnabling How;
        TColor Disabled;
    } kKeeping[] = {{FieldEnabling::KeepValue, clBtnFace}, {FieldEnabling::KeepText, clMenu}};
    for (const auto& c : kKeeping) {
        SCOPED_TRACE(static_cast<int>(c.How));
        SetFieldsEnabled({edit, combo, check}, false, c.How);
        EXPECT_FALSE(edit->Enabled() || combo->Enabled() || check->Enabled());
        EXPECT_EQ(edit->Color(), c.Disabled);
        EXPECT_EQ(combo->Color(), c.Disabled);
        EXPECT_EQ(edit->Text(), "10");
        EXPECT_EQ(combo->ItemIndex(), 1);
        EXPECT_TRUE(check->Checked());
        SetFieldsEnabled({edit, combo, check}, true, c.How);
        EXPECT_TRUE(edit->Enabled() && combo->Enabled() && check->Enabled());
        EXPECT_EQ(edit->Color(), clWindow);
        EXPECT_EQ(combo->Color(), clWindow);
        EXPECT_EQ(edit->Text(), "10");
    }

    // The default is the dialog base's field states, as DisableControl gives them.
    SetFieldsEnabled({edit, check}, false);
    EXPECT_EQ(edit->Color(), clMenu);
    EXPECT_EQ(edit->Text(), "");
    EXPECT_FALSE(check->Checked());
}

TEST(TBasicForm, RequiredTextRefusesAnEmptyFieldWithTheDialogsMessage) {
    Dialog d;
    auto* check = AddTo<TCheckBox>(d.Form.get());
    auto* edit = AddTo<TEdit>(d.Form.get());
    auto* combo = AddTo<TComboBox>(d.Form.get());
    combo->Items().Assign({"a"});
    EXPECT_TRUE(d.Form->RequireTextIfChecked(check, edit, "Access ID must be set.")); // unchecked
    EXPECT_TRUE(d.Form->RequireText(nullptr, "never"));
    {
        ScriptedDialogs dialogs;
        dialogs.Expect(DialogKind::Message, kAppTitle, "Access ID must be set.");
        dialogs.Expect(DialogKind::Message, kAppTitle, "Profile must be chosen.");
        check->SetChecked(true);
        EXPECT_FALSE(d.Form->RequireTextIfChecked(check, edit, "Access ID must be set."));
        EXPECT_FALSE(d.Form->RequireText(combo, "Profile must be chosen."));
    }
    edit->SetText("5");
    combo->SetItemIndex(0);
    EXPECT_TRUE(d.Form->RequireTextIfChecked(check, edit, "Access ID must be set."));
    EXPECT_TRUE(d.Form->RequireText(combo, "Profile must be chosen."));
}

TEST(TBasicForm, RequiredTextFocusesAnEnabledFieldOfAShownDialog) {
    Dialog d;
    auto* first = AddTo<TEdit>(d.Form.get());
    auto* edit = AddTo<TEdit>(d.Form.get());
    edit->SetTop(40);
    first->SetText("x");
    d.Form->Show();
    ActivateForm(d.Form.get());
    FocusControl(first);
    ScriptedDialogs dialogs;
    dialogs.Expect("Name must be set.");
    EXPECT_FALSE(d.Form->RequireText(edit, "Name must be set."));
    EXPECT_TRUE(WaitFor([&] { return edit->Focused(); }));
    d.Form->Hide();
}

TEST(TBasicForm, ListOperationsPassOverOtherKinds) {
    Dialog d;
    auto* edit = AddTo<TEdit>(d.Form.get());
    auto* combo = AddTo<TComboBox>(d.Form.get());
    auto* on = AddTo<TCheckBox>(d.Form.get());
    auto* off = AddTo<TCheckBox>(d.Form.get());
    auto* label = AddTo<TLabel>(d.Form.get());
    combo->SetStyle(csDropDownList);
    combo->Items().Assign({"first", "second"});
    combo->SetItemIndex(1);
    edit->SetText("text");
    label->SetCaption("label");
    off->SetEnabled(false);
    const std::vector<TControl*> all = {edit, nullptr, combo, on, off, label};

    d.Form->ResetControls(all);
    EXPECT_EQ(edit->Text(), "");
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_EQ(label->Caption(), "label");
    d.Form->CheckEnabled(all);
    EXPECT_TRUE(on->Checked());
    EXPECT_FALSE(off->Checked());
    off->SetChecked(true);
    d.Form->UncheckAll(all);
    EXPECT_FALSE(on->Checked());
    EXPECT_FALSE(off->Checked());
}

// ---- the skip flag

TEST(TBasicForm, SkipUncheckedRowsMarksUncheckedAndDisabledRowsOnly) {
    Dialog d;
    auto request = std::make_unique<VqSNMPRequest2Edits>(d.Form.get());
    request->Request.VarList = VqSNMPVarList(DnsStaticHostTable, MVT_UMV, 1);
    auto* chkIndex = AddTo<TCheckBox>(d.Form.get());  // unchecked, but an index column
    auto* chkStatus = AddTo<TCheckBox>(d.Form.get()); // unchecked, but the excluded row
    auto* chkName = AddTo<TCheckBox>(d.Form.get());
    auto* radioIP = AddTo<TRadioButton>(d.Form.get());
    auto* chkIPv6 = AddTo<TCheckBox>(d.Form.get());
    chkName->SetChecked(true);
    radioIP->SetChecked(true);
    radioIP->SetEnabled(false); // checked but disabled
    chkIPv6->SetChecked(false);
    // Bound out of order: entry k is variable k's row all the same.
    d.Form->BindEditRow(request.get(), 4, "%s", AddTo<TEdit>(d.Form.get()), chkIPv6);
    d.Form->BindEditRow(request.get(), 0, "%i", AddTo<TEdit>(d.Form.get()), chkIndex);
    d.Form->BindComboRow(request.get(), 1, AddTo<TComboBox>(d.Form.get()), chkStatus);
    d.Form->BindEditRow(request.get(), 2, "%s", AddTo<TEdit>(d.Form.get()), chkName);
    d.Form->BindEditRow(request.get(), 3, "%s", AddTo<TEdit>(d.Form.get()), radioIP);
    d.Form->RowCount = 5;
    d.Form->ExcludedRow = 1;
    VqSNMPVarList& list = request->Request.VarList;
    list.GetVariable(2).Access |= acHidden; // other bits stay as they are

    d.Form->SkipUncheckedRows(request.get());
    std::vector<bool> skipped;
    for (int v = 0; v < list.GetCount(); ++v) {
        skipped.push_back((list.GetVariable(v).Access & acInvalid) != 0);
    }
    EXPECT_EQ(skipped, (std::vector<bool>{false, false, false, true, true}));

    d.Form->ClearSkipFlags(request.get());
    for (int v = 0; v < list.GetCount(); ++v) {
        EXPECT_EQ(list.GetVariable(v).Access & acInvalid, 0) << v;
    }
    EXPECT_EQ(list.GetVariable(2).Access, acReadWrite | acHidden);
    request.reset();
}

// ---- address checks

TEST(TBasicForm, MacAddressChecks) {
    const struct {
        const char* text;
        bool full;  // CheckMacAddressText
        bool plain; // CheckPlainMacAddressText
    } cases[] = {
        {"00-1A-2b-3C-4d-5E", true, false},  {"00.1A.2B.3C.4D.5E", true, false},
        {"001A2B3C4D5E", true, true},        {"001a2b3c4d5e", true, true},
        {"00-1A-2B-3C-4D", false, false},    {"0-1A-2B-3C-4D-5E", false, false},
        {"00:1A:2B:3C:4D:5E", false, false}, {"001A2B3C4D5", false, false},
        {"001A2B3C4D5G", false, false},      {"00-1A.2B-3C-4D-5E", false, false},
    };
    Dialog d;
    auto* edit = AddTo<TEdit>(d.Form.get());
    for (const auto& c : cases) {
        edit->SetText(c.text);
        ScriptedDialogs dialogs;
        if (!c.full) {
            dialogs.Expect(DialogKind::Message, kAppTitle, "Please enter a valid MAC address!");
        }
        if (!c.plain) {
            dialogs.Expect(DialogKind::Message, kAppTitle, "Please enter a valid MAC address!");
        }
        EXPECT_EQ(CheckMacAddressText(edit), c.full) << c.text;
        EXPECT_EQ(CheckPlainMacAddressText(edit), c.plain) << c.text;
    }
    edit->SetText("");
    ScriptedDialogs dialogs;
    dialogs.Expect(DialogKind::Message, kAppTitle, "Please enter a valid MAC Address");
    EXPECT_FALSE(CheckMacAddressText(edit));
    EXPECT_EQ(dialogs.Shown().size(), 1u);
}

TEST(TBasicForm, IPv4AddressCheckRefusesSilently) {
    const struct {
        const char* text;
        bool valid;
    } cases[] = {
        {"10.90.90.90", true},
        {"0.0.0.0", true},
        {"255.255.255.255", true},
        {"10.90.90", false},
        {"10.256.1.1", false},
        {"1.2.3.4.5", false},
        {"", false},
        {"-1.2.3.4", false},
        {"1.2.3.x", false},
        {"1.2.3.", false},
        {"1..2.3", false},
        {"1.2.3.256", false},
        {"010.001.002.03", true},
        {"10.90.90.90.", false},
        {"1.2.3.4       ", false},
    };
    Dialog d;
    auto* edit = AddTo<TEdit>(d.Form.get());
    ScriptedDialogs none; // no message in any case
    for (const auto& c : cases) {
        edit->SetText(c.text);
        EXPECT_EQ(IsIPv4AddressText(edit), c.valid) << c.text;
    }
}

// ---- writes against the simulated switch

namespace {

constexpr const char* kHostEntry = "1.3.6.1.4.1.746.12.85.1.4.1.1";
const std::string kNoIPv6(32, '0');

// A dialog over the static host table of the DNS resolver, one row per column.
class HostDialogSim : public ShellSimTest {
protected:
    void SetUp() override {
        ShellSimTest::SetUp();
        Agent().LoadScenario(std::string(R"({"tables": [{"entry": ")") + kHostEntry +
                             R"(", "columns": [[2, "rowstatus"], [3, "string", "rw"], [4, "ip", "rw"],
                             [6, "hex", "rw"]], "rows": [["1", 1, "alpha", "10.0.0.1", ")" +
                             kNoIPv6 + R"("]]}]})");
        Request = std::make_unique<VqSNMPRequest2Edits>(D.Form.get());
        Request->Request.VarList = VqSNMPVarList(DnsStaticHostTable, MVT_UMV, 1);
        Request->Mode = 0;
        Status = AddTo<TComboBox>(D.Form.get());
        D.Form->BindEditRow(Request.get(), 0, "%i", Index, nullptr);
        D.Form->BindComboRow(Request.get(), 1, Status, ChkStatus);
        D.Form->BindEditRow(Request.get(), 2, "%s", Name, ChkName);
        D.Form->BindEditRow(Request.get(), 3, "%s", Address, ChkAddress);
        D.Form->BindEditRow(Request.get(), 4, "%s", IPv6, ChkIPv6);
        D.Form->RowCount = 5;
        D.Form->KeyCount = 1;
        D.Form->ExcludedRow = 1;
        // Row 1 edited: its name ticked, its address typed but not ticked, its IPv6 address
        // ticked in a disabled box.
        Index->SetText("1");
        Status->SetText("active");
        Name->SetText("beta");
        Address->SetText("10.0.0.9");
        IPv6->SetText(std::string(30, '0') + "01");
        ChkName->SetChecked(true);
        ChkIPv6->SetChecked(true);
        ChkIPv6->SetEnabled(false);
    }
    void TearDown() override {
        Request.reset();
        ShellSimTest::TearDown();
    }
    void ExpectNoFlags() {
        for (int v = 0; v < Request->Request.VarList.GetCount(); ++v) {
            EXPECT_EQ(Request->Request.VarList.GetVariable(v).Access & acInvalid, 0) << v;
        }
    }
    std::string Column(int column) const {
        return std::string(kHostEntry) + "." + std::to_string(column) + ".1";
    }

    Dialog D;
    std::unique_ptr<VqSNMPRequest2Edits> Request;
    TEdit* Index = AddTo<TEdit>(D.Form.get());
    TComboBox* Status = nullptr;
    TCheckBox* ChkStatus = AddTo<TCheckBox>(D.Form.get());
    TEdit* Name = AddTo<TEdit>(D.Form.get());
    TCheckBox* ChkName = AddTo<TCheckBox>(D.Form.get());
    TEdit* Address = AddTo<TEdit>(D.Form.get());
    TCheckBox* ChkAddress = AddTo<TCheckBox>(D.Form.get());
    TEdit* IPv6 = AddTo<TEdit>(D.Form.get());
    TCheckBox* ChkIPv6 = AddTo<TCheckBox>(D.Form.get());
};

} // namespace

TEST_F(HostDialogSim, SetCarriesOnlyCheckedEnabledRowsAndTheExcludedRow) {
    {
        TBasicForm::SkippedRows skip(D.Form.get(), Request.get());
        EXPECT_TRUE(Request->Set(false, true));
    }
    ExpectNoFlags();
    const auto log = Agent().SetLog();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].Status, "noError");
    EXPECT_EQ(log[0].VarBinds, (std::vector<SimVarBind>{{Column(2), SimValue::Int(1)},
                                                        {Column(3), SimValue::Octets("beta")}}));
    EXPECT_EQ(Agent().Value(Column(4))->Text, "10.0.0.1");
}

TEST_F(HostDialogSim, FlagsAreClearedAfterARefusedSet) {
    Agent().InjectError(kHostEntry, "genErr", SimOp::Set);
    {
        ScriptedDialogs dialogs;
        dialogs.Expect(DialogKind::Box, kAppTitle, MessageOfCode(-105));
        TBasicForm::SkippedRows skip(D.Form.get(), Request.get());
        EXPECT_FALSE(Request->Set(false, true));
    }
    ExpectNoFlags();
    ASSERT_EQ(Agent().SetLog().size(), 1u);
    EXPECT_EQ(Agent().SetLog()[0].Status, "genErr");
    EXPECT_EQ(Agent().Value(Column(3))->Bytes(), "alpha");
}

TEST_F(HostDialogSim, FlagsAreClearedWhenTheWriteRaises) {
    ChkAddress->SetChecked(true);
    Address->SetText("no address");
    auto write = [&] {
        TBasicForm::SkippedRows skip(D.Form.get(), Request.get());
        Request->Set(false, true);
    };
    EXPECT_THROW(write(), VqException);
    ExpectNoFlags();
    EXPECT_TRUE(Agent().SetLog().empty());
}

// ---- the picker over the unit table the main window read from the simulated switch

namespace {

class BasicFormMainSim : public MainFormTest {
protected:
    void TearDown() override {
        D.reset();
        MainFormTest::TearDown();
    }
    std::unique_ptr<Dialog> D;
};

} // namespace

TEST_F(BasicFormMainSim, EmbeddedPickerShowsTheUnitsOfTheStack) {
    Open(R"({"stack_mode": "enabled", "units": [{"model": "24RA"}, {"unit": 3, "model": "48RO"}]})");
    const std::string status = Form->StatusText();
    D = std::make_unique<Dialog>();
    D->Form->EmbedPortSelection(D->Panel, 12);
    TStackingPortUitForm* picker = D->Form->PortPicker;
    std::vector<std::string> tabs;
    for (TTabSheet* page : picker->UnitPages) {
        tabs.push_back(page->TabVisible() ? page->Caption() : "-");
    }
    EXPECT_EQ(tabs,
              (std::vector<std::string>{"Unit1 ZQS-4410-24RA", "-", "Unit3 ZQS-4410-48RO", "-", "-", "-"}));
    EXPECT_TRUE(picker->PortBoxes[128 + 47]->Visible());
    EXPECT_FALSE(picker->PortBoxes[128 + 48]->Visible());
    EXPECT_EQ(Form->StatusText(), status) << "nothing failed";
}

TEST_F(BasicFormMainSim, EmbeddingFailureWhileStackingGoesToMainStatusPanel) {
    Open(R"({"stack_mode": "enabled", "units": [{"model": "24RA"}, {"model": "24RA"}]})");
    D = std::make_unique<Dialog>();
    D->Form->EmbedPortSelection(D->Panel, 0);
    EXPECT_NE(Form->StatusText().find("columns"), std::string::npos) << Form->StatusText();
}

TEST_F(BasicFormMainSim, StandAloneShowsTheMasterOnlyAndASlaveNothing) {
    const struct {
        const char* scenario;
        int visible;
    } cases[] = {
        {R"({"model": "24ZO"})", 26},
        {R"({"model": "24ZO", "units": [{"model": "24ZO", "mode": "slave"}]})", 0},
    };
    for (const auto& c : cases) {
        delete Form;
        Open(c.scenario);
        D = std::make_unique<Dialog>();
        D->Form->EmbedPortSelection(D->Panel, 12);
        const auto& boxes = D->Form->PortPicker->PortBoxes;
        EXPECT_EQ(std::count_if(boxes.begin(), boxes.end(), [](TCheckBox* box) { return box->Visible(); }),
                  c.visible)
            << c.scenario;
        EXPECT_FALSE(D->Form->PortPicker->UnitPages[0]->TabVisible());
    }
}

} // namespace t_basic_form_unit_test
