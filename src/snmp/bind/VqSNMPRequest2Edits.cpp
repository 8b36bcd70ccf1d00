#include "VqSNMPRequest2Edits.h"

#include "OctetParts.h"
#include "OptionListControls.h"
#include "PortLists.h"
#include "TApplication.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TForm.h"
#include "TLabel.h"
#include "TRadioGroup.h"
#include "TStaticText.h"
#include "VqException.h"
#include "VqNumList.h"
#include "VqOptionList.h"

#include <algorithm>

namespace {

enum : int {
    kBadFormat = -2,
    kBadPartSyntax = -517,
    kBitOutOfRange = -519,
    kNoOptionList = -520,
    kBadControlType = -521,
    kTooFewControls = -522,
};

// The longest octet form a bit position may reach: an octet string holds at most 65535 octets.
constexpr int kMaxBitPosition = 65535 * 8 - 1;

bool IsBooleanPart(int itemType) {
    return itemType == itBoolean || itemType == itBool8 || itemType == itBool16;
}

// Octets grown with zero octets to at least `size`.
void GrowTo(std::string& octets, size_t size) {
    if (octets.size() < size) {
        octets.resize(size, '\0');
    }
}

} // namespace

VqSNMPRequest2Edits::VqSNMPRequest2Edits(TForm* owner)
    : VqSNMPRequest2Controls(owner), Constraints(owner, true) {}

VqSNMPRequest2Edits::~VqSNMPRequest2Edits() {
    // The hooks call into this request: controls that outlive it get their own handlers back.
    while (!Bindings.empty()) {
        std::unique_ptr<ControlBinding> binding = std::move(Bindings.back());
        Bindings.pop_back();
        for (int i = 0; i < binding->ControlCount(); ++i) {
            RestoreChangeEvent(*binding, i);
        }
    }
    if (ListView && IsAlive(ListViewAlive)) {
        ListView->OnSelectItem = SavedOnSelectItem;
    }
}

bool VqSNMPRequest2Edits::IsWholeVariable(int column, int byteOffset, int itemType) const {
    return byteOffset == 0 && itemType == Request.VarList.GetVariable(column).ItemType;
}

const VqOptionList* VqSNMPRequest2Edits::EffectiveList(const ControlBinding& binding) const {
    if (binding.OptionList || !IsWholeVariable(binding.Column, binding.ByteOffset, binding.ItemType)) {
        return binding.OptionList;
    }
    return Request.VarList.GetVariable(binding.Column).OptionList;
}

// ---- binders

int VqSNMPRequest2Edits::AddBinding(std::unique_ptr<ControlBinding> binding) {
    for (TControl* control : binding->Controls) {
        binding->ControlsAlive.push_back(control->AliveToken());
    }
    binding->SavedHandlers.resize(binding->Controls.size());
    for (int i = 0; i < binding->ControlCount(); ++i) {
        HookChangeEvent(*binding, i);
    }
    Bindings.push_back(std::move(binding));
    return static_cast<int>(Bindings.size()) - 1;
}

int VqSNMPRequest2Edits::BindLabel(int column, TLabel* label) {
    return BindControl(column, 0, Request.VarList.GetVariable(column).ItemType, nullptr, label);
}

int VqSNMPRequest2Edits::BindStaticText(int column, TStaticText* text) {
    return BindControl(column, 0, Request.VarList.GetVariable(column).ItemType, nullptr, text);
}

int VqSNMPRequest2Edits::BindComboBox(int column, TComboBox* box, TControl* second) {
    return BindComboBoxPart(column, 0, Request.VarList.GetVariable(column).ItemType, nullptr, box, second);
}

int VqSNMPRequest2Edits::BindComboBoxPart(int column, int byteOffset, int itemType,
                                          const VqOptionList* optionList, TComboBox* box, TControl* second) {
    Request.VarList.GetVariable(column); // an unknown column binds nothing (-12)
    box->SetStyle(csDropDownList);
    return BindControl(column, byteOffset, itemType, optionList, box, second);
}

