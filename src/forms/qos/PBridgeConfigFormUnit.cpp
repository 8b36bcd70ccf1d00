#include "PBridgeConfigFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "FieldTable.h"
#include "Oid_bridge.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"

TPBridgeConfigForm* PBridgeConfigForm = nullptr;

namespace {

using T = TPBridgeConfigForm;

constexpr auto& kTable = Columns::PBridgeConfigTrafficClassesEnabled;
constexpr int kTrafficClasses = ColumnOf(kTable, "Traffic Classes Enabled");

// What the bridge can do, the same on every switch of the series: not read.
constexpr const char* kDeviceCapabilities =
    "dot1dExtendedFilteringServices,dot1dTrafficClasses,dot1qIVLCapable,dot1qConfigurablePvidTagging";

constexpr Field<T> kCapabilityFields[] = {
    {.Caption = "Device Capabilities",
     .Edit = &T::Edit_DeviceCapabilities,
     .Label = &T::Label1,
     .Place = {8, 14, 112, 10, 128},
     .Flags = kFieldReadOnly},
};
constexpr Field<T> kFields[] = {
    {.Column = kTrafficClasses,
     .Caption = "Traffic Classes State",
     .Combo = &T::TrafficClassesState,
     .Label = &T::Label2,
     .Place = {8, 44, 112, 40, 128},
     .Flags = kFieldDisabled},
};

// Beside the two rows of the low dialog.
constexpr ButtonSpec<T> kButtons[] = {
    {&T::BT_Get, "Refresh", &T::BT_GetClick, 6},
    {&T::Button1, "Close", &T::Button1Click, 36},
};

constexpr DialogFrame<T> kFrame = {.Width = 346,
                                   .Height = 116,
                                   .Caption = "PBridge Config Form",
                                   .Buttons = kButtons,
                                   .ListHeight = DialogFrame<T>::kNoList,
                                   .ButtonPanel = &T::Panel1,
                                   .StatusBar = &T::StatusBar1,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose};

} // namespace

TPBridgeConfigForm::TPBridgeConfigForm(TComponent* owner) : TForm(owner), Table(DialogGuard::None()) {
    TPanel* fields = BuildFrame(this, kFrame, Table);
    Fields = BuildFields<T>(this, fields, kFields);
    BuildFields<T>(this, fields, kCapabilityFields);
    Table.Refreshing = {.Leaves = RefreshLeaves::Unchanged};
}

void TPBridgeConfigForm::FormCreate(TObject*) {
    Edit_DeviceCapabilities->SetText(kDeviceCapabilities);
    Edit_DeviceCapabilities->SetHint(kDeviceCapabilities);
    Edit_DeviceCapabilities->SetShowHint(true);
    Table.Attempt([this] {
        DialogRequest& request = Table.CreateRequest(this, PBridgeConfigTrafficClassesEnabled, SVT_SV, 0);
        BindFields<T>(this, nullptr, request, kFields);
        Table.Read();
    });
}

void TPBridgeConfigForm::BT_GetClick(TObject*) {
    Table.Refresh();
}

void TPBridgeConfigForm::Button1Click(TObject*) {
    Close();
}

void TPBridgeConfigForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}
