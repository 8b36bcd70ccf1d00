#include "Stpinfo.h"

#include "CatalogueColumns.h"
#include "DeviceFacts.h"
#include "DialogFrame.h"
#include "DialogLayout.h"
#include "FieldTable.h"
#include "MainUnit.h"
#include "ModelTables.h"
#include "Oid_model.h"
#include "OptionItems.h"
#include "ProgressWait.h"
#include "StrictNumbers.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TLabel.h"
#include "TStaticText.h"

TSTP_Info* STP_Info = nullptr;

namespace {

using T = TSTP_Info;

constexpr auto& kBridgeTable = Columns::STP_InfoMaxAge;
constexpr int kMaxHops = ColumnOf(kBridgeTable, "Max Hops");
constexpr int kTimeout = 800; // requests 1 to 3: 8 s

constexpr const char* kMstp = "mstp";
constexpr const char* kEnabled = "enabled";
constexpr const char* kEmptyField = "Don't Leave Empty Fileds.";
constexpr const char* kDataError = "Data Error.";

// One line per setting (96 DPI): the label at 8, the control at 180.
constexpr FieldPlace Line(int line, int width = 110) {
    const int top = 8 + 24 * line;
    return {8, top + 3, 180, top, width};
}

constexpr Field<T> kBridgeFields[] = {
    {.Column = ColumnOf(kBridgeTable, "Max Age"),
     .Caption = "Max. Age (600-4000) 10ms",
     .Constraint = "%i{n600x4000l4a}",
     .Control = &T::ET_AgingTime,
     .Label = &T::Label2,
     .Place = Line(1)},
    {.Column = ColumnOf(kBridgeTable, "Forward Delay"),
     .Caption = "Forward Delay (400-3000) 10ms",
     .Constraint = "%i{n400x3000l4a}",
     .Control = &T::ET_ForwardDelay,
     .Label = &T::Label4,
     .Place = Line(3)},
    {.Column = kMaxHops,
     .Caption = "Max Hops (6-40)",
     .Constraint = "%i{n6x40l2a}",
     .Control = &T::ET_Priority,
     .Label = &T::Label5,
     .Place = Line(4)},
    {.Column = ColumnOf(kBridgeTable, "TX Hold Count"),
     .Caption = "TX Hold Count (1-10)",
     .Constraint = "%i{n1x10l2a}",
     .Control = &T::ED_TxHoldCount,
     .Label = &T::Label6,
     .Place = Line(5)},
    {.Column = ColumnOf(kBridgeTable, "Forward BPDU"),
     .Caption = "Forwarding BPDU",
     .Control = &T::Combo_BPDU,
     .Label = &T::Label7,
     .Place = Line(6)},
    {.Column = ColumnOf(kBridgeTable, "NNI BPDU Address"),
     .Caption = "NNI BPDU Address",
     .Control = &T::cbbNNiBPDU,
     .Label = &T::lblNNiBPUDU,
     .Place = Line(7)},
};
constexpr Field<T> kVersionFields[] = {
    {.Column = ColumnOf(Columns::STP_InfoVersion, "Version"),
     .Caption = "STP Version",
     .Control = &T::Combo_STPVersion,
     .Label = &T::Label1,
     .Place = Line(0)},
};
constexpr Field<T> kHelloFields[] = {
    {.Column = ColumnOf(Columns::STP_InfoSwMSTPStpHelloTime, "swMSTPStpHelloTime"),
     .Caption = "Hello Time (100-200)  10ms",
     .Constraint = "%i{n100x200l3a}",
     .Control = &T::ET_HelloTime,
     .Label = &T::Label3,
     .Place = Line(2),
     // No setting of MSTP: disabled (emptied) while the version chosen is "mstp".
     .EnabledWhen = {.Combo = &T::Combo_STPVersion, .Option = kMstp, .Not = true}},
};

constexpr ButtonSpec<T> kButtons[] = {
    {&T::BT_Get, "Refresh", &T::BT_GetClick},
    {&T::BT_Set, "Set", &T::BT_SetClick},
    {&T::Button1, "Close", &T::Button1Click},
};

constexpr DialogFrame<T> kFrame = {.Width = 427,
                                   .Height = 286,
                                   .Scale = DesignScale::None,
                                   .Caption = "Spanning Tree Information",
                                   .Buttons = kButtons,
                                   .ListHeight = DialogFrame<T>::kNoList,
                                   .ButtonPanel = &T::Panel1,
                                   .FieldPanel = &T::Panel2,
                                   .StatusBar = &T::StatusBar1,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose};

// A hidden label in the button column holding what a scalar request reads; its caption is its
// name until then.
TLabel* HiddenLabel(TForm* form, TControl* parent, const char* name) {
    TLabel* label = AddLabel(form, parent, 8, 120, name);
    label->SetName(name);
    label->SetVisible(false);
    return label;
}

int Number(const TEdit* edit) {
    return StrictStrToInt(edit->Text()).value_or(0);
}

} // namespace

