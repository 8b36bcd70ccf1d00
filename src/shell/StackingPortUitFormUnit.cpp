#include "StackingPortUitFormUnit.h"

#include "DeviceFacts.h"
#include "StrToInt.h"
#include "TCheckBox.h"
#include "TListView.h"
#include "TPageControl.h"
#include "TScrollBox.h"

#include <algorithm>
#include <stdexcept>

TStackingPortUitForm* StackingPortUitForm = nullptr;

namespace {

// Sub-items of a unit-table row (Part of the main window's unit read).
constexpr int kStartPortColumn = 1;
constexpr int kCurrentModeColumn = 4;
constexpr int kModuleNameColumn = 6;
constexpr int kExistStateColumn = 7;
constexpr int kUnitColumns = 8;

constexpr int kPickerFontSize = 8;
constexpr int kPortTabColumns = 12;

// The unit number 1..last of a Unit ID text; 0 when it is none.
int UnitNumberOf(const std::string& unitId, int last) {
    int unit = 0;
    try {
        unit = StrToInt(unitId);
    } catch (const EConvertError&) {
        return 0;
    }
    return unit >= 1 && unit <= last ? unit : 0;
}

} // namespace

bool IsPresent(const StackUnitRow& row, UnitPresence presence) {
    return presence == UnitPresence::ByExistState ? row.ExistState != "no-exist"
                                                  : row.ModuleName != "NOT_EXIST";
}

bool AnyPresentPortChecked(const TStackingPortUitForm* picker, const StackUnits& units,
                           UnitPresence presence) {
    if (!picker) {
        return false;
    }
    const std::vector<TCheckBox*>& boxes = picker->PortBoxes;
    for (const StackUnitRow& row : units.Rows) {
        const int unit = UnitNumberOf(row.UnitId, kMaxStackUnits);
        if (!unit || !IsPresent(row, presence)) {
            continue;
        }
        const size_t first = static_cast<size_t>(unit - 1) * kPortSlotsPerUnit;
        const size_t end =
            std::min(boxes.size(), first + static_cast<size_t>(PortsPerUnit(row.ModuleName, units.Stacking)));
        for (size_t k = first; k < end; ++k) {
            if (boxes[k]->Checked()) {
                return true;
            }
        }
    }
    return false;
}

std::vector<StackUnitRow> ReadStackUnitRows(TListView* unitList) {
    std::vector<StackUnitRow> rows;
    if (!unitList) {
        return rows;
    }
    TListItems& items = unitList->Items();
    for (int i = 0; i < items.Count(); ++i) {
        const TListItem* item = items[i];
        const TStrings& cells = item->SubItems();
        if (cells.Count() < kUnitColumns) {
            rows.push_back({item->Caption(), "", "", "NOT_EXIST", "no-exist"});
            continue;
        }
        rows.push_back({item->Caption(), cells[kStartPortColumn], cells[kCurrentModeColumn],
                        cells[kModuleNameColumn], cells[kExistStateColumn]});
    }
    return rows;
}

StackUnits CurrentStackUnits() {
    return Facts().Units();
}

int PortsPerUnit(std::string_view modelName) {
    return PortsPerUnit(modelName, Facts().Stacking());
}

std::string AllPortIndexList() {
    return AllPortIndexList(Facts().Stacking());
}

int PortsPerUnit(std::string_view modelName, bool stacking) {
    static constexpr std::string_view k24Port[] = {"ZQS-4410-24DA", "ZQS-4410-24RA", "ZQS-4410-24ZO",
                                                   "ZQS-4410-24ZO-DC"};
    static constexpr std::string_view k48Port[] = {"ZQS-4410-48DA", "ZQS-4410-48RO"};
    if (std::find(std::begin(k24Port), std::end(k24Port), modelName) != std::end(k24Port)) {
        return stacking ? 24 : 26;
    }
    if (std::find(std::begin(k48Port), std::end(k48Port), modelName) != std::end(k48Port)) {
        return stacking ? 48 : 50;
    }
    return 0;
}

std::string AllPortIndexList(bool stacking) {
    const int count = stacking ? kPortBoxCount : kPortSlotsPerUnit;
    std::string text;
    for (int k = 0; k < count; ++k) {
        if (k > 0) {
            text += ',';
        }
        text += std::to_string(k);
    }
    return text;
}

TStackingPortUitForm::TStackingPortUitForm(TComponent* owner) : TForm(owner) {
    SetBorderStyle(bsNone);
    SetClientWidth(543);
    SetClientHeight(252);
    Font()->SetSize(kPickerFontSize);
    UnitPageControl = new TPageControl(this);
    UnitPageControl->SetParent(this);
    UnitPageControl->SetAlign(alClient);
}

