#include "Lldpdot1configprotocolvlanunit.h"

#include "CatalogueColumns.h"
#include "Oid_lldp.h"

TLLDPConfigProtocolVLANForm* LLDPConfigProtocolVLANForm = nullptr;

namespace {

constexpr auto& kTable = Columns::LLDPConfigProtocolVLANTable;

constexpr Dot1ConfigDesign kDesign = {.Table = LLDPConfigProtocolVLANTable,
                                      .Columns = kTable,
                                      .PortColumn = ColumnOf(kTable, "Port Number"),
                                      .IndexColumn = ColumnOf(kTable, "VLAN ID"),
                                      .TxColumn = ColumnOf(kTable, "Protocol VLAN TX"),
                                      .IndexCaption = "VLAN ID",
                                      .TxCaption = "Protocol VLAN TX",
                                      .Width = 460,
                                      .Height = 471,
                                      .Caption = "LLDP-Dot1 Configuration Protocol VLAN Table"};

} // namespace

TLLDPConfigProtocolVLANForm::TLLDPConfigProtocolVLANForm(TComponent* owner)
    : TLldpDot1ConfigTableForm(owner, kDesign) {}