TSTP_Info::TSTP_Info(TComponent* owner)
    : TForm(owner), Bridge(DialogGuard::None()), Version(DialogGuard::None()), Hello(DialogGuard::None()),
      State(DialogGuard::None()), HelloValue(DialogGuard::None()), VersionValue(DialogGuard::None()) {
    TPanel* fields = BuildFrame(this, kFrame, Bridge);
    // The design gives the client area, at every DPI.
    const int width = Width();
    const int height = Height();
    SetClientWidth(width);
    SetClientHeight(height);
    Fields = BuildFields<T>(this, fields, kVersionFields, Columns::STP_InfoVersion);
    Fields.Append(BuildFields<T>(this, fields, kBridgeFields, kBridgeTable));
    Fields.Append(BuildFields<T>(this, fields, kHelloFields, Columns::STP_InfoSwMSTPStpHelloTime));
    Combo_STPVersion->OnChange = Bind(this, &T::Combo_STPVersionChange);
    lbMSTPState = HiddenLabel(this, Panel1, "lbMSTPState");
    hellotimevalue = HiddenLabel(this, Panel1, "hellotimevalue");
    VersionInfo = HiddenLabel(this, Panel1, "VersionInfo");
    Label8 = AddLabel(this, fields, 8, 205, "Notes : 2*(Forward Delay - 100)  >= Max Age");
    Label9 = AddLabel(this, fields, 8, 223, "Max Age >= 2*(Hello Time + 100)");
    for (TLabel* note : {Label8, Label9}) {
        note->Font()->SetColor(clRed);
    }
    // Every request reports to panel 0; an exception goes into request 1's template.
    Bridge.Failures = FailureReport::Template;
    for (TableDialogController* table : {&Version, &Hello, &State, &HelloValue, &VersionValue}) {
        table->StatusPanel = Bridge.StatusPanel;
    }
    Bridge.Companions = {&Version, &Hello, &State, &HelloValue, &VersionValue}; // closed with it
}

void TSTP_Info::FormCreate(TObject*) {
    Bridge.Attempt([this] {
        const auto blocking = [this](TableDialogController& table, const MibTableRow* columns,
                                     int timeout) -> DialogRequest& {
            DialogRequest& request = table.CreateRequest(this, columns, SVT_SV, 0, {.Blocking = true});
            if (timeout > 0) {
                request.Request.Timeout = timeout;
            }
            return request;
        };
        DialogRequest& bridge = blocking(Bridge, STP_InfoMaxAge, kTimeout);
        BindFields<T>(this, nullptr, bridge, kBridgeFields);
        Bridge.Read();
        DialogRequest& version = blocking(Version, STP_InfoVersion, kTimeout);
        BindFields<T>(this, nullptr, version, kVersionFields);
        Version.Read();
        DialogRequest& hello = blocking(Hello, STP_InfoSwMSTPStpHelloTime, kTimeout);
        BindFields<T>(this, nullptr, hello, kHelloFields);
        Hello.Read();
        // A model of none has no state to read (no empty GET): the label keeps its name.
        if (const MibTableRow* table =
                ModelTable(STP_InfoSpanningTreeAlgorithm, Facts().SysObjectId, SysObjectIdMatch::Exact)) {
            blocking(State, table, 0).BindLabel(0, lbMSTPState);
            State.Read();
        }
        blocking(HelloValue, STP_InfoSwMSTPStpHelloTime, 0).BindLabel(0, hellotimevalue);
        HelloValue.Read();
        blocking(VersionValue, MSTPPortStateSettings, 0).BindLabel(0, VersionInfo);
        VersionValue.Read();
        HelloTimeRule();
    });
}

