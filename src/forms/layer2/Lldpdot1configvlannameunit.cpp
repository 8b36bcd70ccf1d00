#include "Lldpdot1configvlannameunit.h"

#include "CatalogueColumns.h"
#include "Oid_lldp.h"

TLLDPConfigVLANNameForm* LLDPConfigVLANNameForm = nullptr;

namespace {

constexpr auto& kTable = Columns::LLDPConfigVLANNameTable;

constexpr Dot1ConfigDesign kDesign = {.Table = LLDPConfigVLANNameTable,
                                      .Columns = kTable,
                                      .PortColumn = ColumnOf(kTable, "Port Number"),
                                      .IndexColumn = ColumnOf(kTable, "VLAN ID"),
                                      .TxColumn = ColumnOf(kTable, "VLAN Name TX"),
                                      .IndexCaption = "VLAN ID",
                                      .TxCaption = "VLAN Name TX",
                                      .Width = 449,
                                      .Height = 470,
                                      .Caption = "LLDP-Dot1 Configuration VLAN Name Table"};

} // namespace

TLLDPConfigVLANNameForm::TLLDPConfigVLANNameForm(TComponent* owner)
    : TLldpDot1ConfigTableForm(owner, kDesign) {}
