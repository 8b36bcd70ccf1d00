#include "Lldplocalsysdatatable.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "FieldTable.h"
#include "LldpNames.h"
#include "Oid_lldp.h"
#include "TButton.h"
#include "TEdit.h"

TLLDPLocSysDataForm* LLDPLocSysDataForm = nullptr;

namespace {

using T = TLLDPLocSysDataForm;

constexpr auto& kGroup = Columns::LLDPLocSysDataSettings;

// One line each (96 DPI): label at 8, value at 196.
constexpr FieldPlace Line(int line) {
    return {8, 12 + 28 * line, 196, 10 + 28 * line, 164};
}

// The four shown scalars and the two capability octets, which go into hidden texts as received.
constexpr Field<T> kFields[] = {
    {.Column = ColumnOf(kGroup, "Chassis ID Subtype"),
     .Caption = "Local Chassis ID Subtype",
     .Text = &T::subtypeText,
     .Place = Line(0)},
    {.Column = ColumnOf(kGroup, "Chassis ID"),
     .Caption = "Local Chassis ID",
     .Text = &T::IDText,
     .Place = Line(1)},
    {.Column = ColumnOf(kGroup, "System Name"),
     .Caption = "Local System Name",
     .Text = &T::sysNameText,
     .Place = Line(2)},
    {.Column = ColumnOf(kGroup, "System Description"),
     .Caption = "Local System Description",
     .Text = &T::sysDescText,
     .Place = Line(3)},
    {.Column = ColumnOf(kGroup, "System Capabilities Supported"),
     .Text = &T::tempText1,
     .Place = Line(4),
     .Flags = kFieldHidden},
    {.Column = ColumnOf(kGroup, "System Capabilities Enabled"),
     .Text = &T::tempText2,
     .Place = Line(5),
     .Flags = kFieldHidden},
};
// The capabilities as names: shown, never bound.
constexpr Field<T> kCapabilityFields[] = {
    {.Caption = "Local System Capabilities Supported",
     .Edit = &T::CapSupportEdit,
     .Place = Line(4),
     .Flags = kFieldDisabled},
    {.Caption = "Local System Capabilities Enabled",
     .Edit = &T::capEnableEdit,
     .Place = Line(5),
     .Flags = kFieldDisabled},
};

constexpr ButtonSpec<T> kButtons[] = {
    {&T::GetButton, "Refresh", &T::GetButtonClick},
    {&T::CloseButton, "Close", &T::CloseButtonClick},
};

constexpr DialogFrame<T> kFrame = {.Width = 467,
                                   .Height = 228,
                                   .Caption = "LLDP Local System Data",
                                   .Buttons = kButtons,
                                   .ListHeight = DialogFrame<T>::kNoList,
                                   .ButtonPanel = &T::Panel1,
                                   .FieldPanel = &T::Panel2,
                                   .StatusBar = &T::StatusBar1,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose};

// A hint's lines: a line feed after every 99 characters of the name, as many as the name has
// hundreds (a name of 199 characters ends in a line of 100).
constexpr size_t kHintLine = 100;

} // namespace

TLLDPLocSysDataForm::TLLDPLocSysDataForm(TComponent* owner) : TForm(owner), Table(DialogGuard::None()) {
    TPanel* rows = BuildFrame(this, kFrame, Table);
    Fields = BuildFields<T>(this, rows, kFields);
    BuildFields<T>(this, rows, kCapabilityFields);
    sysNameText->SetShowHint(true);
    Table.Refreshing = {.Leaves = RefreshLeaves::Unchanged};
    Table.AfterRead = [this] { DecodeCapabilities(); };
}

void TLLDPLocSysDataForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        DialogRequest& request = Table.CreateRequest(this, LLDPLocSysDataSettings, SVT_SV, 0);
        BindFields<T>(this, nullptr, request, kFields);
        Table.Read();
    });
}

void TLLDPLocSysDataForm::DecodeCapabilities() {
    CapSupportEdit->SetText(BitsToNames(tempText1->Caption(), LldpNames::kLocalCapabilities));
    capEnableEdit->SetText(BitsToNames(tempText2->Caption(), LldpNames::kLocalCapabilities));
    SetNameHint();
}

void TLLDPLocSysDataForm::SetNameHint() {
    std::string hint = sysNameText->Caption();
    const size_t breaks = hint.size() / kHintLine;
    for (size_t k = 1; k <= breaks; ++k) {
        hint.insert(kHintLine * k - 1, 1, '\n');
    }
    sysNameText->SetHint(hint);
}

void TLLDPLocSysDataForm::GetButtonClick(TObject*) {
    Table.Refresh();
}

void TLLDPLocSysDataForm::CloseButtonClick(TObject*) {
    Close();
}

void TLLDPLocSysDataForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}
