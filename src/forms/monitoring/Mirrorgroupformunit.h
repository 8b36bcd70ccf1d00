// The mirror group dialog: lists the model's mirror groups (1 to 4: state, target port, ingress and
// egress source ports), adds and deletes groups through their row status and changes the selected
// one. Flag guard, dialog re-read, row-status delete, FormClose clean-up. Set writes two SETs: the
// state and target, then both source lists.
#pragma once

#include "FieldSet.h"
#include "PortPickerSet.h"
#include "TForm.h"
#include "TListView.h"
#include "TableDialogController.h"

class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TPageControl;
class TPanel;
class TSplitter;
class TStaticText;
class TStatusBar;

class TMirrorGroupForm : public TForm {
public:
    explicit TMirrorGroupForm(TComponent* owner);

    TPanel* Panel1;
    TStaticText* StaticText1;
    TLabel* Label5; // "Samples"
    TButton* RefreshBtn;
    TButton* btnSet;
    TButton* btnAdd;
    TButton* btnDelete;
    TButton* btnClose;
    TListView* ListView1;
    TSplitter* Splitter1;
    TPanel* Panel2;
    TLabel* Label1; // "Group ID"
    TLabel* Label2; // "Target Port"
    TLabel* Label3; // "Group State"
    TLabel* Label4; // "Status", hidden
    TEdit* ED_GroupID;
    TEdit* TargetEdit;
    TComboBox* groupStateComboBox;
    TComboBox* CBoxStatus; // the row status, hidden
    TPageControl* PageControl1;
    TStatusBar* StatusBar1;

    TableDialogController Table;
    PortPickerSet Pickers; // ingress, egress
    FieldSet Fields;

    void FormCreate(TObject* sender);
    void FormCloseQuery(TObject* sender, bool& canClose);
    void FormClose(TObject* sender, TCloseAction& action);
    void ClearEditControls();
    void RefreshBtnClick(TObject* sender);
    void btnSetClick(TObject* sender);
    void btnAddClick(TObject* sender);
    void btnDeleteClick(TObject* sender);
    void btnCloseClick(TObject* sender);
    void ListView1Click(TObject* sender);
    void ListView1Change(TObject* sender, TListItem* item, TItemChange change);

    // Set and Delete, the target, state and port pickers only for a chosen group; Add without one.
    void UpdateButtons(bool rowChosen);
};

extern TMirrorGroupForm* MirrorGroupForm;