void TSTP_Info::HelloTimeRule() {
    Fields.Update(false);
}

void TSTP_Info::BT_GetClick(TObject*) {
    Bridge.Attempt([this] {
        State.Read();
        Bridge.Read();
        Hello.Read();
        Version.Read();
        HelloTimeRule();
    });
}

void TSTP_Info::Combo_STPVersionChange(TObject*) {
    Hello.Read();
    HelloTimeRule();
    if (!OptionSelected(Combo_STPVersion, kMstp)) {
        ET_HelloTime->SetText(hellotimevalue->Caption() == "0" ? "200" : hellotimevalue->Caption());
    }
}

bool TSTP_Info::WriteSettings() {
    if (ET_Priority->Text().empty() || ET_AgingTime->Text().empty() || ET_ForwardDelay->Text().empty()) {
        Bridge.ShowText(kEmptyField);
        return false;
    }
    const int maxAge = Number(ET_AgingTime);
    if (maxAge > 2 * Number(ET_ForwardDelay) - 200) {
        Bridge.ShowText(kDataError);
        return false;
    }
    // Each a SET of its own, blocking; a refused one is reported and the next still goes out.
    constexpr WritePlan kAlone = {.Blocking = true, .After = ReRead::None};
    const std::string version = Combo_STPVersion->Text();
    if (version == kMstp) {
        if (VersionInfo->Caption() != kMstp) {
            Version.Write(WriteCarry::RowWithout({}), kAlone);
        }
        Bridge.Write(WriteCarry::RowWithout({}), kAlone);
        return true;
    }
    if (ET_HelloTime->Text().empty()) {
        Bridge.ShowText(kEmptyField);
        return false;
    }
    if (maxAge < 2 * Number(ET_HelloTime) + 200) {
        Bridge.ShowText(kDataError);
        return false;
    }
    if (version != VersionInfo->Caption()) {
        Version.Write(WriteCarry::RowWithout({}), kAlone);
    }
    Hello.Write(WriteCarry::RowWithout({}), kAlone);
    Bridge.Write(WriteCarry::RowWithout({kMaxHops}), kAlone);
    HelloValue.Read();
    return true;
}

void TSTP_Info::BT_SetClick(TObject*) {
    Bridge.Attempt([this] {
        if (!WriteSettings()) {
            return;
        }
        if (MainForm && MainForm->StpVersionRequest) {
            MainForm->StpVersionRequest->Get();
        }
        VersionInfo->SetCaption(Combo_STPVersion->Text());
        ShowVersionChangeWait();
        BT_GetClick(nullptr);
    });
}

void TSTP_Info::ShowVersionChangeWait() {
    // Only while STP runs, and only when the switch still reports another version than asked.
    if (!MainForm || lbMSTPState->Caption() != kEnabled ||
        Combo_STPVersion->Text() == MainForm->ST_STPVersion->Caption()) {
        return;
    }
    ShowProgressWait(this, "Set STP Progress", "Change STP Version is processing...");
}

void TSTP_Info::Button1Click(TObject*) {
    Close();
}

void TSTP_Info::FormClose(TObject*, TCloseAction&) {
    Bridge.Closing();
}
