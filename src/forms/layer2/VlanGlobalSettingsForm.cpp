#include "VlanGlobalSettingsForm.h"

#include "CatalogueColumns.h"
#include "DeviceFacts.h"
#include "DialogFrame.h"
#include "FieldChecks.h"
#include "FieldTable.h"
#include "OptionItems.h"
#include "StackingPortUitFormUnit.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TLabel.h"
#include "UserDialogs.h"

#include <algorithm>

namespace {

using T = TVlanGlobalSettingsForm;

// The voice module's columns; the surveillance module's are the same (its ID caption aside).
constexpr auto& kIdStateTable = Columns::VoiceVLANGlobalVLANIDSettings;
constexpr int kId = ColumnOf(kIdStateTable, "VLAN ID");
constexpr int kState = ColumnOf(kIdStateTable, "Global State");
constexpr auto& kSettingsTable = Columns::VoiceVLANGlobalPrioritySettings;
constexpr auto& kPortsTable = Columns::VoiceVLANGlobalMemberPortListSettings;
static_assert(ColumnOf(Columns::SurveillanceVLANGlobalVALNIDSettings, "VALN ID") == kId &&
              ColumnOf(Columns::SurveillanceVLANGlobalVALNIDSettings, "Global State") == kState &&
              ColumnOf(Columns::SurveillanceVLANGlobalPrioritySettings, "Log State") ==
                  ColumnOf(kSettingsTable, "Log State") &&
              ColumnOf(Columns::SurveillanceVLANGlobalMemberPortListSettings, "Dynamic Port list") ==
                  ColumnOf(kPortsTable, "Dynamic Port list"));

constexpr const char* kEnabled = "enabled";
constexpr const char* kDisabled = "disabled";
constexpr const char* kNoId = "0"; // the ID left as the switch has it

// The switch's ID and state, hidden.
constexpr Field<T> kIdStateFields[] = {
    {.Column = kId,
     .Constraint = "%i{n1x4094l4}",
     .Edit = &T::VIDEdit,
     .Place = {0, 0, 470, 8, 60},
     .Flags = kFieldHidden},
    {.Column = kState, .Combo = &T::GlobalComboBox, .Place = {0, 0, 470, 36, 80}, .Flags = kFieldHidden},
};
// The copies the user edits (bound to nothing; the ID's label is each feature's).
constexpr Field<T> kWantedFields[] = {
    {.Caption = "VLAN ID",
     .Edit = &T::tepVIDEdit,
     .Label = &T::Label1,
     .Place = {8, 11, 130, 8, 80},
     .Default = FieldDefault::Keep()},
    {.Caption = "Global State",
     .Combo = &T::tempGlobalComboBox,
     .Label = &T::Label2,
     .Place = {8, 39, 130, 36, 100},
     .Default = FieldDefault::Keep()},
};
constexpr Field<T> kSettingsFields[] = {
    {.Column = ColumnOf(kSettingsTable, "Priority"),
     .Caption = "Priority",
     .Constraint = "%i{n0x7l1}",
     .Control = &T::PriorityEdit,
     .Label = &T::Label3,
     .Place = {260, 11, 340, 8, 60}},
    {.Column = ColumnOf(kSettingsTable, "Aging Time"),
     .Caption = "Aging Time",
     .Constraint = "%i{n1x65535l5}",
     .Control = &T::agTimeEdit,
     .Label = &T::Label4,
     .Place = {260, 39, 340, 36, 60}},
    {.Column = ColumnOf(kSettingsTable, "Log State"),
     .Caption = "Log State",
     .Control = &T::logComboBox,
     .Label = &T::Label5,
     .Place = {260, 67, 340, 64, 80}},
};
const std::vector<PortListColumn> kPortColumns = {
    {ColumnOf(kPortsTable, "Member Port list"), "Member Ports"},
    {ColumnOf(kPortsTable, "Dynamic Port list"), "Dynamic Ports"},
};

constexpr ButtonSpec<T> kButtons[] = {
    {&T::btnGet, "Refresh", &T::btnGetClick},
    {&T::btnSet, "Set", &T::btnSetClick},
    {&T::btnClose, "Close", &T::btnCloseClick},
};

// No list: the field lines over the port tabs; the caption and position are each feature's.
constexpr DialogFrame<T> kFrame = {.Width = 656,
                                   .Height = 307,
                                   .Buttons = kButtons,
                                   .ListHeight = DialogFrame<T>::kNoList,
                                   .RowsHeight = 95,
                                   .ButtonPanel = &T::Panel1,
                                   .FieldPanel = &T::Panel2,
                                   .Tabs = &T::PageControl1,
                                   .StatusBar = &T::StatusBar1,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose};

DialogFrame<T> FrameOf(const VlanGlobalFeature& feature) {
    DialogFrame<T> frame = kFrame;
    frame.Caption = feature.FormCaption;
    frame.Position = feature.Position;
    return frame;
}

// The pickers' boxes: every port of the stack, or the ports of the stand-alone switch's model
// (index 0 alone for a model the table of port counts does not know).
std::string PortIndexList() {
    if (Facts().Stacking()) {
        return AllPortIndexList(true);
    }
    const int ports = std::max(1, PortsPerUnit(Facts().ModelName, false));
    std::string list;
    for (int k = 0; k < ports; ++k) {
        list += (k > 0 ? "," : "") + std::to_string(k);
    }
    return list;
}

} // namespace

