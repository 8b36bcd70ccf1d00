// The IP-MAC-binding ACL views: the profiles (masks) and rules that the switch's IP-MAC-port
// binding installs on its own, each table in a list with its row's values in read-only fields
// below it (and, in the rule views, its ports on a "Ports" tab). They only read: no view has a
// write, and every read blocks until the walk has ended or failed.
//
// A member is its declaration (IbpViewDesign: its table, its fields, the Port column of a rule
// view, its designed size and caption); the frame and the flows are this class's. What a view's
// ClearFields empties is its field table's: each field's reset, the combo boxes disabled again, the
// port boxes unticked.
#pragma once

#include "FieldSet.h"
#include "FieldTable.h"
#include "PortPickerSet.h"
#include "TForm.h"
#include "TListView.h"
#include "TPanel.h"
#include "TableDialogController.h"

#include <functional>
#include <span>

class TButton;
class TPageControl;
class TSplitter;
class TStaticText;
class TStatusBar;

// What a view is over its table.
template <class Form> struct IbpViewDesign {
    const MibTableRow* Table = nullptr;
    std::span<const CatalogueColumn> Columns;
    int Keys = 1;
    std::span<const Field<Form>> Fields;
    int PortColumn = -1; // a rule view's Port column, shown on the "Ports" tab; -1: none
    int Width = 0;
    int Height = 0;
    const char* Caption = "";
};

// The places of a view's fields: two columns of a label and its value, a row 26 high.
constexpr FieldPlace IbpViewPlace(int column, int row, int labelWidth, int valueWidth) {
    const int left = 8 + column * (labelWidth + valueWidth + 16);
    const int top = 8 + row * 26;
    return {left, top + 3, left + labelWidth, top, valueWidth};
}
// A read-only edit of a view: enabled while it shows a row, disabled when emptied.
template <class Form>
constexpr Field<Form> IbpViewEdit(int column, const char* caption, TEdit* Form::*edit, const char* constraint,
                                  FieldPlace place) {
    return {.Column = column,
            .Caption = caption,
            .Constraint = constraint,
            .Edit = edit,
            .Place = place,
            .Flags = kFieldReadOnly,
            .EnabledWhen = {.Mode = RowMode::Row, .How = FieldEnabling::EnabledOnly}};
}
// A combo box of a view: it shows the row's option, disabled; no item and disabled after a reset.
template <class Form>
constexpr Field<Form> IbpViewCombo(int column, const char* caption, TComboBox* Form::*combo,
                                   FieldPlace place) {
    return {.Column = column,
            .Caption = caption,
            .Combo = combo,
            .Place = place,
            .Flags = kFieldDisabled,
            .EnabledWhen = {.If = NeverEnabled<Form>, .How = FieldEnabling::EnabledOnly}};
}

class TIBPAclViewForm : public TForm {
public:
    TPanel* Panel1;
    TStaticText* StaticText1;
    TButton* RefreshButton; // the members' BT_Get or btnRefresh
    TButton* btnClose;
    TListView* ListView1;
    TSplitter* Splitter1;
    TPanel* Panel2;
    TPageControl* PageControl1 = nullptr; // the rule views' "Ports" tab
    TStatusBar* StatusBar1;

    TableDialogController Table;
    FieldSet Fields;
    PortPickerSet Pickers; // the rule views' one picker

    void FormCreate(TObject* sender);
    void RefreshButtonClick(TObject* sender);
    void btnCloseClick(TObject* sender);
    void ListView1Click(TObject* sender);
    void ListView1Change(TObject* sender, TListItem* item, TItemChange change);
    void FormClose(TObject* sender, TCloseAction& action);

    // The value fields emptied as the view's field table resets them.
    void ClearFields();
    // Nothing to switch but the fields' own rules: a view has no write.
    void UpdateButtons(bool rowChosen);

protected:
    explicit TIBPAclViewForm(TComponent* owner);

    // The member's frame and fields, and what its creation then binds.
    template <class Form> void BuildView(Form* form, const IbpViewDesign<Form>& design) {
        TPanel* rows = BuildViewFrame(design.Width, design.Height, design.Caption, design.PortColumn >= 0);
        Fields = BuildFields<Form>(form, rows, design.Fields, design.Columns);
        View = {design.Table, design.Keys, design.PortColumn};
        BindView = [form, fields = design.Fields](DialogRequest& request) {
            BindFields<Form>(form, nullptr, request, fields);
        };
    }

private:
    struct ViewTable {
        const MibTableRow* Table = nullptr;
        int Keys = 1;
        int PortColumn = -1;
    } View;
    std::function<void(DialogRequest&)> BindView;
    TPanel* BuildViewFrame(int width, int height, const char* caption, bool ports);
};
