// What the login, enable and accounting method-list dialogs share: one named list of up to four
// methods per table row (a type and, for the server-group type, a server group), listed, added,
// edited and deleted with no guard, a blocking table request, the dialog re-read and the
// confirmed delete. A method after a terminal one (after which the switch tries nothing else) is
// ineffective: the dialog asks before it writes such a list, and leaves the ineffective methods
// out of the SET when the answer says so. The list named "default" cannot be deleted.
#pragma once

#include "FieldSet.h"
#include "TForm.h"
#include "TListView.h"
#include "TableDialogController.h"

#include <array>

struct MibTableRow;
class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TPanel;
class TSplitter;
class TStaticText;
class TStatusBar;

// One kind of method list: its table and what sets its rules apart.
struct MethodListKind {
    const MibTableRow* Table;
    const char* FormCaption;
    TPosition Position;      // where the dialog opens
    const char* Terminal[2]; // the terminal method types (the second may be null)
    bool Accounting;         // "other" is a method; a run of "none" after a terminal one is no fault
    const char* SameName;    // the refusal of a name already listed
};

class TMethodListForm : public TForm {
public:
    TMethodListForm(TComponent* owner, const MethodListKind& kind);

    TPanel* Panel1;
    TStaticText* StaticText1; // the item count
    TLabel* lbl1;             // "Samples"
    TButton* GetButton;
    TButton* AddButton;
    TButton* EditButton;
    TButton* DeleteButton;
    TButton* btnClose;
    TListView* ListView1;
    TSplitter* Splitter1;
    TPanel* Panel2;
    TLabel* Label1; // "Name"
    TLabel* Label2; // "Method 1 Type" ...
    TLabel* Label3;
    TLabel* Label4;
    TLabel* Label5;
    TLabel* Label6; // "Method 1 Server Group" ...
    TLabel* Label7;
    TLabel* Label8;
    TLabel* Label9;
    TLabel* Label10; // "Row Status", hidden
    TEdit* ListnameEdit;
    TComboBox* ComboBoxType1;
    TComboBox* ComboBoxType2;
    TComboBox* ComboBoxType3;
    TComboBox* ComboBoxType4;
    TEdit* Server1Edit;
    TEdit* Server2Edit;
    TEdit* Server3Edit;
    TEdit* Server4Edit;
    TComboBox* RowComboBox; // the row status, hidden
    TStatusBar* StatusBar1;

    TableDialogController Table; // the method-list table: no guard, blocking
    FieldSet Fields;

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void GetButtonClick(TObject* sender);
    void AddButtonClick(TObject* sender);
    void EditButtonClick(TObject* sender);
    void DeleteButtonClick(TObject* sender);
    void btnCloseClick(TObject* sender);
    void ListView1Click(TObject* sender);
    void ListView1SelectItem(TObject* sender, TListItem* item, bool selected);
    void ListView1Change(TObject* sender, TListItem* item, TItemChange change);
    void ComboBoxType1Change(TObject* sender);
    void ComboBoxType2Change(TObject* sender);
    void ComboBoxType3Change(TObject* sender);
    void ComboBoxType4Change(TObject* sender);

    // The states of Add, Edit and Delete for a chosen row or none (the name follows its rule): run
    // at the end of every read, on selection, and after Refresh, Add, Edit and Delete (which leave
    // none chosen).
    void UpdateButtons(bool rowChosen);

private:
    const MethodListKind& Kind;
    std::array<bool, 4> Kept{}; // the methods a write keeps

    std::array<TComboBox*, 4> Types() const;
    std::array<TEdit*, 4> Servers() const;
    bool Present(int method) const;
    bool Terminal(int method) const;
    void TypeChanged(int method);
    // A row is chosen that may be deleted (any but the list named "default").
    bool DeletableChosen() const;
    // Marks the present methods kept; false when a method that counts follows a terminal one.
    bool CheckMethodOrder();
    // The methods after the first terminal one no longer kept; every method not kept left out of
    // `carry` (its Type and Server Group columns).
    void DropIneffectiveMethods(WriteCarry& carry);
    // Asks whether the configuration should be changed; true for Yes.
    static bool AskIneffective();
};
