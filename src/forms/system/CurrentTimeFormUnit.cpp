#include "CurrentTimeFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "FieldChecks.h"
#include "FieldTable.h"
#include "Oid_time.h"
#include "TBasicFormUnit.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TStaticText.h"

#include <array>

TCurrentTimeForm* CurrentTimeForm = nullptr;

namespace {

using T = TCurrentTimeForm;

constexpr const char* kClockEmpty = "The Current Edit should not be empty!";

constexpr auto& kTable = Columns::CurrentTimeSettings;
constexpr int kTimeCapacity = ColumnOf(kTable, "Time Capacity");
constexpr int kClock = ColumnOf(kTable, "Current Clock(Example 1992-5-26,13:30:15.0)");
constexpr int kResetOnReboot = ColumnOf(kTable, "Clock Reset On Reboot");

// The capabilities by their bit in the lowest octet of the value, most significant first.
constexpr std::array<std::pair<unsigned, const char*>, 4> kCapabilities = {{
    {0x80, "systemTime"},
    {0x40, "SNTP"},
    {0x20, "SummerTime"},
    {0x10, "realTimeClock"},
}};

constexpr Field<T> kFields[] = {
    {.Column = kTimeCapacity, .Text = &T::tempText, .Place = {0, 0, 420, 8, 20}, .Flags = kFieldHidden},
    {.Column = kClock,
     .Caption = "Current Clock (e.g.:  2007-5-26,15:30:15.0)",
     .Constraint = "%s{l22}",
     .Edit = &T::currentclockEdit,
     .Label = &T::Label2,
     .Place = {16, 51, 244, 48, 196}},
    {.Column = kResetOnReboot,
     .Caption = "Clock Reset On Reboot",
     .Combo = &T::cbxReset,
     .Label = &T::Label3,
     .Place = {16, 83, 244, 80, 196},
     .Flags = kFieldDisabled},
};

constexpr ButtonSpec<T> kButtons[] = {
    {&T::GetButton, "Refresh", &T::GetButtonClick},
    {&T::SetButton, "Set", &T::SetButtonClick},
    {&T::CloseButton, "Close", &T::CloseButtonClick},
};

constexpr DialogFrame<T> kFrame = {.Width = 547,
                                   .Height = 172,
                                   .Caption = "Current Time",
                                   .Buttons = kButtons,
                                   .ListHeight = DialogFrame<T>::kNoList,
                                   .ButtonPanel = &T::Panel1,
                                   .StatusBar = &T::StatusBar1,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose};

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

} // namespace

unsigned HexTextToInt(std::string_view text) {
    unsigned value = 0;
    for (char c : text) {
        const int digit = HexDigit(c);
        if (digit < 0) {
            break;
        }
        value = value * 16 + static_cast<unsigned>(digit);
    }
    return value;
}

TCurrentTimeForm::TCurrentTimeForm(TComponent* owner) : TForm(owner), Table(DialogGuard::None()) {
    TPanel* panel = BuildFrame(this, kFrame, Table);
    Label1 = AddLabel(this, panel, 16, 19, "Time Capacity");
    timecapacityEdit = new TEdit(this);
    timecapacityEdit->SetParent(panel);
    timecapacityEdit->SetBounds(244, 16, 196, 21);
    SetFieldEnabled(timecapacityEdit, false, FieldEnabling::EnabledOnly);
    Fields = BuildFields<T>(this, panel, kFields, kTable);
    Table.Refreshing = {.Leaves = RefreshLeaves::Unchanged};
    Table.AfterRead = [this] { ShowTimeCapacity(); };
}

void TCurrentTimeForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        DialogRequest& request = Table.CreateRequest(this, CurrentTimeSettings, SVT_SV, 0);
        BindFields<T>(this, nullptr, request, kFields);
        Table.Read();
    });
}

void TCurrentTimeForm::ShowTimeCapacity() {
    const std::string bits = tempText->Caption();
    if (bits.empty()) {
        return;
    }
    TimeCapacity = " ";
    const unsigned lowest = HexTextToInt(bits) & 0xFF;
    bool first = true;
    for (const auto& [bit, name] : kCapabilities) {
        if (lowest & bit) {
            TimeCapacity += (first ? "" : ",") + std::string(name);
            first = false;
        }
    }
    timecapacityEdit->SetText(TimeCapacity);
}

void TCurrentTimeForm::GetButtonClick(TObject*) {
    Table.Refresh();
}

void TCurrentTimeForm::SetButtonClick(TObject*) {
    if (currentclockEdit->Text().empty()) {
        RefuseInput(currentclockEdit, kClockEmpty);
        return;
    }
    // The clock alone, and no read after it (the clock has moved on by then).
    Table.Write(WriteCarry::Only({kClock}), {.After = ReRead::None, .Locks = false});
}

void TCurrentTimeForm::CloseButtonClick(TObject*) {
    Close();
}

void TCurrentTimeForm::FormClose(TObject*, TCloseAction& action) {
    Table.Closing();
    action = caFree;
}
