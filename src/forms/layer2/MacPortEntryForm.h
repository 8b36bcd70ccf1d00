// What the static filtering dialogs and the NLB forwarding dialogs share: one table keyed by a MAC
// address (after a VLAN ID where the table has one), listed over a VLAN edit, a MAC edit and the
// hidden status combo box, with one port picker on a tab. Choosing a row fixes the key edits (they
// show its key); a MAC address typed for a write is exactly 12 hexadecimal digits, since a shorter
// text would make an instance without its MAC octets and a longer one a cut address; Set and
// Delete act on a chosen row, Add on none. Each dialog is then its table, its status values, its
// guard and its messages.
#pragma once

#include "FieldSet.h"
#include "FieldTable.h"
#include "PortPickerSet.h"
#include "TForm.h"
#include "TableDialogController.h"

#include <array>

struct MibTableRow;
class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TPageControl;
class TPanel;
class TSplitter;
class TStaticText;
class TStatusBar;

// One dialog's table: its key columns, its port list and status columns, and the key fields' words.
struct MacPortEntryTable {
    const MibTableRow* Table;
    int KeyCount;
    int Vlan; // the VLAN ID key; -1: none (the VLAN edit is there, hidden)
    int Mac;
    int Ports;
    int Status;
    const char* PortsTab;
    const char* MacCaption;
    const char* MacConstraint;
};

class TMacPortEntryForm : public TForm {
public:
    TPanel* Panel1;
    TStaticText* ST_Count;
    TLabel* Label1; // "Samples"
    TSplitter* Splitter1;
    TPanel* Panel2;
    TLabel* VlanLabel;
    TLabel* MacLabel;
    TLabel* StatusLabel; // hidden
    TEdit* ED_UnicastVID;
    TEdit* UnicastAddress;
    TComboBox* UStatus; // the status, hidden
    TStatusBar* StatusBar1;

    TableDialogController Table; // the entries: busy guard (Set, Add, Delete), Refresh skips none
    PortPickerSet Pickers;       // the port list of the entry
    FieldSet Fields;             // the VLAN ID, the MAC address and the hidden status

    // The guard of these dialogs: acting refused with the text while the request is busy; Refresh
    // and Close never refused.
    static constexpr DialogGuard BusyGuard(const char* text) {
        return {text, RefuseWhen::Busy, RefuseWhen::Never, nullptr, RefuseWhen::Never, false};
    }

protected:
    TMacPortEntryForm(TComponent* owner, const MacPortEntryTable& table, const char* busyText,
                      WriteStyle style);

    // The key and status fields on the panel the frame gives.
    void BuildEntryFields(TPanel* rows);
    // The creation handler's work: the picker on its tab of `tabs`, the request (the list, the
    // fields and the picker bound, rows the picker cannot show refused), the first read.
    void CreateEntry(TPageControl* tabs);
    // Whether the key edits hold what a write needs: a VLAN ID where the table has one, and a MAC
    // address of exactly 12 hexadecimal digits.
    bool KeyTyped() const;
    // Refuses a key that KeyTyped does not take: the text, the focus to the edit at fault; true then.
    bool RefuseKey(const char* text);
    // Set and Delete for a chosen row, Add for none (a null button: the dialog has none).
    static void EntryButtons(bool rowChosen, TButton* add, TButton* set, TButton* del);

    const MacPortEntryTable& Entry;

private:
    std::array<Field<TMacPortEntryForm>, 3> EntryFields;
};
