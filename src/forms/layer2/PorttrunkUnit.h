// The port trunks (link aggregation groups) of the switch's model: index 1 to 32, type (static or
// LACP), master port, 2 to 8 member ports and state. A blocking request (3 s), no guard, the
// dialog's re-read after every write. The master port is unit x 64 + port - 64 on a stack; on a
// stand-alone switch it is the port of the unit's own page, and the members and the master's box
// are that page's boxes. Add creates a trunk (createAndGo), Set writes the chosen trunk with the
// State box's state, Delete destroys it. A switch of no listed model has no table: nothing is
// read or written.
#pragma once

#include "FieldSet.h"
#include "PortPickerSet.h"
#include "TForm.h"
#include "TListView.h"
#include "TableDialogController.h"

class TButton;
class TComboBox;
class TEdit;
class TGroupBox;
class TLabel;
class TPageControl;
class TPanel;
class TSplitter;
class TStaticText;
class TStatusBar;

class TPortTrunkForm : public TForm {
public:
    explicit TPortTrunkForm(TComponent* owner);

    TPanel* Panel1;
    TStaticText* StaticText1; // the item count
    TLabel* Label1;           // "Samples"
    TButton* BT_Get;          // "Refresh"
    TButton* SetBtn;          // "Set"
    TButton* BT_Set;          // "Add"
    TButton* BT_Delete;
    TButton* BT_Close;
    TListView* LV_PortTrunk;
    TSplitter* Splitter1;
    TPanel* Panel2;
    TLabel* Label2; // "Index (1-32)"
    TLabel* Label3; // "Trunk Type"
    TLabel* Label4; // "Master Port"
    TLabel* Label5; // "State"
    TEdit* ED_Index;
    TComboBox* Combo_Type;
    TGroupBox* GroupBox1;
    TLabel* Label_Unit; // "Unit :" on a stack, "Box ID :" stand-alone
    TEdit* UnitEdit;
    TLabel* Label_Port; // "Port : "
    TEdit* UnitPortEdit;
    TComboBox* ComboBox1;   // "enable", "disable": the state Set writes
    TEdit* ED_MasterPort;   // hidden: the global master port
    TComboBox* Combo_State; // hidden: the Trunk State
    TEdit* ED_Name;         // hidden, bound to nothing
    TEdit* PortEdit;        // hidden, bound to nothing
    TPageControl* PageControl1;
    TStatusBar* StatusBar1;

    TableDialogController Table; // the trunk table of the switch's model: no guard, blocking
    PortPickerSet Pickers;       // the member ports
    FieldSet Fields;

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void BT_GetClick(TObject* sender);
    void LV_PortTrunkClick(TObject* sender);
    void LV_PortTrunkChange(TObject* sender, TListItem* item, TItemChange change);
    void BT_SetClick(TObject* sender);
    void SetBtnClick(TObject* sender);
    void BT_DeleteClick(TObject* sender);
    void BT_CloseClick(TObject* sender);
    void UnitEditKeyPress(TObject* sender, char& key);

    // The clear routine's own part: the unit field back to the stand-alone unit's ID (or empty on
    // a stack), the port fields emptied.
    void ResetFields();
    // A unit of the stack (1 to 6) and a port of its page (1 to 64); otherwise "set valid master
    // port", the port field focused, false.
    bool CheckMasterPort(int unit, int port);
    // 2 to 8 members among the boxes of the stack (or of the stand-alone unit's page): the ninth
    // in box order is unticked and refused, fewer than two refused.
    bool CheckMemberCount();

    // "Set" and "Delete" for a chosen trunk, "Add" for none (the State box follows its rule).
    void UpdateButtons(bool rowChosen);

private:
    int BoxId = 1;    // the stand-alone unit's ID (the unit list's first row)
    int FirstBox = 0; // the first box of the page the picker binds: (BoxId - 1) x 64 stand-alone
    // The master's unit and port from the two fields; false (with the refusal shown) when the
    // fields are empty or the master is no port of the stack.
    bool ReadMaster(int& master);
    int MasterBox(int master) const;
    void ShowMaster(int master);
};
