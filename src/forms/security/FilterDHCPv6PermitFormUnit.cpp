#include "FilterDHCPv6PermitFormUnit.h"

#include "InputValidators.h"
#include "Oid_dhcpserver.h"

TFilterDHCPv6PermitForm* FilterDHCPv6PermitForm = nullptr;

namespace {

using T = TFilterDHCPPermitForm;

constexpr DialogFrame<T> kFrame = PermitFrame(703, 419, "DHCPv6 Server Screening Permit Table");

const PermitDesign kDesign = {.Table = FilterDHCPv6PermitTable,
                              .Frame = kFrame,
                              .Fields = kIpv6PermitFields,
                              .Columns = Columns::FilterDHCPv6PermitTable,
                              .KeyCount = 1,
                              .Ports = kIpv6PermitPorts,
                              .RowStatus = kIpv6PermitStatus,
                              .CheckAddress = CheckIPv6HexText,
                              .HasMac = false,
                              .Presence = UnitPresence::ByModuleName,
                              .HasEdit = false,
                              .RefreshHoldsAdd = false};

} // namespace

TFilterDHCPv6PermitForm::TFilterDHCPv6PermitForm(TComponent* owner) : TFilterDHCPPermitForm(owner, kDesign) {}
