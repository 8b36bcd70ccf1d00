#include "EquipmentBasicInfoFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "FieldTable.h"
#include "Oid_system.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "UserDialogs.h"

TEquipmentBasicInfoForm* EquipmentBasicInfoForm = nullptr;

namespace {

using T = TEquipmentBasicInfoForm;

constexpr const char* kCapacity = "Fan, Redundant Power and Stacking";
constexpr const char* kDeviceWillReboot = "The Device will reboot.";
constexpr int kWriteTimeout = 500; // 5 s: the switch takes its time over stacking settings

constexpr auto& kTable = Columns::EquipmentBasicInfo;
constexpr int kMode = ColumnOf(kTable, "Mode");

// The design's line i (96 DPI), below the capacity's: the label, then the value.
constexpr FieldPlace Line(int i) {
    const int top = 44 + 30 * i;
    return {16, top + 3, 130, top, 150};
}

// The capacity is read but never shown: its edit keeps the fixed text.
constexpr Field<T> kFields[] = {
    {.Column = kMode,
     .Caption = "Stack Mode",
     .Combo = &T::cbxStackMode,
     .Label = &T::Label2,
     .Place = Line(0)},
    {.Column = ColumnOf(kTable, "Topology"),
     .Caption = "Topology",
     .Combo = &T::cbxTopology,
     .Label = &T::Label3,
     .Place = Line(1),
     .Flags = kFieldDisabled},
    {.Column = ColumnOf(kTable, "Force Master Role"),
     .Caption = "Force Master Role",
     .Combo = &T::ForceMasterRoleComboBox,
     .Label = &T::Label4,
     .Place = Line(2)},
    {.Column = ColumnOf(kTable, "Trap State"),
     .Caption = "Trap State",
     .Combo = &T::TrapStateCbx,
     .Label = &T::Label5,
     .Place = Line(3)},
    {.Column = ColumnOf(kTable, "Log State"),
     .Caption = "Log State",
     .Combo = &T::LogStateCbx,
     .Label = &T::Label6,
     .Place = Line(4)},
};

constexpr ButtonSpec<T> kButtons[] = {
    {&T::BitBtn1, "Refresh", &T::BitBtn1Click},
    {&T::bbtnSet, "Set", &T::bbtnSetClick},
    {&T::CloseButton, "Close", &T::CloseButtonClick},
};

constexpr DialogFrame<T> kFrame = {.Width = 430,
                                   .Height = 242,
                                   .Caption = "Equiment Basic Information",
                                   .Buttons = kButtons,
                                   .ListHeight = DialogFrame<T>::kNoList,
                                   .ButtonPanel = &T::Panel1,
                                   .StatusBar = &T::StatusBar1,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose};

} // namespace

TEquipmentBasicInfoForm::TEquipmentBasicInfoForm(TComponent* owner)
    : TForm(owner), Table(DialogGuard::None()) {
    TPanel* panel = BuildFrame(this, kFrame, Table);
    Label1 = AddLabel(this, panel, 16, 17, "Equipment Capacity");
    Edit1 = new TEdit(this);
    Edit1->SetParent(panel);
    Edit1->SetBounds(130, 14, 190, 21);
    Edit1->SetColor(clBtnFace);
    Edit1->SetText(kCapacity);
    Fields = BuildFields<T>(this, panel, kFields, kTable);
    Table.Refreshing = {.Leaves = RefreshLeaves::Unchanged};
    Table.AfterRead = [this] {
        if (Table.LastReadError.Code == 0) {
            StackMode = cbxStackMode->Text();
        }
    };
}

void TEquipmentBasicInfoForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        DialogRequest& request = Table.CreateRequest(this, EquipmentBasicInfo, SVT_SV, 0, {.Blocking = true});
        BindFields<T>(this, nullptr, request, kFields);
        Table.Read();
    });
}

void TEquipmentBasicInfoForm::BitBtn1Click(TObject*) {
    Table.Refresh();
}

void TEquipmentBasicInfoForm::bbtnSetClick(TObject*) {
    if (!Table.Request) {
        return;
    }
    // The mode only when the user chose another than the switch holds: it reboots the switch.
    const bool modeChanged = cbxStackMode->Text() != StackMode;
    if (modeChanged) {
        ShowMessage(kDeviceWillReboot);
    }
    Table.Request->Request.Timeout = kWriteTimeout;
    Table.Write(modeChanged ? WriteCarry::RowWithout({}) : WriteCarry::RowWithout({kMode}));
}

void TEquipmentBasicInfoForm::CloseButtonClick(TObject*) {
    Close();
}

void TEquipmentBasicInfoForm::FormClose(TObject*, TCloseAction& action) {
    Table.Closing();
    action = caFree;
}
