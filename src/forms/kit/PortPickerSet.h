// The port pickers of a dialog's port-list columns: one TStackingPortUitForm per column, each on a
// tab of the dialog's page control, bound to its column through one port index list (box k stands
// for global port index k).
//
// In the creation handler: Create (the pickers and their tabs, in column order), then, once the
// request's variable list is assigned, Bind. A port list written from a picker is rebuilt from
// its boxes alone: 48 octets with the 384-entry list of a stacking switch, 8 with the 64-entry
// one, whatever length the switch returned for the row. Free in the close handler (the owner
// would free the pickers too; freeing them there ends them with the requests).
#pragma once

#include <string>
#include <vector>

class DialogRequest;
class TForm;
class TPageControl;
class TStackingPortUitForm;

struct PortListColumn {
    int Column;             // the variable of the port list
    const char* TabCaption; // its tab in the page control
};

class PortPickerSet {
public:
    // One picker per column, owner the dialog, each filled over the current stack on a tab of the
    // pages; `indexList` is the comma-separated list of the global port indexes of the boxes,
    // AllPortIndexList() unless the dialog uses the fixed list of all 384.
    void Create(TForm* dialog, TPageControl* pages, const std::vector<PortListColumn>& columns,
                const std::string& indexList);
    void Create(TForm* dialog, TPageControl* pages, const std::vector<PortListColumn>& columns);
    // Binds picker k to column k of the request and makes its writes rebuild each list from the
    // boxes alone.
    void Bind(DialogRequest& request);

    void UncheckAll();
    void EnableAll();
    void DisableAll();
    // Frees the pickers with their box and page lists.
    void Free();

    // Octets of a list written from the boxes: the highest index / 8 + 1.
    int ListOctets() const { return Octets; }
    std::vector<TStackingPortUitForm*> Pickers; // in column order
    std::vector<PortListColumn> Columns;

private:
    std::string IndexList;
    int Octets = 0;
};

// Binds one picker's boxes to a port-list column through the index list, and makes the request's
// writes rebuild that list from the boxes alone (the octets of the highest index, whatever length
// the switch returned for the row). Dialogs with one embedded picker bind it with this.
void BindPortBoxes(DialogRequest& request, int column, TStackingPortUitForm* picker,
                   const std::string& indexList);

// The comma-separated list of the indexes 0 to 383, which some dialogs bind whatever the stack
// mode.
std::string FixedPortIndexList();
