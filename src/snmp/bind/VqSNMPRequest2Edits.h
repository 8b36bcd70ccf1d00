// The request that dialogs drive: a variable list bound to one report list view (one row per table
// row, hidden columns of width 0 first) and to labels, static texts, edits, combo boxes, radio
// groups and check boxes (single ones, or one per bit of a bit string or port list), and to parts
// of octet strings. After a read the rows go into the list view, or without one into the bound
// controls; selecting a row copies it into the bound controls; before a write the selected row and
// the controls are collected back into the variables' value texts.
//
// Order of use: construct; assign Request.VarList; BindListView (tables); binders; status target;
// Get. Set(refresh, true) collects the controls through PrepareSet first.
#pragma once

#include "Events.h"
#include "InputValidators.h"
#include "TListView.h"
#include "VqEditConstraint.h"
#include "VqSNMPRequest2Controls.h"

#include <memory>
#include <string>
#include <vector>

class TCheckBox;
class TComboBox;
class TControl;
class TEdit;
class TForm;
class TLabel;
class TStaticText;
class VqOptionList;

// One binder call: a variable (or a part of its octets) and the controls that show it.
struct ControlBinding {
    int Column = 0;                           // the variable's index in the list
    int ByteOffset = 0;                       // of the bound part; 0 for a whole variable
    int ItemType = 0;                         // of the bound part (the variable's own for a whole one)
    const VqOptionList* OptionList = nullptr; // as given to the binder
    std::vector<int> BitIndices;              // bit check boxes: one bit position per control
    std::vector<TControl*> Controls;          // the first decides how the binding is filled and collected
    std::vector<std::weak_ptr<const bool>> ControlsAlive;
    std::vector<TNotifyEvent> SavedHandlers; // per control: the change handler the binding replaced
    int ControlCount() const { return static_cast<int>(Controls.size()); }
};

class VqSNMPRequest2Edits : public VqSNMPRequest2Controls {
public:
    explicit VqSNMPRequest2Edits(TForm* owner);
    // Gives the controls that are still alive their own handlers back.
    ~VqSNMPRequest2Edits() override;

    TLVSelectItemEvent SavedOnSelectItem;
    TListView* ListView = nullptr;
    std::vector<std::unique_ptr<ControlBinding>> Bindings;
    VqEditConstraint Constraints;
    bool EnableOnSelect = true;

    // Binders; each returns the index of the binding it added. A combo box or radio group needs an
    // option list (-520); a combo box over a prefix list (kind 3) needs a second control, an edit
    // for the text after the prefix (-522).
    int BindLabel(int column, TLabel* label);
    int BindStaticText(int column, TStaticText* text);
    int BindComboBox(int column, TComboBox* box, TControl* second = nullptr);
    // Any control that shows a whole variable or a part: label, static text, check box (a boolean,
    // or the first two rows of an option list), combo box, radio group or edit.
    int BindControl(int column, int byteOffset, int itemType, const VqOptionList* optionList,
                    TControl* control, TControl* second = nullptr);
    // The constraint string holds one conversion ("%i{n1x4094l4}") for the one edit.
    int BindEdits(int column, const std::string& constraint, const std::vector<TEdit*>& edits);
    int BindEdits(int column, const std::string& constraint, TEdit* edit) {
        return BindEdits(column, constraint, std::vector<TEdit*>{edit});
    }
    int BindCheckedEdit(int column, const std::string& constraint, TEdit* edit, TCheckFunction check);
    // Bit positions as "0,1,7": position n is bit 0x80 >> (n mod 8) of octet n / 8.
    int BindBitCheckBoxes(int column, const std::string& positions, const std::vector<TCheckBox*>& boxes);
    int BindBitCheckBoxList(int column, const std::string& positions, const std::vector<TCheckBox*>& boxes) {
        return BindBitCheckBoxes(column, positions, boxes);
    }
    int BindComboBoxPart(int column, int byteOffset, int itemType, const VqOptionList* optionList,
                         TComboBox* box, TControl* second = nullptr);
    int BindEditsPart(int column, int byteOffset, int itemType, const VqOptionList* optionList,
                      const std::string& constraint, const std::vector<TEdit*>& edits);

    void BindListView(TListView* listView, bool enableOnSelect);
    // Removes every binding of the variable: constraints off its edits, change handlers back.
    void UnbindColumn(int column);
    void SetConstraintOwner(TForm* window) { Constraints.SetConstraintOwnerWindow(window); }

    // The current value texts as one list-view row.
    void AddListViewRow();
    // The selected row back into the value texts; nothing without a selected row.
    void ReadSelectedRow();
    // The text of the variable's cell in a row of the bound list, as this request laid that row out
    // (a hidden column moves the cells after it); empty where the row has no such cell.
    std::string CellText(const TListItem* item, int variable) const;
    // Value texts into the bound controls, and back; column -1 means every variable.
    void FillControls(int column);
    void CollectControls(int column);
    void EnableBoundControls(bool enabled);

    void ListViewSelectItem(TObject* sender, TListItem* item, bool selected);

protected:
    void BeforeGet() override;
    void RowReceived() override;
    void PrepareSet() override;
    void GetDone() override;

    void BuildColumns();

private:
    int AddBinding(std::unique_ptr<ControlBinding> binding);
    int BindEditsWith(int column, int byteOffset, int itemType, const VqOptionList* optionList,
                      const std::string& constraint, const std::vector<TEdit*>& edits, TCheckFunction check);
    bool IsWholeVariable(int column, int byteOffset, int itemType) const;
    const VqOptionList* EffectiveList(const ControlBinding& binding) const;
    void HookChangeEvent(ControlBinding& binding, int index);
    void RestoreChangeEvent(ControlBinding& binding, int index);
    void ControlChanged(TObject* sender);
    void FillBinding(const ControlBinding& binding);
    // One binding's share of the variable's octets: `current` the value before collecting,
    // `octets` the value being rebuilt.
    void CollectBinding(const ControlBinding& binding, const std::string& current, std::string& octets);
    // The column of each variable in the rows this request adds: -1 for none.
    std::vector<int> CurrentLayout() const;
    // The cell of each variable in a listed row (0 the caption, -1 none).
    std::vector<int> LayoutOf(const TListItem* item) const;

    std::weak_ptr<const bool> ListViewAlive;
    int BuiltColumnCount = 0;         // the columns this request built, 0 before any
    std::vector<int> ColumnsBuiltFor; // the row layout they were built for
    // The layouts of the rows added by AddListViewRow (an item's Data points at its row's).
    std::vector<std::unique_ptr<std::vector<int>>> RowLayouts;
};
