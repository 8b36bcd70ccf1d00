#include "FilterAllNodePermitFormUnit.h"

#include "InputValidators.h"
#include "Oid_dhcpserver.h"

TFilterAllNodePermitForm* FilterAllNodePermitForm = nullptr;

namespace {

using T = TFilterDHCPPermitForm;

constexpr DialogFrame<T> kFrame = PermitFrame(690, 417, "ICMPv6 RA All Node Permit Table");

const PermitDesign kDesign = {.Table = FilterAllNodePermitTable,
                              .Frame = kFrame,
                              .Fields = kIpv6PermitFields,
                              .Columns = Columns::FilterAllNodePermitTable,
                              .KeyCount = 1,
                              .Ports = kIpv6PermitPorts,
                              .RowStatus = kIpv6PermitStatus,
                              .CheckAddress = CheckIPv6HexText,
                              .HasMac = false,
                              .Presence = UnitPresence::ByModuleName,
                              .HasEdit = false,
                              .RefreshHoldsAdd = false};

} // namespace

TFilterAllNodePermitForm::TFilterAllNodePermitForm(TComponent* owner)
    : TFilterDHCPPermitForm(owner, kDesign) {}