void TStackingPortUitForm::AddUnitPage(const std::string& caption, int /*firstPort*/, int count,
                                       int columns) {
    if (columns < 1) {
        throw std::invalid_argument("TStackingPortUitForm::AddUnitPage - columns must be at least 1");
    }
    auto* sheet = new TTabSheet(this);
    UnitPages.push_back(sheet);
    sheet->SetPageControl(UnitPageControl);
    sheet->SetCaption(caption);

    auto* box = new TScrollBox(this);
    box->SetParent(sheet);
    box->SetAlign(alClient);

    for (int i = 0; i < count; ++i) {
        auto* port = new TCheckBox(box);
        port->SetParent(box);
        port->Font()->SetSize(kPickerFontSize);
        const std::string text = std::to_string(i + 1);
        port->SetCaption(text);
        const int fontSize = port->Font()->Size();
        port->SetLeft((i % columns) * fontSize * 5 + 20);
        port->SetWidth(static_cast<int>(text.size()) * fontSize + fontSize * 3);
        port->SetTop((i / columns) * port->Height() + 4);
        port->Hide();
        PortBoxes.push_back(port);
    }
    sheet->SetTabVisible(false);
}

int TStackingPortUitForm::UnitIndex(const std::string& unitId) const {
    return UnitNumberOf(unitId, static_cast<int>(UnitPages.size())) - 1;
}

bool TStackingPortUitForm::ShowUnit(const std::string& unitId, const std::string& moduleName,
                                    int /*startPort*/, int count) {
    const int index = UnitIndex(unitId);
    if (index < 0) {
        return false;
    }
    TTabSheet* page = UnitPages[static_cast<size_t>(index)];
    page->SetCaption(page->Caption() + " " + moduleName);
    // Without stacking the one unit's page is on view without any tab.
    page->SetTabVisible(Stacking);
    if (!Stacking) {
        UnitPageControl->SetActivePage(page);
    }
    const size_t first = static_cast<size_t>(index) * kPortSlotsPerUnit;
    const size_t end = std::min(PortBoxes.size(), first + static_cast<size_t>(std::max(count, 0)));
    for (size_t k = first; k < end; ++k) {
        PortBoxes[k]->Show();
    }
    return true;
}

void TStackingPortUitForm::FillStackPages(const StackUnits& stack, int columns, UnitPresence presence) {
    Stacking = stack.Stacking;
    for (int u = 1; u <= kMaxStackUnits; ++u) {
        AddUnitPage("Unit" + std::to_string(u), (u - 1) * kPortSlotsPerUnit + 1, kPortSlotsPerUnit, columns);
    }
    const size_t rows = std::min(stack.Rows.size(), static_cast<size_t>(stack.Stacking ? kMaxStackUnits : 1));
    TTabSheet* firstShown = nullptr;
    for (size_t i = 0; i < rows; ++i) {
        const StackUnitRow& row = stack.Rows[i];
        const bool shown = stack.Stacking ? IsPresent(row, presence)
                                          : row.ExistState != "no-exist" && row.CurrentMode == "master";
        if (!shown) {
            continue;
        }
        const int startPort = presence == UnitPresence::ByExistState ? StrToInt(row.StartPort) : 0;
        if (ShowUnit(row.UnitId, row.ModuleName, startPort, PortsPerUnit(row.ModuleName, stack.Stacking)) &&
            !firstShown) {
            firstShown = UnitPages[static_cast<size_t>(UnitIndex(row.UnitId))];
        }
    }
    // The page on view must be one that is shown: the tab widget would otherwise keep the first
    // page, whose unit may be absent.
    if (firstShown) {
        UnitPageControl->SetActivePage(firstShown);
    }
}

void TStackingPortUitForm::UncheckAllPorts() {
    for (TCheckBox* box : PortBoxes) {
        box->SetChecked(false);
    }
}

void TStackingPortUitForm::CheckAllPorts() {
    for (TCheckBox* box : PortBoxes) {
        box->SetChecked(true);
    }
}

void TStackingPortUitForm::EnableAllPorts() {
    for (TCheckBox* box : PortBoxes) {
        box->SetEnabled(true);
    }
}

void TStackingPortUitForm::DisableAllPorts() {
    for (TCheckBox* box : PortBoxes) {
        box->SetEnabled(false);
    }
}

int TStackingPortUitForm::CountCheckedPorts() const {
    const size_t counted =
        std::min(PortBoxes.size(), static_cast<size_t>(Stacking ? kPortBoxCount : kPortSlotsPerUnit));
    return static_cast<int>(std::count_if(PortBoxes.begin(),
                                          PortBoxes.begin() + static_cast<std::ptrdiff_t>(counted),
                                          [](const TCheckBox* box) { return box->Checked(); }));
}

void FillUnitPortPage(TStackingPortUitForm* picker, TTabSheet* sheet) {
    FillUnitPortPage(picker, sheet, CurrentStackUnits());
}

void FillUnitPortPage(TStackingPortUitForm* picker, TTabSheet* sheet, const StackUnits& stack) {
    picker->SetParent(sheet);
    picker->SetAlign(alClient);
    picker->Show();
    picker->FillStackPages(stack, kPortTabColumns, UnitPresence::ByExistState);
}

void AddUnitPortTab(const std::string& caption, TStackingPortUitForm* picker, TPageControl* pages) {
    AddUnitPortTab(caption, picker, pages, CurrentStackUnits());
}

void AddUnitPortTab(const std::string& caption, TStackingPortUitForm* picker, TPageControl* pages,
                    const StackUnits& stack) {
    auto* sheet = new TTabSheet(pages);
    sheet->SetPageControl(pages);
    sheet->SetCaption(caption);
    sheet->SetTabVisible(true);
    FillUnitPortPage(picker, sheet, stack);
}
