#include "MacPortEntryForm.h"

#include "FieldChecks.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TPanel.h"
#include "TextValidators.h"

#include <span>

namespace {

using T = TMacPortEntryForm;

// One line above the port tab (96 DPI): the VLAN ID, the MAC address, the hidden status.
constexpr FieldPlace kVlanPlace = {8, 11, 60, 8, 70};
constexpr FieldPlace kMacPlace = {150, 11, 225, 8, 110};
constexpr FieldPlace kMacAlonePlace = {8, 11, 85, 8, 110}; // a table without a VLAN key
constexpr FieldPlace kStatusPlace = {360, 11, 400, 8, 100};

// A key is fixed, showing the chosen row's, while a row is chosen.
constexpr FieldEnabledWhen<T> kKeyRule = {.Mode = RowMode::NoRow, .How = FieldEnabling::KeepText};

} // namespace

TMacPortEntryForm::TMacPortEntryForm(TComponent* owner, const MacPortEntryTable& table, const char* busyText,
                                     WriteStyle style)
    : TForm(owner), Table(BusyGuard(busyText), style),
      Entry(table), EntryFields{{
                        {.Column = table.Vlan,
                         .Caption = "VLAN ID",
                         .Constraint = "%i{n1x4094}",
                         .Edit = &T::ED_UnicastVID,
                         .Label = &T::VlanLabel,
                         .Place = kVlanPlace,
                         .Flags = table.Vlan < 0 ? kFieldHidden : 0u,
                         .EnabledWhen = kKeyRule},
                        {.Column = table.Mac,
                         .Caption = table.MacCaption,
                         .Constraint = table.MacConstraint,
                         .Edit = &T::UnicastAddress,
                         .Label = &T::MacLabel,
                         .Place = table.Vlan < 0 ? kMacAlonePlace : kMacPlace,
                         .EnabledWhen = kKeyRule},
                        {.Column = table.Status,
                         .Caption = "Status",
                         .Combo = &T::UStatus,
                         .Label = &T::StatusLabel,
                         .Place = kStatusPlace,
                         .Flags = kFieldHidden,
                         .EnabledWhen = kKeyRule},
                    }} {
    Table.StatusColumn = table.Status;
    Table.Refreshing = {.Leaves = RefreshLeaves::NoRow, .SkipBusy = true};
}

void TMacPortEntryForm::BuildEntryFields(TPanel* rows) {
    Fields = BuildFields<T>(this, rows, std::span<const Field<T>>(EntryFields));
}

void TMacPortEntryForm::CreateEntry(TPageControl* tabs) {
    Table.Attempt([this, tabs] {
        Pickers.Embed(this, PickerHost::Tabs(tabs), {{Entry.Ports, Entry.PortsTab}});
        DialogRequest& request = Table.CreateRequest(this, Entry.Table, MVT_UMV, Entry.KeyCount);
        // A table without a VLAN key has the VLAN edit for show only.
        const std::span<const Field<T>> bound(EntryFields.begin() + (Entry.Vlan < 0 ? 1 : 0),
                                              EntryFields.end());
        BindFields<T>(this, nullptr, request, bound);
        Table.StatusCombo = UStatus;
        Pickers.Bind(request);
        Pickers.GuardSelection(Table);
        Table.Read();
    });
    Table.UpdateState();
}

bool TMacPortEntryForm::KeyTyped() const {
    return (Entry.Vlan < 0 || !ED_UnicastVID->Text().empty()) && IsMacHexString(UnicastAddress->Text());
}

bool TMacPortEntryForm::RefuseKey(const char* text) {
    if (KeyTyped()) {
        return false;
    }
    const bool vlanMissing = Entry.Vlan >= 0 && ED_UnicastVID->Text().empty();
    RefuseInput(vlanMissing ? ED_UnicastVID : UnicastAddress, text);
    return true;
}

void TMacPortEntryForm::EntryButtons(bool rowChosen, TButton* add, TButton* set, TButton* del) {
    for (TButton* button : {set, del}) {
        if (button) {
            button->SetEnabled(rowChosen);
        }
    }
    if (add) {
        add->SetEnabled(!rowChosen);
    }
}
