#include "PortCapabilities8021dFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "DialogTexts.h"
#include "Oid_bridge.h"
#include "TButton.h"

#include <string_view>

TPortCapabilities8021dForm* PortCapabilities8021dForm = nullptr;

namespace {

using T = TPortCapabilities8021dForm;

constexpr auto& kTable = Columns::PortCapabilities8021dTable;
constexpr int kCapabilities = ColumnOf(kTable, "Capabilities");
constexpr int kIndexColumns = 1;

// The capability bits (dot1qDot1qTagging 0x80, dot1qConfigurableAcceptableFrameTypes 0x40,
// dot1qIngressFiltering 0x20) of the values a port can report, by their whole value text.
struct CapabilityText {
    std::string_view Value;
    const char* Names;
};
constexpr CapabilityText kCapabilityTexts[] = {
    {"E0", "Dot1qTagging,ConfigurableAcceptableFrameTypes,IngressFiltering"},
    {"60", "ConfigurableAcceptableFrameTypes,IngressFiltering"},
    {"A0", "Dot1qTagging,IngressFiltering"},
    {"C0", "Dot1qTagging,ConfigurableAcceptableFrameTypes"},
    {"20", "IngressFiltering"},
    {"80", "Dot1qTagging"},
    {"40", "ConfigurableAcceptableFrameTypes"},
};

constexpr ButtonSpec<T> kButtons[] = {
    {&T::RefreshBtn, "Refresh", &T::RefreshBtnClick},
    {&T::btn1, "Close", &T::btn1Click},
};

constexpr DialogFrame<T> kFrame = {.Width = 443,
                                   .Height = 263,
                                   .Caption = "Port Capabilities 802.1d Form",
                                   .Buttons = kButtons,
                                   .Samples = "Samples",
                                   .ButtonPanel = &T::Panel1,
                                   .Count = &T::ST_Count,
                                   .SamplesLabel = &T::Label1,
                                   .List = &T::LV_dot1dPortCapabilitiesEntry,
                                   .StatusBar = &T::StatusBar1,
                                   .OnListChange = &T::LV_dot1dPortCapabilitiesEntryChanging,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose};

// Refresh says so while a read runs; closing always works.
constexpr DialogGuard kGuard = {.Text = DialogText::kGetDataNotComplete,
                                .Refresh = RefuseWhen::Incomplete,
                                .RefreshText = DialogText::kGetDataNotComplete,
                                .Close = RefuseWhen::Never};

} // namespace

std::string CapabilityNames(const std::string& valueText) {
    for (const CapabilityText& capability : kCapabilityTexts) {
        if (valueText == capability.Value) {
            return capability.Names;
        }
    }
    return {};
}

void NewRequest2Edits4::RenderCapabilities() {
    std::string& text = Request.VarList.GetVariable(kCapabilities).ValueText;
    text = CapabilityNames(text);
}

void NewRequest2Edits4::RowReceived() {
    if (!ListView) {
        return;
    }
    RenderCapabilities();
    AddListViewRow();
}

TPortCapabilities8021dForm::TPortCapabilities8021dForm(TComponent* owner) : TForm(owner), Table(kGuard) {
    BuildFrame(this, kFrame, Table);
    Table.Refreshing = {.Leaves = RefreshLeaves::Unchanged};
    Table.AfterRead = [this] { OnEndGet(Table.Request.get(), Table.LastReadError); };
}

void TPortCapabilities8021dForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        DialogRequest& request = Table.CreateRequest(std::make_unique<NewRequest2Edits4>(this),
                                                     PortCapabilities8021dTable, MVT_FMV, kIndexColumns);
        request.OnSetDone = [this](VqSNMPRequest2Controls* r, const VqSNMPError& e) { OnEndSet(r, e); };
        Table.Read();
    });
}

void TPortCapabilities8021dForm::OnEndGet(VqSNMPRequest2Controls*, const VqSNMPError&) {
    Table.DataComplete = true;
}

void TPortCapabilities8021dForm::OnEndSet(VqSNMPRequest2Controls*, const VqSNMPError&) {
    Table.DataComplete = true;
}

void TPortCapabilities8021dForm::RefreshBtnClick(TObject*) {
    Table.Refresh();
}

void TPortCapabilities8021dForm::btn1Click(TObject*) {
    Close();
}

void TPortCapabilities8021dForm::LV_dot1dPortCapabilitiesEntryChanging(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

void TPortCapabilities8021dForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}
