#include "Lldpremotetable.h"

#include "CatalogueColumns.h"
#include "Oid_lldp.h"

TLLDPRemoteForm* LLDPRemoteForm = nullptr;

namespace {

constexpr auto& kTable = Columns::LLDPRemoteTable;

constexpr NamedColumn kNamed[] = {
    {ColumnOf(kTable, "System Capabilities Supported"), LldpNames::kRemoteCapabilities},
    {ColumnOf(kTable, "System Capabilities Enabled"), LldpNames::kRemoteCapabilities},
};

// Keyed by the time mark, the local port and the neighbour's index.
constexpr NamedListDesign kDesign = {.Table = LLDPRemoteTable,
                                     .KeyCount = 3,
                                     .Named = kNamed,
                                     .Width = 700,
                                     .Height = 549,
                                     .Caption = "LLDP Remote Table"};

} // namespace

TLLDPRemoteForm::TLLDPRemoteForm(TComponent* owner) : TLldpNamedListForm(owner, kDesign) {}
