#include "Lldpportconfigtable.h"

#include "CatalogueColumns.h"
#include "Oid_lldp.h"

TLLDPPortConfigForm* LLDPPortConfigForm = nullptr;

namespace {

using T = TLldpPortConfigTableForm;

constexpr auto& kTable = Columns::LLDPPortConfig;
constexpr int kTlvs = ColumnOf(kTable, "TLVs TX Enable");

// Three lines under the list (96 DPI): the port and its admin state, the notification switch, the
// TLVs as names.
constexpr Field<T> kFields[] = {
    {.Column = ColumnOf(kTable, "Port Number"),
     .Caption = "Port Number",
     .Text = &T::PortText,
     .Label = &T::PortEditLabel,
     .Place = {8, 12, 112, 10, 60},
     .Default = FieldDefault::Option(" ")},
    {.Column = ColumnOf(kTable, "Administration State"),
     .Caption = "Admin State",
     .Combo = &T::AdminStateComboBox,
     .Label = &T::AdminStateLabel,
     .Place = {200, 12, 290, 8, 100}},
    {.Column = ColumnOf(kTable, "Notification Enable"),
     .Caption = "Notification Enable",
     .Combo = &T::NotificationComboBox,
     .Label = &T::NotificationLabel,
     .Place = {8, 40, 112, 36, 80}},
    {.Column = kTlvs,
     .Caption = "TLVs TX Enable",
     .Constraint = "%s{l256}",
     .Edit = &T::TLVsEdit,
     .Label = &T::TLVsLabel,
     .Place = {8, 68, 112, 64, 440}},
};

constexpr PortConfigDesign kDesign = {.Table = LLDPPortConfig,
                                      .Columns = kTable,
                                      .Fields = kFields,
                                      .TlvColumn = kTlvs,
                                      .Names = LldpNames::kTlvs,
                                      .Chooser = {.Names = LldpNames::kTlvs,
                                                  .Hidden = {},
                                                  .Width = 286,
                                                  .Height = 180,
                                                  .Caption = "Port Configuration Table Setting: "},
                                      .Width = 699,
                                      .Height = 533,
                                      .Caption = "LLDP Port Configuration Table",
                                      .WriteCaption = "Set"};

} // namespace

TLLDPPortConfigForm::TLLDPPortConfigForm(TComponent* owner) : TLldpPortConfigTableForm(owner, kDesign) {}
