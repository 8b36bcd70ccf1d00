#include "Lldpdot3portconfigtable.h"

#include "CatalogueColumns.h"
#include "Oid_lldp.h"

TLLDPDot3PortConfigForm* LLDPDot3PortConfigForm = nullptr;

namespace {

using T = TLldpPortConfigTableForm;

constexpr auto& kTable = Columns::LLDPDot3PortConfig;
constexpr int kTlvs = ColumnOf(kTable, "TLVs TX Enable");

// Two lines under the list (96 DPI): the port, the TLVs as names.
constexpr Field<T> kFields[] = {
    {.Column = ColumnOf(kTable, "Port Number"),
     .Caption = "Port Number",
     .Text = &T::PortText,
     .Label = &T::PortEditLabel,
     .Place = {8, 10, 100, 8, 60},
     .Default = FieldDefault::Option(" ")},
    {.Column = kTlvs,
     .Caption = "TLVs TX Enable",
     .Constraint = "%s{l256}",
     .Edit = &T::TLVsEdit,
     .Label = &T::TLVsLabel,
     .Place = {8, 36, 100, 32, 280}},
};

constexpr const char* kHidden[] = {"powerViaMDI"};

constexpr PortConfigDesign kDesign = {.Table = LLDPDot3PortConfig,
                                      .Columns = kTable,
                                      .Fields = kFields,
                                      .TlvColumn = kTlvs,
                                      .Names = LldpNames::kDot3Tlvs,
                                      .Chooser = {.Names = LldpNames::kDot3Tlvs,
                                                  .Hidden = kHidden,
                                                  .Width = 295,
                                                  .Height = 191,
                                                  .Caption = "LLDP Dot3 Port Configuration Table Setting: "},
                                      .Width = 495,
                                      .Height = 497,
                                      .Caption = "LLDP-Dot3 Port Configuration Table",
                                      .WriteCaption = "Edit"};

} // namespace

TLLDPDot3PortConfigForm::TLLDPDot3PortConfigForm(TComponent* owner)
    : TLldpPortConfigTableForm(owner, kDesign) {}
