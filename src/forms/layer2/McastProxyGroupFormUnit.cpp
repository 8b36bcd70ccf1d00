#include "McastProxyGroupFormUnit.h"

#include "CatalogueColumns.h"
#include "DeviceFacts.h"
#include "DialogFrame.h"
#include "DialogTexts.h"
#include "FieldTable.h"
#include "Oid_mcastproxy.h"
#include "TButton.h"

TMcastProxyGroupForm* McastProxyGroupForm = nullptr;

namespace {

using T = TMcastProxyGroupForm;

// The two tables share their layout (the state's caption aside): the columns are named in the IPv4
// table and proven to stand at the same places in the IPv6 one.
constexpr auto& kIPv4 = Columns::McastProxyGroupDownstreamVLANMemberPorts;
constexpr auto& kIPv6 = Columns::McastProxyGroupDownstreamVLANMemberPorts2;
constexpr int kDestination = ColumnOf(kIPv4, "Destination Address");
constexpr int kSource = ColumnOf(kIPv4, "Source Address");
constexpr int kVlan = ColumnOf(kIPv4, "Downstream VLAN ID");
constexpr int kMemberPorts = ColumnOf(kIPv4, "Downstream VLAN Member Ports");
constexpr int kState = ColumnOf(kIPv4, "State");
static_assert(ColumnOf(kIPv6, "Destination Address") == kDestination &&
              ColumnOf(kIPv6, "Source Address") == kSource &&
              ColumnOf(kIPv6, "Downstream VLAN ID") == kVlan &&
              ColumnOf(kIPv6, "Downstream VLAN Member Ports") == kMemberPorts &&
              ColumnOf(kIPv6, "Status") == kState);
constexpr int kIndexColumns = 3;
constexpr int kPickerColumns = 12;

// The IP version of the opening command that reads the IPv4 table; any other reads the IPv6 one.
constexpr int kIPv4Version = 1;

// The row's keys, shown only; an IPv6 address is 32 hexadecimal digits and reads whole.
constexpr FieldPlace Line(int i, int width) {
    const int top = 8 + 26 * i;
    return {8, top + 3, 130, top, width};
}
constexpr Field<T> kFields[] = {
    {.Column = kDestination,
     .Caption = "Destination Address",
     .Constraint = "%s",
     .Control = &T::edtDstAddr,
     .Kind = FieldKind::Edit,
     .Label = &T::Label1,
     .Place = Line(0, 235),
     .Flags = kFieldReadOnly},
    {.Column = kSource,
     .Caption = "Source Address",
     .Constraint = "%s",
     .Control = &T::edtSrcAddr,
     .Kind = FieldKind::Edit,
     .Label = &T::Label2,
     .Place = Line(1, 235),
     .Flags = kFieldReadOnly},
    {.Column = kVlan,
     .Caption = "Downstream VLAN ID",
     .Constraint = "%s",
     .Control = &T::edtVLANID,
     .Kind = FieldKind::Edit,
     .Label = &T::Label3,
     .Place = Line(2, 60),
     .Flags = kFieldReadOnly},
    {.Column = kState,
     .Caption = "State",
     .Control = &T::ComboBox1,
     .Kind = FieldKind::ComboBox,
     .Label = &T::Label4,
     .Place = {400, 11, 450, 8, 80},
     .Flags = kFieldHidden,
     .Default = FieldDefault::FirstItem()},
};

constexpr ButtonSpec<T> kButtons[] = {
    {&T::GetButton, "Refresh", &T::GetButtonClick},
    {&T::CloseButton, "Close", &T::CloseButtonClick},
};

// The base sizes the dialog (631 x 402) and centres it on the main window.
constexpr DialogFrame<T> kFrame = {.Caption = "Ethernet Information Rule",
                                   .Buttons = kButtons,
                                   .Samples = "Samples",
                                   .ListHeight = 130,
                                   .PortsHeight = 120,
                                   .ClearOnNoRow = true,
                                   .ButtonPanel = &T::Panel1,
                                   .Count = &T::StaticText1,
                                   .SamplesLabel = &T::Label5,
                                   .List = &T::ListView1,
                                   .Splitter = &T::Splitter1,
                                   .Rows = &T::EditPanel,
                                   .PortPanel = &T::StackingPortPanel,
                                   .StatusBar = &T::StatusBar1,
                                   .OnListClick = &T::ListView1Click,
                                   .OnListChange = &T::ListView1Change,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose};

// Refresh alone waits for the read; Stop (and Close, which stops) ends the wait at once.
constexpr DialogGuard kGuard = {.Refresh = RefuseWhen::Incomplete,
                                .RefreshText = DialogText::kGetDataNotCompleteDot,
                                .StopCompletes = true};

} // namespace

TMcastProxyGroupForm::TMcastProxyGroupForm(TComponent* owner) : TBasicForm(owner, 631, 402), Table(kGuard) {
    TPanel* rows = BuildFrame(this, kFrame, Table);
    Fields = BuildFields<T>(this, rows, kFields);
}

void TMcastProxyGroupForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        Pickers.Embed(this, PickerHost::InPanel(StackingPortPanel, kPickerColumns),
                      {{kMemberPorts, nullptr}});
        const bool ipv4 = Facts().MulticastIpVersion == kIPv4Version;
        DialogRequest& request =
            ipv4 ? Table.CreateRequest(this, McastProxyGroupDownstreamVLANMemberPorts, MVT_UMV, kIndexColumns)
                 : Table.CreateRequest(this, McastProxyGroupDownstreamVLANMemberPorts2, MVT_FMV,
                                       kIndexColumns);
        BindFields<T>(this, this, request, kFields);
        Pickers.Bind(request);
        ResetFields();
        Table.Read();
    });
}

void TMcastProxyGroupForm::ResetFields() {
    Table.Clear();
    Table.UpdateCount();
}

void TMcastProxyGroupForm::GetButtonClick(TObject*) {
    Table.Refresh();
}

void TMcastProxyGroupForm::StopButtonClick(TObject*) {
    Table.Stop();
}

void TMcastProxyGroupForm::ListView1Click(TObject*) {
    Table.SelectionChanged();
}

void TMcastProxyGroupForm::ListView1Change(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

void TMcastProxyGroupForm::CloseButtonClick(TObject* sender) {
    StopButtonClick(sender);
    Close();
}

void TMcastProxyGroupForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}
