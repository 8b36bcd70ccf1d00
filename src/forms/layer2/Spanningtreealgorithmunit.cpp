#include "Spanningtreealgorithmunit.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "FieldTable.h"
#include "MainUnit.h"
#include "Oid_model.h"
#include "OptionItems.h"
#include "ProgressWait.h"
#include "TButton.h"
#include "TComboBox.h"
#include "UserDialogs.h"

TSpanningTreeAlgorithmForm* SpanningTreeAlgorithmForm = nullptr;

namespace {

using T = TSpanningTreeAlgorithmForm;

constexpr Field<T> kFields[] = {
    {.Column = ColumnOf(Columns::SpanningTreeAlgorithmSettings, "State"),
     .Caption = "State",
     .Control = &T::ComboBox1,
     .Label = &T::Label1,
     .Place = {16, 19, 70, 16, 120}},
};

constexpr const char* kDisabled = "disabled";
constexpr const char* kEnabled = "enabled";
constexpr const char* kEnableTakesLong = "To enable STP may take a long time. Do you want to go on?";
// Enabling STP takes the switch a while: its reply may take up to 40 s, and the wait for it
// stays that long for the dialog's later reads too.
constexpr int kEnableTimeout = 4000;

// Three buttons in the client height of 115: closer together than the column's default.
constexpr ButtonSpec<T> kButtons[] = {
    {&T::GetButton, "Refresh", &T::GetButtonClick, 4},
    {&T::SetButton, "Set", &T::SetButtonClick, 33},
    {&T::Button1, "Close", &T::Button1Click, 62},
};

constexpr DialogFrame<T> kFrame = {.Width = 361,
                                   .Height = 115,
                                   .Caption = "Spanning Tree Algorithm",
                                   .Buttons = kButtons,
                                   .ListHeight = DialogFrame<T>::kNoList,
                                   .ButtonPanel = &T::Panel1,
                                   .FieldPanel = &T::Panel2,
                                   .StatusBar = &T::StatusBar1,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose};

} // namespace

TSpanningTreeAlgorithmForm::TSpanningTreeAlgorithmForm(TComponent* owner)
    : TForm(owner), Table(DialogGuard::None()) {
    TPanel* fields = BuildFrame(this, kFrame, Table);
    // The design gives the client area.
    const int width = Width();
    const int height = Height();
    SetClientWidth(width);
    SetClientHeight(height);
    Fields = BuildFields<T>(this, fields, kFields, Columns::SpanningTreeAlgorithmSettings);
}

void TSpanningTreeAlgorithmForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        // The framework's reports of this request stand over the main window.
        TForm* owner = MainForm ? static_cast<TForm*>(MainForm) : this;
        DialogRequest& request = Table.CreateRequest(owner, SpanningTreeAlgorithmSettings, SVT_SV, 0);
        BindFields<T>(this, nullptr, request, kFields);
        Table.Read();
    });
}

void TSpanningTreeAlgorithmForm::GetButtonClick(TObject*) {
    Table.Read();
}

void TSpanningTreeAlgorithmForm::SetButtonClick(TObject*) {
    if (OptionSelected(ComboBox1, kDisabled)) {
        Table.Write(Fields.Carry());
        return;
    }
    if (!OptionSelected(ComboBox1, kEnabled)) {
        return;
    }
    if (MessageDlg(kEnableTakesLong, mtConfirmation, mbOK | mbCancel) != mrOk) {
        Table.Read();
        return;
    }
    // The SET leaves at once; its reply comes while the progress form makes the user wait.
    Table.Write(
        [this] {
            Table.Request->Request.Timeout = kEnableTimeout;
            Table.Send(Fields.Carry());
            ShowProgressWait(this, "Enable STP Progress", "Enable STP is processing...");
        },
        {.After = ReRead::Always});
}

void TSpanningTreeAlgorithmForm::Button1Click(TObject*) {
    Close();
}

void TSpanningTreeAlgorithmForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}