int VqSNMPRequest2Edits::BindControl(int column, int byteOffset, int itemType, const VqOptionList* optionList,
                                     TControl* control, TControl* second) {
    const SnmpVariable& variable = Request.VarList.GetVariable(column);
    if (!control) {
        RaiseVqError(kTooFewControls);
    }
    if (byteOffset < 0) {
        RaiseVqError(kBitOutOfRange);
    }
    const VqOptionList* fillList =
        optionList ? optionList
                   : (IsWholeVariable(column, byteOffset, itemType) ? variable.OptionList : nullptr);
    auto* box = dynamic_cast<TComboBox*>(control);
    auto* group = dynamic_cast<TRadioGroup*>(control);
    if ((box || group) && !fillList) {
        RaiseVqError(kNoOptionList);
    }
    if (box) {
        FillComboBox(*fillList, box);
        if (fillList->Kind == olTextPrefixes && !second) {
            RaiseVqError(kTooFewControls);
        }
    } else if (group) {
        FillRadioGroup(*fillList, group);
    }
    auto binding = std::make_unique<ControlBinding>();
    binding->Column = column;
    binding->ByteOffset = byteOffset;
    binding->ItemType = itemType;
    binding->OptionList = optionList;
    binding->Controls.push_back(control);
    if (second) {
        binding->Controls.push_back(second);
    }
    return AddBinding(std::move(binding));
}

int VqSNMPRequest2Edits::BindEditsWith(int column, int byteOffset, int itemType,
                                       const VqOptionList* optionList, const std::string& constraint,
                                       const std::vector<TEdit*>& edits, TCheckFunction check) {
    Request.VarList.GetVariable(column);
    if (byteOffset < 0) {
        RaiseVqError(kBitOutOfRange);
    }
    // Every "%" followed by a type letter takes the next edit.
    size_t conversions = 0;
    for (size_t i = 0; i + 1 < constraint.size(); ++i) {
        if (constraint[i] == '%' &&
            std::string_view("shiufn").find(constraint[i + 1]) != std::string_view::npos) {
            ++conversions;
        }
    }
    // One edit shows one whole value: a string of several conversions (one edit per field of the
    // value) has no layout for filling and collecting, so it is refused rather than half-bound.
    if (conversions != 1) {
        RaiseVqError(kBadFormat);
    }
    if (edits.empty() || !edits[0]) {
        RaiseVqError(kTooFewControls);
    }
    std::vector<TEdit*> taken(edits.begin(), edits.begin() + 1);
    Constraints.AttachCheckedConstraints(constraint, taken, std::move(check));
    auto binding = std::make_unique<ControlBinding>();
    binding->Column = column;
    binding->ByteOffset = byteOffset;
    binding->ItemType = itemType;
    binding->OptionList = optionList;
    binding->Controls.assign(taken.begin(), taken.end());
    return AddBinding(std::move(binding));
}

int VqSNMPRequest2Edits::BindEdits(int column, const std::string& constraint,
                                   const std::vector<TEdit*>& edits) {
    return BindEditsWith(column, 0, Request.VarList.GetVariable(column).ItemType, nullptr, constraint, edits,
                         nullptr);
}

int VqSNMPRequest2Edits::BindCheckedEdit(int column, const std::string& constraint, TEdit* edit,
                                         TCheckFunction check) {
    return BindEditsWith(column, 0, Request.VarList.GetVariable(column).ItemType, nullptr, constraint, {edit},
                         std::move(check));
}

int VqSNMPRequest2Edits::BindEditsPart(int column, int byteOffset, int itemType,
                                       const VqOptionList* optionList, const std::string& constraint,
                                       const std::vector<TEdit*>& edits) {
    return BindEditsWith(column, byteOffset, itemType, optionList, constraint, edits, nullptr);
}

int VqSNMPRequest2Edits::BindBitCheckBoxes(int column, const std::string& positions,
                                           const std::vector<TCheckBox*>& boxes) {
    const SnmpVariable& variable = Request.VarList.GetVariable(column);
    VqNumList<int> numbers;
    numbers.Delimiter = ',';
    numbers.Parse(positions);
    if (static_cast<int>(boxes.size()) < numbers.Count()) {
        RaiseVqError(kTooFewControls);
    }
    auto binding = std::make_unique<ControlBinding>();
    binding->Column = column;
    binding->ItemType = variable.ItemType;
    for (int i = 0; i < numbers.Count(); ++i) {
        const int position = numbers.Get(i);
        // A position outside any value would make collecting grow the value without bound.
        if (position < 0 || position > kMaxBitPosition) {
            RaiseVqError(kBitOutOfRange);
        }
        if (!boxes[static_cast<size_t>(i)]) {
            RaiseVqError(kTooFewControls);
        }
        binding->BitIndices.push_back(position);
        binding->Controls.push_back(boxes[static_cast<size_t>(i)]);
    }
    if (binding->Controls.empty()) {
        RaiseVqError(kTooFewControls);
    }
    return AddBinding(std::move(binding));
}

