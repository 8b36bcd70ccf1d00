// The ACL counter dialogs (ingress and egress): one row per ACL rule, keyed by its profile and
// access ID, with the rule's counter state and four 64-bit packet counters. The one change is the
// selected rule's counter state: Set sends it alone and waits, bounded, for the switch's answer
// (Stop ends the wait), then reads the table again. The keys are shown, never typed.
//
// A member is its declaration (CounterDesign: the table, its columns, the designed size and
// caption); the frame, the guard and the flows are this class's. Their menu commands read the
// 64-bit counters with SNMPv2c on an SNMPv1 session (the entries' v2c raise).
#pragma once

#include "FieldSet.h"
#include "FieldTable.h"
#include "TForm.h"
#include "TListView.h"
#include "TableDialogController.h"

#include <array>
#include <span>

class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TPanel;
class TSplitter;
class TStaticText;
class TStatusBar;

class TAclCounterTableForm;

// What a counter dialog is over its table: the catalogue table, the columns of its keys and its
// counter state, its designed size and caption.
struct CounterDesign {
    const MibTableRow* Table = nullptr;
    std::span<const CatalogueColumn> Columns;
    int ProfileColumn = 0;
    int AccessColumn = 1;
    int StateColumn = 2;
    int Width = 0;
    int Height = 0;
    const char* Caption = "";
};

class TAclCounterTableForm : public TForm {
public:
    TAclCounterTableForm(TComponent* owner, const CounterDesign& design);

    TPanel* Panel1;
    TLabel* Label3; // "Samples"
    TStaticText* StaticText1;
    TButton* RefreshButton;
    TButton* SetButton;
    TButton* StopButton;
    TButton* CloseButton;
    TListView* ListView1;
    TSplitter* Splitter1;
    TPanel* Panel2;
    TLabel* Label1; // "Profile ID"
    TLabel* Label2; // "Access ID"
    TLabel* Label5; // "Counter State"
    TEdit* ProfileIDEdit;
    TEdit* AccessIDEdit;
    TComboBox* StateCBX;
    TStatusBar* StatusBar1;

    const CounterDesign Design;
    TableDialogController Table;
    FieldSet Fields;

    void FormCreate(TObject* sender);
    void RefreshButtonClick(TObject* sender);
    void SetButtonClick(TObject* sender);
    void StopButtonClick(TObject* sender);
    void CloseButtonClick(TObject* sender);
    void ListView1Click(TObject* sender);
    void ListView1Change(TObject* sender, TListItem* item, TItemChange change);
    void FormClose(TObject* sender, TCloseAction& action);

    // The input line emptied (the keys and the state), "Set" disabled.
    void ClearFields();
    // "Set" enabled while a rule is chosen; the keys stay disabled whatever is chosen.
    void UpdateButtons(bool rowChosen);

private:
    std::array<Field<TAclCounterTableForm>, 3> FieldTable;
};
