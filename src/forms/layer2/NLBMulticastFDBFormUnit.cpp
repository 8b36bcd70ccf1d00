#include "NLBMulticastFDBFormUnit.h"

#include "CatalogueColumns.h"
#include "Oid_fileserver.h"

TNLBMulticastFDBForm* NLBMulticastFDBForm = nullptr;

namespace {

constexpr auto& kTable = Columns::NLBMulticastFDBTable;
constexpr int kEgress = ColumnOf(kTable, "Egress Ports");

const NlbTable kNlb = {.Entry = {.Table = NLBMulticastFDBTable,
                                 .KeyCount = 2,
                                 .Vlan = ColumnOf(kTable, "VLAN Index"),
                                 .Mac = ColumnOf(kTable, "MAC Address"),
                                 .Ports = kEgress,
                                 .Status = ColumnOf(kTable, "Row Status"),
                                 .PortsTab = "Egress Ports",
                                 .MacCaption = "MAC  Address",
                                 .MacConstraint = "%h{l12}"},
                       .FormCaption = "NLBMulticastFDBForm",
                       .KeyRefusal = "Please input VLAN ID and MAC Address.",
                       .AddWithout = {},
                       .DeleteWith = {kEgress}};

} // namespace

TNLBMulticastFDBForm::TNLBMulticastFDBForm(TComponent* owner) : TNLBFDBForm(owner, kNlb) {}