void VqSNMPRequest2Edits::UnbindColumn(int column) {
    for (size_t b = 0; b < Bindings.size();) {
        ControlBinding& binding = *Bindings[b];
        if (binding.Column != column) {
            ++b;
            continue;
        }
        for (int i = 0; i < binding.ControlCount(); ++i) {
            if (auto* edit = dynamic_cast<TEdit*>(binding.Controls[static_cast<size_t>(i)]);
                edit && IsAlive(binding.ControlsAlive[static_cast<size_t>(i)])) {
                Constraints.DetachConstraint(edit);
            }
            RestoreChangeEvent(binding, i);
        }
        Bindings.erase(Bindings.begin() + static_cast<std::ptrdiff_t>(b));
    }
}

// ---- change events

void VqSNMPRequest2Edits::HookChangeEvent(ControlBinding& binding, int index) {
    TControl* control = binding.Controls[static_cast<size_t>(index)];
    // A control bound twice keeps its own handler in its first binding only: the second would
    // save this request's hook and call itself.
    for (const auto& other : Bindings) {
        if (std::find(other->Controls.begin(), other->Controls.end(), control) != other->Controls.end()) {
            return;
        }
    }
    std::weak_ptr<const bool> alive = Request.LifeToken();
    TNotifyEvent hook = [this, alive](TObject* sender) {
        if (!alive.expired()) {
            ControlChanged(sender);
        }
    };
    TNotifyEvent& saved = binding.SavedHandlers[static_cast<size_t>(index)];
    if (auto* box = dynamic_cast<TComboBox*>(control)) {
        saved = std::exchange(box->OnChange, hook);
    } else if (auto* group = dynamic_cast<TRadioGroup*>(control)) {
        saved = std::exchange(group->OnClick, hook);
    } else if (auto* check = dynamic_cast<TCheckBox*>(control)) {
        saved = std::exchange(check->OnClick, hook);
    }
}

void VqSNMPRequest2Edits::RestoreChangeEvent(ControlBinding& binding, int index) {
    const size_t i = static_cast<size_t>(index);
    TControl* control = binding.Controls[i];
    if (!IsAlive(binding.ControlsAlive[i])) {
        return;
    }
    // Still bound elsewhere: the other binding keeps the hook and takes over the own handler.
    for (auto& other : Bindings) {
        if (other.get() == &binding) {
            continue;
        }
        auto at = std::find(other->Controls.begin(), other->Controls.end(), control);
        if (at != other->Controls.end()) {
            TNotifyEvent& kept = other->SavedHandlers[static_cast<size_t>(at - other->Controls.begin())];
            if (!kept) {
                kept = std::move(binding.SavedHandlers[i]);
            }
            return;
        }
    }
    TNotifyEvent saved = std::move(binding.SavedHandlers[i]);
    if (auto* box = dynamic_cast<TComboBox*>(control)) {
        box->OnChange = std::move(saved);
    } else if (auto* group = dynamic_cast<TRadioGroup*>(control)) {
        group->OnClick = std::move(saved);
    } else if (auto* check = dynamic_cast<TCheckBox*>(control)) {
        check->OnClick = std::move(saved);
    }
}

void VqSNMPRequest2Edits::ControlChanged(TObject* sender) {
    std::vector<TNotifyEvent> handlers;
    for (const auto& binding : Bindings) {
        for (size_t i = 0; i < binding->Controls.size(); ++i) {
            if (binding->Controls[i] == sender && binding->SavedHandlers[i]) {
                handlers.push_back(binding->SavedHandlers[i]);
            }
        }
    }
    // Copies: a handler may unbind the very control that raised the event.
    for (const TNotifyEvent& handler : handlers) {
        handler(sender);
    }
}

// ---- list view

