// The guest VLAN of an authentication method as the switch keeps it, in scalars: its name and
// member ports (written together), the name again as the switch last reported it (so that Set
// can tell whether the user changed it), and a delete state whose "start" deletes the guest VLAN.
// Each is a blocking request of its own (time-out 3 s) with the silent busy guard, reporting to
// the dialog's status panel 0. The 802.1X guest VLAN dialog and the MAC-based access control
// dialog hold one each; they differ in the rule by which Set writes the name.
#pragma once

#include "PortPickerSet.h"
#include "TableDialogController.h"

struct MibTableRow;
class TComboBox;
class TEdit;
class TForm;
class TPageControl;

enum class GuestNameRule {
    // Written unless the switch has a name and the edit still shows it.
    WrittenWhenChanged,
    // A name the switch has cannot be changed, only deleted and set anew: Set reads it first and
    // refuses another; with neither a name on the switch nor one typed, nothing is written.
    FixedOnceSet,
};

// A dialog's guest VLAN tables, the name's and the ports' columns of the first, and its rule.
struct GuestVlanDesign {
    const MibTableRow* NameAndPorts;
    const MibTableRow* CurrentName;
    const MibTableRow* DeleteState;
    int NameColumn;
    int PortsColumn;
    GuestNameRule Rule;
};

class GuestVlanPart {
public:
    explicit GuestVlanPart(const GuestVlanDesign& design);
    GuestVlanPart(const GuestVlanPart&) = delete;
    GuestVlanPart& operator=(const GuestVlanPart&) = delete;

    TableDialogController NameAndPorts;
    TableDialogController CurrentName;
    TableDialogController DeleteState;
    PortPickerSet Pickers; // the one picker, on the tab "Guest VLAN Ports"

    // The dialog's name edit, the hidden copy of the switch's name and the hidden delete state.
    TEdit* Name = nullptr;
    TEdit* Current = nullptr;
    TComboBox* DeleteCombo = nullptr;

    // In the creation handler, inside the name-and-ports table's frame (whose status panel the
    // other two share): the picker on its tab, then the three requests, the picker bound. The
    // dialog binds its fields to them afterwards and reads in its own order.
    void Create(TForm* dialog, TPageControl* pages);

    // Set of the name and the ports by the rule. True when the dialog's Refresh is to follow;
    // false when Set ended without one (the request busy, the switch's name unreadable or a
    // change of it refused).
    bool Set();
    // "Delete": the delete state's "start". True when the dialog's Refresh is to follow.
    bool Delete();

private:
    const GuestVlanDesign Design;
};

// The reads of one Refresh, in turn, all reporting to the one status panel: the first that failed
// is shown again once the others have run, so that a later read's "Ok!" does not hide it.
class ReadsInTurn {
public:
    ReadsInTurn() = default;
    ReadsInTurn(const ReadsInTurn&) = delete;
    ReadsInTurn& operator=(const ReadsInTurn&) = delete;
    ~ReadsInTurn();

    // The table's read; false when it failed.
    bool Read(TableDialogController& table);

private:
    TableDialogController* Failed = nullptr;
};
