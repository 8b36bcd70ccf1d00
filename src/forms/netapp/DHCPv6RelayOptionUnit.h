// The DHCPv6 relay's remote-ID option (option 37): whether it is inserted and checked, the kind of
// remote ID and its user-defined text. No list: one blocking scalar request; each value has a
// tick box, and Set writes the ticked values alone, then reads all four again. A busy request
// refuses Refresh and Set silently. The designed size at every DPI.
#pragma once

#include "FieldSet.h"
#include "TBasicFormUnit.h"
#include "TableDialogController.h"

class TButton;
class TCheckBox;
class TComboBox;
class TEdit;
class TPanel;
class TStatusBar;

class TDHCPv6RelayOptionForm : public TBasicForm {
public:
    explicit TDHCPv6RelayOptionForm(TComponent* owner);

    TPanel* Panel1;
    TButton* btnRefresh;
    TButton* btnSet;
    TButton* StopBtn; // "Close"
    TCheckBox* CheckBox1;
    TCheckBox* CheckBox2;
    TCheckBox* CheckBox3;
    TCheckBox* CheckBox4;
    TComboBox* ComboBoxState;
    TComboBox* ComboBoxCheckState;
    TComboBox* ComboBoxRemoteID;
    TEdit* EditContent;
    TStatusBar* StatusBar1;

    // The four scalars; RowCheckBoxes (TBasicForm) their tick boxes by column.
    TableDialogController Table;
    FieldSet Fields;

    void FormCreate(TObject* sender);
    void FormCloseQuery(TObject* sender, bool& canClose);
    void btnRefreshClick(TObject* sender);
    void btnSetClick(TObject* sender);
    void StopBtnClick(TObject* sender);
    void ComboBoxRemoteIDChange(TObject* sender);
    void ChangeSetState(TObject* sender);

    // "Set" on while a box is ticked; the remote-ID text and its box usable only for a type that
    // takes one (the box unticked otherwise). Run at the end of every read and on every change of
    // a box or the type.
    void UpdateButtons(bool rowChosen);
};

// The dialog while its menu command shows it.
extern TDHCPv6RelayOptionForm* DHCPv6RelayOptionForm;