void VqSNMPRequest2Edits::BindListView(TListView* listView, bool enableOnSelect) {
    listView->SetReadOnly(true);
    listView->SetRowSelect(true);
    listView->SetHideSelection(false);
    listView->SetGridLines(true);
    listView->SetViewStyle(vsReport);
    if (listView != ListView || !IsAlive(ListViewAlive)) {
        if (ListView && IsAlive(ListViewAlive)) {
            ListView->OnSelectItem = SavedOnSelectItem;
        }
        SavedOnSelectItem = listView->OnSelectItem;
        std::weak_ptr<const bool> alive = Request.LifeToken();
        listView->OnSelectItem = [this, alive](TObject* sender, TListItem* item, bool selected) {
            if (!alive.expired()) {
                ListViewSelectItem(sender, item, selected);
            }
        };
        ListView = listView;
        ListViewAlive = listView->AliveToken();
    }
    EnableOnSelect = enableOnSelect;
    BuildColumns();
}

void VqSNMPRequest2Edits::BuildColumns() {
    if (!ListView || !IsAlive(ListViewAlive)) {
        return;
    }
    const VqSNMPVarList& list = Request.VarList;
    std::vector<int> layout = CurrentLayout();
    const int needed = list.HiddenCount() + list.VisibleCount();
    TListColumns& columns = ListView->Columns();
    // Columns that a dialog laid out itself stay as they are when there are enough of them; the
    // columns this request built are built again when a flag set since moved a variable between
    // the hidden and the visible group, so that every caption stays over its own cells.
    const bool ours = BuiltColumnCount > 0 && columns.Count() == BuiltColumnCount;
    if (columns.Count() >= needed && !(ours && layout != ColumnsBuiltFor)) {
        return;
    }
    columns.Clear();
    for (bool hiddenGroup : {true, false}) {
        for (int v = 0; v < list.GetCount(); ++v) {
            if (hiddenGroup ? list.IsHiddenColumn(v) : list.IsVisible(v)) {
                TListColumn* column = columns.Add();
                column->SetCaption(list.GetVariable(v).Caption);
                column->SetAutoSize(false);
                column->SetWidth(hiddenGroup ? 0 : -2);
            }
        }
    }
    BuiltColumnCount = columns.Count();
    ColumnsBuiltFor = std::move(layout);
}

std::vector<int> VqSNMPRequest2Edits::CurrentLayout() const {
    const VqSNMPVarList& list = Request.VarList;
    std::vector<int> layout(static_cast<size_t>(list.GetCount()), -1);
    int next = 0;
    for (bool hiddenGroup : {true, false}) {
        for (int v = 0; v < list.GetCount(); ++v) {
            if (hiddenGroup ? list.IsHiddenColumn(v) : list.IsVisible(v)) {
                layout[static_cast<size_t>(v)] = next++;
            }
        }
    }
    return layout;
}

void VqSNMPRequest2Edits::AddListViewRow() {
    if (!ListView || !IsAlive(ListViewAlive)) {
        return;
    }
    std::vector<int> layout = CurrentLayout();
    if (RowLayouts.empty() || *RowLayouts.back() != layout) {
        RowLayouts.push_back(std::make_unique<std::vector<int>>(std::move(layout)));
    }
    const std::vector<int>& columns = *RowLayouts.back();
    std::vector<std::string> cells(
        static_cast<size_t>(std::count_if(columns.begin(), columns.end(), [](int c) { return c >= 0; })));
    for (size_t v = 0; v < columns.size(); ++v) {
        if (columns[v] < 0) {
            continue;
        }
        const SnmpVariable& variable = Request.VarList.GetVariable(static_cast<int>(v));
        cells[static_cast<size_t>(columns[v])] =
            variable.ItemType == itBitList ? PortBitmapToList(variable.ValueText, true) : variable.ValueText;
    }
    TListItem* item = ListView->Items().Add();
    item->SetData(RowLayouts.back().get());
    for (size_t c = 0; c < cells.size(); ++c) {
        if (c == 0) {
            item->SetCaption(cells[c]);
        } else {
            item->SubItems().Add(cells[c]);
        }
    }
}

