// The rows panel of the generic dialog: rows and their bindings, layout, read-only and editable
// rows, the choice of buttons, the Tags, and the bit-list editor. No traffic: the rows work on the
// request's value texts.
#include "CatalogueOptionLists.h"
#include "TApplication.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TForm.h"
#include "TPanel.h"
#include "TSNMPEditorPanel.h"
#include "UiTesting.h"
#include "VqSNMPRequest2Edits.h"

#include <QtTest/QtTest>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace edits_panel_test {

namespace {

constexpr MibTableRow kMixed[] = {
    {" ", "Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.99.5.1.2", "In Packets", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.99.5.1.3", "Name", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.99.5.1.4", "Address", itIpAddress, acReadWrite},
    {"1.3.6.1.4.1.746.99.5.1.5", "State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.99.5.1.6", "Oper Status", itInteger, acReadOnly, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.99.5.1.7", "Gateway", itIpAddress, acReadOnly},
    {},
};
enum { kIndex, kPackets, kName, kAddress, kState, kOper, kGateway };

constexpr MibTableRow kBits[] = {
    {"1.3.6.1.4.1.746.99.5.2.1", "VLAN Range", itOctetString, acReadWrite},
    {"1.3.6.1.4.1.746.99.5.2.2", "Capabilities", itOctetString, acReadOnly},
    {"1.3.6.1.4.1.746.99.5.2.3", "Mode", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

// A form and a request over a table, and the rows panel (or an editor panel) built on them.
struct Rows {
    Rows(const MibTableRow* table, int kind = MVT_UMV, int keyCount = 1) {
        Form.reset(CreateForm<TForm>(nullptr));
        Form->SetBounds(0, 0, 700, 600);
        Request = std::make_unique<VqSNMPRequest2Edits>(Form.get());
        Request->Request.VarList = VqSNMPVarList(table, kind, keyCount);
    }
    ~Rows() {
        Request.reset();
        Form.reset();
    }
    TEditsPanel* Panel() { return new TEditsPanel(Form.get(), Request.get()); }
    TSNMPEditorPanel* EditorPanel() { return new TSNMPEditorPanel(Form.get(), Request.get()); }
    SnmpVariable& Var(int i) { return Request->Request.VarList.GetVariable(i); }

    std::unique_ptr<TForm> Form;
    std::unique_ptr<VqSNMPRequest2Edits> Request;
};

template <class T> std::vector<T*> Owned(TComponent* owner) {
    std::vector<T*> found;
    for (int i = 0; i < owner->ComponentCount(); ++i) {
        if (auto* c = dynamic_cast<T*>(owner->Components(i))) {
            found.push_back(c);
        }
    }
    return found;
}

TButton* ButtonCaptioned(TComponent* owner, const std::string& caption) {
    for (TButton* b : Owned<TButton>(owner)) {
        if (b->Caption() == caption) {
            return b;
        }
    }
    return nullptr;
}

} // namespace

TEST(EditsPanelTest, EachVariableGetsTheControlItsAccessAndOptionListAskFor) {
    Rows r(kMixed);
    TEditsPanel* rows = r.Panel();
    const struct {
        int Row;
        int Type;
        const char* Format;
        bool Combo;
        bool Editable;
        unsigned char AddressKind; // of the constraint bound to an edit
    } cases[] = {
        {kIndex, rcEdit, "%s", false, false, eakNone}, // a key: writable for Add, read-only here
        {kPackets, rcReadOnlyEdit, "%s", false, false, eakNone},
        {kName, rcEdit, "%s", false, true, eakNone},
        {kAddress, rcEdit, "%s{I}", false, true, eakIPv4},
        {kState, rcComboBox, "%s", true, true, eakNone},
        {kOper, rcReadOnlyText, "%s", false, false, eakNone},
        {kGateway, rcReadOnlyEdit, "%s{I}", false, false, eakIPv4},
    };
    ASSERT_EQ(7, rows->RowCount());
    EXPECT_EQ(rcEnd, rows->Rows.back().ControlType);
    for (const auto& c : cases) {
        const UISnmpVar& row = rows->Rows[c.Row];
        SCOPED_TRACE(r.Var(c.Row).Caption);
        EXPECT_EQ(c.Type, row.ControlType);
        EXPECT_EQ(c.Format, row.FormatText);
        EXPECT_EQ(r.Var(c.Row).Caption, row.Label->Caption());
        EXPECT_EQ(c.Editable, row.CheckBox->Visible());
        EXPECT_FALSE(row.CheckBox->Checked());
        EXPECT_EQ(rows->ScrollBox, row.Control->Parent());
        if (c.Combo) {
            auto* box = dynamic_cast<TComboBox*>(row.Control);
            ASSERT_NE(nullptr, box);
            EXPECT_EQ(csDropDownList, box->Style());
            EXPECT_EQ((std::vector<std::string>{"enabled", "disabled"}), box->Items().List());
            EXPECT_TRUE(box->Enabled());
            continue;
        }
        auto* edit = dynamic_cast<TEdit*>(row.Control);
        ASSERT_NE(nullptr, edit);
        EXPECT_EQ(!c.Editable, edit->ReadOnly());
        EXPECT_EQ(c.Editable ? clWhite : clBtnFace, edit->Color());
        EXPECT_EQ(c.Row, edit->Tag());
        EditConstraintRecord* constraint = r.Request->Constraints.FindConstraint(edit);
        ASSERT_NE(nullptr, constraint);
        EXPECT_EQ('s', constraint->Format.Conversion);
        EXPECT_EQ(c.AddressKind, constraint->Format.AddressKind);
    }
}

TEST(EditsPanelTest, AListWithoutVariablesGivesAnEmptyPanelOfFortyPixels) {
    static constexpr MibTableRow kNone[] = {{}};
    Rows r(kNone, SVT_SV, 0);
    TEditsPanel* rows = r.Panel();
    EXPECT_EQ(0, rows->RowCount());
    EXPECT_EQ(1u, rows->Rows.size());
    EXPECT_EQ(40, rows->Width());
    EXPECT_EQ(40, rows->Height());
    EXPECT_TRUE(rows->AllRowsFixed());
}

TEST(EditsPanelTest, RowsStandOneBelowTheOtherBesideTheWidestLabel) {
    Rows r(kMixed);
    TEditsPanel* rows = r.Panel();
    rows->Rows[kIndex].Control->SetHeight(18);
    rows->Rows[kAddress].Control->SetHeight(18);
    rows->LayoutRows(2, true);
    int widest = 0;
    for (int i = 0; i < rows->RowCount(); ++i) {
        widest = std::max(widest, rows->Rows[i].Label->Width());
    }
    EXPECT_EQ(18, rows->Rows[kIndex].Control->Height()); // row 0 keeps a low control
    EXPECT_EQ(21, rows->Rows[kAddress].Control->Height());
    EXPECT_EQ(20, rows->Rows[kIndex].Control->Top());
    for (int i = 1; i < rows->RowCount(); ++i) {
        const UISnmpVar& row = rows->Rows[i];
        EXPECT_EQ(rows->Rows[i - 1].Control->Top() + row.Control->Height() + 5, row.Control->Top()) << i;
        EXPECT_EQ(20, row.CheckBox->Left());
        EXPECT_EQ(45, row.Label->Left());
        EXPECT_EQ(45 + widest + 5, row.Control->Left());
        EXPECT_EQ(121, row.Control->Width());
        EXPECT_EQ(row.Control->Top() + (row.Control->Height() - row.Label->Height()) / 2, row.Label->Top());
    }
    const TControl* last = rows->Rows[kGateway].Control;
    EXPECT_EQ(40 + last->Left() + last->Width(), rows->Width());
    EXPECT_EQ(40 + last->Top() + last->Height(), rows->Height());

    // A hidden first row: the first row shown starts below where it would have stood.
    rows->HideRow(kIndex);
    rows->SetEditWidth(200, 2);
    const TControl* first = rows->Rows[kPackets].Control;
    EXPECT_EQ(20 + first->Height() + 5, first->Top());
    EXPECT_EQ(200, first->Width());
    EXPECT_EQ(200, rows->Rows[kIndex].Control->Width()); // hidden rows take the width too
}

TEST(EditsPanelTest, ArrangeCtrlBtnShowsWhatTheRowsCanDo) {
    static constexpr MibTableRow kReadOnly[] = {
        {"1.3.6.1.4.1.746.99.5.3.1", "Uptime", itTimeTicks, acReadOnly},
        {"1.3.6.1.4.1.746.99.5.3.2", "Version", itDisplayString, acReadOnly},
        {},
    };
    static constexpr MibTableRow kOneWritable[] = {
        {"1.3.6.1.4.1.746.99.5.3.1", "Uptime", itTimeTicks, acReadOnly},
        {"1.3.6.1.4.1.746.99.5.3.3", "Name", itDisplayString, acReadWrite},
        {},
    };
    const struct {
        const char* Name;
        const MibTableRow* Table;
        bool Set;
        const char* SetCaption;
        bool Checks; // Check All, Clear Checks and the rows' check boxes
    } cases[] = {
        {"nothing writable", kReadOnly, false, "Set Checked", false},
        {"one writable row", kOneWritable, true, "Set", false},
        {"several writable rows", kMixed, true, "Set Checked", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Rows r(c.Table, c.Table == kMixed ? MVT_UMV : SVT_SV, c.Table == kMixed ? 1 : 0);
        TSNMPEditorPanel* panel = r.EditorPanel();
        TCtrlBtnPanel* b = panel->Buttons;
        for (TControl* hidden :
             std::initializer_list<TControl*>{b->SamplesLabel, b->CountText, b->EditButton, b->AddButton,
                                              b->DeleteButton, b->StopButton}) {
            EXPECT_FALSE(hidden->Visible());
        }
        EXPECT_TRUE(b->RefreshButton->Visible());
        EXPECT_TRUE(b->CloseButton->Visible());
        EXPECT_EQ(c.Set, b->SetButton->Visible());
        EXPECT_EQ(c.SetCaption, b->SetButton->Caption());
        EXPECT_EQ(c.Checks, b->CheckAllButton->Visible());
        EXPECT_EQ(c.Checks, b->ClearChecksButton->Visible());
        int shownChecks = 0;
        for (int i = 0; i < panel->Rows->RowCount(); ++i) {
            shownChecks += panel->Rows->Rows[i].CheckBox->Visible();
        }
        EXPECT_EQ(c.Checks, shownChecks > 0);
    }
    // The single writable row is ticked behind its hidden box, so "Set" writes it.
    Rows r(kOneWritable, SVT_SV, 0);
    TSNMPEditorPanel* panel = r.EditorPanel();
    EXPECT_TRUE(panel->Rows->Rows[1].CheckBox->Checked());
    EXPECT_TRUE(panel->Buttons->SetButton->Enabled());

    Rows none(kMixed);
    auto* rows = new TEditsPanel(none.Form.get(), nullptr);
    auto* buttons = new TCtrlBtnPanel(none.Form.get());
    try {
        rows->ArrangeCtrlBtn(buttons);
        ADD_FAILURE() << "no exception";
    } catch (const std::exception& e) {
        EXPECT_STREQ("TEditsPanel:ArrangeCtrlBtn - EditCtrl is NULL!", e.what());
    }
}

TEST(EditsPanelTest, AHiddenRowLeavesLayoutAndRequestAndKeepsItsCheckTag) {
    Rows r(kMixed);
    TEditsPanel* rows = r.Panel();
    rows->HideRow(kName);
    const UISnmpVar& row = rows->Rows[kName];
    EXPECT_TRUE(r.Var(kName).Access & acHidden);
    EXPECT_FALSE(row.Control->Visible());
    EXPECT_FALSE(row.Label->Visible());
    EXPECT_EQ(kTagHiddenCheck, row.CheckBox->Tag());
    rows->ShowRow(kName);
    EXPECT_FALSE(r.Var(kName).Access & acHidden);
    EXPECT_TRUE(row.Control->Visible() && row.Label->Visible() && row.CheckBox->Visible());
    EXPECT_EQ(kTagHiddenCheck, row.CheckBox->Tag());
}

TEST(EditsPanelTest, RowIsEmptyLooksAtTheTextUnlessTheRowCannotBeEmpty) {
    Rows r(kMixed);
    TEditsPanel* rows = r.Panel();
    auto* name = static_cast<TEdit*>(rows->Rows[kName].Control);
    const struct {
        const char* Name;
        int Row;
        std::function<void()> Setup;
        bool Empty;
    } cases[] = {
        {"empty edit", kName, [] {}, true},
        {"filled edit", kName, [&] { name->SetText("core"); }, false},
        {"Tag 99", kName, [&] { name->SetTag(kTagNeverEmpty); }, false},
        {"combo without a choice", kState, [] {}, true},
        {"combo with a choice", kState, [&] { rows->SetRowText(kState, "disabled"); }, false},
        {"hidden check box", kPackets, [] {}, false},
    };
    for (const auto& c : cases) {
        Rows fresh(kMixed);
        rows = fresh.Panel();
        name = static_cast<TEdit*>(rows->Rows[kName].Control);
        c.Setup();
        EXPECT_EQ(c.Empty, rows->RowIsEmpty(c.Row)) << c.Name;
    }
}

TEST(EditsPanelTest, RowTextsReachControlAndValueText) {
    Rows r(kMixed);
    TEditsPanel* rows = r.Panel();
    rows->SetRowText(kState, "disabled");
    rows->SetRowText(kName, "core");
    EXPECT_EQ("disabled", static_cast<TComboBox*>(rows->Rows[kState].Control)->Text());
    EXPECT_EQ("disabled", r.Var(kState).ValueText);
    EXPECT_EQ("core", static_cast<TEdit*>(rows->Rows[kName].Control)->Text());
    rows->SetRowText(kState, "no such option");
    EXPECT_EQ(-1, static_cast<TComboBox*>(rows->Rows[kState].Control)->ItemIndex());
    rows->ClearRows();
    EXPECT_EQ("", static_cast<TEdit*>(rows->Rows[kName].Control)->Text());
    EXPECT_EQ("", r.Var(kName).ValueText);
}

TEST(EditsPanelTest, ARowIndexBeyondTheRowsIsReportedAndChangesNothing) {
    static constexpr MibTableRow kFive[] = {
        {"1.3.6.1.4.1.746.99.5.4.1", "A", itInteger, acReadWrite},
        {"1.3.6.1.4.1.746.99.5.4.2", "B", itInteger, acReadWrite},
        {"1.3.6.1.4.1.746.99.5.4.3", "C", itInteger, acReadWrite},
        {"1.3.6.1.4.1.746.99.5.4.4", "D", itInteger, acReadWrite},
        {"1.3.6.1.4.1.746.99.5.4.5", "E", itInteger, acReadWrite},
        {},
    };
    Rows r(kFive, SVT_SV, 0);
    TEditsPanel* rows = r.Panel();
    ScriptedDialogs dialogs;
    dialogs.Expect("aIdx is overtop!\n you may define < 5");
    rows->MakeRowReadOnly(5);
    EXPECT_EQ(5, rows->CountActiveChecks());
}

TEST(EditsPanelTest, FormatsAndCheckersRebindEditRowsOnly) {
    Rows r(kMixed);
    TSNMPEditorPanel* panel = r.EditorPanel();
    auto* name = static_cast<TEdit*>(panel->Rows->Rows[kName].Control);
    panel->SetVarFormat(kName, "%i{n1x4094l4}");
    EditConstraintRecord* constraint = r.Request->Constraints.FindConstraint(name);
    ASSERT_NE(nullptr, constraint);
    EXPECT_EQ('i', constraint->Format.Conversion);
    EXPECT_EQ(4094, constraint->Format.Maximum);
    int checks = 0;
    panel->SetVarChecker(kName, "%s{Z}", [&](TControl*) { return ++checks > 0; });
    constraint = r.Request->Constraints.FindConstraint(name);
    ASSERT_NE(nullptr, constraint);
    EXPECT_TRUE(constraint->Format.CheckOnly);
    EXPECT_TRUE(static_cast<bool>(constraint->CheckFunction));

    const struct {
        int Row;
        const char* Message;
    } refusals[] = {{kState, "Can not set Var format to a ComboBox!"}, {kOper, "Unknow UI Control type!"}};
    for (const auto& c : refusals) {
        try {
            panel->SetVarFormat(c.Row, "%s{l8}");
            ADD_FAILURE() << "no exception for row " << c.Row;
        } catch (const std::exception& e) {
            EXPECT_STREQ(c.Message, e.what());
        }
    }
    // The refused rows are left without bindings.
    auto* oper = static_cast<TEdit*>(panel->Rows->Rows[kOper].Control);
    EXPECT_EQ(nullptr, r.Request->Constraints.FindConstraint(oper));
}

TEST(EditsPanelTest, TheNoteShowsInBoldAtItsPlace) {
    Rows r(kMixed);
    TEditsPanel* rows = r.Panel();
    EXPECT_FALSE(rows->NoteLabel->Visible());
    rows->ShowNote("(0 = No Limit)", 255, 7, 300, 45);
    EXPECT_TRUE(rows->NoteLabel->Visible());
    EXPECT_EQ("(0 = No Limit)", rows->NoteLabel->Caption());
    EXPECT_EQ(rows->ScrollBox, rows->NoteLabel->Parent());
    EXPECT_EQ(300, rows->NoteLabel->Left());
    EXPECT_EQ(45, rows->NoteLabel->Top());
    EXPECT_EQ(clRed, rows->NoteLabel->Font()->Color());
    EXPECT_EQ(7, rows->NoteLabel->Font()->Size());
    EXPECT_TRUE(rows->NoteLabel->Font()->Bold());
}

TEST(EditsPanelTest, TickingARowEnablesTheHostsSetButton) {
    Rows r(kMixed);
    r.Form->Show();
    TSNMPEditorPanel* panel = r.EditorPanel();
    TBitBtn* set = panel->Buttons->SetButton;
    EXPECT_FALSE(set->Enabled());
    ClickControl(panel->Rows->Rows[kName].CheckBox);
    EXPECT_TRUE(panel->Rows->Rows[kName].CheckBox->Checked());
    EXPECT_TRUE(set->Enabled());
    ClickControl(panel->Rows->Rows[kName].CheckBox);
    EXPECT_FALSE(set->Enabled());
    ClickControl(panel->Buttons->CheckAllButton);
    EXPECT_EQ(3, panel->Rows->CountCheckedRows()); // Name, Address, State: the rows with a box enabled
    EXPECT_TRUE(set->Enabled());
    ClickControl(panel->Buttons->ClearChecksButton);
    EXPECT_EQ(0, panel->Rows->CountCheckedRows());
    EXPECT_FALSE(set->Enabled());
}

TEST(EditsPanelTest, OnlyEditRowsBecomeBitListRows) {
    Rows r(kBits, SVT_SV, 0);
    TEditsPanel* rows = r.Panel();
    try {
        rows->SetOctetParam(2, 8, 16, 0, "");
        ADD_FAILURE() << "no exception";
    } catch (const std::exception& e) {
        EXPECT_STREQ("You can only assign Octet Item to a Edit!", e.what());
    }
    EXPECT_FALSE(rows->IsBitListRow(2));
    rows->SetOctetParam(0, 30, 512, 0, "");
    EXPECT_TRUE(rows->IsBitListRow(0));
    EXPECT_TRUE(static_cast<TEdit*>(rows->Rows[0].Control)->ReadOnly());
}

TEST(EditsPanelTest, TheBitEditorShowsNumberedBoxesAndWritesTheBitsOnOk) {
    Rows r(kBits, SVT_SV, 0);
    r.Form->Show();
    TEditsPanel* rows = r.Panel();
    rows->SetOctetParam(0, 30, 512, 512, "");
    auto* edit = static_cast<TEdit*>(rows->Rows[0].Control);
    edit->SetText("C0" + std::string(126, '0')); // bits 0 and 1 of 64 octets
    ModalDriver driver;
    driver.Then([&](TForm* form) {
        EXPECT_EQ("VLAN Range", form->Caption());
        auto boxes = Owned<TCheckBox>(form);
        auto labels = Owned<TLabel>(form);
        ASSERT_EQ(512u, boxes.size());
        EXPECT_EQ("513", labels.front()->Caption());
        EXPECT_EQ("1024", labels.back()->Caption());
        // 30 to a line: 18 lines, the last holding 2 bits.
        EXPECT_EQ(boxes[29]->Top(), boxes[0]->Top());
        EXPECT_LT(boxes[29]->Top(), boxes[30]->Top());
        EXPECT_EQ(boxes[510]->Top(), boxes[511]->Top());
        EXPECT_EQ(boxes[0]->Left(), boxes[510]->Left());
        EXPECT_LT(boxes[509]->Top(), boxes[510]->Top());
        EXPECT_TRUE(boxes[0]->Checked() && boxes[1]->Checked() && !boxes[2]->Checked());
        for (const char* caption : {"OK", "Cancel", "Check All", "Clear Checks"}) {
            EXPECT_NE(nullptr, ButtonCaptioned(form, caption)) << caption;
        }
        ClickControl(ButtonCaptioned(form, "Clear Checks"));
        EXPECT_FALSE(boxes[0]->Checked());
        ClickControl(boxes[8]);
        ClickControl(ButtonCaptioned(form, "OK"));
    });
    ClickControl(edit);
    EXPECT_EQ(0, driver.Pending());
    EXPECT_EQ("0080" + std::string(124, '0'), r.Var(0).ValueText);
    EXPECT_EQ(r.Var(0).ValueText, edit->Text());

    driver.Then([&](TForm* form) {
        ClickControl(ButtonCaptioned(form, "Check All"));
        ClickControl(ButtonCaptioned(form, "Cancel"));
    });
    ClickControl(edit);
    EXPECT_EQ("0080" + std::string(124, '0'), r.Var(0).ValueText);
    // The edit is bound again as before: a read fills it.
    r.Var(0).ValueText = "FF";
    r.Request->FillControls(0);
    EXPECT_EQ("FF", edit->Text());
}

TEST(EditsPanelTest, TheBitEditorOfAReadOnlyRowOffersOnlyOk) {
    Rows r(kBits, SVT_SV, 0);
    r.Form->Show();
    TEditsPanel* rows = r.Panel();
    rows->SetOctetParam(1, 7, 56, 0, "");
    r.Var(1).ValueText = "80000000000001";
    r.Request->FillControls(1);
    ModalDriver driver;
    driver.Then([&](TForm* form) {
        auto boxes = Owned<TCheckBox>(form);
        ASSERT_EQ(56u, boxes.size());
        for (TCheckBox* box : boxes) {
            EXPECT_FALSE(box->Enabled());
        }
        EXPECT_TRUE(boxes[0]->Checked());
        EXPECT_TRUE(boxes[55]->Checked());
        EXPECT_EQ(1u, Owned<TButton>(form).size());
        TButton* ok = ButtonCaptioned(form, "OK");
        ASSERT_NE(nullptr, ok);
        // Nothing is cut: the OK button and every box lie inside the client area.
        EXPECT_LE(ok->Top() + ok->Height(), form->ClientHeight());
        EXPECT_LE(boxes[6]->Left() + boxes[6]->Width(), form->ClientWidth());
        ClickControl(ok);
    });
    ClickControl(rows->Rows[1].Control);
    EXPECT_EQ("80000000000001", r.Var(1).ValueText);
}

// A row whose value is edited in parts: the dialog's own panel takes the edit's place and holds
// one control per byte field, bound to the variable's octets; the row keeps its place among the
// rows, its check box and its empty check (the panel's caption), and refuses a constraint.
TEST(EditsPanelTest, ARowOfTheDialogsOwnPanelStandsInTheEditsPlaceAndIsWrittenFromItsParts) {
    static constexpr MibTableRow kParts[] = {
        {"1.3.6.1.4.1.746.99.5.5.1", "Mode", itInteger, acReadWrite, &EnabledDisabledList},
        {"1.3.6.1.4.1.746.99.5.5.2", "Start", itOctetString, acReadWrite},
        {"1.3.6.1.4.1.746.99.5.5.3", "Offset", itInteger, acReadWrite},
        {},
    };
    constexpr int kStart = 1;
    Rows r(kParts, SVT_SV, 0);
    TSNMPEditorPanel* panel = r.EditorPanel();
    TEditsPanel* rows = panel->Rows;
    auto* edit = static_cast<TEdit*>(rows->Rows[kStart].Control);
    TControl* parent = edit->Parent();
    const std::vector<int> place = {edit->Left(), edit->Top(), edit->Width(), edit->Height()};
    const size_t edits = Owned<TEdit>(rows).size();

    TPanel* own = rows->ReplaceRowControl(kStart, r.Form.get());
    EXPECT_EQ(rcOwnControl, rows->Rows[kStart].ControlType);
    EXPECT_EQ(own, rows->Rows[kStart].Control);
    EXPECT_EQ(own->Owner(), r.Form.get());
    EXPECT_EQ(parent, own->Parent());
    EXPECT_EQ(place, (std::vector<int>{own->Left(), own->Top(), own->Width(), own->Height()}));
    EXPECT_EQ(bvNone, own->BevelOuter());
    EXPECT_EQ(edits - 1, Owned<TEdit>(rows).size()); // the edit is gone
    // Two byte fields of the value, each an edit on the panel.
    auto* hour = new TEdit(own);
    hour->SetParent(own);
    auto* minute = new TEdit(own);
    minute->SetParent(own);
    r.Request->BindEditsPart(kStart, 0, itUInt8, nullptr, "%i", {hour});
    r.Request->BindEditsPart(kStart, 1, itUInt8, nullptr, "%i", {minute});
    r.Var(kStart).ValueText = "0A1E";
    r.Request->FillControls(-1);
    EXPECT_EQ("10", hour->Text());
    EXPECT_EQ("30", minute->Text());
    minute->SetText("45");
    r.Request->CollectControls(-1);
    EXPECT_EQ("0A2D", r.Var(kStart).ValueText);

    // Laid out as a row: below the row before, beside the labels, as wide as the edits.
    rows->SetEditWidth(240, 2);
    const TControl* mode = rows->Rows[0].Control;
    EXPECT_EQ(mode->Top() + own->Height() + 5, own->Top());
    EXPECT_EQ(mode->Left(), own->Left());
    EXPECT_EQ(240, own->Width());
    rows->HideRow(kStart);
    rows->LayoutRows(2, false);
    EXPECT_FALSE(own->Visible());
    const TControl* offset = rows->Rows[2].Control;
    EXPECT_EQ(mode->Top() + offset->Height() + 5, offset->Top()); // the row after moves up
    rows->ShowRow(kStart);
    EXPECT_TRUE(own->Visible());

    // Its caption says whether a part is empty: a checked row with an empty one refuses Set Checked.
    rows->MakeRowEditable(kStart);
    rows->Rows[kStart].CheckBox->SetChecked(true);
    EXPECT_TRUE(rows->RowIsEmpty(kStart));
    {
        ScriptedDialogs dialogs;
        dialogs.Expect("Some items are empty!");
        panel->SetClick(nullptr);
    }
    own->SetCaption("-");
    EXPECT_FALSE(rows->RowIsEmpty(kStart));
    try {
        panel->SetVarFormat(kStart, "%s");
        ADD_FAILURE() << "no exception";
    } catch (const std::exception& e) {
        EXPECT_STREQ("Unknow UI Control type!", e.what());
    }
}

} // namespace edits_panel_test
