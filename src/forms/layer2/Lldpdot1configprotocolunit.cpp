#include "Lldpdot1configprotocolunit.h"

#include "CatalogueColumns.h"
#include "Oid_lldp.h"

TLLDPConfigProtocolForm* LLDPConfigProtocolForm = nullptr;

namespace {

constexpr auto& kTable = Columns::LLDPConfigProtocolTable;

constexpr Dot1ConfigDesign kDesign = {.Table = LLDPConfigProtocolTable,
                                      .Columns = kTable,
                                      .PortColumn = ColumnOf(kTable, "Port Number"),
                                      .IndexColumn = ColumnOf(kTable, "Protocol Index"),
                                      .TxColumn = ColumnOf(kTable, "Protocol TX"),
                                      .IndexCaption = "Index",
                                      .TxCaption = "Protocol TX",
                                      .Width = 462,
                                      .Height = 467,
                                      .Caption = "LLDP-Dot1 Configuration Protocol Table"};

} // namespace

TLLDPConfigProtocolForm::TLLDPConfigProtocolForm(TComponent* owner)
    : TLldpDot1ConfigTableForm(owner, kDesign) {}