std::vector<int> VqSNMPRequest2Edits::LayoutOf(const TListItem* item) const {
    const VqSNMPVarList& list = Request.VarList;
    // A row this request added is read back from the columns it was written to. Other rows are
    // numbered as the rows are when no flag has changed since: hidden variables from column 0,
    // and the visible ones from column 0 again.
    std::vector<int> columns(static_cast<size_t>(list.GetCount()), -1);
    auto known = std::find_if(RowLayouts.begin(), RowLayouts.end(),
                              [item](const auto& layout) { return layout.get() == item->Data(); });
    if (known != RowLayouts.end() && (*known)->size() == columns.size()) {
        columns = **known;
    } else {
        for (bool hiddenGroup : {true, false}) {
            int next = 0;
            for (int v = 0; v < list.GetCount(); ++v) {
                if (hiddenGroup ? list.IsHiddenColumn(v) : list.IsVisible(v)) {
                    columns[static_cast<size_t>(v)] = next++;
                }
            }
        }
    }
    return columns;
}

std::string VqSNMPRequest2Edits::CellText(const TListItem* item, int variable) const {
    if (!item || variable < 0 || variable >= Request.VarList.GetCount()) {
        return {};
    }
    const int c = LayoutOf(item)[static_cast<size_t>(variable)];
    if (c < 0 || c > item->SubItems().Count()) {
        return {};
    }
    return c == 0 ? item->Caption() : item->SubItems()[c - 1];
}

void VqSNMPRequest2Edits::ReadSelectedRow() {
    if (!ListView || !IsAlive(ListViewAlive)) {
        return;
    }
    TListItem* item = ListView->Selected();
    if (!item) {
        return;
    }
    VqSNMPVarList& list = Request.VarList;
    const std::vector<int> columns = LayoutOf(item);
    for (size_t v = 0; v < columns.size(); ++v) {
        const int c = columns[v];
        if (c < 0 || c > item->SubItems().Count()) {
            continue; // a row with fewer cells leaves the variable as it is
        }
        const std::string& cell = c == 0 ? item->Caption() : item->SubItems()[c - 1];
        SnmpVariable& variable = list.GetVariable(static_cast<int>(v));
        variable.ValueText = variable.ItemType == itBitList ? BracketedHex(cell) : cell;
    }
}

void VqSNMPRequest2Edits::ListViewSelectItem(TObject* sender, TListItem* item, bool selected) {
    if (SavedOnSelectItem) {
        std::weak_ptr<const bool> alive = Request.LifeToken();
        TLVSelectItemEvent saved = SavedOnSelectItem;
        saved(sender, item, selected);
        if (alive.expired()) {
            return;
        }
    }
    if (!selected) {
        return;
    }
    if (EnableOnSelect) {
        EnableBoundControls(true);
    }
    ReadSelectedRow();
    FillControls(-1);
}

void VqSNMPRequest2Edits::EnableBoundControls(bool enabled) {
    for (const auto& binding : Bindings) {
        for (size_t i = 0; i < binding->Controls.size(); ++i) {
            if (IsAlive(binding->ControlsAlive[i])) {
                binding->Controls[i]->SetEnabled(enabled);
            }
        }
    }
}

// ---- result operations

void VqSNMPRequest2Edits::BeforeGet() {
    if (ListView && IsAlive(ListViewAlive)) {
        BuildColumns();
        ListView->Items().Clear();
        RowLayouts.clear();
    }
}

void VqSNMPRequest2Edits::RowReceived() {
    if (!ListView || !IsAlive(ListViewAlive)) {
        FillControls(-1);
        return;
    }
    AddListViewRow();
    // The list repaints, and Stop, Close and selection act, in the middle of a long walk. A close
    // of the dialog waits until this reply is handled and ends the walk at its next step; nothing
    // is destroyed under this handler.
    std::weak_ptr<const bool> alive = Request.LifeToken();
    TForm* form = ListView->ParentForm();
    std::weak_ptr<const bool> formAlive = form ? form->AliveToken() : std::weak_ptr<const bool>();
    bool closing = false;
    {
        FormClosingDeferral deferral;
        Application->ProcessMessages();
        closing = form && IsAlive(formAlive) && deferral.Deferred(form);
    }
    if (!alive.expired() && closing) {
        Request.Active = false;
    }
}

void VqSNMPRequest2Edits::PrepareSet() {
    VqSNMPVarList& list = Request.VarList;
    for (int v = 0; v < list.GetCount(); ++v) {
        list.GetVariable(v).ValueText.clear();
    }
    if (ListView && IsAlive(ListViewAlive)) {
        ReadSelectedRow();
    }
    CollectControls(-1);
}

