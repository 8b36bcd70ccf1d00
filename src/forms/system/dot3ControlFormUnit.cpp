#include "dot3ControlFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogLayout.h"
#include "Oid_dot3unit.h"
#include "TBasicFormUnit.h"
#include "TCheckBox.h"
#include "TGroupBox.h"
#include "TPanel.h"

#include <array>
#include <string>
#include <vector>

Tdot3ControlForm* dot3ControlForm = nullptr;

namespace {

using T = Tdot3ControlForm;

constexpr auto& kTable = Columns::dot3ControlFunctionSupportedTable;
constexpr int kFunctions = ColumnOf(kTable, "Function Supported");

constexpr const char* const kValueRows[] = {"Recived Unknown Opcodes"};
constexpr const char* kFunctionBits = "0,1,2,3,4,5,6,7";
constexpr std::array<TCheckBox * T::*, 8> kFunctionBoxes = {&T::CheckBox1, &T::CheckBox2, &T::CheckBox3,
                                                            &T::CheckBox4, &T::CheckBox5, &T::CheckBox6,
                                                            &T::CheckBox7, &T::CheckBox8};
// The shown boxes the reset and the end of a read touch: the design's first seven, of which the
// first is shown.
constexpr int kResetBoxes = 7;
constexpr const char* kPauseFunction = "pause";

constexpr Dot3Design kDesign = {.Caption = "dot3 Control Form",
                                .Width = 426,
                                .Height = 444,
                                .Table = dot3ControlFunctionSupportedTable,
                                .Counters = dot3ControlReceivedUnknownOpcodeTable,
                                .ValueRows = kValueRows,
                                .NameWidth = 150,
                                .RowsHeight = 48};

} // namespace

Tdot3ControlForm::Tdot3ControlForm(TComponent* owner) : TDot3Form(owner, kDesign) {
    GroupBox1 = AddGroupBox(this, Panel3, 6, 2, 200, 42, "Function Support");
    for (size_t bit = 0; bit < kFunctionBoxes.size(); ++bit) {
        const std::string caption = bit == 0 ? kPauseFunction : std::to_string(bit);
        TCheckBox* box = AddCheckBox(this, GroupBox1, 12, 17, 55, caption.c_str(), {});
        box->SetVisible(bit == 0);
        this->*kFunctionBoxes[bit] = box;
    }
}

void Tdot3ControlForm::BindTable(DialogRequest& request) {
    std::vector<TCheckBox*> boxes;
    for (TCheckBox* T::*box : kFunctionBoxes) {
        boxes.push_back(this->*box);
    }
    request.BindBitCheckBoxList(kFunctions, kFunctionBits, boxes);
}

void Tdot3ControlForm::ClearOwn() {
    for (int bit = 0; bit < kResetBoxes; ++bit) {
        if (TCheckBox* box = this->*kFunctionBoxes[bit]; box->Visible()) {
            box->SetChecked(false);
        }
    }
}

void Tdot3ControlForm::EnableOwn() {
    for (int bit = 0; bit < kResetBoxes; ++bit) {
        if (TCheckBox* box = this->*kFunctionBoxes[bit]; box->Visible()) {
            SetFieldEnabled(box, true, FieldEnabling::EnabledOnly);
        }
    }
}
