#include "AclDialogs.h"

#include "DialogClassRegistrar.h"
#include "EgressEthernetProfileFormUnit.h"
#include "EgressIPv4ProfileFormUnit.h"
#include "EgressIPv6ProfileFormUnit.h"
#include "EthernetProfileFormUnit.h"
#include "EthernetProfileRuleUnit.h"
#include "IPProfileFormUnit.h"
#include "IPProfileRuleUnit.h"
#include "IPv6ProfileFormUnit.h"
#include "IPv6ProfileRuleFormUnit.h"

void RegisterAclDialogs(DialogClassRegistrar& registry) {
    registry.Register("TIPProfileRuleForm", IPProfileRuleForm);
    registry.Register("TIPProfileForm", IPProfileForm);
    registry.Register("TEthernetProfileForm", EthernetProfileForm);
    registry.Register("TEgressEthetnetProfileForm", EgressEthetnetProfileForm);
    registry.Register("TEthernetProfileRuleForm", EthernetProfileRuleForm);
    registry.Register("TIPv6ProfileForm", IPv6ProfileForm);
    registry.Register("TIpv6RuleForm", Ipv6RuleForm);
    registry.Register("TEgressIPv6ProfileForm", EgressIPv6ProfileForm);
    registry.Register("TEgressIPv4ProfileForm", EgressIPv4ProfileForm);
}