TVlanGlobalSettingsForm::TVlanGlobalSettingsForm(TComponent* owner, const VlanGlobalFeature& feature)
    : TForm(owner), IdState(DialogGuard::None()), Settings(DialogGuard::None()), Ports(DialogGuard::None()),
      Feature(feature) {
    TPanel* rows = BuildFrame(this, FrameOf(feature), IdState);
    Fields = BuildFields<T>(this, rows, kIdStateFields, kIdStateTable);
    Fields.Append(BuildFields<T>(this, rows, kWantedFields));
    Fields.Append(BuildFields<T>(this, rows, kSettingsFields, kSettingsTable));
    Label1->SetCaption(feature.IdCaption);
    tempGlobalComboBox->SetStyle(csDropDownList);
    for (const char* state : {kEnabled, kDisabled}) {
        tempGlobalComboBox->Items().Add(state);
    }
    Settings.StatusPanel = Ports.StatusPanel = IdState.StatusPanel;
    IdState.Companions = {&Settings, &Ports}; // closed with it
}

void TVlanGlobalSettingsForm::FormCreate(TObject*) {
    IdState.Attempt([this] {
        Pickers.Embed(this, PickerHost::Tabs(PageControl1), kPortColumns, PortIndexList());
        BindFields<T>(this, nullptr,
                      IdState.CreateRequest(this, Feature.IdState, SVT_SV, 0, {.Blocking = true}),
                      kIdStateFields);
        BindFields<T>(this, nullptr,
                      Settings.CreateRequest(this, Feature.Settings, SVT_SV, 0, {.Blocking = true}),
                      kSettingsFields);
        Pickers.Bind(Ports.CreateRequest(this, Feature.Ports, SVT_SV, 0, {.Blocking = true}));
        Pickers.DisableAll(); // they only show the ports
        ReadGlobalSettings();
    });
}

void TVlanGlobalSettingsForm::ReadGlobalSettings() {
    IdState.Read();
    tepVIDEdit->SetText(VIDEdit->Text());
    if (GlobalComboBox->Text().empty()) {
        SelectNoOption(tempGlobalComboBox);
    } else {
        SelectOption(tempGlobalComboBox, GlobalComboBox->Text());
    }
    Settings.Read();
    if (OptionSelected(GlobalComboBox, kDisabled)) {
        Pickers.UncheckAll();
    } else if (OptionSelected(GlobalComboBox, kEnabled)) {
        Ports.Read();
    }
}

void TVlanGlobalSettingsForm::WriteGlobalSettings() {
    // The switch's ID and state as they are now decide the writes.
    if (!IdState.Read()) {
        return;
    }
    constexpr WritePlan kAlone = {.Blocking = true, .After = ReRead::None};
    if (!OptionSelected(GlobalComboBox, kEnabled)) {
        WriteDisabledFeature();
        return;
    }
    if (OptionSelected(tempGlobalComboBox, kEnabled)) {
        if (tepVIDEdit->Text() != VIDEdit->Text()) {
            ShowMessage(Feature.IdUnchanged);
            return;
        }
        Settings.Write(WriteCarry::RowWithout({}), kAlone);
        return;
    }
    // Disabled now; the ID typed is not written.
    SelectOption(GlobalComboBox, kDisabled);
    if (IdState.Write(WriteCarry::Only({kState}), kAlone)) {
        IdState.Read();
    }
}

bool TVlanGlobalSettingsForm::WriteDisabledFeature() {
    // The visible ID has no constraint of its own: it becomes the switch's ID only as a VLAN ID,
    // or stays as it is with "0".
    const std::string id = tepVIDEdit->Text();
    if (id != kNoId && !CheckNumberField(tepVIDEdit, 1, 4094)) {
        return false;
    }
    constexpr WritePlan kAlone = {.Blocking = true, .After = ReRead::None};
    VIDEdit->SetText(id);
    if (id != kNoId && !IdState.Write(WriteCarry::Only({kId}), kAlone)) {
        return false;
    }
    if (tempGlobalComboBox->Text().empty()) {
        SelectNoOption(GlobalComboBox);
    } else {
        SelectOption(GlobalComboBox, tempGlobalComboBox->Text());
    }
    if (!IdState.Write(WriteCarry::Only({kState}), kAlone) || !IdState.Read()) {
        return false;
    }
    return Settings.Write(WriteCarry::RowWithout({}), kAlone);
}

void TVlanGlobalSettingsForm::btnGetClick(TObject*) {
    if (Settings.Request) {
        ReadGlobalSettings();
    }
}

void TVlanGlobalSettingsForm::btnSetClick(TObject*) {
    WriteGlobalSettings();
    ReadGlobalSettings();
}

void TVlanGlobalSettingsForm::btnCloseClick(TObject*) {
    Close();
}

void TVlanGlobalSettingsForm::FormClose(TObject*, TCloseAction&) {
    IdState.Closing();
}
