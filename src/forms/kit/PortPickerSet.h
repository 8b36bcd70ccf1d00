// The port pickers of a dialog's port-list columns, bound to their columns through one port index
// list (box k stands for global port index k). Where they stand is the one parameter of Embed:
// a tab per column on the dialog's page control (one TStackingPortUitForm each), or one picker
// filling a panel of a TBasicForm, built by its EmbedPortSelection and kept as its PortPicker.
//
// In the creation handler: Embed (the pickers, in column order), then, once the request's variable
// list is assigned, Bind. A port list written from a picker is rebuilt from
// its boxes alone: 48 octets with the 384-entry list of a stacking switch, 8 with the 64-entry
// one, whatever length the switch returned for the row. Free in the close handler (the owner
// would free the pickers too; freeing them there ends them with the requests).
#pragma once

#include <functional>
#include <string>
#include <vector>

class DialogRequest;
class TableDialogController;
class TBasicForm;
class TForm;
class TPageControl;
class TPanel;
class TStackingPortUitForm;

struct PortListColumn {
    int Column;             // the variable of the port list
    const char* TabCaption; // its tab in the page control
};

// Where a set's pickers stand: Tabs, a tab per port-list column on `Pages` (the column's
// TabCaption); InPanel, the one column's picker filling `Panel` with `UnitColumns` columns of unit
// pages (the dialog a TBasicForm).
struct PickerHost {
    TPageControl* Pages = nullptr;
    TPanel* Panel = nullptr;
    int UnitColumns = 0;

    static PickerHost Tabs(TPageControl* pages) { return {pages, nullptr, 0}; }
    static PickerHost InPanel(TPanel* panel, int unitColumns) { return {nullptr, panel, unitColumns}; }
};

class PortPickerSet {
public:
    // The pickers of the columns, owner the dialog, each filled over the current stack where the
    // host says; `indexList` is the comma-separated list of the global port indexes of the boxes,
    // AllPortIndexList() unless the dialog uses the fixed list of all 384. A panel takes one
    // column and a TBasicForm (std::invalid_argument otherwise).
    void Embed(TForm* dialog, const PickerHost& host, const std::vector<PortListColumn>& columns,
               const std::string& indexList);
    void Embed(TForm* dialog, const PickerHost& host, const std::vector<PortListColumn>& columns);
    // The same binding the boxes from `firstBox` on at the list's positions 0 on: one unit's page
    // ((ID - 1) x 64 on) as the list "0,...,63" of a stand-alone unit that is not unit 1.
    void Embed(TForm* dialog, const PickerHost& host, const std::vector<PortListColumn>& columns,
               const std::string& indexList, int firstBox);
    // Embed on tabs (the older spelling).
    void Create(TForm* dialog, TPageControl* pages, const std::vector<PortListColumn>& columns,
                const std::string& indexList);
    void Create(TForm* dialog, TPageControl* pages, const std::vector<PortListColumn>& columns);
    // Binds picker k to column k of the request (from the first box given to Embed) and makes its
    // writes rebuild each list from the boxes alone.
    void Bind(DialogRequest& request);

    // The selection guard, once the table's request has bound its list: a selected row the boxes
    // cannot show (a port list shorter than the index list needs, -519) is reported as its plain
    // text where the table reports, the pickers are unchecked, and the rest of the selection goes
    // on. After every selection event the table learns whether a selected row now shows in the
    // pickers (false for a deselection and for a row that could not be shown: its RowChosen) and
    // runs its state update, or `shown` is told instead.
    void GuardSelection(TableDialogController& table, std::function<void(bool shown)> shown = {});

    void UncheckAll();
    void EnableAll();
    void DisableAll();
    // Frees the pickers with their box and page lists (a panel's picker is no longer the form's
    // PortPicker).
    void Free();

    // Octets of a list written from the boxes: the highest index / 8 + 1.
    int ListOctets() const { return Octets; }
    std::vector<TStackingPortUitForm*> Pickers; // in column order
    std::vector<PortListColumn> Columns;

private:
    TBasicForm* PanelForm = nullptr; // the form whose PortPicker the set embedded, if any
    std::string IndexList;
    int FirstBox = 0;
    int Octets = 0;
};

// Binds one picker's boxes to a port-list column through the index list, and makes the request's
// writes rebuild that list from the boxes alone (the octets of the highest index, whatever length
// the switch returned for the row). Entry k of the list belongs to box firstBox + k (box k by
// default). The set binds each of its pickers with this.
void BindPortBoxes(DialogRequest& request, int column, TStackingPortUitForm* picker,
                   const std::string& indexList, int firstBox = 0);

// The comma-separated list of the indexes 0 to 383, which some dialogs bind whatever the stack
// mode.
std::string FixedPortIndexList();
