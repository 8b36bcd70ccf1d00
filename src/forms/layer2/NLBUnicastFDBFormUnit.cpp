#include "NLBUnicastFDBFormUnit.h"

#include "CatalogueColumns.h"
#include "Oid_fileserver.h"

TNLBUnicastFDBForm* NLBUnicastFDBForm = nullptr;

namespace {

constexpr auto& kTable = Columns::NLBUnicastFDBTable;
constexpr int kEgress = ColumnOf(kTable, "Egress Ports");

// The multicast dialog's flows over a table keyed by the MAC address alone; a new entry is its
// status alone (its ports are set on the chosen entry), and so is a destroy.
const NlbTable kNlb = {.Entry = {.Table = NLBUnicastFDBTable,
                                 .KeyCount = 1,
                                 .Vlan = -1,
                                 .Mac = ColumnOf(kTable, "MAC Address"),
                                 .Ports = kEgress,
                                 .Status = ColumnOf(kTable, "Row Status"),
                                 .PortsTab = "Egress Ports",
                                 .MacCaption = "MAC  Address",
                                 .MacConstraint = "%h{l12}"},
                       .FormCaption = "NLBUnicastFDBForm",
                       .KeyRefusal = "Please input MAC Address.",
                       .AddWithout = {kEgress},
                       .DeleteWith = {}};

} // namespace

TNLBUnicastFDBForm::TNLBUnicastFDBForm(TComponent* owner) : TNLBFDBForm(owner, kNlb) {}