void VqSNMPRequest2Edits::GetDone() {
    if (ListView && IsAlive(ListViewAlive) && EnableOnSelect && Request.VarList.Kind == MVT_FMV) {
        EnableBoundControls(false);
    }
}

// ---- filling and collecting

void VqSNMPRequest2Edits::FillControls(int column) {
    // Copies of the bindings to fill: filling raises events whose handlers may unbind.
    std::vector<const ControlBinding*> toFill;
    for (const auto& binding : Bindings) {
        if (column == -1 || binding->Column == column) {
            toFill.push_back(binding.get());
        }
    }
    std::weak_ptr<const bool> alive = Request.LifeToken();
    for (const ControlBinding* binding : toFill) {
        if (alive.expired()) {
            return;
        }
        auto still =
            std::find_if(Bindings.begin(), Bindings.end(), [&](const auto& b) { return b.get() == binding; });
        if (still == Bindings.end() || (Request.VarList.GetVariable(binding->Column).Access & acInvalid)) {
            continue;
        }
        FillBinding(*binding);
    }
}

void VqSNMPRequest2Edits::FillBinding(const ControlBinding& binding) {
    if (!IsAlive(binding.ControlsAlive[0])) {
        return;
    }
    const SnmpVariable& variable = Request.VarList.GetVariable(binding.Column);
    std::string text = variable.ValueText;
    if (variable.OptionList) {
        text = variable.OptionList->TextToValue(text);
    }
    std::string octets = TextToPart(text, variable.ItemType);
    if (!IsWholeVariable(binding.Column, binding.ByteOffset, binding.ItemType)) {
        octets = ExtractPart(octets, binding.ByteOffset, binding.ItemType);
        text = PartToText(octets, binding.ItemType);
    }
    const VqOptionList* list = EffectiveList(binding);
    if (list) {
        text = list->ValueToText(text);
    }
    TControl* control = binding.Controls[0];
    if (auto* label = dynamic_cast<TLabel*>(control)) {
        label->SetCaption(text);
    } else if (auto* check = dynamic_cast<TCheckBox*>(control)) {
        if (!binding.BitIndices.empty()) {
            // Checked one by one: the boxes before a position beyond the value keep their new state.
            for (size_t i = 0; i < binding.BitIndices.size(); ++i) {
                const int n = binding.BitIndices[i];
                if (octets.size() < static_cast<size_t>(n / 8 + 1)) {
                    RaiseVqError(kBitOutOfRange);
                }
                if (IsAlive(binding.ControlsAlive[i])) {
                    const auto octet = static_cast<unsigned char>(octets[static_cast<size_t>(n / 8)]);
                    static_cast<TCheckBox*>(binding.Controls[i])
                        ->SetChecked((octet & (0x80 >> (n % 8))) != 0);
                }
            }
        } else if (list) {
            int index = list->IndexOfText(text);
            if (index == -1) {
                index = list->IndexOfValue(text);
            }
            check->SetChecked(index > 0);
        } else if (IsBooleanPart(binding.ItemType)) {
            check->SetChecked(text == "true");
        } else {
            RaiseVqError(kBadPartSyntax);
        }
    } else if (auto* box = dynamic_cast<TComboBox*>(control)) {
        if (list) {
            SelectComboBox(*list, box, text);
        }
        if (binding.ControlCount() > 1 && IsAlive(binding.ControlsAlive[1])) {
            size_t prefix = box->ItemIndex() >= 0 ? box->Text().size() : 0;
            if (binding.ItemType == itObjectId && prefix > 0 && prefix < text.size() && text[prefix] == '.') {
                ++prefix;
            }
            binding.Controls[1]->SetCaption(text.substr(std::min(prefix, text.size())));
        }
    } else if (auto* group = dynamic_cast<TRadioGroup*>(control)) {
        if (list) {
            SelectRadioGroup(*list, group, text);
        }
    } else if (auto* edit = dynamic_cast<TEdit*>(control)) {
        edit->SetText(variable.ItemType == itBitList ? PortBitmapToList(variable.ValueText, false) : text);
    } else {
        RaiseVqError(kBadControlType);
    }
}

