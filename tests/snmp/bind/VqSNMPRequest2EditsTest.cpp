#include "VqSNMPRequest2Edits.h"

#include "CatalogueOptionLists.h"
#include "MessageWait.h"
#include "SimTest.h"
#include "TApplication.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TForm.h"
#include "TLabel.h"
#include "TListView.h"
#include "TRadioGroup.h"
#include "UiTesting.h"
#include "VqException.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace vq_snmp_request2_edits_test {

namespace {

constexpr const char* kTitle = "ZQS-4410-Series";

const OptionSourceRow kEnabledRows[] = {{1, nullptr, "enabled"}, {2, nullptr, "disabled"}, {}};
const VqOptionList kEnabledList(kEnabledRows, olIntegerValues, false);
const OptionSourceRow kMibRows[] = {{0, "1.3.6.1.2.1", "mib-2"}, {0, "1.3.6.1.4.1", "enterprises"}, {}};
const VqOptionList kMibList(kMibRows, olTextPrefixes, false);

// Scalars of every kind the controls show, in the order of the enum below.
constexpr MibTableRow kScalars[] = {
    {"1.3.6.1.4.1.746.99.9.1", "State", itInteger, acReadWrite, &kEnabledList},
    {"1.3.6.1.4.1.746.99.9.2", "Flag", itInteger, acReadWrite, &kEnabledList},
    {"1.3.6.1.4.1.746.99.9.3", "Bool", itBoolean, acReadWrite},
    {"1.3.6.1.4.1.746.99.9.4", "Name", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.99.9.5", "Ports", itBitList, acReadWrite},
    {"1.3.6.1.4.1.746.99.9.6", "Parts", itOctetString, acReadWrite},
    {"1.3.6.1.4.1.746.99.9.7", "Uptime", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.99.9.8", "Mode", itInteger, acReadWrite, &kEnabledList},
    {"1.3.6.1.4.1.746.99.9.9", "Object", itObjectId, acReadWrite},
    {},
};
enum { kState, kFlag, kBool, kName, kPorts, kParts, kUptime, kMode, kObject };

// Controls on a form, bound by a request with no traffic: filling and collecting work on value
// texts alone.
struct Bound {
    Bound() {
        Application->SetTitle(kTitle);
        Form.reset(CreateForm<TForm>(nullptr));
        Form->SetBounds(0, 0, 600, 400);
        Request = std::make_unique<VqSNMPRequest2Edits>(Form.get());
        Request->Request.VarList = VqSNMPVarList(kScalars, SVT_SV, 0);
    }
    ~Bound() {
        Request.reset();
        Form.reset();
    }
    template <class T> T* Add() {
        auto* control = new T(Form.get());
        control->SetParent(Form.get());
        return control;
    }
    SnmpVariable& Var(int column) { return Request->Request.VarList.GetVariable(column); }
    std::string& Text(int column) { return Var(column).ValueText; }

    std::unique_ptr<TForm> Form;
    std::unique_ptr<VqSNMPRequest2Edits> Request;
};

int RaisedCode(const std::function<void()>& f) {
    try {
        f();
    } catch (const VqException& e) {
        return e.Code();
    }
    return 0;
}

// A 64-octet port bitmap (512 ports) as upper-case hex.
std::string PortHex(const std::set<int>& ports, size_t octets = 64) {
    std::string bytes(octets, '\0');
    for (int p : ports) {
        bytes[static_cast<size_t>((p - 1) / 8)] |= static_cast<char>(0x80 >> ((p - 1) % 8));
    }
    static const char* kDigits = "0123456789ABCDEF";
    std::string hex;
    for (unsigned char b : bytes) {
        hex += kDigits[b >> 4];
        hex += kDigits[b & 15];
    }
    return hex;
}

std::string Positions(int from, int to) {
    std::string text;
    for (int n = from; n <= to; ++n) {
        text += (text.empty() ? "" : ",") + std::to_string(n);
    }
    return text;
}

} // namespace

// ---- filling and collecting

TEST(VqSNMPRequest2Edits, EveryKindOfControlFillsFromTheValueAndCollectsItBack) {
    Bound b;
    auto* state = b.Add<TComboBox>();
    auto* flag = b.Add<TCheckBox>();
    auto* boolean = b.Add<TCheckBox>();
    auto* name = b.Add<TEdit>();
    auto* ports = b.Add<TEdit>();
    auto* uptime = b.Add<TLabel>();
    auto* mode = b.Add<TRadioGroup>();
    std::vector<TEdit*> parts;
    b.Request->BindComboBox(kState, state);
    b.Request->BindControl(kFlag, 0, itInteger, nullptr, flag);
    b.Request->BindControl(kBool, 0, itBoolean, nullptr, boolean);
    b.Request->BindEdits(kName, "%s{l32}", name);
    b.Request->BindEdits(kPorts, "%s", ports);
    b.Request->BindLabel(kUptime, uptime);
    b.Request->BindControl(kMode, 0, itInteger, nullptr, mode);
    // An octet string in five fields: a byte at 0, a 16-bit number at 1, bytes at 3, 4 and 5.
    const std::pair<int, int> fields[] = {
        {0, itUInt8}, {1, itUInt16}, {3, itUInt8}, {4, itUInt8}, {5, itUInt8}};
    for (auto [offset, type] : fields) {
        parts.push_back(b.Add<TEdit>());
        b.Request->BindEditsPart(kParts, offset, type, nullptr, "%u", {parts.back()});
    }
    EXPECT_EQ(csDropDownList, state->Style());
    EXPECT_EQ((std::vector<std::string>{"enabled", "disabled"}), state->Items().List());
    EXPECT_EQ((std::vector<std::string>{"enabled", "disabled"}), mode->Items().List());

    b.Text(kState) = "disabled";
    b.Text(kFlag) = "disabled";
    b.Text(kBool) = "true";
    b.Text(kName) = "sw1";
    b.Text(kPorts) = "E800";
    b.Text(kParts) = "01ABCD040506";
    b.Text(kUptime) = "1234";
    b.Text(kMode) = "enabled";
    b.Request->FillControls(-1);
    EXPECT_EQ(1, state->ItemIndex());
    EXPECT_TRUE(flag->Checked()); // row 1 of the list
    EXPECT_TRUE(boolean->Checked());
    EXPECT_EQ("sw1", name->Text());
    EXPECT_EQ("1-3,5", ports->Text());
    EXPECT_EQ("1234", uptime->Caption());
    EXPECT_EQ(0, mode->ItemIndex());
    const char* shownParts[] = {"1", "43981", "4", "5", "6"};
    for (size_t i = 0; i < parts.size(); ++i) {
        EXPECT_EQ(shownParts[i], parts[i]->Text()) << i;
    }

    state->SetItemIndex(0);
    flag->SetChecked(false);
    boolean->SetChecked(false);
    name->SetText("sw2");
    ports->SetText("all");
    uptime->SetCaption("9999");
    mode->SetItemIndex(1);
    const char* typedParts[] = {"7", "258", "8", "9", "10"};
    for (size_t i = 0; i < parts.size(); ++i) {
        parts[i]->SetText(typedParts[i]);
    }
    b.Text(kParts) = "FFFFFFFFFFFFFFFF"; // an octet string is rebuilt from its fields alone
    b.Request->CollectControls(-1);
    EXPECT_EQ("enabled", b.Text(kState));
    EXPECT_EQ("enabled", b.Text(kFlag)); // row 0 when unchecked
    EXPECT_EQ("false", b.Text(kBool));
    EXPECT_EQ("sw2", b.Text(kName));
    EXPECT_EQ("FFFF", b.Text(kPorts));
    EXPECT_EQ("07010208090A", b.Text(kParts));
    EXPECT_EQ("1234", b.Text(kUptime)); // read-only: never read back from its label
    EXPECT_EQ("disabled", b.Text(kMode));
}

TEST(VqSNMPRequest2Edits, InvalidVariablesAreNeitherFilledNorCollectedAndAColumnIsCollectedAlone) {
    Bound b;
    auto* state = b.Add<TComboBox>();
    auto* name = b.Add<TEdit>();
    b.Request->BindComboBox(kState, state);
    b.Request->BindEdits(kName, "%s", name);
    b.Text(kState) = "disabled";
    b.Text(kName) = "sw1";
    b.Var(kState).Access |= acInvalid;
    b.Request->FillControls(-1);
    EXPECT_EQ(-1, state->ItemIndex());
    EXPECT_EQ("sw1", name->Text());

    state->SetItemIndex(0);
    name->SetText("sw2");
    b.Request->CollectControls(-1);
    EXPECT_EQ("disabled", b.Text(kState));
    b.Var(kState).Access &= ~acInvalid;
    b.Text(kName) = "sw1";
    b.Request->CollectControls(kState);
    EXPECT_EQ("enabled", b.Text(kState));
    EXPECT_EQ("sw1", b.Text(kName));
}

TEST(VqSNMPRequest2Edits, APortListEditShowsRangesAndKeepsItsBitmapOnABadList) {
    Bound b;
    auto* ports = b.Add<TEdit>();
    b.Request->BindEdits(kPorts, "%s", ports);
    struct Case {
        const char* Value;
        const char* Shown;
        const char* Typed;
        const char* Collected;
    } const cases[] = {
        {"EB00", "1-3,5,7-8", "1-3,5", "E800"}, {"0000", "0", "all", "FFFF"},
        {"E800", "1-3,5", "5-3", "E800"}, // a range that ends below its start
        {"E800", "1-3,5", "17", "E800"},  // beyond the bitmap
        {"E800", "1-3,5", "", "0000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Typed);
        b.Text(kPorts) = c.Value;
        b.Request->FillControls(kPorts);
        EXPECT_EQ(c.Shown, ports->Text());
        ports->SetText(c.Typed);
        b.Request->CollectControls(kPorts);
        EXPECT_EQ(std::string(c.Collected), b.Text(kPorts));
    }
}

TEST(VqSNMPRequest2Edits, UnselectedComboCollectsTheEmptyTextAndUnselectedRadioGroupKeepsTheValue) {
    Bound b;
    auto* state = b.Add<TComboBox>();
    auto* mode = b.Add<TRadioGroup>();
    b.Request->BindComboBox(kState, state);
    b.Request->BindControl(kMode, 0, itInteger, nullptr, mode);
    b.Text(kState) = "disabled";
    b.Text(kMode) = "disabled";
    b.Request->CollectControls(-1);
    // "" is no option text; as an integer it is 0, which no option names.
    EXPECT_EQ("0", b.Text(kState));
    EXPECT_EQ("disabled", b.Text(kMode));
}

TEST(VqSNMPRequest2Edits, AComboOverPrefixesShowsTheRestInItsSecondControl) {
    Bound b;
    auto* box = b.Add<TComboBox>();
    auto* rest = b.Add<TEdit>();
    b.Request->BindComboBoxPart(kObject, 0, itObjectId, &kMibList, box, rest);
    b.Text(kObject) = "1.3.6.1.2.1.5.1";
    b.Request->FillControls(kObject);
    EXPECT_EQ(0, box->ItemIndex());
    EXPECT_EQ("5.1", rest->Text());
    box->SetItemIndex(1);
    rest->SetText("746.7");
    b.Request->CollectControls(kObject);
    EXPECT_EQ("1.3.6.1.4.1.746.7", b.Text(kObject));
}

TEST(VqSNMPRequest2Edits, BindingAndFillingErrorsCarryTheirCodes) {
    Bound b;
    struct Case {
        const char* Name;
        int Code;
        std::function<void()> Run;
    } const cases[] = {
        {"combo box without option list", -520, [&] { b.Request->BindComboBox(kName, b.Add<TComboBox>()); }},
        {"radio group without option list", -520,
         [&] { b.Request->BindControl(kName, 0, itDisplayString, nullptr, b.Add<TRadioGroup>()); }},
        {"prefix list without second control", -522,
         [&] { b.Request->BindComboBoxPart(kObject, 0, itObjectId, &kMibList, b.Add<TComboBox>()); }},
        {"fewer check boxes than bits", -522,
         [&] { b.Request->BindBitCheckBoxes(kPorts, "0,1", {b.Add<TCheckBox>()}); }},
        {"negative bit position", -519,
         [&] { b.Request->BindBitCheckBoxes(kPorts, "-1", {b.Add<TCheckBox>()}); }},
        {"unknown column", -12, [&] { b.Request->BindLabel(42, b.Add<TLabel>()); }},
        {"two conversions for one edit", -2,
         [&] {
             b.Request->BindEdits(kName, "%s%s", {b.Add<TEdit>(), b.Add<TEdit>()});
         }},
        {"check box on an integer without list", -517,
         [&] {
             b.Request->BindControl(kUptime, 0, itInteger, nullptr, b.Add<TCheckBox>());
             b.Request->FillControls(kUptime);
         }},
        {"a control that shows no value", -521,
         [&] {
             b.Request->BindControl(kUptime, 0, itInteger, nullptr, b.Add<TButton>());
             b.Request->FillControls(kUptime);
         }},
    };
    for (const Case& c : cases) {
        const size_t before = b.Request->Bindings.size();
        EXPECT_EQ(c.Code, RaisedCode(c.Run)) << c.Name;
        if (c.Code != -517 && c.Code != -521) {
            EXPECT_EQ(before, b.Request->Bindings.size()) << c.Name << ": nothing is bound";
        }
        b.Request->UnbindColumn(kUptime);
    }
}

TEST(VqSNMPRequest2Edits, BitCheckBoxesChangeOnlyTheBitsTheyShow) {
    // A picker that shows ports 1-20: ports 22 and 24, in the octet of port 20 but shown by no
    // box, keep what the switch holds, as do the octets after it.
    Bound b;
    std::vector<TCheckBox*> boxes;
    for (int i = 0; i < 20; ++i) {
        boxes.push_back(b.Add<TCheckBox>());
    }
    b.Request->BindBitCheckBoxList(kPorts, Positions(0, 19), boxes);
    b.Text(kPorts) = PortHex({1, 20, 22, 24, 25, 64, 65}, 16);
    b.Request->FillControls(kPorts);
    boxes[0]->SetChecked(false);
    boxes[1]->SetChecked(true);
    b.Request->CollectControls(kPorts);
    EXPECT_EQ(PortHex({2, 20, 22, 24, 25, 64, 65}, 16), b.Text(kPorts));
}

TEST(VqSNMPRequest2Edits, ABitBeyondTheValueFailsTheFillAfterTheBoxesBeforeIt) {
    Bound b;
    std::vector<TCheckBox*> boxes = {b.Add<TCheckBox>(), b.Add<TCheckBox>(), b.Add<TCheckBox>()};
    b.Request->BindBitCheckBoxList(kPorts, "0,7,8", boxes);
    b.Text(kPorts) = "81";
    EXPECT_EQ(-519, RaisedCode([&] { b.Request->FillControls(kPorts); }));
    EXPECT_TRUE(boxes[0]->Checked());
    EXPECT_TRUE(boxes[1]->Checked());
    EXPECT_FALSE(boxes[2]->Checked());
}

TEST(VqSNMPRequest2Edits, BoundControlsKeepTheirOwnHandlersAndGetThemBackWhenUnbound) {
    for (bool unbindFirst : {true, false}) { // the binding that holds the own handler, or the other
        Bound b;
        auto* flag = b.Add<TCheckBox>();
        auto* name = b.Add<TEdit>();
        int clicks = 0;
        flag->OnClick = [&](TObject*) { ++clicks; };
        b.Request->BindControl(kFlag, 0, itInteger, nullptr, flag);
        b.Request->BindControl(kBool, 0, itBoolean, nullptr, flag); // one box for two variables
        b.Request->BindLabel(kFlag, b.Add<TLabel>());
        b.Request->BindEdits(kFlag, "%i", name);
        flag->SetChecked(true);
        EXPECT_EQ(1, clicks) << "the own handler runs once";
        EXPECT_NE(nullptr, b.Request->Constraints.FindConstraint(name));

        b.Request->UnbindColumn(unbindFirst ? kFlag : kBool);
        EXPECT_EQ(!unbindFirst, b.Request->Constraints.FindConstraint(name) != nullptr)
            << "the constraint goes with the binding of its variable";
        flag->SetChecked(false);
        EXPECT_EQ(2, clicks) << "still bound to the other variable, the box keeps its own handler";
        b.Request.reset(); // from now on the handler is the box's own, and runs without the request
        flag->SetChecked(true);
        EXPECT_EQ(3, clicks);
    }
}

// ---- list view

namespace {

constexpr MibTableRow kRowTable[] = {
    {" ", "Key", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.99.8.1.2", "A", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.99.8.1.3", "B", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.99.8.1.4", "C", itInteger, acReadWrite},
    {},
};

struct ListBound : Bound {
    ListBound() {
        Request->Request.VarList = VqSNMPVarList(kRowTable, MVT_UMV, 1);
        List = Add<TListView>();
    }
    // One row of the current value texts.
    void AddRow(const std::vector<std::string>& values) {
        for (size_t v = 0; v < values.size(); ++v) {
            Text(static_cast<int>(v)) = values[v];
        }
        Request->AddListViewRow();
    }
    std::vector<std::string> Cells(int row) {
        TListItem* item = List->Items()[row];
        std::vector<std::string> cells = {item->Caption()};
        for (const std::string& s : item->SubItems().List()) {
            cells.push_back(s);
        }
        return cells;
    }
    std::vector<std::string> Captions() {
        std::vector<std::string> captions;
        for (int c = 0; c < List->Columns().Count(); ++c) {
            // A visible column fits its caption: some width above 0.
            const int width = List->Columns()[c]->Width();
            captions.push_back(List->Columns()[c]->Caption() + (width == 0  ? "/hidden"
                                                                : width > 0 ? "/shown"
                                                                            : "/?"));
        }
        return captions;
    }
    TListView* List;
};

} // namespace

TEST(VqSNMPRequest2Edits, ColumnsFollowTheVariablesWithHiddenOnesFirst) {
    ListBound b;
    b.Request->BindListView(b.List, true);
    b.Request->BindListView(b.List, true);
    EXPECT_EQ((std::vector<std::string>{"Key/shown", "A/shown", "B/shown", "C/shown"}), b.Captions());
    EXPECT_TRUE(b.List->ReadOnly());
    EXPECT_TRUE(b.List->RowSelect());
    EXPECT_TRUE(b.List->GridLines());
    EXPECT_FALSE(b.List->HideSelection());

    // A flag set at run time moves the column to the front, hidden, at the next read (Mode 2: Get
    // prepares and sends nothing).
    b.Var(2).Access |= acHidden;
    b.Request->Mode = 2;
    b.Request->Get();
    EXPECT_EQ((std::vector<std::string>{"B/hidden", "Key/shown", "A/shown", "C/shown"}), b.Captions());
    b.AddRow({"7", "10", "20", "30"});
    EXPECT_EQ((std::vector<std::string>{"20", "7", "10", "30"}), b.Cells(0));
}

TEST(VqSNMPRequest2Edits, ASelectedRowIsReadBackFromTheColumnsItWasWrittenTo) {
    ListBound b;
    b.Request->BindListView(b.List, true);
    b.Var(2).Access |= acHidden;
    b.AddRow({"7", "10", "20", "30"});
    for (int v = 0; v < 4; ++v) {
        b.Text(v) = "";
    }
    b.List->SetSelected(b.List->Items()[0]);
    // Numbered afresh, the visible variables would read the hidden column's cell first.
    EXPECT_EQ("7", b.Text(0));
    EXPECT_EQ("10", b.Text(1));
    EXPECT_EQ("20", b.Text(2));
    EXPECT_EQ("30", b.Text(3));

    // A row the dialog added itself follows the numbering of rows written with no flag changed.
    TListItem* own = b.List->Items().Add();
    own->SetCaption("8");
    own->SubItems().Assign({"11", "21", "31"});
    b.Var(2).Access &= ~acHidden;
    b.List->SetSelected(own);
    EXPECT_EQ((std::vector<std::string>{"8", "11", "21", "31"}),
              (std::vector<std::string>{b.Text(0), b.Text(1), b.Text(2), b.Text(3)}));
}

TEST(VqSNMPRequest2Edits, PrepareSetReadsTheSelectedRowThenTheControls) {
    ListBound b;
    auto* a = b.Add<TEdit>();
    b.Request->BindListView(b.List, true);
    b.Request->BindEdits(1, "%i", a);
    b.Request->Mode = 2; // Set collects and sends nothing
    b.AddRow({"7", "10", "20", "30"});
    b.Request->Set(false, true);
    EXPECT_EQ((std::vector<std::string>{"", "0", "", ""}),
              (std::vector<std::string>{b.Text(0), b.Text(1), b.Text(2), b.Text(3)}))
        << "no row selected: the unbound variables stay empty, the bound one collects its empty edit";

    b.List->SetSelected(b.List->Items()[0]);
    EXPECT_EQ("10", a->Text());
    // The key and the other columns flagged out of the SET: the keys still come from the row.
    for (int v : {2, 3}) {
        b.Var(v).Access |= acInvalid;
    }
    a->SetText("15");
    b.Request->Set(false, true);
    EXPECT_EQ("7", b.Text(0));
    EXPECT_EQ("15", b.Text(1));
}

TEST(VqSNMPRequest2Edits, TheDialogsOwnSelectHandlerRunsBeforeTheControlsAreFilled) {
    ListBound b;
    auto* a = b.Add<TEdit>();
    std::vector<std::string> seen;
    b.List->OnSelectItem = [&](TObject*, TListItem*, bool selected) {
        seen.push_back((selected ? "select " : "deselect ") + a->Text());
    };
    b.Request->BindListView(b.List, true);
    b.Request->BindEdits(1, "%i", a);
    b.AddRow({"1", "10", "20", "30"});
    b.AddRow({"2", "11", "21", "31"});
    b.List->SetSelected(b.List->Items()[0]);
    b.List->SetSelected(b.List->Items()[1]);
    EXPECT_EQ((std::vector<std::string>{"select ", "deselect 10", "select 10"}), seen);
    EXPECT_EQ("11", a->Text());
}

// ---- against the simulated switch

namespace {

constexpr const char* kRowsEntry = "1.3.6.1.4.1.746.99.3.1";
constexpr MibTableRow kPortRows[] = {
    {" ", "Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.99.3.1.2", "Name", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.99.3.1.3", "State", itInteger, acReadWrite, &kEnabledList},
    {"1.3.6.1.4.1.746.99.3.1.4", "Flag", itInteger, acReadWrite, &kEnabledList},
    {"1.3.6.1.4.1.746.99.3.1.5", "Ports", itBitList, acReadWrite},
    {"1.3.6.1.4.1.746.99.3.1.6", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};
enum { kIndex, kRowName, kRowState, kRowFlag, kRowPorts, kRowStatus };

const std::set<int> kRow2Ports = {1, 3, 64, 65, 161, 162, 163, 164, 165, 166, 167, 168};

// The rows table on the switch; each row is its index and the JSON of its five columns.
std::string RowsScenario(const std::vector<std::pair<int, std::string>>& rows) {
    std::string json =
        std::string(R"({"tables": [{"entry": ")") + kRowsEntry + R"(", "columns": [[2, "string", "rw"],
        [3, "int", "rw"], [4, "int", "rw"], [5, "hex", "rw"], [6, "rowstatus"]], "rows": [)";
    for (const auto& [index, columns] : rows) {
        json += (json.back() == '[' ? "" : ",") + std::string("[\"") + std::to_string(index) + "\", " +
                columns + "]";
    }
    return json + "]}]}";
}

std::string PortScenario() {
    return RowsScenario({{1, R"("alpha", 1, 2, ")" + PortHex({2}) + R"(", 1)"},
                         {2, R"("beta", 2, 1, ")" + PortHex(kRow2Ports) + R"(", 1)"},
                         {3, R"("gamma", 1, 1, ")" + PortHex({}) + R"(", 1)"}});
}

class VqSNMPRequest2EditsSim : public SimTest {
protected:
    void SetUp() override {
        SimTest::SetUp();
        CreateGlobalSession(Dir.path().toStdString());
        SessionParameters.Device = {Agent().Address(), static_cast<uint16_t>(Agent().Port())};
        SessionParameters.Security.Version = 1;
        Application->SetTitle(kTitle);
    }
    // The rows table of PortScenario, read in `mode` into a list view.
    TListView* UseRows(Bound& b, int kind = MVT_UMV, uint8_t mode = 1) {
        Agent().LoadScenario(PortScenario());
        b.Request->Request.VarList = VqSNMPVarList(kPortRows, kind, 1);
        b.Request->Mode = mode;
        return b.Add<TListView>();
    }
    static bool GetAndWait(VqSNMPRequest2Controls& request) {
        const bool sent = request.Get();
        EXPECT_TRUE(WaitOnEventQueue([&] { return !request.Busy; }, 10000)) << "the read did not end";
        return sent;
    }
    QTemporaryDir Dir;
};

} // namespace

TEST_F(VqSNMPRequest2EditsSim, TheUnitTableFillsTheListViewWithOptionTextsAndARunTimeHiddenColumn) {
    static constexpr MibTableRow kUnits[] = {
        {" ", "Unit", itInteger, acNotAccess},
        {"1.3.6.1.4.1.746.12.11.1.9.4.1.3", "Start Port", itInteger, acReadOnly},
        {"1.3.6.1.4.1.746.12.11.1.9.4.1.4", "Port Range", itInteger, acReadOnly},
        {"1.3.6.1.4.1.746.12.11.1.9.4.1.7", "Current Mode", itInteger, acReadOnly, &OtherAutoStandAloneList},
        {"1.3.6.1.4.1.746.12.11.1.9.4.1.9", "Module Name", itDisplayString, acReadOnly},
        {"1.3.6.1.4.1.746.12.11.1.9.4.1.15", "Exist State", itInteger, acReadOnly, &ExistNoExistList},
        {},
    };
    Agent().LoadScenario(R"({"model": "48DA", "stack_mode": "enabled",
        "units": [{"model": "48DA"}, {"unit": 3, "model": "24RA"}]})");
    Bound b;
    b.Request->Request.VarList = VqSNMPVarList(kUnits, MVT_UMV, 1);
    auto* list = b.Add<TListView>();
    b.Request->BindListView(list, true);
    b.Request->Request.VarList.GetVariable(2).Access |= acHidden; // set at run time, after binding
    for (int mode : {0, 1}) {
        b.Request->Mode = static_cast<uint8_t>(mode);
        ASSERT_TRUE(GetAndWait(*b.Request));
        ASSERT_EQ(6, list->Items().Count()) << mode;
        ASSERT_EQ(6, list->Columns().Count());
        EXPECT_EQ("Port Range", list->Columns()[0]->Caption());
        EXPECT_EQ(0, list->Columns()[0]->Width());
        EXPECT_EQ("Unit", list->Columns()[1]->Caption());
        EXPECT_GT(list->Columns()[1]->Width(), 0);
        const TListItem* master = list->Items()[0];
        const TListItem* slave = list->Items()[2];
        const TListItem* absent = list->Items()[1];
        EXPECT_EQ("48", master->Caption());
        EXPECT_EQ((std::vector<std::string>{"1", "1", "master", "ZQS-4410-48DA", "exist"}),
                  master->SubItems().List())
            << mode;
        EXPECT_EQ("slave", slave->SubItems()[2]);
        EXPECT_EQ("exist", slave->SubItems()[4]);
        EXPECT_EQ("2", absent->SubItems()[0]);
        EXPECT_EQ("no-exist", absent->SubItems()[4]);
        // By variable, as the request laid the row out: the hidden column first, the rest after it.
        EXPECT_EQ("48", b.Request->CellText(master, 2)) << mode;
        EXPECT_EQ("1", b.Request->CellText(master, 0));
        EXPECT_EQ("master", b.Request->CellText(master, 3));
        EXPECT_EQ("no-exist", b.Request->CellText(absent, 5));
        EXPECT_EQ("", b.Request->CellText(absent, 6)); // no such variable
        EXPECT_EQ("", b.Request->CellText(nullptr, 0));
    }
}

TEST_F(VqSNMPRequest2EditsSim, APortListColumnShowsRangesWithTheBitmapInBrackets) {
    Bound b;
    TListView* list = UseRows(b);
    b.Request->BindListView(list, true);
    ASSERT_TRUE(GetAndWait(*b.Request));
    ASSERT_EQ(3, list->Items().Count());
    EXPECT_EQ("2[" + PortHex({2}) + "]", list->Items()[0]->SubItems()[3]);
    EXPECT_EQ("1,3,64-65,161-168[" + PortHex(kRow2Ports) + "]", list->Items()[1]->SubItems()[3]);
    EXPECT_EQ("0[" + PortHex({}) + "]", list->Items()[2]->SubItems()[3]);
    EXPECT_EQ("active", list->Items()[1]->SubItems()[4]);
    list->SetSelected(list->Items()[1]);
    EXPECT_EQ(PortHex(kRow2Ports), b.Text(kRowPorts));
}

TEST_F(VqSNMPRequest2EditsSim, SelectingARowFillsItsControlsAndSetWritesWhatTheyHold) {
    Bound b;
    TListView* list = UseRows(b, MVT_UMV, 0);
    auto* name = b.Add<TEdit>();
    auto* state = b.Add<TComboBox>();
    auto* flag = b.Add<TCheckBox>();
    std::vector<TCheckBox*> ports; // units 1 and 2
    for (int i = 0; i < 128; ++i) {
        ports.push_back(b.Add<TCheckBox>());
    }
    b.Request->BindListView(list, true);
    b.Request->BindEdits(kRowName, "%s{l32}", name);
    b.Request->BindComboBox(kRowState, state);
    b.Request->BindControl(kRowFlag, 0, itInteger, nullptr, flag);
    b.Request->BindBitCheckBoxList(kRowPorts, Positions(0, 127), ports);
    ASSERT_TRUE(GetAndWait(*b.Request));
    ClickListRow(list, 1);

    EXPECT_EQ("beta", name->Text());
    EXPECT_EQ("disabled", state->Text());
    EXPECT_FALSE(flag->Checked()); // "enabled" is row 0
    for (int port = 1; port <= 128; ++port) {
        EXPECT_EQ(kRow2Ports.count(port) == 1, ports[static_cast<size_t>(port - 1)]->Checked()) << port;
    }

    TypeText(name, "-2");
    ChooseComboItem(state, 0);
    ClickControl(flag);
    ClickControl(ports[0]);                                                 // port 1 off
    ClickControl(ports[1]);                                                 // port 2 on
    ClickControl(ports[64]);                                                // unit 2 port 1 off
    b.Request->Request.VarList.GetVariable(kRowStatus).Access |= acInvalid; // left out, as dialogs do
    EXPECT_TRUE(b.Request->Set(false, true));
    b.Request->Request.VarList.GetVariable(kRowStatus).Access &= ~acInvalid;

    // Units 3 to 8 (ports 129 on) keep what the switch held, though no box shows them.
    const std::string written = PortHex({2, 3, 64, 161, 162, 163, 164, 165, 166, 167, 168});
    const std::string entry = std::string(kRowsEntry) + ".";
    ASSERT_EQ(1u, Agent().SetLog().size());
    EXPECT_EQ("noError", Agent().SetLog()[0].Status);
    EXPECT_EQ((std::vector<SimVarBind>{{entry + "2.2", SimValue::Octets("beta-2")},
                                       {entry + "3.2", SimValue::Int(1)},
                                       {entry + "4.2", SimValue::Int(2)},
                                       {entry + "5.2", {"4x", written}}}),
              Agent().SetLog()[0].VarBinds);
}

TEST_F(VqSNMPRequest2EditsSim, APortListRoundTripsThroughTheCheckBoxes) {
    Bound b;
    TListView* list = UseRows(b, MVT_UMV, 0);
    std::vector<TCheckBox*> boxes;
    for (int i = 0; i < 512; ++i) {
        boxes.push_back(b.Add<TCheckBox>());
    }
    b.Request->BindListView(list, true);
    b.Request->BindBitCheckBoxList(kRowPorts, Positions(0, 511), boxes);
    for (int v : {kRowName, kRowState, kRowFlag, kRowStatus}) {
        b.Request->Request.VarList.GetVariable(v).Access |= acInvalid;
    }
    ASSERT_TRUE(GetAndWait(*b.Request));
    list->SetSelected(list->Items()[1]);
    EXPECT_TRUE(b.Request->Set(false, true));
    list->SetSelected(list->Items()[2]);
    boxes[511]->SetChecked(true);
    EXPECT_TRUE(b.Request->Set(false, true));

    const std::string entry = std::string(kRowsEntry) + ".";
    const std::vector<SimSetPdu> log = Agent().SetLog();
    ASSERT_EQ(2u, log.size());
    EXPECT_EQ((std::vector<SimVarBind>{{entry + "5.2", {"4x", PortHex(kRow2Ports)}}}), log[0].VarBinds);
    EXPECT_EQ((std::vector<SimVarBind>{{entry + "5.3", {"4x", PortHex({512})}}}), log[1].VarBinds);
}

TEST_F(VqSNMPRequest2EditsSim, ControlsOfARowsListStayDisabledUntilARowIsSelected) {
    for (bool enableOnSelect : {true, false}) {
        Bound b;
        TListView* list = UseRows(b, MVT_FMV);
        auto* name = b.Add<TEdit>();
        b.Request->BindListView(list, enableOnSelect);
        b.Request->BindEdits(kRowName, "%s", name);
        ASSERT_TRUE(GetAndWait(*b.Request));
        EXPECT_EQ(!enableOnSelect, name->Enabled());
        name->SetEnabled(false);
        list->SetSelected(list->Items()[0]);
        EXPECT_EQ(enableOnSelect, name->Enabled());
        EXPECT_EQ("alpha", name->Text());
    }
}

namespace {

// Counts the row handlers under way, so that a test sees what runs inside one.
class WatchedRequest : public VqSNMPRequest2Edits {
public:
    using VqSNMPRequest2Edits::VqSNMPRequest2Edits;
    int RowHandlers = 0;

protected:
    void RowReceived() override {
        ++RowHandlers;
        VqSNMPRequest2Edits::RowReceived();
        --RowHandlers;
    }
};

// A dialog as the dedicated dialogs build theirs: a table read asynchronously into a list view, a
// Close button, and a close that stops the request and waits until it is idle.
class TRowsDialog : public TForm {
public:
    explicit TRowsDialog(TComponent* owner) : TForm(owner) {
        SetBounds(0, 0, 500, 300);
        ListView1 = new TListView(this);
        ListView1->SetParent(this);
        ListView1->SetBounds(0, 0, 500, 250);
        CloseButton = new TButton(this);
        CloseButton->SetParent(this);
        CloseButton->SetBounds(10, 260, 75, 25);
        CloseButton->OnClick = [this](TObject*) { Close(); };
        Request = std::make_unique<WatchedRequest>(this);
        Request->Request.VarList = VqSNMPVarList(kPortRows, MVT_UMV, 1);
        Request->BindListView(ListView1, true);
        OnClose = [this](TObject*, TCloseAction&) {
            Events.push_back(Request->RowHandlers ? "close inside a row handler" : "close");
            Request->Request.Active = false;
            Application->WaitUntil([this] { return !Request->Busy; }, 5000);
            Events.push_back(Request->Busy ? "still busy" : "idle");
        };
    }
    TListView* ListView1;
    TButton* CloseButton;
    std::unique_ptr<WatchedRequest> Request;
    std::vector<std::string> Events;
};

} // namespace

TEST_F(VqSNMPRequest2EditsSim, ClosePressedDuringAnAsynchronousWalkClosesAfterTheCurrentReply) {
    std::vector<std::pair<int, std::string>> rows;
    for (int i = 1; i <= 20; ++i) {
        rows.emplace_back(i, R"("r", 1, 1, "00", 1)");
    }
    Agent().LoadScenario(RowsScenario(rows));
    std::unique_ptr<TRowsDialog> dialog(CreateForm<TRowsDialog>(nullptr));
    auto life = dialog->Request->Request.LifeToken();
    // Close is clicked while the first row is being handled; the close it queues comes up among
    // the events that the row's handler lets run.
    dialog->ListView1->OnChange = [&](TObject*, TListItem*, TItemChange change) {
        if (change == ctText && dialog->ListView1->Items().Count() == 1 && dialog->Events.empty()) {
            dialog->Events.push_back("row 1");
            ClickControl(dialog->CloseButton);
        }
    };
    ModalDriver driver;
    driver.Then([&](TForm*) {
        EXPECT_TRUE(dialog->Request->Get());
        EXPECT_TRUE(WaitFor([&] { return dialog->ModalResult() != mrNone; }, 10000));
    });
    EXPECT_EQ(mrCancel, dialog->ShowModal());

    EXPECT_EQ((std::vector<std::string>{"row 1", "close", "idle"}), dialog->Events);
    EXPECT_FALSE(dialog->Request->Busy);
    EXPECT_EQ(0, dialog->Request->Request.Outstanding);
    EXPECT_EQ(1, dialog->ListView1->Items().Count()) << "the walk ends at its next step";
    dialog.reset();
    EXPECT_FALSE(*life);
}

} // namespace vq_snmp_request2_edits_test
