// The port picker that dialogs embed to edit a port list: one page per stack unit with 64 numbered
// check boxes, and the stack facts the dialogs compute from the main window's unit table (the
// number of ports of a unit, the list of valid port indexes).
//
// Port index of port p (1..64) of unit u (1..6): (u - 1) x 64 + p - 1. A picker always holds 384
// boxes and box k stands for port index k; dialogs bind a port-list column to PortBoxes with the
// text of AllPortIndexList.
#pragma once

#include "StackUnits.h"
#include "TForm.h"

#include <string>
#include <string_view>
#include <vector>

class TCheckBox;
class TListView;
class TPageControl;
class TTabSheet;

constexpr int kMaxStackUnits = 6;
constexpr int kPortSlotsPerUnit = 64;
constexpr int kPortBoxCount = kMaxStackUnits * kPortSlotsPerUnit;

// The rows of a unit table list view (none for null). A row without all eight sub-items is a unit
// that is not there.
std::vector<StackUnitRow> ReadStackUnitRows(TListView* unitList);
// The stack as the main window read it last (the device facts' StackMode and UnitList).
StackUnits CurrentStackUnits();

// Ports of one unit of a model: 24 for the 24-port models and 48 for the 48-port models when the
// switch stacks, 26 and 50 when it does not; 0 for any other name (exact comparison).
int PortsPerUnit(std::string_view modelName, bool stacking);
int PortsPerUnit(std::string_view modelName); // by the device facts' StackMode

// "0,1,...,383" when the switch stacks, else "0,1,...,63".
std::string AllPortIndexList(bool stacking);
std::string AllPortIndexList(); // by the device facts' StackMode

// Which unit-table rows show a page when the switch stacks. Without stacking it is always row 0
// only, shown when it exists and is the master.
enum class UnitPresence {
    ByExistState, // Exist State is not "no-exist"; the row's Start Port must be a number
    ByModuleName, // Module Name is not "NOT_EXIST"
};
// Whether the row is a present unit as `presence` reads it: the one rule of the picker's pages and
// of the dialogs' port checks.
bool IsPresent(const StackUnitRow& row, UnitPresence presence);

class TStackingPortUitForm;
// Whether a box of a present unit is ticked among that unit's first PortsPerUnit boxes (unit u's
// boxes from (u - 1) x 64 on, u the row's Unit ID), over the rows read (dialogs pass
// CurrentStackUnits()). A unit whose Module Name PortsPerUnit does not know contributes no box, nor
// does a row whose Unit ID is not a unit number. False without a picker.
bool AnyPresentPortChecked(const TStackingPortUitForm* picker, const StackUnits& units,
                           UnitPresence presence);

class TStackingPortUitForm : public TForm {
public:
    explicit TStackingPortUitForm(TComponent* owner);

    TPageControl* UnitPageControl;
    // Every port box, unit 1 boxes 1..64 first; the boxes belong to the picker, which frees them.
    std::vector<TCheckBox*> PortBoxes;
    // The unit pages; entry u - 1 is the page of unit u.
    std::vector<TTabSheet*> UnitPages;
    // Whether the pages were filled for a stacking switch: it decides how ShowUnit shows a page and
    // which boxes CountCheckedPorts counts. The picker keeps the stack as it was when filled, as a
    // later refresh of the main window does not change an open picker.
    bool Stacking = false;

    // Adds a unit page with a hidden tab holding `count` hidden boxes captioned 1..count, laid out in
    // `columns` columns. The first port number is not used.
    void AddUnitPage(const std::string& caption, int firstPort, int count, int columns);
    // Shows the page of unit `unitId` (its caption followed by a blank and the module name) and its
    // first `count` boxes. Without stacking the page shows without a tab. False, with nothing shown,
    // for a unit ID that is not a number from 1 to the number of pages. The start port is not used.
    bool ShowUnit(const std::string& unitId, const std::string& moduleName, int startPort, int count);
    // Adds the six unit pages of 64 boxes in `columns` columns and shows the units of the stack that
    // `presence` picks. The rows read are the stack's own: a unit table with fewer than six rows
    // simply has fewer units. A Start Port that must be a number and is not raises EConvertError.
    void FillStackPages(const StackUnits& stack, int columns, UnitPresence presence);

    void UncheckAllPorts();
    void CheckAllPorts(); // hidden boxes included
    void EnableAllPorts();
    void DisableAllPorts();
    // Checked boxes among all 384 when stacking, else among the 64 of unit 1.
    int CountCheckedPorts() const;

private:
    // The position in UnitPages of a unit ID text; -1 when it is not a number from 1 to the number of
    // pages.
    int UnitIndex(const std::string& unitId) const;
};

// Declared for the dialogs that name it; no one assigns it: each dialog keeps its own picker.
extern TStackingPortUitForm* StackingPortUitForm;

// Adds a visible tab sheet with the caption to the page control and fills it with the picker, over
// the current stack or a given one.
void AddUnitPortTab(const std::string& caption, TStackingPortUitForm* picker, TPageControl* pages);
void AddUnitPortTab(const std::string& caption, TStackingPortUitForm* picker, TPageControl* pages,
                    const StackUnits& stack);
// Embeds the picker in the sheet, adds its six pages in 12 columns and shows the present units.
void FillUnitPortPage(TStackingPortUitForm* picker, TTabSheet* sheet);
void FillUnitPortPage(TStackingPortUitForm* picker, TTabSheet* sheet, const StackUnits& stack);