void VqSNMPRequest2Edits::CollectControls(int column) {
    VqSNMPVarList& list = Request.VarList;
    for (int v = 0; v < list.GetCount(); ++v) {
        if ((column != -1 && v != column) || !list.IsSettable(v)) {
            continue;
        }
        SnmpVariable& variable = list.GetVariable(v);
        std::string text = variable.ValueText;
        if (variable.OptionList) {
            text = variable.OptionList->TextToValue(text);
        }
        const std::string current = TextToPart(text, variable.ItemType);
        std::string octets = current;
        bool bound = false;
        for (const auto& binding : Bindings) {
            if (binding->Column != v || !IsAlive(binding->ControlsAlive[0])) {
                continue;
            }
            if (!bound && (variable.ItemType == itOctetString || variable.ItemType == itDisplayString ||
                           variable.ItemType == itInetAddress)) {
                octets.clear(); // rebuilt from its bindings alone
            }
            bound = true;
            CollectBinding(*binding, current, octets);
        }
        if (bound) {
            variable.ValueText = PartToText(octets, variable.ItemType);
            if (variable.OptionList) {
                variable.ValueText = variable.OptionList->ValueToText(variable.ValueText);
            }
        }
    }
}

void VqSNMPRequest2Edits::CollectBinding(const ControlBinding& binding, const std::string& current,
                                         std::string& octets) {
    const SnmpVariable& variable = Request.VarList.GetVariable(binding.Column);
    const VqOptionList* list = EffectiveList(binding);
    TControl* control = binding.Controls[0];
    std::string s;
    if (auto* label = dynamic_cast<TLabel*>(control)) {
        s = label->Caption();
    } else if (auto* check = dynamic_cast<TCheckBox*>(control)) {
        if (!binding.BitIndices.empty()) {
            // Each box sets or clears its own bit; bits that no box covers keep their octets, so a
            // picker of some ports never clears the ports it does not show.
            for (size_t i = 0; i < binding.BitIndices.size(); ++i) {
                const int n = binding.BitIndices[i];
                const size_t at = static_cast<size_t>(binding.ByteOffset + n / 8);
                GrowTo(octets, at + 1);
                const auto mask = static_cast<unsigned char>(0x80 >> (n % 8));
                const auto octet = static_cast<unsigned char>(octets[at]);
                const bool checked = IsAlive(binding.ControlsAlive[i]) &&
                                     static_cast<TCheckBox*>(binding.Controls[i])->Checked();
                octets[at] = static_cast<char>(checked ? (octet | mask) : (octet & ~mask));
            }
            return;
        }
        if (list) {
            s = list->GetRow(check->Checked() ? 1 : 0).Text;
        } else if (IsBooleanPart(binding.ItemType)) {
            s = check->Checked() ? "true" : "false";
        } else {
            RaiseVqError(kBadPartSyntax);
        }
    } else if (auto* box = dynamic_cast<TComboBox*>(control)) {
        s = box->ItemIndex() >= 0 ? box->Text() : std::string();
        if (binding.ControlCount() > 1 && IsAlive(binding.ControlsAlive[1])) {
            s += (binding.ItemType == itObjectId ? "." : "") + binding.Controls[1]->Caption();
        }
    } else if (auto* group = dynamic_cast<TRadioGroup*>(control)) {
        if (group->ItemIndex() < 0) {
            // Nothing chosen: the variable keeps its current value there.
            std::string part;
            if (IsWholeVariable(binding.Column, binding.ByteOffset, binding.ItemType)) {
                part = current;
            } else if (static_cast<size_t>(binding.ByteOffset) < current.size()) {
                part = ExtractPart(current, binding.ByteOffset, binding.ItemType);
            }
            GrowTo(octets, static_cast<size_t>(binding.ByteOffset) + part.size());
            std::copy(part.begin(), part.end(), octets.begin() + binding.ByteOffset);
            return;
        }
        s = group->Items()[group->ItemIndex()];
    } else if (auto* edit = dynamic_cast<TEdit*>(control)) {
        s = edit->Text();
        if (variable.ItemType == itBitList) {
            // A list that does not parse keeps the variable's ports.
            std::string bitmap;
            s = PortListToBitmap(s, variable.ValueText, bitmap) ? bitmap : variable.ValueText;
        }
    } else {
        RaiseVqError(kBadControlType);
    }
    if (list) {
        s = list->TextToValue(s);
    }
    const std::string part = TextToPart(s, binding.ItemType);
    GrowTo(octets, static_cast<size_t>(binding.ByteOffset) + part.size());
    std::copy(part.begin(), part.end(), octets.begin() + binding.ByteOffset);
}
