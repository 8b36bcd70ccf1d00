#include "GuestVlanPart.h"

#include "OptionItems.h"
#include "TEdit.h"
#include "UserDialogs.h"

#include <string>
#include <vector>

namespace {

constexpr int kTimeout = 300; // 3 s a try
constexpr const char* kCannotChangeName = "Can't change the VLAN name,delete previous name first.";

// The three are read apart and written apart; a write leaves each flag as it is (no read follows
// it here: the dialog's Refresh reads them all).
constexpr WritePlan kWrite = {.After = ReRead::None, .Locks = false};

} // namespace

GuestVlanPart::GuestVlanPart(const GuestVlanDesign& design)
    : NameAndPorts(DialogGuard::Busy(nullptr)), CurrentName(DialogGuard::Busy(nullptr)),
      DeleteState(DialogGuard::Busy(nullptr)), Design(design) {
    NameAndPorts.Pickers = &Pickers;
    NameAndPorts.Companions = {&CurrentName, &DeleteState};
}

void GuestVlanPart::Create(TForm* dialog, TPageControl* pages) {
    Pickers.Embed(dialog, PickerHost::Tabs(pages), {{Design.PortsColumn, "Guest VLAN Ports"}});
    const struct {
        TableDialogController* Table;
        const MibTableRow* Columns;
    } requests[] = {
        {&NameAndPorts, Design.NameAndPorts},
        {&CurrentName, Design.CurrentName},
        {&DeleteState, Design.DeleteState},
    };
    for (const auto& [table, columns] : requests) {
        table->StatusPanel = NameAndPorts.StatusPanel;
        DialogRequest& request = table->CreateRequest(dialog, columns, SVT_SV, 0, {.Blocking = true});
        request.Request.Timeout = kTimeout;
    }
    Pickers.Bind(*NameAndPorts.Request);
}

bool GuestVlanPart::Set() {
    if (!NameAndPorts.MayAct()) {
        return false;
    }
    if (Design.Rule == GuestNameRule::FixedOnceSet && !CurrentName.Read()) {
        return false; // the name on the switch is unknown: nothing to compare with
    }
    const std::string current = Current->Text();
    const std::string typed = Name->Text();
    std::vector<int> skipped;
    if (!current.empty() && typed == current) {
        skipped = {Design.NameColumn}; // unchanged: not written again
    } else if (!current.empty() && Design.Rule == GuestNameRule::FixedOnceSet) {
        ShowMessage(kCannotChangeName);
        return false;
    } else if (current.empty() && typed.empty() && Design.Rule == GuestNameRule::FixedOnceSet) {
        return true; // no guest VLAN: neither its name nor its ports
    }
    NameAndPorts.Write(WriteCarry::RowWithout(skipped), kWrite);
    return true;
}

bool GuestVlanPart::Delete() {
    if (!DeleteState.MayAct()) {
        return false;
    }
    DeleteState.Write(
        [this] {
            SelectOption(DeleteCombo, "start");
            DeleteState.Send(WriteCarry::RowWithout({}));
        },
        kWrite);
    return true;
}

bool ReadsInTurn::Read(TableDialogController& table) {
    const bool read = table.Read();
    if (!read && !Failed) {
        Failed = &table;
    }
    return read;
}

ReadsInTurn::~ReadsInTurn() {
    if (Failed && Failed->Request && Failed->LastReadError.Code != 0) {
        Failed->Request->ShowStatus(Failed->LastReadError.Message);
    }
}
