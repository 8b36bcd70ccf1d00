// The profile editors of the ACL family: one table of profiles (masks) keyed by a profile ID, listed
// above the fields, added and deleted but never changed in place. Unlike the rule editors they have
// no row check boxes and no port picker: a write leaves out every field whose control is disabled,
// every combo box at "none" or "other" and every empty mask; their request is blocking (each read
// and write waits for its end); and their form is scaled twice (x 1.5625 off 96 DPI).
//
// TAclProfileForm holds the shared flows (creation, reset, read, selection, Add with its two
// duplicate checks, the write, Delete, close); a member brings its controls, bound in column order
// to RowControls, its default selections, its dependent-field rules and its checks.
#pragma once

#include "TBasicFormUnit.h"
#include "TListView.h"
#include "TableDialogController.h"

#include <string>
#include <vector>

class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TPanel;
class TStaticText;
class TStatusBar;

struct ProfileEditorOptions {
    const MibTableRow* Table = nullptr;
    int FirstId = 1; // the accepted Profile IDs
    int LastId = 6;
    int RowStatusColumn = -1;
    int NameColumn = -1; // the profile name, unique among the listed profiles
    const char* IdMustBeSet = "";
    const char* NameMustBeSet = "";
    const char* DuplicateIdText = "";
    const char* DuplicateNameText = "";
    std::vector<int> EmptyMaskColumns; // left out of a write when their edit is empty
    int DesignWidth = 0;
    int DesignHeight = 0;
    int ListHeight = 160;
};

class TAclProfileForm : public TBasicForm {
public:
    TAclProfileForm(TComponent* owner, ProfileEditorOptions options);

    TPanel* ButtonPanel;
    TStaticText* txtEntries;
    TLabel* SamplesLabel;
    TButton* BT_Get;
    TButton* BT_Add;
    TButton* BT_Delete;
    TButton* CloseButton;
    TListView* ListView1;
    TPanel* FieldPanel; // the member's group boxes go here
    TStatusBar* StatusBar1;
    TEdit* IdEdit = nullptr; // the Profile ID and Profile Name edits, set by the member
    TEdit* NameEdit = nullptr;
    TComboBox* RowStatusCombo = nullptr;
    std::vector<TControl*> ReadOnlyControls; // made read-only after every reset and selection

    const ProfileEditorOptions Options;
    TableDialogController Table;

    void FormCreate(TObject* sender);
    void BT_GetClick(TObject* sender);
    void BT_AddClick(TObject* sender);
    void BT_DeleteClick(TObject* sender);
    void CloseButtonClick(TObject* sender);
    void ListView1Click(TObject* sender);
    void ListView1Change(TObject* sender, TListItem* item, TItemChange change);
    void FormClose(TObject* sender, TCloseAction& action);

    void ResetForm();
    // The states of Add, Delete, the ID and name edits and the read-only fields with a profile chosen
    // or none: none after every read and write (through ResetForm), chosen on selection.
    void UpdateButtons(bool row);
    void WriteProfile();
    // What a write of the profile carries: the row without its disabled controls, its combo boxes
    // at "none" or "other" and its empty masks.
    WriteCarry RowCarry() const;

protected:
    // Binds the member's columns in order (BindEdit, BindCombo).
    virtual void BindFields(DialogRequest& request) = 0;
    // The selections of a new dialog, before the first read.
    virtual void InitialSelections() = 0;
    // Empties the fields and puts back the member's default selections.
    virtual void ClearFields() = 0;
    // The dependent-field rules after a reset and after a selection.
    virtual void ResetRules() = 0;
    virtual void RowRules() = 0;
    // The member's checks after the ID and the name are given.
    virtual bool ValidateProfile() = 0;

    void BindEdit(DialogRequest& request, int column, const char* constraint, TEdit* edit);
    void BindCombo(DialogRequest& request, int column, TComboBox* combo);

private:
    bool ReadTable();
    void CountRows();
};
