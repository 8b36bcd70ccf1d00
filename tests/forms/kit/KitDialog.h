// A small table dialog put together from the kit's pieces alone, over the DNS resolver's static
// name servers (index, row status, IP address, priority), for the tests of the pieces.
#pragma once

#include "DialogLayout.h"
#include "DnsResolverTables.h"
#include "FormsSimTest.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TForm.h"
#include "TListView.h"
#include "TPanel.h"
#include "TStaticText.h"
#include "TStatusBar.h"
#include "TableDialogController.h"

#include <memory>
#include <string>

inline constexpr const char* kServerEntry = "1.3.6.1.4.1.746.12.85.1.3.1.1";

struct KitDialog {
    enum Column : int { kIndex, kRowStatus, kAddress, kPriority };

    explicit KitDialog(DialogGuard guard = DialogGuard::Flag("Get data not complete"),
                       WriteStyle write = WriteStyle::DialogReRead)
        : Table(guard, write) {
        Form.reset(CreateForm<TForm>(nullptr));
        DesignDialog(Form.get(), 500, 400);
        Buttons = std::make_unique<ButtonColumn>(Form.get(), "Samples");
        Bar = AddStatusBar(Form.get());
        Area = AddListArea(Form.get(), 120);
        Index = Field<TEdit>(8);
        Address = Field<TEdit>(36);
        Priority = Field<TComboBox>(64);
        Status = Field<TComboBox>(92);
        Table.List = Area.List;
        Table.CountLabel = Buttons->Count;
        Table.StatusPanel = StatusPanelOf(Bar);
        Table.StatusColumn = kRowStatus;
        Table.StatusCombo = Status;
        Table.AfterRead = [this] { ++ReadsEnded; };
    }
    ~KitDialog() { Table.Close(); }

    // The request over the table with every column bound, and its first read.
    DialogRequest& Open(int kind = MVT_UMV) {
        DialogRequest& request = Table.CreateRequest(Form.get(), DnsStaticNameServerTable, kind, 1);
        request.BindEdits(kIndex, "%i", Index);
        request.BindComboBox(kRowStatus, Status);
        request.BindEdits(kAddress, "%s", Address);
        request.BindComboBox(kPriority, Priority);
        Table.Read();
        return request;
    }
    // Waits (bounded) for the end of the next read not waited for yet. The busy flag does not
    // tell: the reply of a SET sent before the read clears it while the walk goes on.
    bool WaitRead() {
        const bool ended = WaitFor([this] { return ReadsEnded > ReadsWaited; }, 10000);
        ReadsWaited = ReadsEnded;
        return ended;
    }
    std::string StatusText() const { return Table.StatusPanel->Text(); }

    template <class C> C* Field(int top) {
        auto* control = new C(Form.get());
        control->SetParent(Area.Fields);
        control->SetBounds(8, top, 120, 21);
        return control;
    }

    TableDialogController Table;
    std::unique_ptr<TForm> Form;
    std::unique_ptr<ButtonColumn> Buttons;
    TStatusBar* Bar;
    ListArea Area;
    TEdit* Index;
    TEdit* Address;
    TComboBox* Priority;
    TComboBox* Status;
    int ReadsEnded = 0;
    int ReadsWaited = 0;
};

// Static name servers 1, 2 and 3.
inline std::string
ServerScenario(const std::string& rows = R"([["1", 1, "10.0.0.1", 1], ["2", 1, "10.0.0.2", 2],
                                                            ["3", 1, "10.0.0.3", 2]])") {
    return std::string(R"({"tables": [{"entry": ")") + kServerEntry +
           R"(", "columns": [[2, "rowstatus"], [3, "ip", "rw", "0.0.0.0"], [4, "int", "rw", 1]], "rows": )" +
           rows + "}]}";
}
