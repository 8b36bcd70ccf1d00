#include "Lldpdot3linkaggtable.h"

#include "CatalogueColumns.h"
#include "Oid_lldp.h"

TLLDPDot3LinkAggForm* LLDPDot3LinkAggForm = nullptr;

namespace {

constexpr NamedColumn kNamed[] = {
    {ColumnOf(Columns::LLDPDot3LinkAggTable, "Link Aggregation State"), LldpNames::kAggregationState},
};

constexpr NamedListDesign kDesign = {.Table = LLDPDot3LinkAggTable,
                                     .KeyCount = 1,
                                     .Named = kNamed,
                                     .Width = 511,
                                     .Height = 533,
                                     .Caption = "LLDP-Dot3 Local Link Aggregation Table"};

} // namespace

TLLDPDot3LinkAggForm::TLLDPDot3LinkAggForm(TComponent* owner) : TLldpNamedListForm(owner, kDesign) {}
