#include "AclDialogs.h"

#include "ACLCounterUnit.h"
#include "DialogClassRegistrar.h"
#include "EgressACLCounterUnit.h"
#include "EgressACLEthernetRuleFormUnit.h"
#include "EgressACLIPV4RuleFormUnit.h"
#include "EgressACLPortGroupFormUnit.h"
#include "EgressEthernetProfileFormUnit.h"
#include "EgressIPv4ProfileFormUnit.h"
#include "EgressIPv6ProfileFormUnit.h"
#include "EgressIPv6RuleFormUnit.h"
#include "EthernetProfileFormUnit.h"
#include "EthernetProfileRuleUnit.h"
#include "IBPEtherMaskFormUnit.h"
#include "IBPEtherRuleFormUnit.h"
#include "IBPIPMaskFormUnit.h"
#include "IBPIPRuleFormUnit.h"
#include "IPProfileFormUnit.h"
#include "IPProfileRuleUnit.h"
#include "IPv6ProfileFormUnit.h"
#include "IPv6ProfileRuleFormUnit.h"
#include "PktContentProfileFormUnit.h"
#include "PktContentRuleFormUnit.h"

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
    registry.Register("TACLCounterForm", ACLCounterForm);
    registry.Register("TEgressACLCounterForm", EgressACLCounterForm);
    registry.Register("TIBPACLEtherMaskForm", IBPACLEtherMaskForm);
    registry.Register("TIBPEtherRuleForm", IBPEtherRuleForm);
    registry.Register("TIBPIPMaskForm", IBPIPMaskForm);
    registry.Register("TIBPIPRuleForm", IBPIPRuleForm);
    registry.Register("TEgressACLPortGroupForm", EgressACLPortGroupForm);
    registry.Register("TPktContentProfileForm", PktContentProfileForm);
    registry.Register("TPktContentRuleForm", PktContentRuleForm);
    registry.Register("TEgrssEthernetProfileRuleForm", EgrssEthernetProfileRuleForm);
    registry.Register("TEgressIPv4RuleForm", EgressIPv4RuleForm);
    registry.Register("TEgressIPv6RuleForm", EgressIPv6RuleForm);
}
