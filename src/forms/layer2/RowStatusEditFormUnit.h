// The add and edit sub-dialog of a row-status list (RowStatusListForm): the row's keys and values,
// bound to the list's table so that choosing a row there fills them. In add mode every row's box is
// shown (a key's ticked and fixed), the fields emptied and the keys open; Set refuses a key outside
// its range and creates the row with the fields whose boxes are ticked. In edit mode the boxes are
// hidden and the keys fixed; Set writes every writable column as shown, the row status as read.
// Either reads the list again and closes; after a failure (in the list's status line) it stays open
// with what was typed. The designed size at every DPI. Each member is a declaration
// (RowStatusEditDesign); the controls are the union of the members' (each builds only its own).
#pragma once

#include "EditSubDialog.h"

#include <span>

struct RowStatusEditDesign;
class TButton;
class TCheckBox;
class TComboBox;
class TEdit;
class TPanel;

class TRowStatusEditForm : public TEditSubDialog {
public:
    TPanel* Panel1;
    TPanel* Panel2;
    TButton* btnEdit; // "Set"
    TButton* btnClose;
    // The rows' boxes: shown in add mode (a key's ticked and fixed), hidden in edit mode.
    TCheckBox* CheckBox2 = nullptr;
    TCheckBox* CheckBox3 = nullptr;
    TCheckBox* CheckBox4 = nullptr;
    // The ERPS sub-rings' fields.
    TEdit* EditVID = nullptr;
    TEdit* SubRingEdit = nullptr;
    TComboBox* cbxTC = nullptr;
    // The multicast filter profiles' fields.
    TEdit* EditIndex = nullptr;
    TEdit* DescriptionEdit = nullptr;
    TComboBox* cbxRowStatus = nullptr; // hidden

    void btnEditClick(TObject* sender);
    void btnCloseClick(TObject* sender);
    void BindTo(DialogRequest& request) override;

protected:
    TRowStatusEditForm(TComponent* owner, const RowStatusEditDesign& design);
    void ModeDefaults() override;

private:
    const RowStatusEditDesign& Design;
};

// A key the user types in add mode, the new row's instance: a whole number from Min to Max.
struct RowKeyRange {
    TEdit* TRowStatusEditForm::*Edit;
    int Min;
    int Max;
};

// What one member is.
struct RowStatusEditDesign {
    int Width = 0;
    int Height = 0;
    const char* Caption = "";
    std::span<const CatalogueColumn> Columns;
    std::span<const Field<TRowStatusEditForm>> Fields;
    std::span<const RowKeyRange> Keys; // checked in this order
};

// A field's rule: open in add mode only (a key).
bool AddModeOnly(const TRowStatusEditForm& dialog, bool);
