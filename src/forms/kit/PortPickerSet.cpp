#include "PortPickerSet.h"

#include "DialogRequest.h"
#include "StackingPortUitFormUnit.h"
#include "StrictNumbers.h"
#include "TBasicFormUnit.h"
#include "TCheckBox.h"
#include "TListView.h"
#include "TableDialogController.h"

#include <algorithm>
#include <exception>
#include <sstream>
#include <stdexcept>

namespace {

// The highest index of a comma-separated index list; -1 for an empty one.
int HighestIndex(const std::string& indexList) {
    int highest = -1;
    std::stringstream items(indexList);
    for (std::string item; std::getline(items, item, ',');) {
        const std::optional<int> index = StrictStrToInt(item);
        if (!index || *index < 0) {
            throw std::invalid_argument("PortPickerSet: a port index list holds \"" + item + "\"");
        }
        highest = std::max(highest, *index);
    }
    return highest;
}

} // namespace

void PortPickerSet::Embed(TForm* dialog, const PickerHost& host, const std::vector<PortListColumn>& columns,
                          const std::string& indexList) {
    Embed(dialog, host, columns, indexList, 0);
}

void PortPickerSet::Embed(TForm* dialog, const PickerHost& host, const std::vector<PortListColumn>& columns,
                          const std::string& indexList, int firstBox) {
    if (firstBox < 0 || firstBox >= kPortBoxCount) {
        throw std::invalid_argument("PortPickerSet: no port box " + std::to_string(firstBox));
    }
    auto* basic = dynamic_cast<TBasicForm*>(dialog);
    if (host.Panel && (!basic || columns.size() != 1)) {
        throw std::invalid_argument("PortPickerSet: a panel holds the one picker of a TBasicForm");
    }
    Columns = columns;
    IndexList = indexList;
    FirstBox = firstBox;
    Octets = HighestIndex(indexList) / 8 + 1;
    if (host.Panel) {
        basic->EmbedPortSelection(host.Panel, host.UnitColumns);
        if (basic->PortPicker) { // none when it could not be made (the dialog closes)
            Pickers.push_back(basic->PortPicker);
            PanelForm = basic;
        }
        return;
    }
    for (const PortListColumn& column : Columns) {
        TStackingPortUitForm* picker = CreateForm<TStackingPortUitForm>(dialog);
        Pickers.push_back(picker);
        AddUnitPortTab(column.TabCaption, picker, host.Pages);
    }
}

void PortPickerSet::Embed(TForm* dialog, const PickerHost& host, const std::vector<PortListColumn>& columns) {
    Embed(dialog, host, columns, AllPortIndexList());
}

void PortPickerSet::Create(TForm* dialog, TPageControl* pages, const std::vector<PortListColumn>& columns,
                           const std::string& indexList) {
    Embed(dialog, PickerHost::Tabs(pages), columns, indexList);
}

void PortPickerSet::Create(TForm* dialog, TPageControl* pages, const std::vector<PortListColumn>& columns) {
    Embed(dialog, PickerHost::Tabs(pages), columns);
}

void PortPickerSet::Bind(DialogRequest& request) {
    for (size_t k = 0; k < Pickers.size(); ++k) {
        BindPortBoxes(request, Columns[k].Column, Pickers[k], IndexList, FirstBox);
    }
}

void BindPortBoxes(DialogRequest& request, int column, TStackingPortUitForm* picker,
                   const std::string& indexList, int firstBox) {
    const std::vector<TCheckBox*>& all = picker->PortBoxes;
    if (firstBox < 0 || static_cast<size_t>(firstBox) > all.size()) {
        throw std::invalid_argument("BindPortBoxes: no port box " + std::to_string(firstBox));
    }
    request.BindBitCheckBoxList(column, indexList,
                                std::vector<TCheckBox*>(all.begin() + firstBox, all.end()));
    // The collection keeps the octets beyond the boxes that the row read had; the switch is to
    // get exactly the boxes' list.
    const size_t digits = static_cast<size_t>(HighestIndex(indexList) / 8 + 1) * 2;
    request.AfterCollect.push_back([column, digits](VqSNMPVarList& list) {
        SnmpVariable& variable = list.GetVariable(column);
        if (list.IsSettable(column) && variable.ValueText.size() > digits) {
            variable.ValueText.resize(digits);
        }
    });
}

void PortPickerSet::GuardSelection(TableDialogController& table, std::function<void(bool shown)> shown) {
    TListView* list = table.List;
    if (!list) {
        throw std::invalid_argument("PortPickerSet: the selection guard needs the table's list");
    }
    // The request's own hook: the dialog's handler, then the fill of every bound control.
    TLVSelectItemEvent fill = list->OnSelectItem;
    list->OnSelectItem = [this, &table, list, fill, shown](TObject* sender, TListItem* item, bool selected) {
        bool filled = true;
        try {
            if (fill) {
                fill(sender, item, selected);
            }
        } catch (const std::exception& e) {
            // The boxes before the failing one already show the new row: none is to stay ticked.
            filled = false;
            UncheckAll();
            table.ShowText(e.what());
        }
        const bool rowShown = filled && selected && item && list->Selected() == item;
        table.SelectionShown(rowShown);
        if (shown) {
            shown(rowShown);
        } else if (table.State) {
            table.UpdateState();
        }
    };
}

void PortPickerSet::UncheckAll() {
    for (TStackingPortUitForm* picker : Pickers) {
        picker->UncheckAllPorts();
    }
}

void PortPickerSet::EnableAll() {
    for (TStackingPortUitForm* picker : Pickers) {
        picker->EnableAllPorts();
    }
}

void PortPickerSet::DisableAll() {
    for (TStackingPortUitForm* picker : Pickers) {
        picker->DisableAllPorts();
    }
}

void PortPickerSet::Free() {
    std::vector<TStackingPortUitForm*> pickers;
    pickers.swap(Pickers);
    for (TStackingPortUitForm* picker : pickers) {
        if (PanelForm && PanelForm->PortPicker == picker) {
            PanelForm->PortPicker = nullptr;
        }
        delete picker; // its boxes and pages with it
    }
    PanelForm = nullptr;
}

std::string FixedPortIndexList() {
    return AllPortIndexList(true);
}
