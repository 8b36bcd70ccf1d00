#include "CatalogueOptionLists.h"

namespace {

constexpr OptionSourceRow ABCListRows[] = {{0, nullptr, "a"},  {1, nullptr, "b"},  {2, nullptr, "c"},
                                           {3, nullptr, "d"},  {4, nullptr, "e"},  {5, nullptr, "f"},
                                           {6, nullptr, "g"},  {7, nullptr, "h"},  {8, nullptr, "i"},
                                           {9, nullptr, "j"},  {10, nullptr, "k"}, {11, nullptr, "l"},
                                           {12, nullptr, "m"}, {13, nullptr, "n"}, {14, nullptr, "o"},
                                           {15, nullptr, "p"}, {16, nullptr, "q"}, {17, nullptr, "r"},
                                           {18, nullptr, "s"}, {19, nullptr, "t"}, {20, nullptr, "u"},
                                           {21, nullptr, "v"}, {22, nullptr, "w"}, {23, nullptr, "x"},
                                           {24, nullptr, "y"}, {25, nullptr, "z"}, {}};
constexpr OptionSourceRow ABCList2Rows[] = {{1, nullptr, "a"},  {2, nullptr, "b"},  {3, nullptr, "c"},
                                            {4, nullptr, "d"},  {5, nullptr, "e"},  {6, nullptr, "f"},
                                            {7, nullptr, "g"},  {8, nullptr, "h"},  {9, nullptr, "i"},
                                            {10, nullptr, "j"}, {11, nullptr, "k"}, {12, nullptr, "l"},
                                            {13, nullptr, "m"}, {14, nullptr, "n"}, {15, nullptr, "o"},
                                            {16, nullptr, "p"}, {17, nullptr, "q"}, {18, nullptr, "r"},
                                            {19, nullptr, "s"}, {20, nullptr, "t"}, {21, nullptr, "u"},
                                            {22, nullptr, "v"}, {23, nullptr, "w"}, {24, nullptr, "x"},
                                            {25, nullptr, "y"}, {26, nullptr, "z"}, {}};
constexpr OptionSourceRow ActionProcessingOtherListRows[] = {
    {1, nullptr, "action"}, {2, nullptr, "processing"}, {3, nullptr, "other"}, {}};
constexpr OptionSourceRow ActiveCreateAndGoDestroyListRows[] = {
    {1, nullptr, "active"}, {4, nullptr, "createAndGo"}, {6, nullptr, "destroy"}, {}};
constexpr OptionSourceRow ActiveDeleteApplyListRows[] = {{1, nullptr, "active"},
                                                         {2, nullptr, "delete"},
                                                         {3, nullptr, "apply"},
                                                         {4, nullptr, "none"},
                                                         {5, nullptr, "config-as-bootup-cfg"},
                                                         {}};
constexpr OptionSourceRow ActiveDeleteListRows[] = {{1, nullptr, "active"}, {2, nullptr, "delete"}, {}};
constexpr OptionSourceRow ActiveDestroyListRows[] = {{1, nullptr, "active"}, {6, nullptr, "destroy"}, {}};
constexpr OptionSourceRow ActiveInactiveDisabledListRows[] = {
    {1, nullptr, "active"}, {2, nullptr, "inactive"}, {3, nullptr, "disabled"}, {}};
constexpr OptionSourceRow ActiveInactiveListRows[] = {{1, nullptr, "active"}, {2, nullptr, "inactive"}, {}};
constexpr OptionSourceRow ActiveNotInServiceCreateAndGoListRows[] = {{1, nullptr, "active"},
                                                                     {2, nullptr, "notInService"},
                                                                     {4, nullptr, "createAndGo"},
                                                                     {6, nullptr, "destroy"},
                                                                     {}};
constexpr OptionSourceRow ActiveNotInServiceListRows[] = {
    {1, nullptr, "active"}, {2, nullptr, "notInService"}, {}};
constexpr OptionSourceRow ActiveNotInServiceNotReadyListRows[] = {{1, nullptr, "Active"},
                                                                  {2, nullptr, "NotInService"},
                                                                  {3, nullptr, "NotReady"},
                                                                  {4, nullptr, "CreateAndGo"},
                                                                  {5, nullptr, "CreateAndWait"},
                                                                  {6, nullptr, "Destroy"},
                                                                  {}};
constexpr OptionSourceRow ActivePassiveListRows[] = {{1, nullptr, "active"}, {2, nullptr, "passive"}, {}};
constexpr OptionSourceRow AddCreateAndGoDeleteListRows[] = {
    {1, nullptr, "add"}, {4, nullptr, "createAndGo"}, {6, nullptr, "delete"}, {}};
constexpr OptionSourceRow AddDeleteListRows[] = {{1, nullptr, "add"}, {2, nullptr, "delete"}, {}};
constexpr OptionSourceRow AddReplaceListRows[] = {{1, nullptr, "add"}, {2, nullptr, "replace"}, {}};
constexpr OptionSourceRow AdmitAllAdmitOnlyVLANTagListRows[] = {
    {1, nullptr, "admitAll"}, {2, nullptr, "admitOnlyVLANTagged"}, {}};
constexpr OptionSourceRow AdvertiseMatchinDoNotAdvertiseMaListRows[] = {
    {1, nullptr, "advertiseMatching"}, {2, nullptr, "doNotAdvertiseMatching"}, {}};
constexpr OptionSourceRow AlarmWarningListRows[] = {{1, nullptr, "alarm"}, {2, nullptr, "warning"}, {}};
constexpr OptionSourceRow AlarmWarningNoneListRows[] = {
    {1, nullptr, "alarm"}, {2, nullptr, "warning"}, {3, nullptr, "none"}, {4, nullptr, "other"}, {}};
constexpr OptionSourceRow AllDefMacRemErrXconRemErrXconListRows[] = {{1, nullptr, "allDef"},
                                                                     {2, nullptr, "macRemErrXcon"},
                                                                     {3, nullptr, "remErrXcon"},
                                                                     {4, nullptr, "errXcon"},
                                                                     {5, nullptr, "xcon"},
                                                                     {6, nullptr, "noXcon"},
                                                                     {}};
constexpr OptionSourceRow AllIpv4Ipv6ListRows[] = {
    {1, nullptr, "all"}, {2, nullptr, "ipv4"}, {3, nullptr, "ipv6"}, {}};
constexpr OptionSourceRow AllStaticAllDynamicAllListRows[] = {
    {1, nullptr, "all"}, {2, nullptr, "static-all"}, {3, nullptr, "dynamic-all"}, {4, nullptr, "other"}, {}};
constexpr OptionSourceRow AllTcpUdpListRows[] = {
    {1, nullptr, "all"}, {2, nullptr, "tcp"}, {3, nullptr, "udp"}, {}};
constexpr OptionSourceRow AlwaysDefaultNoneListRows[] = {
    {1, nullptr, "always"}, {2, nullptr, "default"}, {3, nullptr, "none"}, {}};
constexpr OptionSourceRow AnyAclIpbindListRows[] = {{1, nullptr, "any"},
                                                    {2, nullptr, "acl"},
                                                    {3, nullptr, "ipbind"},
                                                    {4, nullptr, "other"},
                                                    {5, nullptr, "dhcp"},
                                                    {6, nullptr, "netbios"},
                                                    {7, nullptr, "ext-netbios"},
                                                    {8, nullptr, "ismvlan"},
                                                    {9, nullptr, "dhcp-relay"},
                                                    {10, nullptr, "pppoe"},
                                                    {11, nullptr, "arp-spoofing"},
                                                    {12, nullptr, "bpdu-tunnel"},
                                                    {}};
constexpr OptionSourceRow AnyAclIpbindList2Rows[] = {
    {1, nullptr, "any"},  {2, nullptr, "acl"},     {3, nullptr, "ipbind"},      {4, nullptr, "other"},
    {5, nullptr, "dhcp"}, {6, nullptr, "netbios"}, {7, nullptr, "ext-netbios"}, {}};
constexpr OptionSourceRow ArpAclDhcpSnoopingListRows[] = {
    {1, nullptr, "arp"}, {2, nullptr, "acl"}, {3, nullptr, "dhcp-snooping"}, {4, nullptr, "static"}, {}};
constexpr OptionSourceRow AsExternalLinkNssaExternalLinkListRows[] = {
    {5, nullptr, "asExternalLink"}, {7, nullptr, "nssaExternalLink"}, {}};
constexpr OptionSourceRow AsmBidirListRows[] = {{3, nullptr, "asm"}, {4, nullptr, "bidir"}, {}};
constexpr OptionSourceRow AsmListRows[] = {{3, nullptr, "asm"}, {}};
constexpr OptionSourceRow AuthenticatedAuthenticatingBlockedListRows[] = {
    {1, nullptr, "authenticated"}, {2, nullptr, "authenticating"}, {3, nullptr, "blocked"}, {}};
constexpr OptionSourceRow AuthenticatingAuthenticatedUnauthorizedListRows[] = {
    {1, nullptr, "authenticating"}, {2, nullptr, "authenticated"}, {3, nullptr, "unauthorized"}, {}};
constexpr OptionSourceRow AuthenticatingAuthorizedUnauthorizedListRows[] = {
    {1, nullptr, "authenticating"}, {2, nullptr, "authorized"}, {3, nullptr, "unauthorized"}, {}};
constexpr OptionSourceRow AuthorizedUnauthorizedListRows[] = {
    {1, nullptr, "authorized"}, {2, nullptr, "unauthorized"}, {}};
constexpr OptionSourceRow AuthProtocolLocaAuthProtocolRadiListRows[] = {
    {2, nullptr, "authProtocolLocal"}, {4, nullptr, "authProtocolRadiusEap"}, {}};
constexpr OptionSourceRow AutoManualListRows[] = {{1, nullptr, "auto"}, {2, nullptr, "manual"}, {}};
constexpr OptionSourceRow AutoNormalCrossListRows[] = {
    {1, nullptr, "auto"}, {2, nullptr, "normal"}, {3, nullptr, "cross"}, {}};
constexpr OptionSourceRow BeginInitIdleListRows[] = {
    {1, nullptr, "begin"}, {2, nullptr, "init"}, {3, nullptr, "idle"}, {4, nullptr, "protection"}, {}};
constexpr OptionSourceRow BlockedMulticastUnicastListRows[] = {
    {1, nullptr, "blocked"}, {2, nullptr, "multicast"}, {3, nullptr, "unicast"}, {}};
constexpr OptionSourceRow BlockLocalPermitListRows[] = {
    {1, nullptr, "block"}, {2, nullptr, "local"}, {3, nullptr, "permit"}, {}};
constexpr OptionSourceRow BothInListRows[] = {{0, nullptr, "both"}, {1, nullptr, "in"}, {}};
constexpr OptionSourceRow Box1Box2Box3ListRows[] = {
    {1, nullptr, "box-1"}, {2, nullptr, "box-2"}, {3, nullptr, "box-3"}, {4, nullptr, "box-4"},
    {5, nullptr, "box-5"}, {6, nullptr, "box-6"}, {13, nullptr, "auto"}, {}};
constexpr OptionSourceRow BroadcastMulticastUnicastListRows[] = {{1, nullptr, "broadcast"},
                                                                 {2, nullptr, "multicast"},
                                                                 {3, nullptr, "unicast"},
                                                                 {4, nullptr, "all_frame"},
                                                                 {}};
constexpr OptionSourceRow BroadcastMulticastUnicastList2Rows[] = {{1, nullptr, "broadcast"},
                                                                  {2, nullptr, "multicast"},
                                                                  {3, nullptr, "unicast"},
                                                                  {4, nullptr, "allFrame"},
                                                                  {}};
constexpr OptionSourceRow BroadcastNbmaPointToPointListRows[] = {{1, nullptr, "broadcast"},
                                                                 {2, nullptr, "nbma"},
                                                                 {3, nullptr, "pointToPoint"},
                                                                 {5, nullptr, "pointToMultipoint"},
                                                                 {}};
constexpr OptionSourceRow CfgId1CfgId2ListRows[] = {{1, nullptr, "cfgId-1"}, {2, nullptr, "cfgId-2"}, {}};
constexpr OptionSourceRow ChassisComponentInterfaceAliasPortComponListRows[] = {
    {1, nullptr, "chassisComponent"},
    {2, nullptr, "interfaceAlias"},
    {3, nullptr, "portComponent"},
    {4, nullptr, "macAddress"},
    {5, nullptr, "networkAddress"},
    {6, nullptr, "interfaceName"},
    {7, nullptr, "local"},
    {}};
constexpr OptionSourceRow CistMstiListRows[] = {{0, nullptr, "cist"}, {1, nullptr, "msti"}, {}};
constexpr OptionSourceRow Class0Class1Class2ListRows[] = {
    {1, nullptr, "class0"}, {2, nullptr, "class1"},       {3, nullptr, "class2"},
    {4, nullptr, "class3"}, {5, nullptr, "user-defined"}, {}};
constexpr OptionSourceRow ColorBlindColorAwareListRows[] = {
    {1, nullptr, "color-blind"}, {2, nullptr, "color-aware"}, {}};
constexpr OptionSourceRow ColorBlindColorAwareList2Rows[] = {
    {1, nullptr, "color_blind"}, {2, nullptr, "color_aware"}, {}};
constexpr OptionSourceRow CommanderCandidateMemberListRows[] = {
    {1, nullptr, "commander"}, {2, nullptr, "candidate"}, {3, nullptr, "member"}, {}};
constexpr OptionSourceRow ConfigAsBootupFwDeleteNoneListRows[] = {
    {1, nullptr, "config-as-bootup-fw"}, {2, nullptr, "delete"}, {3, nullptr, "none"}, {}};
constexpr OptionSourceRow ConfigurationLogListRows[] = {
    {1, nullptr, "configuration"}, {2, nullptr, "log"}, {}};
constexpr OptionSourceRow ConsoleOutOfBandNotAvailListRows[] = {
    {2, nullptr, "console"}, {3, nullptr, "out-of-band"}, {4, nullptr, "notAvail"}, {}};
constexpr OptionSourceRow CopperFiberListRows[] = {{1, nullptr, "copper"}, {2, nullptr, "fiber"}, {}};
constexpr OptionSourceRow CriticalHighLowListRows[] = {
    {1, nullptr, "critical"}, {2, nullptr, "high"}, {3, nullptr, "low"}, {}};
constexpr OptionSourceRow CriticalMajorMinorListRows[] = {
    {0, nullptr, "critical"}, {1, nullptr, "major"}, {2, nullptr, "minor"}, {3, nullptr, "warning"}, {}};
constexpr OptionSourceRow CriticalWarningInformationListRows[] = {
    {0, nullptr, "critical"},  {1, nullptr, "warning"}, {2, nullptr, "information"},
    {3, nullptr, "emergency"}, {4, nullptr, "alert"},   {5, nullptr, "error"},
    {6, nullptr, "notice"},    {7, nullptr, "debug"},   {}};
constexpr OptionSourceRow CsCasMsListRows[] = {
    {1, nullptr, "cs"}, {2, nullptr, "cas"}, {3, nullptr, "ms"}, {}};
constexpr OptionSourceRow DecreaseNodecreaseListRows[] = {
    {1, nullptr, "decrease"}, {2, nullptr, "nodecrease"}, {}};
constexpr OptionSourceRow DefaultCidVendor1ListRows[] = {
    {1, nullptr, "default"}, {2, nullptr, "cid"}, {3, nullptr, "vendor1"}, {}};
constexpr OptionSourceRow DefaultCidWithUserDefinUserDefinedListRows[] = {
    {1, nullptr, "default"}, {2, nullptr, "cid-with-user-defined"}, {3, nullptr, "user-defined"}, {}};
constexpr OptionSourceRow DefaultUserDefinedVendor1ListRows[] = {
    {1, nullptr, "default"}, {2, nullptr, "user-defined"}, {3, nullptr, "vendor1"},
    {4, nullptr, "vendor2"}, {5, nullptr, "vendor3"},      {6, nullptr, "vendor4"},
    {7, nullptr, "vendor5"}, {8, nullptr, "vendor6"},      {}};
constexpr OptionSourceRow DefaultUserDefineVendor2ListRows[] = {{1, nullptr, "default"},
                                                                {2, nullptr, "user-define"},
                                                                {4, nullptr, "vendor2"},
                                                                {5, nullptr, "vendor3"},
                                                                {}};
constexpr OptionSourceRow DefMHFnoneDefMHFdefaultDefMHFexplicitListRows[] = {{1, nullptr, "defMHFnone"},
                                                                             {2, nullptr, "defMHFdefault"},
                                                                             {3, nullptr, "defMHFexplicit"},
                                                                             {4, nullptr, "defMHFdefer"},
                                                                             {}};
constexpr OptionSourceRow DelimiterNumber1DelimiterNumber2DelimiteListRows[] = {
    {1, nullptr, "delimiter-number-1"},
    {2, nullptr, "delimiter-number-2"},
    {3, nullptr, "delimiter-number-5"},
    {}};
constexpr OptionSourceRow DenseSparseSparseDenseListRows[] = {
    {1, nullptr, "dense"}, {2, nullptr, "sparse"}, {3, nullptr, "sparseDense"}, {}};
constexpr OptionSourceRow DenyNextPortDenyLowPriorityPListRows[] = {
    {1, nullptr, "denyNextPort"}, {2, nullptr, "denyLowPriorityPort"}, {}};
constexpr OptionSourceRow DenyPermitListRows[] = {{1, nullptr, "deny"}, {2, nullptr, "permit"}, {}};
constexpr OptionSourceRow DenyPermitMirrorListRows[] = {
    {1, nullptr, "deny"}, {2, nullptr, "permit"}, {3, nullptr, "mirror"}, {}};
constexpr OptionSourceRow DetectedClearedListRows[] = {{1, nullptr, "detected"}, {2, nullptr, "cleared"}, {}};
constexpr OptionSourceRow DetectedNotdetectedListRows[] = {
    {1, nullptr, "detected"}, {2, nullptr, "notdetected"}, {}};
constexpr OptionSourceRow DirectGreSixToFourListRows[] = {
    {2, nullptr, "direct"}, {3, nullptr, "gre"}, {11, nullptr, "sixToFour"}, {13, nullptr, "isatap"}, {}};
constexpr OptionSourceRow DirFileListRows[] = {{1, nullptr, "dir"}, {2, nullptr, "file"}, {}};
constexpr OptionSourceRow DisabledAlternateBackupListRows[] = {
    {0, nullptr, "disabled"}, {1, nullptr, "alternate"},  {2, nullptr, "backup"},
    {3, nullptr, "root"},     {4, nullptr, "designated"}, {5, nullptr, "master"},
    {6, nullptr, "nonstp"},   {7, nullptr, "loopback"},   {}};
constexpr OptionSourceRow DisabledBlockingListeningListRows[] = {{1, nullptr, "disabled"},
                                                                 {2, nullptr, "blocking"},
                                                                 {3, nullptr, "listening"},
                                                                 {4, nullptr, "learning"},
                                                                 {5, nullptr, "forwarding"},
                                                                 {6, nullptr, "broken"},
                                                                 {}};
constexpr OptionSourceRow DisabledBootpDhcpListRows[] = {
    {2, nullptr, "disabled"}, {3, nullptr, "bootp"}, {4, nullptr, "dhcp"}, {}};
constexpr OptionSourceRow DisabledEnabledListRows[] = {{2, nullptr, "disabled"}, {3, nullptr, "enabled"}, {}};
constexpr OptionSourceRow DisabledEnabledList2Rows[] = {
    {1, nullptr, "disabled"}, {2, nullptr, "enabled"}, {}};
constexpr OptionSourceRow DisabledEnabledXmitAndRcListRows[] = {
    {1, nullptr, "disabled"}, {4, nullptr, "enabledXmitAndRcv"}, {}};
constexpr OptionSourceRow DisabledEnabledXmitEnabledRcvListRows[] = {{1, nullptr, "disabled"},
                                                                     {2, nullptr, "enabledXmit"},
                                                                     {3, nullptr, "enabledRcv"},
                                                                     {4, nullptr, "enabledXmitAndRcv"},
                                                                     {}};
constexpr OptionSourceRow DisabledRepeatingAnnualListRows[] = {
    {0, nullptr, "disabled"}, {1, nullptr, "repeating"}, {2, nullptr, "annual"}, {}};
constexpr OptionSourceRow DisabledStrictLooseListRows[] = {
    {1, nullptr, "disabled"}, {2, nullptr, "strict"}, {3, nullptr, "loose"}, {}};
constexpr OptionSourceRow DisconnectedLogoffConnectingListRows[] = {
    {1, nullptr, "disconnected"},  {2, nullptr, "logoff"},
    {3, nullptr, "connecting"},    {4, nullptr, "authenticating"},
    {5, nullptr, "authenticated"}, {6, nullptr, "acquired"},
    {7, nullptr, "held"},          {}};
constexpr OptionSourceRow DoNotSendRipVersion1Rip1CompatibleListRows[] = {{1, nullptr, "doNotSend"},
                                                                          {2, nullptr, "ripVersion1"},
                                                                          {3, nullptr, "rip1Compatible"},
                                                                          {4, nullptr, "ripVersion2"},
                                                                          {}};
constexpr OptionSourceRow Dot1dDot1adListRows[] = {{1, nullptr, "dot1d"}, {2, nullptr, "dot1ad"}, {}};
constexpr OptionSourceRow Dot1qVlanProtocolIpProtocolIpx803doListRows[] = {
    {1, nullptr, "dot1q-vlan"},
    {2, nullptr, "protocol-ip"},
    {3, nullptr, "protocol-ipx803dot3"},
    {4, nullptr, "protocol-ipx802dot2"},
    {5, nullptr, "protocol-ipxSnap"},
    {6, nullptr, "protocol-ipxEthernet2"},
    {7, nullptr, "protocol-appleTalk"},
    {8, nullptr, "protocol-decLat"},
    {9, nullptr, "protocol-dexOther"},
    {10, nullptr, "protocol-sna802dot2"},
    {11, nullptr, "protocol-snaEthernet2"},
    {12, nullptr, "protocol-netBios"},
    {13, nullptr, "protocol-xns"},
    {14, nullptr, "protocol-vines"},
    {15, nullptr, "protocol-ipV6"},
    {16, nullptr, "protocol-userDefined"},
    {17, nullptr, "protocol-rarp"},
    {}};
constexpr OptionSourceRow Dot1xWacJwacListRows[] = {{1, nullptr, "dot1x"},
                                                    {2, nullptr, "wac"},
                                                    {3, nullptr, "jwac"},
                                                    {4, nullptr, "port-security"},
                                                    {5, nullptr, "mac-based-access-control"},
                                                    {6, nullptr, "compound-authentication"},
                                                    {}};
constexpr OptionSourceRow Dot3OamOperStatusListRows[] = {{1, nullptr, "disabled"},
                                                         {2, nullptr, "linkFault"},
                                                         {3, nullptr, "passiveWait"},
                                                         {4, nullptr, "activeSendLocal"},
                                                         {5, nullptr, "sendLocalAndRemote"},
                                                         {6, nullptr, "sendLocalAndRemoteOk"},
                                                         {7, nullptr, "oamPeeringLocallyRejected"},
                                                         {8, nullptr, "oamPeeringRemotelyRejected"},
                                                         {9, nullptr, "operational"},
                                                         {10, nullptr, "nonOperHalfDuplex"},
                                                         {}};
constexpr OptionSourceRow DownAttemptInitListRows[] = {
    {1, nullptr, "down"},    {2, nullptr, "attempt"},       {3, nullptr, "init"},
    {4, nullptr, "twoWay"},  {5, nullptr, "exchangeStart"}, {6, nullptr, "exchange"},
    {7, nullptr, "loading"}, {8, nullptr, "full"},          {}};
constexpr OptionSourceRow DownloadUploadOtherListRows[] = {
    {1, nullptr, "download"}, {2, nullptr, "upload"}, {3, nullptr, "other"}, {}};
constexpr OptionSourceRow DownLoopbackWaitingListRows[] = {{1, nullptr, "down"},
                                                           {2, nullptr, "loopback"},
                                                           {3, nullptr, "waiting"},
                                                           {4, nullptr, "pointToPoint"},
                                                           {5, nullptr, "designatedRouter"},
                                                           {6, nullptr, "backupDesignatedRouter"},
                                                           {7, nullptr, "otherDesignatedRouter"},
                                                           {}};
constexpr OptionSourceRow DownLoopbackWaitingList2Rows[] = {{1, nullptr, "down"},
                                                            {2, nullptr, "loopback"},
                                                            {3, nullptr, "waiting"},
                                                            {4, nullptr, "pointToPoint"},
                                                            {5, nullptr, "designatedRouter"},
                                                            {6, nullptr, "backupDesignatedRouter"},
                                                            {7, nullptr, "otherDesignatedRouter"},
                                                            {8, nullptr, "standby"},
                                                            {}};
constexpr OptionSourceRow DownPointToPointListRows[] = {
    {1, nullptr, "down"}, {4, nullptr, "pointToPoint"}, {}};
constexpr OptionSourceRow DownUpListRows[] = {{1, nullptr, "down"}, {2, nullptr, "up"}, {}};
constexpr OptionSourceRow DropBlockShutdownListRows[] = {
    {1, nullptr, "drop"}, {2, nullptr, "block"}, {3, nullptr, "shutdown"}, {}};
constexpr OptionSourceRow DropForwardListRows[] = {{1, nullptr, "drop"}, {2, nullptr, "forward"}, {}};
constexpr OptionSourceRow DropMirrorListRows[] = {{1, nullptr, "drop"}, {2, nullptr, "mirror"}, {}};
constexpr OptionSourceRow DropReplaceListRows[] = {{1, nullptr, "drop"}, {2, nullptr, "replace"}, {}};
constexpr OptionSourceRow DropShutdownListRows[] = {{1, nullptr, "drop"}, {2, nullptr, "shutdown"}, {}};
constexpr OptionSourceRow Duration1minDuration5minDuration30minListRows[] = {
    {1, nullptr, "duration_1min"}, {2, nullptr, "duration_5min"}, {3, nullptr, "duration_30min"}, {}};
constexpr OptionSourceRow DynamicPermanentListRows[] = {
    {1, nullptr, "dynamic"}, {2, nullptr, "permanent"}, {}};
constexpr OptionSourceRow DynamicStaticListRows[] = {{1, nullptr, "dynamic"}, {2, nullptr, "static"}, {}};
constexpr OptionSourceRow EgrNoTlvEgrOKEgrDownListRows[] = {
    {0, nullptr, "egrNoTlv"},   {1, nullptr, "egrOK"},  {2, nullptr, "egrDown"},
    {3, nullptr, "egrBlocked"}, {4, nullptr, "egrVid"}, {}};
constexpr OptionSourceRow EmptyListRows[] = {{}};
constexpr OptionSourceRow EnabledDisabledCreateAndGoListRows[] = {
    {1, nullptr, "enabled"},       {2, nullptr, "disabled"}, {4, nullptr, "createAndGo"},
    {5, nullptr, "createAndWait"}, {6, nullptr, "destroy"},  {}};
constexpr OptionSourceRow EnabledDisabledCreateAndGoList2Rows[] = {{1, nullptr, "enabled"},
                                                                   {2, nullptr, "disabled"},
                                                                   {4, nullptr, "createAndGo"},
                                                                   {6, nullptr, "destroy"},
                                                                   {}};
constexpr OptionSourceRow EnabledDisabledListRows[] = {{1, nullptr, "enabled"}, {2, nullptr, "disabled"}, {}};
constexpr OptionSourceRow EnabledDisabledList2Rows[] = {
    {2, nullptr, "enabled"}, {3, nullptr, "disabled"}, {}};
constexpr OptionSourceRow EnabledDisabledNotReadyListRows[] = {
    {1, nullptr, "enabled"},     {2, nullptr, "disabled"}, {3, nullptr, "notReady"},
    {4, nullptr, "createAndGo"}, {6, nullptr, "destroy"},  {}};
constexpr OptionSourceRow EnabledDisabledOtherListRows[] = {
    {1, nullptr, "enabled"}, {2, nullptr, "disabled"}, {3, nullptr, "other"}, {}};
constexpr OptionSourceRow EnableDisableListRows[] = {{1, nullptr, "enable"}, {2, nullptr, "disable"}, {}};
constexpr OptionSourceRow ErroredSymbolEveErroredFramePeriErroredFListRows[] = {
    {1, nullptr, "erroredSymbolEvent"},  {2, nullptr, "erroredFramePeriodEvent"},
    {3, nullptr, "erroredFrameEvent"},   {4, nullptr, "erroredFrameSecondsEvent"},
    {256, nullptr, "linkFault"},         {257, nullptr, "dyingGaspEvent"},
    {258, nullptr, "criticalLinkEvent"}, {}};
constexpr OptionSourceRow EthernetIee802ListRows[] = {{1, nullptr, "ethernet"}, {2, nullptr, "iee802"}, {}};
constexpr OptionSourceRow EthernetIeee802ListRows[] = {{1, nullptr, "ethernet"}, {2, nullptr, "ieee802"}, {}};
constexpr OptionSourceRow EthernetLlcSnapListRows[] = {
    {1, nullptr, "ethernet"}, {2, nullptr, "llc"}, {3, nullptr, "snap"}, {4, nullptr, "all"}, {}};
constexpr OptionSourceRow EthernetRfc1042LlcOtherListRows[] = {
    {1, nullptr, "ethernet"}, {2, nullptr, "rfc1042"}, {5, nullptr, "llcOther"}, {}};
constexpr OptionSourceRow ExactPartialListRows[] = {{1, nullptr, "exact"}, {2, nullptr, "partial"}, {}};
constexpr OptionSourceRow ExactPrefixListRows[] = {{1, nullptr, "exact"}, {2, nullptr, "prefix"}, {}};
constexpr OptionSourceRow ExistNoExistListRows[] = {{1, nullptr, "exist"}, {2, nullptr, "no-exist"}, {}};
constexpr OptionSourceRow FalseListRows[] = {{2, nullptr, "false"}, {}};
constexpr OptionSourceRow FastEthernetGigaEthernetOtherListRows[] = {
    {0, nullptr, "fastEthernet"}, {1, nullptr, "gigaEthernet"}, {2, nullptr, "other"}, {}};
constexpr OptionSourceRow Fat16Fat32ListRows[] = {{1, nullptr, "fat16"}, {2, nullptr, "fat32"}, {}};
constexpr OptionSourceRow FifteenMinuteOneDayListRows[] = {
    {1, nullptr, "fifteen-minute"}, {2, nullptr, "one-day"}, {}};
constexpr OptionSourceRow FinishProceedingListRows[] = {
    {0, nullptr, "finish"}, {1, nullptr, "proceeding"}, {}};
constexpr OptionSourceRow FixedConfigRpConfigSsmListRows[] = {
    {1, nullptr, "fixed"},  {2, nullptr, "configRp"}, {3, nullptr, "configSsm"}, {4, nullptr, "bsr"},
    {5, nullptr, "autoRP"}, {6, nullptr, "embedded"}, {7, nullptr, "other"},     {}};
constexpr OptionSourceRow FngResetFngDefectFngReportDefectListRows[] = {
    {1, nullptr, "fngReset"},          {2, nullptr, "fngDefect"},         {3, nullptr, "fngReportDefect"},
    {4, nullptr, "fngDefectReported"}, {5, nullptr, "fngDefectClearing"}, {}};
constexpr OptionSourceRow ForceTrueForceFalseAutoListRows[] = {
    {0, nullptr, "forceTrue"}, {1, nullptr, "forceFalse"}, {2, nullptr, "Auto"}, {}};
constexpr OptionSourceRow ForceUnauthorizeAutoForceAuthorizedListRows[] = {
    {1, nullptr, "forceUnauthorized"}, {2, nullptr, "auto"}, {3, nullptr, "forceAuthorized"}, {}};
constexpr OptionSourceRow ForwardAllGroupsForwardUnregisteFilterUnListRows[] = {
    {1, nullptr, "forward-all-groups"},
    {2, nullptr, "forward-unregistered-groups"},
    {3, nullptr, "filter-unregistered-groups"},
    {}};
constexpr OptionSourceRow ForwardingBlockingSignalfailListRows[] = {{1, nullptr, "forwarding"},
                                                                    {2, nullptr, "blocking"},
                                                                    {3, nullptr, "signalfail"},
                                                                    {4, nullptr, "signalfailblocked"},
                                                                    {}};
constexpr OptionSourceRow ForwardingNotForwardingListRows[] = {
    {1, nullptr, "forwarding"}, {2, nullptr, "not-forwarding"}, {}};
constexpr OptionSourceRow GreenRedYellowListRows[] = {
    {1, nullptr, "green"}, {2, nullptr, "red"}, {3, nullptr, "yellow"}, {}};
constexpr OptionSourceRow GreenYellowRedListRows[] = {
    {1, nullptr, "green"}, {2, nullptr, "yellow"}, {3, nullptr, "red"}, {}};
constexpr OptionSourceRow HostbasedPasswordPublickeyListRows[] = {
    {1, nullptr, "hostbased"}, {2, nullptr, "password"}, {3, nullptr, "publickey"}, {}};
constexpr OptionSourceRow HostbasedPortbasedListRows[] = {
    {1, nullptr, "hostbased"}, {2, nullptr, "portbased"}, {}};
constexpr OptionSourceRow HttpHttpsListRows[] = {{1, nullptr, "http"}, {2, nullptr, "https"}, {}};
constexpr OptionSourceRow IgnoreProcessListRows[] = {{1, nullptr, "ignore"}, {2, nullptr, "process"}, {}};
constexpr OptionSourceRow ImportExternalImportNoExternalImportNssaListRows[] = {
    {1, nullptr, "importExternal"}, {2, nullptr, "importNoExternal"}, {3, nullptr, "importNssa"}, {}};
constexpr OptionSourceRow ImportExternalImportNoExternalListRows[] = {
    {1, nullptr, "importExternal"}, {2, nullptr, "importNoExternal"}, {}};
constexpr OptionSourceRow InactiveActiveListRows[] = {{1, nullptr, "inactive"}, {2, nullptr, "active"}, {}};
constexpr OptionSourceRow InactiveStartDeleteListRows[] = {{2, nullptr, "inactive"},
                                                           {3, nullptr, "start"},
                                                           {4, nullptr, "delete"},
                                                           {5, nullptr, "config-as-bootup-fw"},
                                                           {}};
constexpr OptionSourceRow IncludedExcludedListRows[] = {
    {1, nullptr, "included"}, {2, nullptr, "excluded"}, {}};
constexpr OptionSourceRow IncludeExcludeListRows[] = {{1, nullptr, "include"}, {2, nullptr, "exclude"}, {}};
constexpr OptionSourceRow IncompleteReachableStaleListRows[] = {{1, nullptr, "incomplete"},
                                                                {2, nullptr, "reachable"},
                                                                {3, nullptr, "stale"},
                                                                {4, nullptr, "delay"},
                                                                {5, nullptr, "probe"},
                                                                {6, nullptr, "static"},
                                                                {}};
constexpr OptionSourceRow IndependentSharedListRows[] = {
    {1, nullptr, "independent"}, {2, nullptr, "shared"}, {}};
constexpr OptionSourceRow IngNoTlvIngOkIngDownListRows[] = {
    {0, nullptr, "ingNoTlv"},   {1, nullptr, "ingOk"},  {2, nullptr, "ingDown"},
    {3, nullptr, "ingBlocked"}, {4, nullptr, "ingVid"}, {}};
constexpr OptionSourceRow InitializeBackupMasterListRows[] = {
    {1, nullptr, "initialize"}, {2, nullptr, "backup"}, {3, nullptr, "master"}, {}};
constexpr OptionSourceRow InitializeDisconnectedConnectingListRows[] = {
    {1, nullptr, "initialize"},    {2, nullptr, "disconnected"},
    {3, nullptr, "connecting"},    {4, nullptr, "authenticating"},
    {5, nullptr, "authenticated"}, {6, nullptr, "aborting"},
    {7, nullptr, "held"},          {8, nullptr, "forceAuth"},
    {9, nullptr, "forceUnauth"},   {}};
constexpr OptionSourceRow InterAreaPrefixLListRows[] = {{8195, nullptr, "interAreaPrefixLsa"}, {}};
constexpr OptionSourceRow InterfaceAliasPortComponentMacAddressListRows[] = {
    {1, nullptr, "interfaceAlias"}, {2, nullptr, "portComponent"},
    {3, nullptr, "macAddress"},     {4, nullptr, "networkAddress"},
    {5, nullptr, "interfaceName"},  {6, nullptr, "agentCircuitId"},
    {7, nullptr, "local"},          {}};
constexpr OptionSourceRow IntervalInvalidInterval300HzInterval10msListRows[] = {
    {0, nullptr, "intervalInvalid"}, {1, nullptr, "interval300Hz"}, {2, nullptr, "interval10ms"},
    {3, nullptr, "interval100ms"},   {4, nullptr, "interval1s"},    {5, nullptr, "interval10s"},
    {6, nullptr, "interval1min"},    {7, nullptr, "interval10min"}, {}};
constexpr OptionSourceRow InvalidValidListRows[] = {{2, nullptr, "invalid"}, {3, nullptr, "valid"}, {}};
constexpr OptionSourceRow IpBridgeDecnetListRows[] = {
    {1, nullptr, "ip"}, {2, nullptr, "bridge"}, {3, nullptr, "decnet"}, {4, nullptr, "other"}, {}};
constexpr OptionSourceRow IPv4IPv6DnsListRows[] = {
    {1, nullptr, "IPv4"}, {2, nullptr, "IPv6"}, {16, nullptr, "dns"}, {}};
constexpr OptionSourceRow Ipv4Ipv6ListRows[] = {{1, nullptr, "ipv4"}, {2, nullptr, "ipv6"}, {}};
constexpr OptionSourceRow Ipv4ListRows[] = {{1, nullptr, "ipv4"}, {}};
constexpr OptionSourceRow Ipv6Ipv6zListRows[] = {{2, nullptr, "ipv6"}, {4, nullptr, "ipv6z"}, {}};
constexpr OptionSourceRow Ipv6ListRows[] = {{2, nullptr, "ipv6"}, {}};
constexpr OptionSourceRow IsNoInterfaceStaIsUpIsDownListRows[] = {{0, nullptr, "isNoInterfaceStatusTLV"},
                                                                  {1, nullptr, "isUp"},
                                                                  {2, nullptr, "isDown"},
                                                                  {3, nullptr, "isTesting"},
                                                                  {4, nullptr, "isUnknown"},
                                                                  {5, nullptr, "isDormant"},
                                                                  {6, nullptr, "isNotPresent"},
                                                                  {7, nullptr, "isLowerLayerDown"},
                                                                  {}};
constexpr OptionSourceRow IsolatedCommunityListRows[] = {
    {1, nullptr, "isolated"}, {2, nullptr, "community"}, {}};
constexpr OptionSourceRow JapaneseEnglishListRows[] = {{1, nullptr, "japanese"}, {2, nullptr, "english"}, {}};
constexpr OptionSourceRow LandAttackBlatAttackTcpNullScanListRows[] = {
    {1, nullptr, "land-attack"},
    {2, nullptr, "blat-attack"},
    {4, nullptr, "tcp-null-scan"},
    {5, nullptr, "tcp-xmascan"},
    {6, nullptr, "tcp-synfin"},
    {7, nullptr, "tcp-syn-srcport-less-1024"},
    {16, nullptr, "ping_death_attack"},
    {20, nullptr, "tcp_tiny_frag_attack"},
    {}};
constexpr OptionSourceRow LeafBranchListRows[] = {{1, nullptr, "leaf"}, {2, nullptr, "branch"}, {}};
constexpr OptionSourceRow LinkDownFull10Mbps8023xFull10MbpsNoneListRows[] = {
    {0, nullptr, "link-down"},
    {1, nullptr, "full-10Mbps-8023x"},
    {2, nullptr, "full-10Mbps-none"},
    {3, nullptr, "half-10Mbps-backp"},
    {4, nullptr, "half-10Mbps-none"},
    {5, nullptr, "full-100Mbps-8023x"},
    {6, nullptr, "full-100Mbps-none"},
    {7, nullptr, "half-100Mbps-backp"},
    {8, nullptr, "half-100Mbps-none"},
    {9, nullptr, "full-1Gigabps-8023x"},
    {10, nullptr, "full-1Gigabps-none"},
    {11, nullptr, "half-1Gigabps-backp"},
    {12, nullptr, "half-1Gigabps-none"},
    {13, nullptr, "full-10Gigabps-8023x"},
    {14, nullptr, "full-10Gigabps-none"},
    {15, nullptr, "half-10Gigabps-8023x"},
    {16, nullptr, "half-10Gigabps-none"},
    {17, nullptr, "empty"},
    {18, nullptr, "err-disabled"},
    {}};
constexpr OptionSourceRow LinkDownLinkUpOtherListRows[] = {
    {0, nullptr, "link-down"}, {1, nullptr, "link-up"}, {2, nullptr, "other"}, {}};
constexpr OptionSourceRow LinkUpLinkDownListRows[] = {{1, nullptr, "link-up"}, {2, nullptr, "link-down"}, {}};
constexpr OptionSourceRow Local0Local1Local2ListRows[] = {
    {0, nullptr, "local0"}, {1, nullptr, "local1"}, {2, nullptr, "local2"},
    {3, nullptr, "local3"}, {4, nullptr, "local4"}, {5, nullptr, "local5"},
    {6, nullptr, "local6"}, {7, nullptr, "local7"}, {}};
constexpr OptionSourceRow LocalPapChapListRows[] = {{1, nullptr, "local"},
                                                    {2, nullptr, "pap"},
                                                    {3, nullptr, "chap"},
                                                    {4, nullptr, "ms_chap"},
                                                    {5, nullptr, "ms_chapv2"},
                                                    {6, nullptr, "eap_md5"},
                                                    {}};
constexpr OptionSourceRow LocalPortNumberMacAddressListRows[] = {
    {1, nullptr, "localPortNumber"}, {2, nullptr, "macAddress"}, {}};
constexpr OptionSourceRow LocalRadiusListRows[] = {{1, nullptr, "local"}, {2, nullptr, "radius"}, {}};
constexpr OptionSourceRow LocalRemoteListRows[] = {{1, nullptr, "local"}, {2, nullptr, "remote"}, {}};
constexpr OptionSourceRow LocalStaticRipngListRows[] = {
    {1, nullptr, "local"}, {2, nullptr, "static"}, {3, nullptr, "ripng"}, {4, nullptr, "ospfv3"}, {}};
constexpr OptionSourceRow MacBasedSubnetBasedListRows[] = {
    {1, nullptr, "macBased"}, {2, nullptr, "subnetBased"}, {}};
constexpr OptionSourceRow MacStringListRows[] = {{1, nullptr, "mac"}, {2, nullptr, "string"}, {}};
constexpr OptionSourceRow ManualAutomaticListRows[] = {{1, nullptr, "manual"}, {2, nullptr, "automatic"}, {}};
constexpr OptionSourceRow ManualDhcpv6StatelessListRows[] = {
    {1, nullptr, "manual"}, {2, nullptr, "dhcpv6"}, {3, nullptr, "stateless"}, {}};
constexpr OptionSourceRow ManualStringClientMacAddressListRows[] = {
    {1, nullptr, "manual_string"}, {2, nullptr, "client_mac_address"}, {}};
constexpr OptionSourceRow MwDbmListRows[] = {{1, nullptr, "mw"}, {2, nullptr, "dbm"}, {}};
constexpr OptionSourceRow NetworkLoadOutOfBandLoadListRows[] = {
    {2, nullptr, "network-load"}, {3, nullptr, "out-of-band-load"}, {}};
constexpr OptionSourceRow NeverImmediatelyListRows[] = {
    {1, nullptr, "never"}, {2, nullptr, "immediately"}, {}};
constexpr OptionSourceRow NeverMinutes2Minutes5ListRows[] = {
    {1, nullptr, "never"},      {2, nullptr, "minutes-2"},  {3, nullptr, "minutes-5"},
    {4, nullptr, "minutes-10"}, {5, nullptr, "minutes-15"}, {}};
constexpr OptionSourceRow NeverTenMinThirtyMinListRows[] = {{0, nullptr, "never"},
                                                            {10, nullptr, "ten-min"},
                                                            {30, nullptr, "thirty-min"},
                                                            {60, nullptr, "sixty-min"},
                                                            {}};
constexpr OptionSourceRow NniUniListRows[] = {{1, nullptr, "nni"}, {2, nullptr, "uni"}, {}};
constexpr OptionSourceRow NoAreaSummarySendAreaSummaryListRows[] = {
    {1, nullptr, "noAreaSummary"}, {2, nullptr, "sendAreaSummary"}, {}};
constexpr OptionSourceRow NoAuthenticationSimpleTextPasswoIpAuthenListRows[] = {
    {1, nullptr, "noAuthentication"},
    {2, nullptr, "simpleTextPassword"},
    {3, nullptr, "ipAuthenticationHeader"},
    {}};
constexpr OptionSourceRow NoAuthNoPrivAuthNoPrivAuthPrivListRows[] = {
    {1, nullptr, "noAuthNoPriv"}, {2, nullptr, "authNoPriv"}, {3, nullptr, "authPriv"}, {}};
constexpr OptionSourceRow NoErrorOfflineLinkFailureListRows[] = {{1, nullptr, "noError"},
                                                                 {2, nullptr, "offline"},
                                                                 {3, nullptr, "linkFailure"},
                                                                 {4, nullptr, "autoNegError"},
                                                                 {}};
constexpr OptionSourceRow NoInfoIAmAssertWinnerIAmAssertLoserListRows[] = {
    {1, nullptr, "noInfo"}, {2, nullptr, "iAmAssertWinner"}, {3, nullptr, "iAmAssertLoser"}, {}};
constexpr OptionSourceRow NoInfoJoinJoinPendingListRows[] = {
    {1, nullptr, "noInfo"}, {2, nullptr, "join"}, {3, nullptr, "joinPending"}, {4, nullptr, "prune"}, {}};
constexpr OptionSourceRow NoInfoJoinPrunePendingListRows[] = {
    {1, nullptr, "noInfo"}, {2, nullptr, "join"}, {3, nullptr, "prunePending"}, {}};
constexpr OptionSourceRow NoInfoPrunePrunePendingListRows[] = {
    {1, nullptr, "noInfo"}, {2, nullptr, "prune"}, {3, nullptr, "prunePending"}, {}};
constexpr OptionSourceRow NoLoopbackInitiatingLoopbaRemoteLoopbackListRows[] = {
    {1, nullptr, "noLoopback"},
    {2, nullptr, "initiatingLoopback"},
    {3, nullptr, "remoteLoopback"},
    {4, nullptr, "terminatingLoopback"},
    {5, nullptr, "localLoopback"},
    {6, nullptr, "unknown"},
    {}};
constexpr OptionSourceRow NoneABList2Rows[] = {
    {0, nullptr, "none"}, {1, nullptr, "a"},  {2, nullptr, "b"},  {3, nullptr, "c"},
    {4, nullptr, "d"},    {5, nullptr, "e"},  {6, nullptr, "f"},  {7, nullptr, "g"},
    {8, nullptr, "h"},    {9, nullptr, "i"},  {10, nullptr, "j"}, {11, nullptr, "k"},
    {12, nullptr, "l"},   {13, nullptr, "m"}, {14, nullptr, "n"}, {15, nullptr, "o"},
    {16, nullptr, "p"},   {17, nullptr, "q"}, {18, nullptr, "r"}, {19, nullptr, "s"},
    {20, nullptr, "t"},   {21, nullptr, "u"}, {22, nullptr, "v"}, {23, nullptr, "w"},
    {24, nullptr, "x"},   {25, nullptr, "y"}, {26, nullptr, "z"}, {}};
constexpr OptionSourceRow NoneAccessListListRows[] = {{1, nullptr, "none"}, {2, nullptr, "access_list"}, {}};
constexpr OptionSourceRow NoneAnyDot1xImpbListRows[] = {
    {1, nullptr, "none"},     {2, nullptr, "any"},      {3, nullptr, "dot1x_impb"}, {4, nullptr, "impb_jwac"},
    {5, nullptr, "impb_wac"}, {6, nullptr, "mac_impb"}, {7, nullptr, "mac_jwac"},   {}};
constexpr OptionSourceRow NoneAttackDetectedAttackClearedListRows[] = {{1, nullptr, "none"},
                                                                       {2, nullptr, "attackDetected"},
                                                                       {3, nullptr, "attackCleared"},
                                                                       {4, nullptr, "both"},
                                                                       {}};
constexpr OptionSourceRow NoneAuthenticatorListRows[] = {
    {1, nullptr, "none"}, {2, nullptr, "authenticator"}, {}};
constexpr OptionSourceRow NoneConfigSystemListRows[] = {
    {1, nullptr, "none"}, {2, nullptr, "config"}, {3, nullptr, "system"}, {4, nullptr, "reset"}, {}};
constexpr OptionSourceRow NoneDefRDICCMDefMACstatusListRows[] = {{0, nullptr, "none"},
                                                                 {1, nullptr, "defRDICCM"},
                                                                 {2, nullptr, "defMACstatus"},
                                                                 {3, nullptr, "defRemoteCCM"},
                                                                 {4, nullptr, "defErrorCCM"},
                                                                 {5, nullptr, "defXconCCM"},
                                                                 {}};
constexpr OptionSourceRow NoneDESListRows[] = {
    {0, "1.3.6.1.6.3.10.1.2.1", "None"}, {0, "1.3.6.1.6.3.10.1.2.2", "DES"}, {}};
constexpr OptionSourceRow NoneDisabledEnabledListRows[] = {
    {1, nullptr, "none"}, {2, nullptr, "disabled"}, {3, nullptr, "enabled"}, {}};
constexpr OptionSourceRow NoneDnsLikeNameMacAddressAndUinListRows[] = {{1, nullptr, "none"},
                                                                       {2, nullptr, "dnsLikeName"},
                                                                       {3, nullptr, "macAddressAndUint"},
                                                                       {4, nullptr, "charString"},
                                                                       {}};
constexpr OptionSourceRow NoneHyphenColonListRows[] = {
    {1, nullptr, "none"}, {2, nullptr, "hyphen"}, {3, nullptr, "colon"}, {4, nullptr, "dot"}, {}};
constexpr OptionSourceRow NoneIcmpIgmpListRows[] = {{1, nullptr, "none"},
                                                    {2, nullptr, "icmp"},
                                                    {3, nullptr, "igmp"},
                                                    {4, nullptr, "tcp"},
                                                    {5, nullptr, "udp"},
                                                    {6, nullptr, "protocolID"},
                                                    {}};
constexpr OptionSourceRow NoneIcmpIgmpList2Rows[] = {{1, nullptr, "none"},
                                                     {2, nullptr, "icmp"},
                                                     {3, nullptr, "igmp"},
                                                     {4, nullptr, "tcp"},
                                                     {5, nullptr, "udp"},
                                                     {6, nullptr, "protocolId"},
                                                     {}};
constexpr OptionSourceRow NoneLoopDetectedLoopClearedListRows[] = {{1, nullptr, "none"},
                                                                   {2, nullptr, "loop-detected"},
                                                                   {3, nullptr, "loop-cleared"},
                                                                   {4, nullptr, "both"},
                                                                   {}};
constexpr OptionSourceRow NoneMD5SHAListRows[] = {{0, "1.3.6.1.6.3.10.1.1.1", "None"},
                                                  {0, "1.3.6.1.6.3.10.1.1.2", "MD5"},
                                                  {0, "1.3.6.1.6.3.10.1.1.3", "SHA"},
                                                  {}};
constexpr OptionSourceRow NoneRecursiveListRows[] = {{1, nullptr, "none"}, {2, nullptr, "recursive"}, {}};
constexpr OptionSourceRow NoneRsaDsaListRows[] = {
    {1, nullptr, "none"}, {2, nullptr, "rsa"}, {3, nullptr, "dsa"}, {}};
constexpr OptionSourceRow NoneSimplePasswordListRows[] = {
    {1, nullptr, "None"}, {2, nullptr, "Simple Password"}, {}};
constexpr OptionSourceRow NoneSsmAsmListRows[] = {{1, nullptr, "none"},
                                                  {2, nullptr, "ssm"},
                                                  {3, nullptr, "asm"},
                                                  {4, nullptr, "bidir"},
                                                  {5, nullptr, "dm"},
                                                  {6, nullptr, "other"},
                                                  {}};
constexpr OptionSourceRow NoneStartFileToFileListRows[] = {{1, nullptr, "none"},
                                                           {2, nullptr, "start"},
                                                           {3, nullptr, "file-to-file"},
                                                           {4, nullptr, "file-to-image"},
                                                           {5, nullptr, "file-to-config"},
                                                           {6, nullptr, "file-to-prom"},
                                                           {7, nullptr, "image-to-file"},
                                                           {8, nullptr, "config-to-file"},
                                                           {9, nullptr, "log-to-file"},
                                                           {10, nullptr, "prom-to-file"},
                                                           {}};
constexpr OptionSourceRow NoneStartListRows[] = {{1, nullptr, "none"}, {2, nullptr, "start"}, {}};
constexpr OptionSourceRow NoneStaticDynamicListRows[] = {
    {1, nullptr, "none"}, {2, nullptr, "static"}, {3, nullptr, "dynamic"}, {}};
constexpr OptionSourceRow NoneStormOccurredStormClearedListRows[] = {{1, nullptr, "none"},
                                                                     {2, nullptr, "stormOccurred"},
                                                                     {3, nullptr, "stormCleared"},
                                                                     {4, nullptr, "both"},
                                                                     {}};
constexpr OptionSourceRow NoneStormStpLbdListRows[] = {{0, nullptr, "none"},
                                                       {1, nullptr, "storm"},
                                                       {2, nullptr, "stp-lbd"},
                                                       {3, nullptr, "ctp-lbd"},
                                                       {4, nullptr, "ddm"},
                                                       {5, nullptr, "bpdu-protection"},
                                                       {6, nullptr, "unknow"},
                                                       {7, nullptr, "power-saving"},
                                                       {8, nullptr, "port-security"},
                                                       {9, nullptr, "impb"},
                                                       {}};
constexpr OptionSourceRow NoneTacacsPlusRadiusListRows[] = {{4, nullptr, "none"},
                                                            {1, nullptr, "tacacs-plus"},
                                                            {2, nullptr, "radius"},
                                                            {3, nullptr, "server-group"},
                                                            {}};
constexpr OptionSourceRow NoneTcpUdpListRows[] = {
    {1, nullptr, "none"}, {2, nullptr, "tcp"}, {3, nullptr, "udp"}, {4, nullptr, "icmp"}, {}};
constexpr OptionSourceRow NoneTypeCodeListRows[] = {
    {1, nullptr, "none"}, {2, nullptr, "type"}, {3, nullptr, "code"}, {4, nullptr, "type-code"}, {}};
constexpr OptionSourceRow NoneUniNniListRows[] = {
    {1, nullptr, "none"}, {2, nullptr, "uni"}, {3, nullptr, "nni"}, {}};
constexpr OptionSourceRow NoneUntaggedTaggedListRows[] = {{1, nullptr, "none"},      {2, nullptr, "untagged"},
                                                          {3, nullptr, "tagged"},    {4, nullptr, "dynamic"},
                                                          {5, nullptr, "forbidden"}, {}};
constexpr OptionSourceRow NoneWestEastListRows[] = {
    {1, nullptr, "none"}, {2, nullptr, "west"}, {3, nullptr, "east"}, {}};
constexpr OptionSourceRow NormalActiveListRows[] = {{1, nullptr, "normal"}, {2, nullptr, "active"}, {}};
constexpr OptionSourceRow NormalExhaustedListRows[] = {{1, nullptr, "normal"}, {2, nullptr, "exhausted"}, {}};
constexpr OptionSourceRow NormalLoopErrorListRows[] = {
    {1, nullptr, "normal"}, {2, nullptr, "loop"}, {3, nullptr, "error"}, {4, nullptr, "none"}, {}};
constexpr OptionSourceRow NormalPoeListRows[] = {{1, nullptr, "normal"}, {2, nullptr, "poe"}, {}};
constexpr OptionSourceRow NormalStopListRows[] = {{1, nullptr, "normal"}, {2, nullptr, "stop"}, {}};
constexpr OptionSourceRow NormalStubNssaListRows[] = {
    {1, nullptr, "normal"}, {2, nullptr, "stub"}, {3, nullptr, "nssa"}, {}};
constexpr OptionSourceRow NormalUnderAttackListRows[] = {
    {1, nullptr, "normal"}, {2, nullptr, "underAttack"}, {}};
constexpr OptionSourceRow NoSplitHorizonSplitHorizonPoisonReverseListRows[] = {
    {1, nullptr, "no-split-horizon"}, {2, nullptr, "split-horizon"}, {3, nullptr, "poison-reverse"}, {}};
constexpr OptionSourceRow NotDefinedEndpointClass1EndpointClass2ListRows[] = {
    {0, nullptr, "notDefined"},     {1, nullptr, "endpointClass1"},      {2, nullptr, "endpointClass2"},
    {3, nullptr, "endpointClass3"}, {4, nullptr, "networkConnectivity"}, {}};
constexpr OptionSourceRow NotJoinedJoinedListRows[] = {{1, nullptr, "notJoined"}, {2, nullptr, "joined"}, {}};
constexpr OptionSourceRow NotSpecifiedBroadcastPeerToPeerListRows[] = {
    {0, nullptr, "notSpecified"}, {1, nullptr, "broadcast"}, {2, nullptr, "peer_to_peer"},
    {3, nullptr, "mixed"},        {4, nullptr, "hybid"},     {}};
constexpr OptionSourceRow NotSupportedSupportedListRows[] = {
    {0, nullptr, "not-supported"}, {1, nullptr, "supported"}, {}};
constexpr OptionSourceRow OkOpenShortListRows[] = {{0, nullptr, "ok"},        {1, nullptr, "open"},
                                                   {2, nullptr, "short"},     {3, nullptr, "open-short"},
                                                   {4, nullptr, "crosstalk"}, {5, nullptr, "unknown"},
                                                   {6, nullptr, "count"},     {7, nullptr, "no-cable"},
                                                   {8, nullptr, "other"},     {}};
constexpr OptionSourceRow OneSecondOneMinuteListRows[] = {
    {1, nullptr, "one-second"}, {2, nullptr, "one-minute"}, {}};
constexpr OptionSourceRow OnOffErrorListRows[] = {
    {1, nullptr, "on"}, {2, nullptr, "off"}, {3, nullptr, "error"}, {}};
constexpr OptionSourceRow OperationalNonOperationalListRows[] = {
    {1, nullptr, "operational"}, {2, nullptr, "non-operational"}, {}};
constexpr OptionSourceRow OspfMetricComparableCostNonComparableListRows[] = {
    {1, nullptr, "ospfMetric"}, {2, nullptr, "comparableCost"}, {3, nullptr, "nonComparable"}, {}};
constexpr OptionSourceRow OtherActionListRows[] = {{1, nullptr, "other"}, {2, nullptr, "action"}, {}};
constexpr OptionSourceRow OtherAddListRows[] = {{1, nullptr, "other"}, {2, nullptr, "add"}, {}};
constexpr OptionSourceRow OtherAllType1ListRows[] = {{1, nullptr, "other"},
                                                     {2, nullptr, "all"},
                                                     {3, nullptr, "type-1"},
                                                     {4, nullptr, "type-2"},
                                                     {5, nullptr, "internal"},
                                                     {6, nullptr, "external"},
                                                     {7, nullptr, "inter-E1"},
                                                     {8, nullptr, "inter-E2"},
                                                     {9, nullptr, "extType1"},
                                                     {10, nullptr, "extType2"},
                                                     {}};
constexpr OptionSourceRow OtherAutoStandAloneListRows[] = {{1, nullptr, "other"},
                                                           {2, nullptr, "auto"},
                                                           {3, nullptr, "stand-alone"},
                                                           {4, nullptr, "master"},
                                                           {5, nullptr, "slave"},
                                                           {6, nullptr, "backup-master"},
                                                           {}};
constexpr OptionSourceRow OtherAutoStandAloneList2Rows[] = {
    {1, nullptr, "other"},  {2, nullptr, "auto"},  {3, nullptr, "stand-alone"},
    {4, nullptr, "master"}, {5, nullptr, "slave"}, {}};
constexpr OptionSourceRow OtherAutoUserListRows[] = {
    {1, nullptr, "other"}, {2, nullptr, "auto"}, {3, nullptr, "user"}, {}};
constexpr OptionSourceRow OtherBootpDhcpListRows[] = {
    {1, nullptr, "other"}, {3, nullptr, "bootp"}, {4, nullptr, "dhcp"}, {}};
constexpr OptionSourceRow OtherCfgLogListRows[] = {
    {1, nullptr, "other"}, {2, nullptr, "cfg"}, {3, nullptr, "log"}, {4, nullptr, "all"}, {}};
constexpr OptionSourceRow OtherClearListRows[] = {{1, nullptr, "other"}, {2, nullptr, "clear"}, {}};
constexpr OptionSourceRow OtherConfiguringCompleteListRows[] = {
    {1, nullptr, "other"},    {2, nullptr, "configuring"},        {3, nullptr, "complete"},
    {4, nullptr, "disabled"}, {5, nullptr, "parallelDetectFail"}, {}};
constexpr OptionSourceRow OtherDirectGreListRows[] = {{1, nullptr, "other"},   {2, nullptr, "direct"},
                                                      {3, nullptr, "gre"},     {11, nullptr, "sixToFour"},
                                                      {13, nullptr, "isatap"}, {}};
constexpr OptionSourceRow OtherDisabledDiscardingListRows[] = {
    {1, nullptr, "other"},          {2, nullptr, "disabled"},     {3, nullptr, "discarding"},
    {4, nullptr, "learning"},       {5, nullptr, "forwarding"},   {6, nullptr, "broken"},
    {7, nullptr, "no-stp-enabled"}, {8, nullptr, "err-disabled"}, {}};
constexpr OptionSourceRow OtherDisabledEnabledListRows[] = {
    {1, nullptr, "other"}, {2, nullptr, "disabled"}, {3, nullptr, "enabled"}, {}};
constexpr OptionSourceRow OtherDropPacketRemarkDscpListRows[] = {
    {1, nullptr, "other"}, {2, nullptr, "drop-packet"}, {3, nullptr, "remark-dscp"}, {}};
constexpr OptionSourceRow OtherDstAddrSrcAddrListRows[] = {{1, nullptr, "other"},
                                                           {2, nullptr, "dst-addr"},
                                                           {3, nullptr, "src-addr"},
                                                           {4, nullptr, "dst-src-addr"},
                                                           {}};
constexpr OptionSourceRow OtherDstIpAddrSrcIpAddrListRows[] = {{1, nullptr, "other"},
                                                               {2, nullptr, "dst-ip-addr"},
                                                               {3, nullptr, "src-ip-addr"},
                                                               {4, nullptr, "dst-src-ip-addr"},
                                                               {}};
constexpr OptionSourceRow OtherDstIpv6AddrSrcIpv6AddrListRows[] = {{1, nullptr, "other"},
                                                                   {2, nullptr, "dst-ipv6-addr"},
                                                                   {3, nullptr, "src-ipv6-addr"},
                                                                   {4, nullptr, "dst-src-ipv6-addr"},
                                                                   {}};
constexpr OptionSourceRow OtherDstMacAddrSrcMacAddrListRows[] = {{1, nullptr, "other"},
                                                                 {2, nullptr, "dst-mac-addr"},
                                                                 {3, nullptr, "src-mac-addr"},
                                                                 {4, nullptr, "dst-src-mac-addr"},
                                                                 {}};
constexpr OptionSourceRow OtherEnabledDisabledListRows[] = {
    {1, nullptr, "other"}, {2, nullptr, "enabled"}, {3, nullptr, "disabled"}, {}};
constexpr OptionSourceRow OtherEnableDisableListRows[] = {
    {1, nullptr, "other"}, {2, nullptr, "enable"}, {3, nullptr, "disable"}, {}};
constexpr OptionSourceRow OtherErrDisabledListRows[] = {
    {1, nullptr, "other"}, {2, nullptr, "err-disabled"}, {}};
constexpr OptionSourceRow OtherInactiveStartListRows[] = {
    {1, nullptr, "other"}, {2, nullptr, "inactive"}, {3, nullptr, "start"}, {}};
constexpr OptionSourceRow OtherInactiveStartList2Rows[] = {
    {1, nullptr, "other"}, {2, nullptr, "inactive"}, {3, nullptr, "start"}, {4, nullptr, "delete"}, {}};
constexpr OptionSourceRow OtherInitializeReauthenticateListRows[] = {
    {1, nullptr, "other"}, {2, nullptr, "initialize"}, {3, nullptr, "reauthenticate"}, {}};
constexpr OptionSourceRow OtherInProcessInvalidFileListRows[] = {{1, nullptr, "other"},
                                                                 {2, nullptr, "in-process"},
                                                                 {3, nullptr, "invalid-file"},
                                                                 {4, nullptr, "violation"},
                                                                 {5, nullptr, "file-not-found"},
                                                                 {6, nullptr, "disk-full"},
                                                                 {7, nullptr, "complete"},
                                                                 {8, nullptr, "time-out"},
                                                                 {9, nullptr, "not-format"},
                                                                 {10, nullptr, "memory-full"},
                                                                 {}};
constexpr OptionSourceRow OtherInternalExternalListRows[] = {
    {1, nullptr, "other"}, {2, nullptr, "internal"}, {3, nullptr, "external"}, {}};
constexpr OptionSourceRow OtherInUseNotInUseListRows[] = {
    {1, nullptr, "other"}, {2, nullptr, "in-use"}, {3, nullptr, "not-in-use"}, {}};
constexpr OptionSourceRow OtherInvalidLearnedListRows[] = {{1, nullptr, "other"},   {2, nullptr, "invalid"},
                                                           {3, nullptr, "learned"}, {4, nullptr, "self"},
                                                           {5, nullptr, "mgmt"},    {}};
constexpr OptionSourceRow OtherInvalidPermanentListRows[] = {
    {1, nullptr, "other"},         {2, nullptr, "invalid"},         {3, nullptr, "permanent"},
    {4, nullptr, "deleteOnReset"}, {5, nullptr, "deleteOnTimeout"}, {}};
constexpr OptionSourceRow OtherInvalidValidListRows[] = {{1, nullptr, "other"},    {2, nullptr, "invalid"},
                                                         {3, nullptr, "valid"},    {4, nullptr, "active"},
                                                         {5, nullptr, "inActive"}, {}};
constexpr OptionSourceRow OtherIPv4IPv6ListRows[] = {{0, nullptr, "other"},
                                                     {1, nullptr, "IPv4"},
                                                     {2, nullptr, "IPv6"},
                                                     {3, nullptr, "nsap"},
                                                     {4, nullptr, "hdlc"},
                                                     {5, nullptr, "bbn1822"},
                                                     {6, nullptr, "all802"},
                                                     {7, nullptr, "e163"},
                                                     {8, nullptr, "e164"},
                                                     {9, nullptr, "f69"},
                                                     {10, nullptr, "x121"},
                                                     {11, nullptr, "ipx"},
                                                     {12, nullptr, "appleTalk"},
                                                     {13, nullptr, "decnetIV"},
                                                     {14, nullptr, "banyanVines"},
                                                     {15, nullptr, "e164withNsap"},
                                                     {16, nullptr, "dns"},
                                                     {17, nullptr, "distinguishedName"},
                                                     {18, nullptr, "asNumber"},
                                                     {19, nullptr, "xtpOverIPv4"},
                                                     {20, nullptr, "xtpOverIPv6"},
                                                     {21, nullptr, "xtpNativeModeXTP"},
                                                     {22, nullptr, "fibreChannelWWPN"},
                                                     {23, nullptr, "fibreChannelWWNN"},
                                                     {24, nullptr, "gwid"},
                                                     {25, nullptr, "afi"},
                                                     {65535, nullptr, "reserved"},
                                                     {}};
constexpr OptionSourceRow OtherIPv4IPv6List2Rows[] = {{0, nullptr, "other"},
                                                      {1, nullptr, "IPv4"},
                                                      {2, nullptr, "IPv6"},
                                                      {3, nullptr, "nsap"},
                                                      {4, nullptr, "hdlc"},
                                                      {5, nullptr, "bbn1822"},
                                                      {6, nullptr, "all802"},
                                                      {7, nullptr, "e163"},
                                                      {8, nullptr, "e164"},
                                                      {9, nullptr, "f69"},
                                                      {10, nullptr, "x121"},
                                                      {11, nullptr, "ipx"},
                                                      {12, nullptr, "appleTalk"},
                                                      {13, nullptr, "decnetIV"},
                                                      {14, nullptr, "banyanVines"},
                                                      {15, nullptr, "e164withNsap"},
                                                      {16, nullptr, "dns"},
                                                      {17, nullptr, "distinguishedName"},
                                                      {18, nullptr, "asNumber"},
                                                      {19, nullptr, "xtpOverIpv4"},
                                                      {20, nullptr, "xtpOverIpv6"},
                                                      {21, nullptr, "xtpNativeModeXTP"},
                                                      {22, nullptr, "fibreChannelWWPN"},
                                                      {23, nullptr, "fibreChannelWWNN"},
                                                      {24, nullptr, "gwid"},
                                                      {25, nullptr, "afi"},
                                                      {65535, nullptr, "reserved"},
                                                      {}};
constexpr OptionSourceRow OtherLayer2DefaultLayer2Ieee8021qListRows[] = {
    {1, nullptr, "other"},
    {2, nullptr, "layer2-default"},
    {3, nullptr, "layer2-ieee8021q"},
    {4, nullptr, "layer3-ip-ipx-switching"},
    {5, nullptr, "layer3-ip-ipx-default-routing"},
    {6, nullptr, "layer3-ip-ipx-ieee8021q-routing"},
    {}};
constexpr OptionSourceRow OtherLeftRightListRows[] = {{1, nullptr, "other"}, {2, nullptr, "left"},
                                                      {3, nullptr, "right"}, {4, nullptr, "back"},
                                                      {5, nullptr, "cpu"},   {}};
constexpr OptionSourceRow OtherLinkPassLinkFailListRows[] = {
    {1, nullptr, "other"}, {2, nullptr, "link-pass"}, {3, nullptr, "link-fail"}, {}};
constexpr OptionSourceRow OtherLocalNetmgmtListRows[] = {
    {1, nullptr, "other"},       {2, nullptr, "local"},      {3, nullptr, "netmgmt"},
    {4, nullptr, "icmp"},        {5, nullptr, "egp"},        {6, nullptr, "ggp"},
    {7, nullptr, "hello"},       {8, nullptr, "rip"},        {9, nullptr, "isIs"},
    {10, nullptr, "esIs"},       {11, nullptr, "ciscoIgrp"}, {12, nullptr, "bbnSpfIgp"},
    {13, nullptr, "ospf"},       {14, nullptr, "bgp"},       {15, nullptr, "idpr"},
    {16, nullptr, "ciscoEigrp"}, {17, nullptr, "dvmrp"},     {}};
constexpr OptionSourceRow OtherLocalNetmgmtList2Rows[] = {{1, nullptr, "other"},
                                                          {2, nullptr, "local"},
                                                          {3, nullptr, "netmgmt"},
                                                          {4, nullptr, "dvmrp"},
                                                          {5, nullptr, "mospf"},
                                                          {6, nullptr, "pimSparseDense"},
                                                          {7, nullptr, "cbt"},
                                                          {8, nullptr, "pimSparseMode"},
                                                          {9, nullptr, "pimDenseMode"},
                                                          {10, nullptr, "igmpOnly"},
                                                          {11, nullptr, "bgmp"},
                                                          {12, nullptr, "msdp"},
                                                          {}};
constexpr OptionSourceRow OtherLowVoltageOverCurrentListRows[] = {
    {0, nullptr, "other"}, {1, nullptr, "lowVoltage"}, {2, nullptr, "overCurrent"}, {3, nullptr, "working"},
    {4, nullptr, "fail"},  {5, nullptr, "connect"},    {6, nullptr, "disconnect"},  {}};
constexpr OptionSourceRow OtherMacPhyCopperListRows[] = {
    {1, nullptr, "other"}, {2, nullptr, "mac"}, {3, nullptr, "phy-copper"}, {4, nullptr, "phy-fiber"}, {}};
constexpr OptionSourceRow OtherMacSourceMacDestinationListRows[] = {{1, nullptr, "other"},
                                                                    {2, nullptr, "mac-source"},
                                                                    {3, nullptr, "mac-destination"},
                                                                    {4, nullptr, "mac-source-dest"},
                                                                    {5, nullptr, "ip-source"},
                                                                    {6, nullptr, "ip-destination"},
                                                                    {7, nullptr, "ip-source-dest"},
                                                                    {8, nullptr, "l4-source"},
                                                                    {9, nullptr, "l4-destination"},
                                                                    {10, nullptr, "l4-source-dest"},
                                                                    {}};
constexpr OptionSourceRow OtherNwayEnabledNwayDisabled10MbListRows[] = {
    {1, nullptr, "other"},
    {2, nullptr, "nway-enabled"},
    {3, nullptr, "nway-disabled-10Mbps-Half"},
    {4, nullptr, "nway-disabled-10Mbps-Full"},
    {5, nullptr, "nway-disabled-100Mbps-Half"},
    {6, nullptr, "nway-disabled-100Mbps-Full"},
    {8, nullptr, "nway-disabled-1Gigabps-Full"},
    {9, nullptr, "nway-disabled-1Gigabps-Full-master"},
    {10, nullptr, "nway-disabled-1Gigabps-Full-slave"},
    {}};
constexpr OptionSourceRow OtherPermanentDynamicGvrpListRows[] = {
    {1, nullptr, "other"}, {2, nullptr, "permanent"}, {3, nullptr, "dynamicGvrp"}, {}};
constexpr OptionSourceRow OtherPermitReplaceDscpListRows[] = {
    {1, nullptr, "other"}, {2, nullptr, "permit"}, {3, nullptr, "replace-dscp"}, {}};
constexpr OptionSourceRow OtherPermitReplaceDscpList2Rows[] = {
    {1, nullptr, "other"}, {2, nullptr, "permit"}, {3, nullptr, "replace-dscp"}, {4, nullptr, "drop"}, {}};
constexpr OptionSourceRow OtherQuerierNonQuerierListRows[] = {
    {1, nullptr, "other"}, {2, nullptr, "querier"}, {3, nullptr, "non-querier"}, {}};
constexpr OptionSourceRow OtherRejectLocalListRows[] = {{1, nullptr, "other"},     {2, nullptr, "reject"},
                                                        {3, nullptr, "local"},     {4, nullptr, "remote"},
                                                        {5, nullptr, "blackhole"}, {}};
constexpr OptionSourceRow OtherRj45Rj45SListRows[] = {
    {1, nullptr, "other"},    {2, nullptr, "rj45"},     {3, nullptr, "rj45S"},  {4, nullptr, "db9"},
    {5, nullptr, "bnc"},      {6, nullptr, "fAUI"},     {7, nullptr, "mAUI"},   {8, nullptr, "fiberSC"},
    {9, nullptr, "fiberMIC"}, {10, nullptr, "fiberST"}, {11, nullptr, "telco"}, {12, nullptr, "mtrj"},
    {13, nullptr, "hssdc"},   {14, nullptr, "fiberLC"}, {15, nullptr, "cx4"},   {}};
constexpr OptionSourceRow OtherSnmpIpSnmpIpxListRows[] = {{1, nullptr, "other"},
                                                          {2, nullptr, "snmp-ip"},
                                                          {3, nullptr, "snmp-ipx"},
                                                          {4, nullptr, "snmp-ip-ipx"},
                                                          {}};
constexpr OptionSourceRow OtherStandardProprietaryListRows[] = {{1, nullptr, "other"},
                                                                {2, nullptr, "standard"},
                                                                {3, nullptr, "proprietary"},
                                                                {4, nullptr, "experiment"},
                                                                {}};
constexpr OptionSourceRow OtherStartFinishListRows[] = {{0, nullptr, "other"},
                                                        {1, nullptr, "start"},
                                                        {2, nullptr, "finish"},
                                                        {3, nullptr, "in-process"},
                                                        {4, nullptr, "fail"},
                                                        {5, nullptr, "invalid-drive-name"},
                                                        {6, nullptr, "same-file-name"},
                                                        {7, nullptr, "root-area-full"},
                                                        {8, nullptr, "insufficient-disk"},
                                                        {9, nullptr, "invalid-directory"},
                                                        {10, nullptr, "file-readonly"},
                                                        {11, nullptr, "exist-same-directory"},
                                                        {12, nullptr, "exist-file-in-directory"},
                                                        {13, nullptr, "no-file-or-dir"},
                                                        {14, nullptr, "no-format"},
                                                        {15, nullptr, "no-storage-media"},
                                                        {16, nullptr, "fs-no-match-media"},
                                                        {17, nullptr, "error-input"},
                                                        {18, nullptr, "error-char"},
                                                        {19, nullptr, "error-filename"},
                                                        {20, nullptr, "access-media-error"},
                                                        {}};
constexpr OptionSourceRow OtherStartListRows[] = {{1, nullptr, "other"}, {2, nullptr, "start"}, {}};
constexpr OptionSourceRow OtherStaticDynamicListRows[] = {
    {1, nullptr, "other"}, {2, nullptr, "static"}, {3, nullptr, "dynamic"}, {}};
constexpr OptionSourceRow OtherSuccessFailListRows[] = {
    {1, nullptr, "other"}, {2, nullptr, "success"}, {3, nullptr, "fail"}, {}};
constexpr OptionSourceRow OtherTacacsXtacacsListRows[] = {
    {9, nullptr, "other"},       {1, nullptr, "tacacs"}, {2, nullptr, "xtacacs"},
    {3, nullptr, "tacacs-plus"}, {4, nullptr, "radius"}, {5, nullptr, "server-group"},
    {6, nullptr, "local"},       {8, nullptr, "none"},   {}};
constexpr OptionSourceRow OtherTacacsXtacacsList2Rows[] = {{6, nullptr, "other"},
                                                           {1, nullptr, "tacacs"},
                                                           {2, nullptr, "xtacacs"},
                                                           {3, nullptr, "tacacs-plus"},
                                                           {4, nullptr, "radius"},
                                                           {5, nullptr, "none"},
                                                           {}};
constexpr OptionSourceRow OtherTacacsXtacacsList3Rows[] = {
    {9, nullptr, "other"},         {1, nullptr, "tacacs"}, {2, nullptr, "xtacacs"},
    {3, nullptr, "tacacs-plus"},   {4, nullptr, "radius"}, {5, nullptr, "server-group"},
    {7, nullptr, "local-enabled"}, {8, nullptr, "none"},   {}};
constexpr OptionSourceRow OtherTrTcmSrTcmListRows[] = {
    {1, nullptr, "other"}, {2, nullptr, "tr-tcm"}, {3, nullptr, "sr-tcm"}, {}};
constexpr OptionSourceRow OtherUnknownAvailableListRows[] = {{1, nullptr, "other"},
                                                             {2, nullptr, "unknown"},
                                                             {3, nullptr, "available"},
                                                             {4, nullptr, "notAvailable"},
                                                             {5, nullptr, "remoteFault"},
                                                             {6, nullptr, "invalidSignal"},
                                                             {7, nullptr, "remoteJabber"},
                                                             {8, nullptr, "remoteLinkLoss"},
                                                             {9, nullptr, "remoteTest"},
                                                             {10, nullptr, "offline"},
                                                             {11, nullptr, "autoNegError"},
                                                             {12, nullptr, "pmdLinkFault"},
                                                             {13, nullptr, "wisFrameLoss"},
                                                             {14, nullptr, "wisSignalLoss"},
                                                             {15, nullptr, "pcsLinkFault"},
                                                             {16, nullptr, "excessiveBER"},
                                                             {17, nullptr, "dxsLinkFault"},
                                                             {18, nullptr, "pxsLinkFault"},
                                                             {19, nullptr, "availableReduced"},
                                                             {20, nullptr, "ready"},
                                                             {}};
constexpr OptionSourceRow OtherUnknownChassisListRows[] = {
    {1, nullptr, "other"},     {2, nullptr, "unknown"},   {3, nullptr, "chassis"},
    {4, nullptr, "backplane"}, {5, nullptr, "container"}, {6, nullptr, "powerSupply"},
    {7, nullptr, "fan"},       {8, nullptr, "sensor"},    {9, nullptr, "module"},
    {10, nullptr, "port"},     {11, nullptr, "stack"},    {}};
constexpr OptionSourceRow OtherUnknownNoJabberListRows[] = {
    {1, nullptr, "other"}, {2, nullptr, "unknown"}, {3, nullptr, "noJabber"}, {4, nullptr, "jabbering"}, {}};
constexpr OptionSourceRow OtherUnknownOperationalListRows[] = {{1, nullptr, "other"},
                                                               {2, nullptr, "unknown"},
                                                               {3, nullptr, "operational"},
                                                               {4, nullptr, "standby"},
                                                               {5, nullptr, "shutdown"},
                                                               {6, nullptr, "reset"},
                                                               {}};
constexpr OptionSourceRow OtherUploadDownloadListRows[] = {
    {1, nullptr, "other"}, {2, nullptr, "upload"}, {3, nullptr, "download"}, {}};
constexpr OptionSourceRow OtherWorkingFailListRows[] = {
    {0, nullptr, "other"}, {1, nullptr, "working"}, {2, nullptr, "fail"}, {}};
constexpr OptionSourceRow PacketByteListRows[] = {{1, nullptr, "packet"}, {2, nullptr, "byte"}, {}};
constexpr OptionSourceRow PassiveActiveListRows[] = {{1, nullptr, "passive"}, {2, nullptr, "active"}, {}};
constexpr OptionSourceRow PassiveActiveUnknownListRows[] = {
    {1, nullptr, "passive"}, {2, nullptr, "active"}, {3, nullptr, "unknown"}, {}};
constexpr OptionSourceRow PClassPSEPClassPDListRows[] = {
    {1, nullptr, "pClassPSE"}, {2, nullptr, "pClassPD"}, {}};
constexpr OptionSourceRow PermanentDeleteOnTimeoutDeleteOnResetListRows[] = {
    {1, nullptr, "permanent"}, {2, nullptr, "deleteOnTimeout"}, {3, nullptr, "deleteOnReset"}, {}};
constexpr OptionSourceRow PermitDenyListRows[] = {{1, nullptr, "permit"}, {2, nullptr, "deny"}, {}};
constexpr OptionSourceRow PingGratuitousArpListRows[] = {
    {1, nullptr, "ping"}, {2, nullptr, "gratuitous-arp"}, {}};
constexpr OptionSourceRow PortBasedHostBasedListRows[] = {
    {1, nullptr, "port_based"}, {2, nullptr, "host_based"}, {}};
constexpr OptionSourceRow PortBaseMacBaseListRows[] = {{1, nullptr, "portBase"}, {2, nullptr, "macBase"}, {}};
constexpr OptionSourceRow PortTypeNonePortType100BaseTPortType100BListRows[] = {
    {0, nullptr, "portType-none"},
    {2, nullptr, "portType-100Base-T"},
    {3, nullptr, "portType-100Base-X"},
    {4, nullptr, "portType-1000Base-T"},
    {5, nullptr, "portType-1000Base-X"},
    {6, nullptr, "portType-10GBase-R"},
    {7, nullptr, "portType-10GBase-CX4"},
    {8, nullptr, "portType-SIO"},
    {9, nullptr, "portType-module-empty"},
    {10, nullptr, "portType-user-last"},
    {}};
constexpr OptionSourceRow PredefinedInfiniteListRows[] = {
    {1, nullptr, "predefined"}, {2, nullptr, "infinite"}, {}};
constexpr OptionSourceRow PrimaryBackupNoneListRows[] = {
    {1, nullptr, "primary"}, {2, nullptr, "backup"}, {3, nullptr, "none"}, {}};
constexpr OptionSourceRow PrimaryVidCharStringUnsignedInt16ListRows[] = {{1, nullptr, "primaryVid"},
                                                                         {2, nullptr, "charString"},
                                                                         {3, nullptr, "unsignedInt16"},
                                                                         {4, nullptr, "rfc2865VpnId"},
                                                                         {}};
constexpr OptionSourceRow PrunedForwardingListRows[] = {
    {1, nullptr, "pruned"}, {2, nullptr, "forwarding"}, {}};
constexpr OptionSourceRow PsNoPortStateTLVPsBlockedPsUpListRows[] = {
    {0, nullptr, "psNoPortStateTLV"}, {1, nullptr, "psBlocked"}, {2, nullptr, "psUp"}, {}};
constexpr OptionSourceRow QuarantineServerJwacLoginPageListRows[] = {
    {1, nullptr, "quarantine_server"}, {2, nullptr, "jwac_login_page"}, {}};
constexpr OptionSourceRow QuerierNonQuerierListRows[] = {
    {1, nullptr, "querier"}, {2, nullptr, "non-querier"}, {}};
constexpr OptionSourceRow RadiusOnlyAcctMethodDisabledListRows[] = {
    {1, nullptr, "radius_only"}, {2, nullptr, "acct_method"}, {3, nullptr, "disabled"}, {}};
constexpr OptionSourceRow RelayDropListRows[] = {{1, nullptr, "relay"}, {2, nullptr, "drop"}, {}};
constexpr OptionSourceRow RemoteAuthServerLocalAuthServerListRows[] = {
    {1, nullptr, "remoteAuthServer"}, {2, nullptr, "localAuthServer"}, {}};
constexpr OptionSourceRow ReplaceDropKeepListRows[] = {
    {1, nullptr, "replace"}, {2, nullptr, "drop"}, {3, nullptr, "keep"}, {}};
constexpr OptionSourceRow ReplaceNoreplaceListRows[] = {
    {1, nullptr, "replace"}, {2, nullptr, "noreplace"}, {}};
constexpr OptionSourceRow RequestResponseSuccessListRows[] = {
    {1, nullptr, "request"}, {2, nullptr, "response"}, {3, nullptr, "success"},    {4, nullptr, "fail"},
    {5, nullptr, "timeout"}, {6, nullptr, "idle"},     {7, nullptr, "initialize"}, {}};
constexpr OptionSourceRow ResponseReceivedUnknownInternalErrorListRows[] = {
    {1, nullptr, "responseReceived"},
    {2, nullptr, "unknown"},
    {3, nullptr, "internalError"},
    {4, nullptr, "requestTimedOut"},
    {5, nullptr, "unknownDestinationAddress"},
    {6, nullptr, "noRouteToTarget"},
    {7, nullptr, "interfaceInactiveToTarget"},
    {8, nullptr, "arpFailure"},
    {9, nullptr, "maxConcurrentLimitReached"},
    {10, nullptr, "unableToResolveDnsName"},
    {11, nullptr, "invalidHostAddress"},
    {}};
constexpr OptionSourceRow RestartNorestartListRows[] = {
    {1, nullptr, "restart"}, {2, nullptr, "norestart"}, {}};
constexpr OptionSourceRow Rip1Rip2Rip1OrRip2ListRows[] = {
    {1, nullptr, "rip1"}, {2, nullptr, "rip2"}, {3, nullptr, "rip1OrRip2"}, {4, nullptr, "doNotRecieve"}, {}};
constexpr OptionSourceRow RipngOspfv3ListRows[] = {{1, nullptr, "ripng"}, {2, nullptr, "ospfv3"}, {}};
constexpr OptionSourceRow RipOspfListRows[] = {{2, nullptr, "rip"}, {3, nullptr, "ospf"}, {}};
constexpr OptionSourceRow RipOspfStaticListRows[] = {
    {2, nullptr, "rip"}, {3, nullptr, "ospf"}, {4, nullptr, "static"}, {5, nullptr, "local"}, {}};
constexpr OptionSourceRow RlyHitRlyFdbRlyMpdbListRows[] = {
    {1, nullptr, "rlyHit"}, {2, nullptr, "rlyFdb"}, {3, nullptr, "rlyMpdb"}, {}};
constexpr OptionSourceRow RMepIdleRMepStartRMepFailedListRows[] = {{1, nullptr, "rMepIdle"},
                                                                   {2, nullptr, "rMepStart"},
                                                                   {3, nullptr, "rMepFailed"},
                                                                   {4, nullptr, "rMepOk"},
                                                                   {}};
constexpr OptionSourceRow RouterLinkNetworkLinkSummaryLinkListRows[] = {
    {1, nullptr, "routerLink"},       {2, nullptr, "networkLink"},
    {3, nullptr, "summaryLink"},      {4, nullptr, "asSummaryLink"},
    {5, nullptr, "asExternalLink"},   {6, nullptr, "multicastLink"},
    {7, nullptr, "nssaExternalLink"}, {}};
constexpr OptionSourceRow RowStatusListRows[] = {{1, nullptr, "active"},
                                                 {2, nullptr, "notInService"},
                                                 {3, nullptr, "notReady"},
                                                 {4, nullptr, "createAndGo"},
                                                 {5, nullptr, "createAndWait"},
                                                 {6, nullptr, "destroy"},
                                                 {}};
constexpr OptionSourceRow RptNotJoinedPrunedNotPrunedListRows[] = {
    {1, nullptr, "rptNotJoined"}, {2, nullptr, "pruned"}, {3, nullptr, "notPruned"}, {}};
constexpr OptionSourceRow RsaDsaListRows[] = {{1, nullptr, "rsa"}, {2, nullptr, "dsa"}, {}};
constexpr OptionSourceRow RunningWarmBootColdBootListRows[] = {
    {1, nullptr, "running"}, {2, nullptr, "warmBoot"}, {3, nullptr, "coldBoot"}, {}};
constexpr OptionSourceRow RxTxListRows[] = {{1, nullptr, "rx"}, {2, nullptr, "tx"}, {}};
constexpr OptionSourceRow SelfPermanentPermanentdropListRows[] = {
    {1, nullptr, "self"}, {2, nullptr, "permanent"}, {3, nullptr, "permanentdrop"}, {}};
constexpr OptionSourceRow SendIdNoneSendIdChassisSendIdManageListRows[] = {
    {1, nullptr, "sendIdNone"},          {2, nullptr, "sendIdChassis"}, {3, nullptr, "sendIdManage"},
    {4, nullptr, "sendIdChassisManage"}, {5, nullptr, "sendIdDefer"},   {}};
constexpr OptionSourceRow SendNoActionListRows[] = {{1, nullptr, "send"}, {2, nullptr, "noAction"}, {}};
constexpr OptionSourceRow ShutdownDropListRows[] = {{1, nullptr, "shutdown"}, {2, nullptr, "drop"}, {}};
constexpr OptionSourceRow ShutdownNormalListRows[] = {{1, nullptr, "shutdown"}, {2, nullptr, "normal"}, {}};
constexpr OptionSourceRow Slot1Slot2Slot3ListRows[] = {{1, nullptr, "slot1"}, {2, nullptr, "slot2"},
                                                       {3, nullptr, "slot3"}, {4, nullptr, "slot4"},
                                                       {5, nullptr, "slot5"}, {}};
constexpr OptionSourceRow SnmpAgentVersionV1TrapV2TrapListRows[] = {
    {1, nullptr, "snmpAgentVersionDependent"}, {2, nullptr, "v1Trap"}, {3, nullptr, "v2Trap"}, {}};
constexpr OptionSourceRow SsmAsmListRows[] = {{2, nullptr, "ssm"}, {3, nullptr, "asm"}, {}};
constexpr OptionSourceRow StandAloneDuplexChainDuplexRingListRows[] = {
    {1, nullptr, "stand-alone"}, {2, nullptr, "duplex-chain"}, {3, nullptr, "duplex-ring"},
    {4, nullptr, "star"},        {5, nullptr, "unstable"},     {}};
constexpr OptionSourceRow StartStopListRows[] = {{1, nullptr, "start"}, {2, nullptr, "stop"}, {}};
constexpr OptionSourceRow StaticDhcpSnoopingNdSnoopingListRows[] = {
    {1, nullptr, "static"}, {2, nullptr, "dhcp-snooping"}, {3, nullptr, "nd-snooping"}, {}};
constexpr OptionSourceRow StaticLacpListRows[] = {{2, nullptr, "static"}, {3, nullptr, "lacp"}, {}};
constexpr OptionSourceRow StaticMacBasedAccessCoIeee8021xListRows[] = {
    {1, nullptr, "static"},    {2, nullptr, "mac-based-access-control"},
    {3, nullptr, "ieee8021x"}, {4, nullptr, "wac"},
    {5, nullptr, "jwac"},      {6, nullptr, "compound-authentication"},
    {7, nullptr, "others"},    {}};
constexpr OptionSourceRow StopActiveListRows[] = {{0, nullptr, "stop"}, {1, nullptr, "active"}, {}};
constexpr OptionSourceRow StorageTypeListRows[] = {{1, nullptr, "other"},       {2, nullptr, "volatile"},
                                                   {3, nullptr, "nonVolatile"}, {4, nullptr, "permanent"},
                                                   {5, nullptr, "readOnly"},    {}};
constexpr OptionSourceRow StormControlCtpLbdDdmListRows[] = {{2, nullptr, "storm-control"},
                                                             {3, nullptr, "ctp-lbd"},
                                                             {4, nullptr, "ddm"},
                                                             {5, nullptr, "bpdu_protection"},
                                                             {}};
constexpr OptionSourceRow STPCompatibilityRSTPListRows[] = {
    {0, nullptr, "STP Compatibility"}, {2, nullptr, "RSTP"}, {}};
constexpr OptionSourceRow StpGvrpMac01000CCCCCCCListRows[] = {{1, nullptr, "stp"},
                                                              {2, nullptr, "gvrp"},
                                                              {3, nullptr, "mac-01-00-0C-CC-CC-CC"},
                                                              {4, nullptr, "mac-01-00-0C-CC-CC-CD"},
                                                              {}};
constexpr OptionSourceRow StpRstpMstpListRows[] = {
    {0, nullptr, "stp"}, {1, nullptr, "rstp"}, {2, nullptr, "mstp"}, {}};
constexpr OptionSourceRow StreamingVideoVideoConferencinSoftPhoneVListRows[] = {
    {1, nullptr, "streamingVideo"},      {2, nullptr, "videoConferencing"}, {4, nullptr, "softPhoneVoice"},
    {8, nullptr, "guestVoiceSignaling"}, {16, nullptr, "guestVoice"},       {32, nullptr, "voiceSignaling"},
    {64, nullptr, "videoSignaling"},     {128, nullptr, "voice"},           {}};
constexpr OptionSourceRow StrictFuzzyListRows[] = {{1, nullptr, "strict"}, {2, nullptr, "fuzzy"}, {}};
constexpr OptionSourceRow StrictWrrListRows[] = {{1, nullptr, "strict"}, {2, nullptr, "wrr"}, {}};
constexpr OptionSourceRow SuccessFailedInProcessingListRows[] = {
    {1, nullptr, "success"}, {2, nullptr, "failed"}, {3, nullptr, "in-processing"}, {}};
constexpr OptionSourceRow SummaryLinkNssaExternalLinkListRows[] = {
    {3, nullptr, "summaryLink"}, {7, nullptr, "nssaExternalLink"}, {}};
constexpr OptionSourceRow SupplicantLogoffPortFailureSupplicantResListRows[] = {
    {1, nullptr, "supplicantLogoff"},
    {2, nullptr, "portFailure"},
    {3, nullptr, "supplicantRestart"},
    {4, nullptr, "reauthFailed"},
    {5, nullptr, "authControlForceUnauth"},
    {6, nullptr, "portReInit"},
    {7, nullptr, "portAdminDisabled"},
    {999, nullptr, "notTerminatedYet"},
    {}};
constexpr OptionSourceRow SwitchIpSwitchMacUdfStringListRows[] = {
    {1, nullptr, "switch-ip"}, {2, nullptr, "switch-mac"}, {3, nullptr, "udf-string"}, {}};
constexpr OptionSourceRow SwRadiusServerInSwRadiusServerInSwRadiusListRows[] = {
    {1, nullptr, "swRadiusServerIndex-first"},
    {2, nullptr, "swRadiusServerIndex-second"},
    {3, nullptr, "swRadiusServerIndex-third"},
    {}};
constexpr OptionSourceRow SwSysLogServerInSwSysLogServerInSwSysLogListRows[] = {
    {1, nullptr, "swSysLogServerIndex-1"},
    {2, nullptr, "swSysLogServerIndex-2"},
    {3, nullptr, "swSysLogServerIndex-3"},
    {4, nullptr, "swSysLogServerIndex-4"},
    {}};
constexpr OptionSourceRow SystemServer1Server2ListRows[] = {
    {0, nullptr, "system"},      {1, nullptr, "server1"},     {2, nullptr, "server2"},
    {3, nullptr, "ipv6server1"}, {4, nullptr, "ipv6server2"}, {}};
constexpr OptionSourceRow TacacsXtacacsTacacsPlusListRows[] = {
    {1, nullptr, "tacacs"}, {2, nullptr, "xtacacs"}, {3, nullptr, "tacacs-plus"}, {4, nullptr, "radius"}, {}};
constexpr OptionSourceRow TcpNonTcpListRows[] = {{1, nullptr, "tcp"}, {2, nullptr, "nonTcp"}, {}};
constexpr OptionSourceRow TemperatureVoltageBiasListRows[] = {
    {1, nullptr, "Temperature"}, {2, nullptr, "Voltage"},  {3, nullptr, "Bias"},
    {4, nullptr, "TX Power"},    {5, nullptr, "RX Power"}, {}};
constexpr OptionSourceRow TftpListRows[] = {{1, nullptr, "tftp"}, {}};
constexpr OptionSourceRow TimeIntervalOnDemandLogTriggerListRows[] = {
    {1, nullptr, "time-interval"}, {2, nullptr, "on-demand"}, {3, nullptr, "log-trigger"}, {}};
constexpr OptionSourceRow TrapInformListRows[] = {{1, nullptr, "trap"}, {2, nullptr, "inform"}, {}};
constexpr OptionSourceRow TrapSyslogListRows[] = {{1, nullptr, "trap"}, {2, nullptr, "syslog"}, {}};
constexpr OptionSourceRow TrTcmSrTcmListRows[] = {{2, nullptr, "tr-tcm"}, {3, nullptr, "sr-tcm"}, {}};
constexpr OptionSourceRow TrueFalseAutoListRows[] = {
    {1, nullptr, "true"}, {2, nullptr, "false"}, {3, nullptr, "auto"}, {}};
constexpr OptionSourceRow TrueFalseAutoList2Rows[] = {
    {0, nullptr, "true"}, {1, nullptr, "false"}, {2, nullptr, "auto"}, {}};
constexpr OptionSourceRow TruthValueListRows[] = {{1, nullptr, "true"}, {2, nullptr, "false"}, {}};
constexpr OptionSourceRow TxOnlyRxOnlyTxAndrxListRows[] = {
    {1, nullptr, "txOnly"}, {2, nullptr, "rxOnly"}, {3, nullptr, "txAndrx"}, {4, nullptr, "disabled"}, {}};
constexpr OptionSourceRow Type1Type2AllListRows[] = {
    {1, nullptr, "type-1"}, {2, nullptr, "type-2"}, {3, nullptr, "all"}, {}};
constexpr OptionSourceRow Type1Type2ListRows[] = {{1, nullptr, "type-1"}, {2, nullptr, "type-2"}, {}};
constexpr OptionSourceRow UnconnectedConnectingAuthenticatingListRows[] = {
    {1, nullptr, "unconnected"},   {2, nullptr, "connecting"}, {3, nullptr, "authenticating"},
    {4, nullptr, "authenticated"}, {5, nullptr, "block"},      {}};
constexpr OptionSourceRow UnknownBidirectionalTxFaultListRows[] = {
    {1, nullptr, "unknown"},  {2, nullptr, "bidirectional"}, {3, nullptr, "tx-fault"},
    {4, nullptr, "rx-fault"}, {5, nullptr, "link-down"},     {}};
constexpr OptionSourceRow UnknownCoordinateBasedCivicAddressListRows[] = {{1, nullptr, "unknown"},
                                                                          {2, nullptr, "coordinateBased"},
                                                                          {3, nullptr, "civicAddress"},
                                                                          {4, nullptr, "elin"},
                                                                          {}};
constexpr OptionSourceRow UnknownCriticalHighListRows[] = {
    {1, nullptr, "unknown"}, {2, nullptr, "critical"}, {3, nullptr, "high"}, {4, nullptr, "low"}, {}};
constexpr OptionSourceRow UnknownFromPSELocalListRows[] = {
    {1, nullptr, "unknown"}, {2, nullptr, "fromPSE"}, {3, nullptr, "local"}, {4, nullptr, "localAndPSE"}, {}};
constexpr OptionSourceRow UnknownHalfDuplexFullDuplexListRows[] = {
    {1, nullptr, "unknown"}, {2, nullptr, "halfDuplex"}, {3, nullptr, "fullDuplex"}, {}};
constexpr OptionSourceRow UnknownIfIndexSystemPortNumberListRows[] = {
    {1, nullptr, "unknown"}, {2, nullptr, "ifIndex"}, {3, nullptr, "systemPortNumber"}, {}};
constexpr OptionSourceRow UnknownIPv4DnsListRows[] = {
    {0, nullptr, "unknown"}, {1, nullptr, "IPv4"}, {16, nullptr, "dns"}, {}};
constexpr OptionSourceRow UnknownIpv4Ipv6ListRows[] = {
    {0, nullptr, "unknown"}, {1, nullptr, "ipv4"}, {2, nullptr, "ipv6"}, {16, nullptr, "dns"}, {}};
constexpr OptionSourceRow UnknownIPv4IPv6ListRows[] = {
    {0, nullptr, "unknown"}, {1, nullptr, "IPv4"}, {2, nullptr, "IPv6"}, {16, nullptr, "dns"}, {}};
constexpr OptionSourceRow UnknownIpv4Ipv6List2Rows[] = {{0, nullptr, "unknown"},
                                                        {1, nullptr, "ipv4"},
                                                        {2, nullptr, "ipv6"},
                                                        {3, nullptr, "ipv4z"},
                                                        {4, nullptr, "ipv6z"},
                                                        {16, nullptr, "dns"},
                                                        {}};
constexpr OptionSourceRow UnknownIpv4ListRows[] = {{0, nullptr, "unknown"}, {1, nullptr, "ipv4"}, {}};
constexpr OptionSourceRow UnknownIpv6ListRows[] = {{0, nullptr, "unknown"}, {2, nullptr, "ipv6"}, {}};
constexpr OptionSourceRow UnknownPrimaryBackupListRows[] = {
    {1, nullptr, "unknown"}, {2, nullptr, "primary"}, {3, nullptr, "backup"}, {}};
constexpr OptionSourceRow UnknownPseDevicePdDeviceListRows[] = {
    {1, nullptr, "unknown"}, {2, nullptr, "pseDevice"}, {3, nullptr, "pdDevice"}, {4, nullptr, "none"}, {}};
constexpr OptionSourceRow UnrecognizedType1Type2ListRows[] = {
    {0, nullptr, "unrecognized"}, {1, nullptr, "type-1"}, {2, nullptr, "type-2"}, {}};
constexpr OptionSourceRow UpDownListRows[] = {{1, nullptr, "up"}, {2, nullptr, "down"}, {}};
constexpr OptionSourceRow UploadDownloadListRows[] = {{1, nullptr, "upload"}, {2, nullptr, "download"}, {}};
constexpr OptionSourceRow UploadDownloadList2Rows[] = {{2, nullptr, "upload"}, {3, nullptr, "download"}, {}};
constexpr OptionSourceRow UppercaseLowercaseListRows[] = {
    {1, nullptr, "uppercase"}, {2, nullptr, "lowercase"}, {}};
constexpr OptionSourceRow Vendor3ListRows[] = {{5, nullptr, "vendor3"}, {}};
constexpr OptionSourceRow Version1Version2ListRows[] = {
    {1, nullptr, "version-1"}, {2, nullptr, "version-2"}, {}};
constexpr OptionSourceRow Version1Version2Version3ListRows[] = {
    {1, nullptr, "version-1"}, {2, nullptr, "version-2"}, {3, nullptr, "version-3"}, {}};
constexpr OptionSourceRow VlanBasedPortBasedListRows[] = {
    {1, nullptr, "vlan-based"}, {2, nullptr, "port-based"}, {}};
constexpr OptionSourceRow VListRows[] = {{-1, nullptr, "-"}, {}};
constexpr OptionSourceRow VmsVmsClientVideoEncoderListRows[] = {
    {1, nullptr, "vms"},           {2, nullptr, "vms_client"},
    {3, nullptr, "video_encoder"}, {4, nullptr, "network_storage"},
    {5, nullptr, "other"},         {}};
constexpr OptionSourceRow WarningInformationalEmergencyListRows[] = {
    {2, nullptr, "warning"}, {3, nullptr, "informational"}, {4, nullptr, "emergency"},
    {5, nullptr, "alert"},   {6, nullptr, "critical"},      {7, nullptr, "error"},
    {8, nullptr, "notice"},  {9, nullptr, "debug"},         {}};
constexpr OptionSourceRow YesNoListRows[] = {{1, nullptr, "yes"}, {2, nullptr, "no"}, {}};

} // namespace

constinit const VqOptionList ABCList("ABCList", ABCListRows);
constinit const VqOptionList ABCList2("ABCList2", ABCList2Rows);
constinit const VqOptionList ActionProcessingOtherList("ActionProcessingOtherList",
                                                       ActionProcessingOtherListRows);
constinit const VqOptionList ActiveCreateAndGoDestroyList("ActiveCreateAndGoDestroyList",
                                                          ActiveCreateAndGoDestroyListRows);
constinit const VqOptionList ActiveDeleteApplyList("ActiveDeleteApplyList", ActiveDeleteApplyListRows);
constinit const VqOptionList ActiveDeleteList("ActiveDeleteList", ActiveDeleteListRows);
constinit const VqOptionList ActiveDestroyList("ActiveDestroyList", ActiveDestroyListRows);
constinit const VqOptionList ActiveInactiveDisabledList("ActiveInactiveDisabledList",
                                                        ActiveInactiveDisabledListRows);
constinit const VqOptionList ActiveInactiveList("ActiveInactiveList", ActiveInactiveListRows);
constinit const VqOptionList ActiveNotInServiceCreateAndGoList("ActiveNotInServiceCreateAndGoList",
                                                               ActiveNotInServiceCreateAndGoListRows);
constinit const VqOptionList ActiveNotInServiceList("ActiveNotInServiceList", ActiveNotInServiceListRows);
constinit const VqOptionList ActiveNotInServiceNotReadyList("ActiveNotInServiceNotReadyList",
                                                            ActiveNotInServiceNotReadyListRows);
constinit const VqOptionList ActivePassiveList("ActivePassiveList", ActivePassiveListRows);
constinit const VqOptionList AddCreateAndGoDeleteList("AddCreateAndGoDeleteList",
                                                      AddCreateAndGoDeleteListRows);
constinit const VqOptionList AddDeleteList("AddDeleteList", AddDeleteListRows);
constinit const VqOptionList AddReplaceList("AddReplaceList", AddReplaceListRows);
constinit const VqOptionList AdmitAllAdmitOnlyVLANTagList("AdmitAllAdmitOnlyVLANTagList",
                                                          AdmitAllAdmitOnlyVLANTagListRows);
constinit const VqOptionList AdvertiseMatchinDoNotAdvertiseMaList("AdvertiseMatchinDoNotAdvertiseMaList",
                                                                  AdvertiseMatchinDoNotAdvertiseMaListRows);
constinit const VqOptionList AlarmWarningList("AlarmWarningList", AlarmWarningListRows);
constinit const VqOptionList AlarmWarningNoneList("AlarmWarningNoneList", AlarmWarningNoneListRows);
constinit const VqOptionList AllDefMacRemErrXconRemErrXconList("AllDefMacRemErrXconRemErrXconList",
                                                               AllDefMacRemErrXconRemErrXconListRows);
constinit const VqOptionList AllIpv4Ipv6List("AllIpv4Ipv6List", AllIpv4Ipv6ListRows);
constinit const VqOptionList AllStaticAllDynamicAllList("AllStaticAllDynamicAllList",
                                                        AllStaticAllDynamicAllListRows);
constinit const VqOptionList AllTcpUdpList("AllTcpUdpList", AllTcpUdpListRows);
constinit const VqOptionList AlwaysDefaultNoneList("AlwaysDefaultNoneList", AlwaysDefaultNoneListRows);
constinit const VqOptionList AnyAclIpbindList("AnyAclIpbindList", AnyAclIpbindListRows);
constinit const VqOptionList AnyAclIpbindList2("AnyAclIpbindList2", AnyAclIpbindList2Rows);
constinit const VqOptionList ArpAclDhcpSnoopingList("ArpAclDhcpSnoopingList", ArpAclDhcpSnoopingListRows);
constinit const VqOptionList AsExternalLinkNssaExternalLinkList("AsExternalLinkNssaExternalLinkList",
                                                                AsExternalLinkNssaExternalLinkListRows);
constinit const VqOptionList AsmBidirList("AsmBidirList", AsmBidirListRows);
constinit const VqOptionList AsmList("AsmList", AsmListRows);
constinit const VqOptionList
    AuthenticatedAuthenticatingBlockedList("AuthenticatedAuthenticatingBlockedList",
                                           AuthenticatedAuthenticatingBlockedListRows);
constinit const VqOptionList
    AuthenticatingAuthenticatedUnauthorizedList("AuthenticatingAuthenticatedUnauthorizedList",
                                                AuthenticatingAuthenticatedUnauthorizedListRows);
constinit const VqOptionList
    AuthenticatingAuthorizedUnauthorizedList("AuthenticatingAuthorizedUnauthorizedList",
                                             AuthenticatingAuthorizedUnauthorizedListRows);
constinit const VqOptionList AuthorizedUnauthorizedList("AuthorizedUnauthorizedList",
                                                        AuthorizedUnauthorizedListRows);
constinit const VqOptionList AuthProtocolLocaAuthProtocolRadiList("AuthProtocolLocaAuthProtocolRadiList",
                                                                  AuthProtocolLocaAuthProtocolRadiListRows);
constinit const VqOptionList AutoManualList("AutoManualList", AutoManualListRows);
constinit const VqOptionList AutoNormalCrossList("AutoNormalCrossList", AutoNormalCrossListRows);
constinit const VqOptionList BeginInitIdleList("BeginInitIdleList", BeginInitIdleListRows);
constinit const VqOptionList BlockedMulticastUnicastList("BlockedMulticastUnicastList",
                                                         BlockedMulticastUnicastListRows);
constinit const VqOptionList BlockLocalPermitList("BlockLocalPermitList", BlockLocalPermitListRows);
constinit const VqOptionList BothInList("BothInList", BothInListRows);
constinit const VqOptionList Box1Box2Box3List("Box1Box2Box3List", Box1Box2Box3ListRows);
constinit const VqOptionList BroadcastMulticastUnicastList("BroadcastMulticastUnicastList",
                                                           BroadcastMulticastUnicastListRows);
constinit const VqOptionList BroadcastMulticastUnicastList2("BroadcastMulticastUnicastList2",
                                                            BroadcastMulticastUnicastList2Rows);
constinit const VqOptionList BroadcastNbmaPointToPointList("BroadcastNbmaPointToPointList",
                                                           BroadcastNbmaPointToPointListRows);
constinit const VqOptionList CfgId1CfgId2List("CfgId1CfgId2List", CfgId1CfgId2ListRows);
constinit const VqOptionList
    ChassisComponentInterfaceAliasPortComponList("ChassisComponentInterfaceAliasPortComponList",
                                                 ChassisComponentInterfaceAliasPortComponListRows);
constinit const VqOptionList CistMstiList("CistMstiList", CistMstiListRows);
constinit const VqOptionList Class0Class1Class2List("Class0Class1Class2List", Class0Class1Class2ListRows);
constinit const VqOptionList ColorBlindColorAwareList("ColorBlindColorAwareList",
                                                      ColorBlindColorAwareListRows);
constinit const VqOptionList ColorBlindColorAwareList2("ColorBlindColorAwareList2",
                                                       ColorBlindColorAwareList2Rows);
constinit const VqOptionList CommanderCandidateMemberList("CommanderCandidateMemberList",
                                                          CommanderCandidateMemberListRows);
constinit const VqOptionList ConfigAsBootupFwDeleteNoneList("ConfigAsBootupFwDeleteNoneList",
                                                            ConfigAsBootupFwDeleteNoneListRows);
constinit const VqOptionList ConfigurationLogList("ConfigurationLogList", ConfigurationLogListRows);
constinit const VqOptionList ConsoleOutOfBandNotAvailList("ConsoleOutOfBandNotAvailList",
                                                          ConsoleOutOfBandNotAvailListRows);
constinit const VqOptionList CopperFiberList("CopperFiberList", CopperFiberListRows);
constinit const VqOptionList CriticalHighLowList("CriticalHighLowList", CriticalHighLowListRows);
constinit const VqOptionList CriticalMajorMinorList("CriticalMajorMinorList", CriticalMajorMinorListRows);
constinit const VqOptionList CriticalWarningInformationList("CriticalWarningInformationList",
                                                            CriticalWarningInformationListRows);
constinit const VqOptionList CsCasMsList("CsCasMsList", CsCasMsListRows);
constinit const VqOptionList DecreaseNodecreaseList("DecreaseNodecreaseList", DecreaseNodecreaseListRows);
constinit const VqOptionList DefaultCidVendor1List("DefaultCidVendor1List", DefaultCidVendor1ListRows);
constinit const VqOptionList
    DefaultCidWithUserDefinUserDefinedList("DefaultCidWithUserDefinUserDefinedList",
                                           DefaultCidWithUserDefinUserDefinedListRows);
constinit const VqOptionList DefaultUserDefinedVendor1List("DefaultUserDefinedVendor1List",
                                                           DefaultUserDefinedVendor1ListRows);
constinit const VqOptionList DefaultUserDefineVendor2List("DefaultUserDefineVendor2List",
                                                          DefaultUserDefineVendor2ListRows);
constinit const VqOptionList
    DefMHFnoneDefMHFdefaultDefMHFexplicitList("DefMHFnoneDefMHFdefaultDefMHFexplicitList",
                                              DefMHFnoneDefMHFdefaultDefMHFexplicitListRows);
constinit const VqOptionList
    DelimiterNumber1DelimiterNumber2DelimiteList("DelimiterNumber1DelimiterNumber2DelimiteList",
                                                 DelimiterNumber1DelimiterNumber2DelimiteListRows);
constinit const VqOptionList DenseSparseSparseDenseList("DenseSparseSparseDenseList",
                                                        DenseSparseSparseDenseListRows);
constinit const VqOptionList DenyNextPortDenyLowPriorityPList("DenyNextPortDenyLowPriorityPList",
                                                              DenyNextPortDenyLowPriorityPListRows);
constinit const VqOptionList DenyPermitList("DenyPermitList", DenyPermitListRows);
constinit const VqOptionList DenyPermitMirrorList("DenyPermitMirrorList", DenyPermitMirrorListRows);
constinit const VqOptionList DetectedClearedList("DetectedClearedList", DetectedClearedListRows);
constinit const VqOptionList DetectedNotdetectedList("DetectedNotdetectedList", DetectedNotdetectedListRows);
constinit const VqOptionList DirectGreSixToFourList("DirectGreSixToFourList", DirectGreSixToFourListRows);
constinit const VqOptionList DirFileList("DirFileList", DirFileListRows);
constinit const VqOptionList DisabledAlternateBackupList("DisabledAlternateBackupList",
                                                         DisabledAlternateBackupListRows);
constinit const VqOptionList DisabledBlockingListeningList("DisabledBlockingListeningList",
                                                           DisabledBlockingListeningListRows);
constinit const VqOptionList DisabledBootpDhcpList("DisabledBootpDhcpList", DisabledBootpDhcpListRows);
constinit const VqOptionList DisabledEnabledList("DisabledEnabledList", DisabledEnabledListRows);
constinit const VqOptionList DisabledEnabledList2("DisabledEnabledList2", DisabledEnabledList2Rows);
constinit const VqOptionList DisabledEnabledXmitAndRcList("DisabledEnabledXmitAndRcList",
                                                          DisabledEnabledXmitAndRcListRows);
constinit const VqOptionList DisabledEnabledXmitEnabledRcvList("DisabledEnabledXmitEnabledRcvList",
                                                               DisabledEnabledXmitEnabledRcvListRows);
constinit const VqOptionList DisabledRepeatingAnnualList("DisabledRepeatingAnnualList",
                                                         DisabledRepeatingAnnualListRows);
constinit const VqOptionList DisabledStrictLooseList("DisabledStrictLooseList", DisabledStrictLooseListRows);
constinit const VqOptionList DisconnectedLogoffConnectingList("DisconnectedLogoffConnectingList",
                                                              DisconnectedLogoffConnectingListRows);
constinit const VqOptionList
    DoNotSendRipVersion1Rip1CompatibleList("DoNotSendRipVersion1Rip1CompatibleList",
                                           DoNotSendRipVersion1Rip1CompatibleListRows);
constinit const VqOptionList Dot1dDot1adList("Dot1dDot1adList", Dot1dDot1adListRows);
constinit const VqOptionList
    Dot1qVlanProtocolIpProtocolIpx803doList("Dot1qVlanProtocolIpProtocolIpx803doList",
                                            Dot1qVlanProtocolIpProtocolIpx803doListRows);
constinit const VqOptionList Dot1xWacJwacList("Dot1xWacJwacList", Dot1xWacJwacListRows);
constinit const VqOptionList Dot3OamOperStatusList("Dot3OamOperStatusList", Dot3OamOperStatusListRows);
constinit const VqOptionList DownAttemptInitList("DownAttemptInitList", DownAttemptInitListRows);
constinit const VqOptionList DownloadUploadOtherList("DownloadUploadOtherList", DownloadUploadOtherListRows);
constinit const VqOptionList DownLoopbackWaitingList("DownLoopbackWaitingList", DownLoopbackWaitingListRows);
constinit const VqOptionList DownLoopbackWaitingList2("DownLoopbackWaitingList2",
                                                      DownLoopbackWaitingList2Rows);
constinit const VqOptionList DownPointToPointList("DownPointToPointList", DownPointToPointListRows);
constinit const VqOptionList DownUpList("DownUpList", DownUpListRows);
constinit const VqOptionList DropBlockShutdownList("DropBlockShutdownList", DropBlockShutdownListRows);
constinit const VqOptionList DropForwardList("DropForwardList", DropForwardListRows);
constinit const VqOptionList DropMirrorList("DropMirrorList", DropMirrorListRows);
constinit const VqOptionList DropReplaceList("DropReplaceList", DropReplaceListRows);
constinit const VqOptionList DropShutdownList("DropShutdownList", DropShutdownListRows);
constinit const VqOptionList
    Duration1minDuration5minDuration30minList("Duration1minDuration5minDuration30minList",
                                              Duration1minDuration5minDuration30minListRows);
constinit const VqOptionList DynamicPermanentList("DynamicPermanentList", DynamicPermanentListRows);
constinit const VqOptionList DynamicStaticList("DynamicStaticList", DynamicStaticListRows);
constinit const VqOptionList EgrNoTlvEgrOKEgrDownList("EgrNoTlvEgrOKEgrDownList",
                                                      EgrNoTlvEgrOKEgrDownListRows);
constinit const VqOptionList EmptyList("EmptyList", EmptyListRows);
constinit const VqOptionList EnabledDisabledCreateAndGoList("EnabledDisabledCreateAndGoList",
                                                            EnabledDisabledCreateAndGoListRows);
constinit const VqOptionList EnabledDisabledCreateAndGoList2("EnabledDisabledCreateAndGoList2",
                                                             EnabledDisabledCreateAndGoList2Rows);
constinit const VqOptionList EnabledDisabledList("EnabledDisabledList", EnabledDisabledListRows);
constinit const VqOptionList EnabledDisabledList2("EnabledDisabledList2", EnabledDisabledList2Rows);
constinit const VqOptionList EnabledDisabledNotReadyList("EnabledDisabledNotReadyList",
                                                         EnabledDisabledNotReadyListRows);
constinit const VqOptionList EnabledDisabledOtherList("EnabledDisabledOtherList",
                                                      EnabledDisabledOtherListRows);
constinit const VqOptionList EnableDisableList("EnableDisableList", EnableDisableListRows);
constinit const VqOptionList
    ErroredSymbolEveErroredFramePeriErroredFList("ErroredSymbolEveErroredFramePeriErroredFList",
                                                 ErroredSymbolEveErroredFramePeriErroredFListRows);
constinit const VqOptionList EthernetIee802List("EthernetIee802List", EthernetIee802ListRows);
constinit const VqOptionList EthernetIeee802List("EthernetIeee802List", EthernetIeee802ListRows);
constinit const VqOptionList EthernetLlcSnapList("EthernetLlcSnapList", EthernetLlcSnapListRows);
constinit const VqOptionList EthernetRfc1042LlcOtherList("EthernetRfc1042LlcOtherList",
                                                         EthernetRfc1042LlcOtherListRows);
constinit const VqOptionList ExactPartialList("ExactPartialList", ExactPartialListRows);
constinit const VqOptionList ExactPrefixList("ExactPrefixList", ExactPrefixListRows);
constinit const VqOptionList ExistNoExistList("ExistNoExistList", ExistNoExistListRows);
constinit const VqOptionList FalseList("FalseList", FalseListRows);
constinit const VqOptionList FastEthernetGigaEthernetOtherList("FastEthernetGigaEthernetOtherList",
                                                               FastEthernetGigaEthernetOtherListRows);
constinit const VqOptionList Fat16Fat32List("Fat16Fat32List", Fat16Fat32ListRows);
constinit const VqOptionList FifteenMinuteOneDayList("FifteenMinuteOneDayList", FifteenMinuteOneDayListRows);
constinit const VqOptionList FinishProceedingList("FinishProceedingList", FinishProceedingListRows);
constinit const VqOptionList FixedConfigRpConfigSsmList("FixedConfigRpConfigSsmList",
                                                        FixedConfigRpConfigSsmListRows);
constinit const VqOptionList FngResetFngDefectFngReportDefectList("FngResetFngDefectFngReportDefectList",
                                                                  FngResetFngDefectFngReportDefectListRows);
constinit const VqOptionList ForceTrueForceFalseAutoList("ForceTrueForceFalseAutoList",
                                                         ForceTrueForceFalseAutoListRows);
constinit const VqOptionList
    ForceUnauthorizeAutoForceAuthorizedList("ForceUnauthorizeAutoForceAuthorizedList",
                                            ForceUnauthorizeAutoForceAuthorizedListRows);
constinit const VqOptionList
    ForwardAllGroupsForwardUnregisteFilterUnList("ForwardAllGroupsForwardUnregisteFilterUnList",
                                                 ForwardAllGroupsForwardUnregisteFilterUnListRows);
constinit const VqOptionList ForwardingBlockingSignalfailList("ForwardingBlockingSignalfailList",
                                                              ForwardingBlockingSignalfailListRows);
constinit const VqOptionList ForwardingNotForwardingList("ForwardingNotForwardingList",
                                                         ForwardingNotForwardingListRows);
constinit const VqOptionList GreenRedYellowList("GreenRedYellowList", GreenRedYellowListRows);
constinit const VqOptionList GreenYellowRedList("GreenYellowRedList", GreenYellowRedListRows);
constinit const VqOptionList HostbasedPasswordPublickeyList("HostbasedPasswordPublickeyList",
                                                            HostbasedPasswordPublickeyListRows);
constinit const VqOptionList HostbasedPortbasedList("HostbasedPortbasedList", HostbasedPortbasedListRows);
constinit const VqOptionList HttpHttpsList("HttpHttpsList", HttpHttpsListRows);
constinit const VqOptionList IgnoreProcessList("IgnoreProcessList", IgnoreProcessListRows);
constinit const VqOptionList
    ImportExternalImportNoExternalImportNssaList("ImportExternalImportNoExternalImportNssaList",
                                                 ImportExternalImportNoExternalImportNssaListRows);
constinit const VqOptionList ImportExternalImportNoExternalList("ImportExternalImportNoExternalList",
                                                                ImportExternalImportNoExternalListRows);
constinit const VqOptionList InactiveActiveList("InactiveActiveList", InactiveActiveListRows);
constinit const VqOptionList InactiveStartDeleteList("InactiveStartDeleteList", InactiveStartDeleteListRows);
constinit const VqOptionList IncludedExcludedList("IncludedExcludedList", IncludedExcludedListRows);
constinit const VqOptionList IncludeExcludeList("IncludeExcludeList", IncludeExcludeListRows);
constinit const VqOptionList IncompleteReachableStaleList("IncompleteReachableStaleList",
                                                          IncompleteReachableStaleListRows);
constinit const VqOptionList IndependentSharedList("IndependentSharedList", IndependentSharedListRows);
constinit const VqOptionList IngNoTlvIngOkIngDownList("IngNoTlvIngOkIngDownList",
                                                      IngNoTlvIngOkIngDownListRows);
constinit const VqOptionList InitializeBackupMasterList("InitializeBackupMasterList",
                                                        InitializeBackupMasterListRows);
constinit const VqOptionList InitializeDisconnectedConnectingList("InitializeDisconnectedConnectingList",
                                                                  InitializeDisconnectedConnectingListRows);
constinit const VqOptionList InterAreaPrefixLList("InterAreaPrefixLList", InterAreaPrefixLListRows);
constinit const VqOptionList
    InterfaceAliasPortComponentMacAddressList("InterfaceAliasPortComponentMacAddressList",
                                              InterfaceAliasPortComponentMacAddressListRows);
constinit const VqOptionList
    IntervalInvalidInterval300HzInterval10msList("IntervalInvalidInterval300HzInterval10msList",
                                                 IntervalInvalidInterval300HzInterval10msListRows);
constinit const VqOptionList InvalidValidList("InvalidValidList", InvalidValidListRows);
constinit const VqOptionList IpBridgeDecnetList("IpBridgeDecnetList", IpBridgeDecnetListRows);
constinit const VqOptionList IPv4IPv6DnsList("IPv4IPv6DnsList", IPv4IPv6DnsListRows);
constinit const VqOptionList Ipv4Ipv6List("Ipv4Ipv6List", Ipv4Ipv6ListRows);
constinit const VqOptionList Ipv4List("Ipv4List", Ipv4ListRows);
constinit const VqOptionList Ipv6Ipv6zList("Ipv6Ipv6zList", Ipv6Ipv6zListRows);
constinit const VqOptionList Ipv6List("Ipv6List", Ipv6ListRows);
constinit const VqOptionList IsNoInterfaceStaIsUpIsDownList("IsNoInterfaceStaIsUpIsDownList",
                                                            IsNoInterfaceStaIsUpIsDownListRows);
constinit const VqOptionList IsolatedCommunityList("IsolatedCommunityList", IsolatedCommunityListRows);
constinit const VqOptionList JapaneseEnglishList("JapaneseEnglishList", JapaneseEnglishListRows);
constinit const VqOptionList LandAttackBlatAttackTcpNullScanList("LandAttackBlatAttackTcpNullScanList",
                                                                 LandAttackBlatAttackTcpNullScanListRows);
constinit const VqOptionList LeafBranchList("LeafBranchList", LeafBranchListRows);
constinit const VqOptionList
    LinkDownFull10Mbps8023xFull10MbpsNoneList("LinkDownFull10Mbps8023xFull10MbpsNoneList",
                                              LinkDownFull10Mbps8023xFull10MbpsNoneListRows);
constinit const VqOptionList LinkDownLinkUpOtherList("LinkDownLinkUpOtherList", LinkDownLinkUpOtherListRows);
constinit const VqOptionList LinkUpLinkDownList("LinkUpLinkDownList", LinkUpLinkDownListRows);
constinit const VqOptionList Local0Local1Local2List("Local0Local1Local2List", Local0Local1Local2ListRows);
constinit const VqOptionList LocalPapChapList("LocalPapChapList", LocalPapChapListRows);
constinit const VqOptionList LocalPortNumberMacAddressList("LocalPortNumberMacAddressList",
                                                           LocalPortNumberMacAddressListRows);
constinit const VqOptionList LocalRadiusList("LocalRadiusList", LocalRadiusListRows);
constinit const VqOptionList LocalRemoteList("LocalRemoteList", LocalRemoteListRows);
constinit const VqOptionList LocalStaticRipngList("LocalStaticRipngList", LocalStaticRipngListRows);
constinit const VqOptionList MacBasedSubnetBasedList("MacBasedSubnetBasedList", MacBasedSubnetBasedListRows);
constinit const VqOptionList MacStringList("MacStringList", MacStringListRows);
constinit const VqOptionList ManualAutomaticList("ManualAutomaticList", ManualAutomaticListRows);
constinit const VqOptionList ManualDhcpv6StatelessList("ManualDhcpv6StatelessList",
                                                       ManualDhcpv6StatelessListRows);
constinit const VqOptionList ManualStringClientMacAddressList("ManualStringClientMacAddressList",
                                                              ManualStringClientMacAddressListRows);
constinit const VqOptionList MwDbmList("MwDbmList", MwDbmListRows);
constinit const VqOptionList NetworkLoadOutOfBandLoadList("NetworkLoadOutOfBandLoadList",
                                                          NetworkLoadOutOfBandLoadListRows);
constinit const VqOptionList NeverImmediatelyList("NeverImmediatelyList", NeverImmediatelyListRows);
constinit const VqOptionList NeverMinutes2Minutes5List("NeverMinutes2Minutes5List",
                                                       NeverMinutes2Minutes5ListRows);
constinit const VqOptionList NeverTenMinThirtyMinList("NeverTenMinThirtyMinList",
                                                      NeverTenMinThirtyMinListRows);
constinit const VqOptionList NniUniList("NniUniList", NniUniListRows);
constinit const VqOptionList NoAreaSummarySendAreaSummaryList("NoAreaSummarySendAreaSummaryList",
                                                              NoAreaSummarySendAreaSummaryListRows);
constinit const VqOptionList
    NoAuthenticationSimpleTextPasswoIpAuthenList("NoAuthenticationSimpleTextPasswoIpAuthenList",
                                                 NoAuthenticationSimpleTextPasswoIpAuthenListRows);
constinit const VqOptionList NoAuthNoPrivAuthNoPrivAuthPrivList("NoAuthNoPrivAuthNoPrivAuthPrivList",
                                                                NoAuthNoPrivAuthNoPrivAuthPrivListRows);
constinit const VqOptionList NoErrorOfflineLinkFailureList("NoErrorOfflineLinkFailureList",
                                                           NoErrorOfflineLinkFailureListRows);
constinit const VqOptionList
    NoInfoIAmAssertWinnerIAmAssertLoserList("NoInfoIAmAssertWinnerIAmAssertLoserList",
                                            NoInfoIAmAssertWinnerIAmAssertLoserListRows);
constinit const VqOptionList NoInfoJoinJoinPendingList("NoInfoJoinJoinPendingList",
                                                       NoInfoJoinJoinPendingListRows);
constinit const VqOptionList NoInfoJoinPrunePendingList("NoInfoJoinPrunePendingList",
                                                        NoInfoJoinPrunePendingListRows);
constinit const VqOptionList NoInfoPrunePrunePendingList("NoInfoPrunePrunePendingList",
                                                         NoInfoPrunePrunePendingListRows);
constinit const VqOptionList
    NoLoopbackInitiatingLoopbaRemoteLoopbackList("NoLoopbackInitiatingLoopbaRemoteLoopbackList",
                                                 NoLoopbackInitiatingLoopbaRemoteLoopbackListRows);
constinit const VqOptionList NoneABList2("NoneABList2", NoneABList2Rows);
constinit const VqOptionList NoneAccessListList("NoneAccessListList", NoneAccessListListRows);
constinit const VqOptionList NoneAnyDot1xImpbList("NoneAnyDot1xImpbList", NoneAnyDot1xImpbListRows);
constinit const VqOptionList NoneAttackDetectedAttackClearedList("NoneAttackDetectedAttackClearedList",
                                                                 NoneAttackDetectedAttackClearedListRows);
constinit const VqOptionList NoneAuthenticatorList("NoneAuthenticatorList", NoneAuthenticatorListRows);
constinit const VqOptionList NoneConfigSystemList("NoneConfigSystemList", NoneConfigSystemListRows);
constinit const VqOptionList NoneDefRDICCMDefMACstatusList("NoneDefRDICCMDefMACstatusList",
                                                           NoneDefRDICCMDefMACstatusListRows);
constinit const VqOptionList NoneDESList("NoneDESList", NoneDESListRows, olTextValues);
constinit const VqOptionList NoneDisabledEnabledList("NoneDisabledEnabledList", NoneDisabledEnabledListRows);
constinit const VqOptionList NoneDnsLikeNameMacAddressAndUinList("NoneDnsLikeNameMacAddressAndUinList",
                                                                 NoneDnsLikeNameMacAddressAndUinListRows);
constinit const VqOptionList NoneHyphenColonList("NoneHyphenColonList", NoneHyphenColonListRows);
constinit const VqOptionList NoneIcmpIgmpList("NoneIcmpIgmpList", NoneIcmpIgmpListRows);
constinit const VqOptionList NoneIcmpIgmpList2("NoneIcmpIgmpList2", NoneIcmpIgmpList2Rows);
constinit const VqOptionList NoneLoopDetectedLoopClearedList("NoneLoopDetectedLoopClearedList",
                                                             NoneLoopDetectedLoopClearedListRows);
constinit const VqOptionList NoneMD5SHAList("NoneMD5SHAList", NoneMD5SHAListRows, olTextValues);
constinit const VqOptionList NoneRecursiveList("NoneRecursiveList", NoneRecursiveListRows);
constinit const VqOptionList NoneRsaDsaList("NoneRsaDsaList", NoneRsaDsaListRows);
constinit const VqOptionList NoneSimplePasswordList("NoneSimplePasswordList", NoneSimplePasswordListRows);
constinit const VqOptionList NoneSsmAsmList("NoneSsmAsmList", NoneSsmAsmListRows);
constinit const VqOptionList NoneStartFileToFileList("NoneStartFileToFileList", NoneStartFileToFileListRows);
constinit const VqOptionList NoneStartList("NoneStartList", NoneStartListRows);
constinit const VqOptionList NoneStaticDynamicList("NoneStaticDynamicList", NoneStaticDynamicListRows);
constinit const VqOptionList NoneStormOccurredStormClearedList("NoneStormOccurredStormClearedList",
                                                               NoneStormOccurredStormClearedListRows);
constinit const VqOptionList NoneStormStpLbdList("NoneStormStpLbdList", NoneStormStpLbdListRows);
constinit const VqOptionList NoneTacacsPlusRadiusList("NoneTacacsPlusRadiusList",
                                                      NoneTacacsPlusRadiusListRows);
constinit const VqOptionList NoneTcpUdpList("NoneTcpUdpList", NoneTcpUdpListRows);
constinit const VqOptionList NoneTypeCodeList("NoneTypeCodeList", NoneTypeCodeListRows);
constinit const VqOptionList NoneUniNniList("NoneUniNniList", NoneUniNniListRows);
constinit const VqOptionList NoneUntaggedTaggedList("NoneUntaggedTaggedList", NoneUntaggedTaggedListRows);
constinit const VqOptionList NoneWestEastList("NoneWestEastList", NoneWestEastListRows);
constinit const VqOptionList NormalActiveList("NormalActiveList", NormalActiveListRows);
constinit const VqOptionList NormalExhaustedList("NormalExhaustedList", NormalExhaustedListRows);
constinit const VqOptionList NormalLoopErrorList("NormalLoopErrorList", NormalLoopErrorListRows);
constinit const VqOptionList NormalPoeList("NormalPoeList", NormalPoeListRows);
constinit const VqOptionList NormalStopList("NormalStopList", NormalStopListRows);
constinit const VqOptionList NormalStubNssaList("NormalStubNssaList", NormalStubNssaListRows);
constinit const VqOptionList NormalUnderAttackList("NormalUnderAttackList", NormalUnderAttackListRows);
constinit const VqOptionList
    NoSplitHorizonSplitHorizonPoisonReverseList("NoSplitHorizonSplitHorizonPoisonReverseList",
                                                NoSplitHorizonSplitHorizonPoisonReverseListRows);
constinit const VqOptionList
    NotDefinedEndpointClass1EndpointClass2List("NotDefinedEndpointClass1EndpointClass2List",
                                               NotDefinedEndpointClass1EndpointClass2ListRows);
constinit const VqOptionList NotJoinedJoinedList("NotJoinedJoinedList", NotJoinedJoinedListRows);
constinit const VqOptionList NotSpecifiedBroadcastPeerToPeerList("NotSpecifiedBroadcastPeerToPeerList",
                                                                 NotSpecifiedBroadcastPeerToPeerListRows);
constinit const VqOptionList NotSupportedSupportedList("NotSupportedSupportedList",
                                                       NotSupportedSupportedListRows);
constinit const VqOptionList OkOpenShortList("OkOpenShortList", OkOpenShortListRows);
constinit const VqOptionList OneSecondOneMinuteList("OneSecondOneMinuteList", OneSecondOneMinuteListRows);
constinit const VqOptionList OnOffErrorList("OnOffErrorList", OnOffErrorListRows);
constinit const VqOptionList OperationalNonOperationalList("OperationalNonOperationalList",
                                                           OperationalNonOperationalListRows);
constinit const VqOptionList
    OspfMetricComparableCostNonComparableList("OspfMetricComparableCostNonComparableList",
                                              OspfMetricComparableCostNonComparableListRows);
constinit const VqOptionList OtherActionList("OtherActionList", OtherActionListRows);
constinit const VqOptionList OtherAddList("OtherAddList", OtherAddListRows);
constinit const VqOptionList OtherAllType1List("OtherAllType1List", OtherAllType1ListRows);
constinit const VqOptionList OtherAutoStandAloneList("OtherAutoStandAloneList", OtherAutoStandAloneListRows);
constinit const VqOptionList OtherAutoStandAloneList2("OtherAutoStandAloneList2",
                                                      OtherAutoStandAloneList2Rows);
constinit const VqOptionList OtherAutoUserList("OtherAutoUserList", OtherAutoUserListRows);
constinit const VqOptionList OtherBootpDhcpList("OtherBootpDhcpList", OtherBootpDhcpListRows);
constinit const VqOptionList OtherCfgLogList("OtherCfgLogList", OtherCfgLogListRows);
constinit const VqOptionList OtherClearList("OtherClearList", OtherClearListRows);
constinit const VqOptionList OtherConfiguringCompleteList("OtherConfiguringCompleteList",
                                                          OtherConfiguringCompleteListRows);
constinit const VqOptionList OtherDirectGreList("OtherDirectGreList", OtherDirectGreListRows);
constinit const VqOptionList OtherDisabledDiscardingList("OtherDisabledDiscardingList",
                                                         OtherDisabledDiscardingListRows);
constinit const VqOptionList OtherDisabledEnabledList("OtherDisabledEnabledList",
                                                      OtherDisabledEnabledListRows);
constinit const VqOptionList OtherDropPacketRemarkDscpList("OtherDropPacketRemarkDscpList",
                                                           OtherDropPacketRemarkDscpListRows);
constinit const VqOptionList OtherDstAddrSrcAddrList("OtherDstAddrSrcAddrList", OtherDstAddrSrcAddrListRows);
constinit const VqOptionList OtherDstIpAddrSrcIpAddrList("OtherDstIpAddrSrcIpAddrList",
                                                         OtherDstIpAddrSrcIpAddrListRows);
constinit const VqOptionList OtherDstIpv6AddrSrcIpv6AddrList("OtherDstIpv6AddrSrcIpv6AddrList",
                                                             OtherDstIpv6AddrSrcIpv6AddrListRows);
constinit const VqOptionList OtherDstMacAddrSrcMacAddrList("OtherDstMacAddrSrcMacAddrList",
                                                           OtherDstMacAddrSrcMacAddrListRows);
constinit const VqOptionList OtherEnabledDisabledList("OtherEnabledDisabledList",
                                                      OtherEnabledDisabledListRows);
constinit const VqOptionList OtherEnableDisableList("OtherEnableDisableList", OtherEnableDisableListRows);
constinit const VqOptionList OtherErrDisabledList("OtherErrDisabledList", OtherErrDisabledListRows);
constinit const VqOptionList OtherInactiveStartList("OtherInactiveStartList", OtherInactiveStartListRows);
constinit const VqOptionList OtherInactiveStartList2("OtherInactiveStartList2", OtherInactiveStartList2Rows);
constinit const VqOptionList OtherInitializeReauthenticateList("OtherInitializeReauthenticateList",
                                                               OtherInitializeReauthenticateListRows);
constinit const VqOptionList OtherInProcessInvalidFileList("OtherInProcessInvalidFileList",
                                                           OtherInProcessInvalidFileListRows);
constinit const VqOptionList OtherInternalExternalList("OtherInternalExternalList",
                                                       OtherInternalExternalListRows);
constinit const VqOptionList OtherInUseNotInUseList("OtherInUseNotInUseList", OtherInUseNotInUseListRows);
constinit const VqOptionList OtherInvalidLearnedList("OtherInvalidLearnedList", OtherInvalidLearnedListRows);
constinit const VqOptionList OtherInvalidPermanentList("OtherInvalidPermanentList",
                                                       OtherInvalidPermanentListRows);
constinit const VqOptionList OtherInvalidValidList("OtherInvalidValidList", OtherInvalidValidListRows);
constinit const VqOptionList OtherIPv4IPv6List("OtherIPv4IPv6List", OtherIPv4IPv6ListRows);
constinit const VqOptionList OtherIPv4IPv6List2("OtherIPv4IPv6List2", OtherIPv4IPv6List2Rows);
constinit const VqOptionList OtherLayer2DefaultLayer2Ieee8021qList("OtherLayer2DefaultLayer2Ieee8021qList",
                                                                   OtherLayer2DefaultLayer2Ieee8021qListRows);
constinit const VqOptionList OtherLeftRightList("OtherLeftRightList", OtherLeftRightListRows);
constinit const VqOptionList OtherLinkPassLinkFailList("OtherLinkPassLinkFailList",
                                                       OtherLinkPassLinkFailListRows);
constinit const VqOptionList OtherLocalNetmgmtList("OtherLocalNetmgmtList", OtherLocalNetmgmtListRows);
constinit const VqOptionList OtherLocalNetmgmtList2("OtherLocalNetmgmtList2", OtherLocalNetmgmtList2Rows);
constinit const VqOptionList OtherLowVoltageOverCurrentList("OtherLowVoltageOverCurrentList",
                                                            OtherLowVoltageOverCurrentListRows);
constinit const VqOptionList OtherMacPhyCopperList("OtherMacPhyCopperList", OtherMacPhyCopperListRows);
constinit const VqOptionList OtherMacSourceMacDestinationList("OtherMacSourceMacDestinationList",
                                                              OtherMacSourceMacDestinationListRows);
constinit const VqOptionList OtherNwayEnabledNwayDisabled10MbList("OtherNwayEnabledNwayDisabled10MbList",
                                                                  OtherNwayEnabledNwayDisabled10MbListRows);
constinit const VqOptionList OtherPermanentDynamicGvrpList("OtherPermanentDynamicGvrpList",
                                                           OtherPermanentDynamicGvrpListRows);
constinit const VqOptionList OtherPermitReplaceDscpList("OtherPermitReplaceDscpList",
                                                        OtherPermitReplaceDscpListRows);
constinit const VqOptionList OtherPermitReplaceDscpList2("OtherPermitReplaceDscpList2",
                                                         OtherPermitReplaceDscpList2Rows);
constinit const VqOptionList OtherQuerierNonQuerierList("OtherQuerierNonQuerierList",
                                                        OtherQuerierNonQuerierListRows);
constinit const VqOptionList OtherRejectLocalList("OtherRejectLocalList", OtherRejectLocalListRows);
constinit const VqOptionList OtherRj45Rj45SList("OtherRj45Rj45SList", OtherRj45Rj45SListRows);
constinit const VqOptionList OtherSnmpIpSnmpIpxList("OtherSnmpIpSnmpIpxList", OtherSnmpIpSnmpIpxListRows);
constinit const VqOptionList OtherStandardProprietaryList("OtherStandardProprietaryList",
                                                          OtherStandardProprietaryListRows);
constinit const VqOptionList OtherStartFinishList("OtherStartFinishList", OtherStartFinishListRows);
constinit const VqOptionList OtherStartList("OtherStartList", OtherStartListRows);
constinit const VqOptionList OtherStaticDynamicList("OtherStaticDynamicList", OtherStaticDynamicListRows);
constinit const VqOptionList OtherSuccessFailList("OtherSuccessFailList", OtherSuccessFailListRows);
constinit const VqOptionList OtherTacacsXtacacsList("OtherTacacsXtacacsList", OtherTacacsXtacacsListRows);
constinit const VqOptionList OtherTacacsXtacacsList2("OtherTacacsXtacacsList2", OtherTacacsXtacacsList2Rows);
constinit const VqOptionList OtherTacacsXtacacsList3("OtherTacacsXtacacsList3", OtherTacacsXtacacsList3Rows);
constinit const VqOptionList OtherTrTcmSrTcmList("OtherTrTcmSrTcmList", OtherTrTcmSrTcmListRows);
constinit const VqOptionList OtherUnknownAvailableList("OtherUnknownAvailableList",
                                                       OtherUnknownAvailableListRows);
constinit const VqOptionList OtherUnknownChassisList("OtherUnknownChassisList", OtherUnknownChassisListRows);
constinit const VqOptionList OtherUnknownNoJabberList("OtherUnknownNoJabberList",
                                                      OtherUnknownNoJabberListRows);
constinit const VqOptionList OtherUnknownOperationalList("OtherUnknownOperationalList",
                                                         OtherUnknownOperationalListRows);
constinit const VqOptionList OtherUploadDownloadList("OtherUploadDownloadList", OtherUploadDownloadListRows);
constinit const VqOptionList OtherWorkingFailList("OtherWorkingFailList", OtherWorkingFailListRows);
constinit const VqOptionList PacketByteList("PacketByteList", PacketByteListRows);
constinit const VqOptionList PassiveActiveList("PassiveActiveList", PassiveActiveListRows);
constinit const VqOptionList PassiveActiveUnknownList("PassiveActiveUnknownList",
                                                      PassiveActiveUnknownListRows);
constinit const VqOptionList PClassPSEPClassPDList("PClassPSEPClassPDList", PClassPSEPClassPDListRows);
constinit const VqOptionList
    PermanentDeleteOnTimeoutDeleteOnResetList("PermanentDeleteOnTimeoutDeleteOnResetList",
                                              PermanentDeleteOnTimeoutDeleteOnResetListRows);
constinit const VqOptionList PermitDenyList("PermitDenyList", PermitDenyListRows);
constinit const VqOptionList PingGratuitousArpList("PingGratuitousArpList", PingGratuitousArpListRows);
constinit const VqOptionList PortBasedHostBasedList("PortBasedHostBasedList", PortBasedHostBasedListRows);
constinit const VqOptionList PortBaseMacBaseList("PortBaseMacBaseList", PortBaseMacBaseListRows);
constinit const VqOptionList
    PortTypeNonePortType100BaseTPortType100BList("PortTypeNonePortType100BaseTPortType100BList",
                                                 PortTypeNonePortType100BaseTPortType100BListRows);
constinit const VqOptionList PredefinedInfiniteList("PredefinedInfiniteList", PredefinedInfiniteListRows);
constinit const VqOptionList PrimaryBackupNoneList("PrimaryBackupNoneList", PrimaryBackupNoneListRows);
constinit const VqOptionList PrimaryVidCharStringUnsignedInt16List("PrimaryVidCharStringUnsignedInt16List",
                                                                   PrimaryVidCharStringUnsignedInt16ListRows);
constinit const VqOptionList PrunedForwardingList("PrunedForwardingList", PrunedForwardingListRows);
constinit const VqOptionList PsNoPortStateTLVPsBlockedPsUpList("PsNoPortStateTLVPsBlockedPsUpList",
                                                               PsNoPortStateTLVPsBlockedPsUpListRows);
constinit const VqOptionList QuarantineServerJwacLoginPageList("QuarantineServerJwacLoginPageList",
                                                               QuarantineServerJwacLoginPageListRows);
constinit const VqOptionList QuerierNonQuerierList("QuerierNonQuerierList", QuerierNonQuerierListRows);
constinit const VqOptionList RadiusOnlyAcctMethodDisabledList("RadiusOnlyAcctMethodDisabledList",
                                                              RadiusOnlyAcctMethodDisabledListRows);
constinit const VqOptionList RelayDropList("RelayDropList", RelayDropListRows);
constinit const VqOptionList RemoteAuthServerLocalAuthServerList("RemoteAuthServerLocalAuthServerList",
                                                                 RemoteAuthServerLocalAuthServerListRows);
constinit const VqOptionList ReplaceDropKeepList("ReplaceDropKeepList", ReplaceDropKeepListRows);
constinit const VqOptionList ReplaceNoreplaceList("ReplaceNoreplaceList", ReplaceNoreplaceListRows);
constinit const VqOptionList RequestResponseSuccessList("RequestResponseSuccessList",
                                                        RequestResponseSuccessListRows);
constinit const VqOptionList
    ResponseReceivedUnknownInternalErrorList("ResponseReceivedUnknownInternalErrorList",
                                             ResponseReceivedUnknownInternalErrorListRows);
constinit const VqOptionList RestartNorestartList("RestartNorestartList", RestartNorestartListRows);
constinit const VqOptionList Rip1Rip2Rip1OrRip2List("Rip1Rip2Rip1OrRip2List", Rip1Rip2Rip1OrRip2ListRows);
constinit const VqOptionList RipngOspfv3List("RipngOspfv3List", RipngOspfv3ListRows);
constinit const VqOptionList RipOspfList("RipOspfList", RipOspfListRows);
constinit const VqOptionList RipOspfStaticList("RipOspfStaticList", RipOspfStaticListRows);
constinit const VqOptionList RlyHitRlyFdbRlyMpdbList("RlyHitRlyFdbRlyMpdbList", RlyHitRlyFdbRlyMpdbListRows);
constinit const VqOptionList RMepIdleRMepStartRMepFailedList("RMepIdleRMepStartRMepFailedList",
                                                             RMepIdleRMepStartRMepFailedListRows);
constinit const VqOptionList RouterLinkNetworkLinkSummaryLinkList("RouterLinkNetworkLinkSummaryLinkList",
                                                                  RouterLinkNetworkLinkSummaryLinkListRows);
constinit const VqOptionList RowStatusList("RowStatusList", RowStatusListRows);
constinit const VqOptionList RptNotJoinedPrunedNotPrunedList("RptNotJoinedPrunedNotPrunedList",
                                                             RptNotJoinedPrunedNotPrunedListRows);
constinit const VqOptionList RsaDsaList("RsaDsaList", RsaDsaListRows);
constinit const VqOptionList RunningWarmBootColdBootList("RunningWarmBootColdBootList",
                                                         RunningWarmBootColdBootListRows);
constinit const VqOptionList RxTxList("RxTxList", RxTxListRows);
constinit const VqOptionList SelfPermanentPermanentdropList("SelfPermanentPermanentdropList",
                                                            SelfPermanentPermanentdropListRows);
constinit const VqOptionList
    SendIdNoneSendIdChassisSendIdManageList("SendIdNoneSendIdChassisSendIdManageList",
                                            SendIdNoneSendIdChassisSendIdManageListRows);
constinit const VqOptionList SendNoActionList("SendNoActionList", SendNoActionListRows);
constinit const VqOptionList ShutdownDropList("ShutdownDropList", ShutdownDropListRows);
constinit const VqOptionList ShutdownNormalList("ShutdownNormalList", ShutdownNormalListRows);
constinit const VqOptionList Slot1Slot2Slot3List("Slot1Slot2Slot3List", Slot1Slot2Slot3ListRows);
constinit const VqOptionList SnmpAgentVersionV1TrapV2TrapList("SnmpAgentVersionV1TrapV2TrapList",
                                                              SnmpAgentVersionV1TrapV2TrapListRows);
constinit const VqOptionList SsmAsmList("SsmAsmList", SsmAsmListRows);
constinit const VqOptionList StandAloneDuplexChainDuplexRingList("StandAloneDuplexChainDuplexRingList",
                                                                 StandAloneDuplexChainDuplexRingListRows);
constinit const VqOptionList StartStopList("StartStopList", StartStopListRows);
constinit const VqOptionList StaticDhcpSnoopingNdSnoopingList("StaticDhcpSnoopingNdSnoopingList",
                                                              StaticDhcpSnoopingNdSnoopingListRows);
constinit const VqOptionList StaticLacpList("StaticLacpList", StaticLacpListRows);
constinit const VqOptionList StaticMacBasedAccessCoIeee8021xList("StaticMacBasedAccessCoIeee8021xList",
                                                                 StaticMacBasedAccessCoIeee8021xListRows);
constinit const VqOptionList StopActiveList("StopActiveList", StopActiveListRows);
constinit const VqOptionList StorageTypeList("StorageTypeList", StorageTypeListRows);
constinit const VqOptionList StormControlCtpLbdDdmList("StormControlCtpLbdDdmList",
                                                       StormControlCtpLbdDdmListRows);
constinit const VqOptionList STPCompatibilityRSTPList("STPCompatibilityRSTPList",
                                                      STPCompatibilityRSTPListRows);
constinit const VqOptionList StpGvrpMac01000CCCCCCCList("StpGvrpMac01000CCCCCCCList",
                                                        StpGvrpMac01000CCCCCCCListRows);
constinit const VqOptionList StpRstpMstpList("StpRstpMstpList", StpRstpMstpListRows);
constinit const VqOptionList
    StreamingVideoVideoConferencinSoftPhoneVList("StreamingVideoVideoConferencinSoftPhoneVList",
                                                 StreamingVideoVideoConferencinSoftPhoneVListRows);
constinit const VqOptionList StrictFuzzyList("StrictFuzzyList", StrictFuzzyListRows);
constinit const VqOptionList StrictWrrList("StrictWrrList", StrictWrrListRows);
constinit const VqOptionList SuccessFailedInProcessingList("SuccessFailedInProcessingList",
                                                           SuccessFailedInProcessingListRows);
constinit const VqOptionList SummaryLinkNssaExternalLinkList("SummaryLinkNssaExternalLinkList",
                                                             SummaryLinkNssaExternalLinkListRows);
constinit const VqOptionList
    SupplicantLogoffPortFailureSupplicantResList("SupplicantLogoffPortFailureSupplicantResList",
                                                 SupplicantLogoffPortFailureSupplicantResListRows);
constinit const VqOptionList SwitchIpSwitchMacUdfStringList("SwitchIpSwitchMacUdfStringList",
                                                            SwitchIpSwitchMacUdfStringListRows);
constinit const VqOptionList
    SwRadiusServerInSwRadiusServerInSwRadiusList("SwRadiusServerInSwRadiusServerInSwRadiusList",
                                                 SwRadiusServerInSwRadiusServerInSwRadiusListRows);
constinit const VqOptionList
    SwSysLogServerInSwSysLogServerInSwSysLogList("SwSysLogServerInSwSysLogServerInSwSysLogList",
                                                 SwSysLogServerInSwSysLogServerInSwSysLogListRows);
constinit const VqOptionList SystemServer1Server2List("SystemServer1Server2List",
                                                      SystemServer1Server2ListRows);
constinit const VqOptionList TacacsXtacacsTacacsPlusList("TacacsXtacacsTacacsPlusList",
                                                         TacacsXtacacsTacacsPlusListRows);
constinit const VqOptionList TcpNonTcpList("TcpNonTcpList", TcpNonTcpListRows);
constinit const VqOptionList TemperatureVoltageBiasList("TemperatureVoltageBiasList",
                                                        TemperatureVoltageBiasListRows);
constinit const VqOptionList TftpList("TftpList", TftpListRows);
constinit const VqOptionList TimeIntervalOnDemandLogTriggerList("TimeIntervalOnDemandLogTriggerList",
                                                                TimeIntervalOnDemandLogTriggerListRows);
constinit const VqOptionList TrapInformList("TrapInformList", TrapInformListRows);
constinit const VqOptionList TrapSyslogList("TrapSyslogList", TrapSyslogListRows);
constinit const VqOptionList TrTcmSrTcmList("TrTcmSrTcmList", TrTcmSrTcmListRows);
constinit const VqOptionList TrueFalseAutoList("TrueFalseAutoList", TrueFalseAutoListRows);
constinit const VqOptionList TrueFalseAutoList2("TrueFalseAutoList2", TrueFalseAutoList2Rows);
constinit const VqOptionList TruthValueList("TruthValueList", TruthValueListRows);
constinit const VqOptionList TxOnlyRxOnlyTxAndrxList("TxOnlyRxOnlyTxAndrxList", TxOnlyRxOnlyTxAndrxListRows);
constinit const VqOptionList Type1Type2AllList("Type1Type2AllList", Type1Type2AllListRows);
constinit const VqOptionList Type1Type2List("Type1Type2List", Type1Type2ListRows);
constinit const VqOptionList
    UnconnectedConnectingAuthenticatingList("UnconnectedConnectingAuthenticatingList",
                                            UnconnectedConnectingAuthenticatingListRows);
constinit const VqOptionList UnknownBidirectionalTxFaultList("UnknownBidirectionalTxFaultList",
                                                             UnknownBidirectionalTxFaultListRows);
constinit const VqOptionList
    UnknownCoordinateBasedCivicAddressList("UnknownCoordinateBasedCivicAddressList",
                                           UnknownCoordinateBasedCivicAddressListRows);
constinit const VqOptionList UnknownCriticalHighList("UnknownCriticalHighList", UnknownCriticalHighListRows);
constinit const VqOptionList UnknownFromPSELocalList("UnknownFromPSELocalList", UnknownFromPSELocalListRows);
constinit const VqOptionList UnknownHalfDuplexFullDuplexList("UnknownHalfDuplexFullDuplexList",
                                                             UnknownHalfDuplexFullDuplexListRows);
constinit const VqOptionList UnknownIfIndexSystemPortNumberList("UnknownIfIndexSystemPortNumberList",
                                                                UnknownIfIndexSystemPortNumberListRows);
constinit const VqOptionList UnknownIPv4DnsList("UnknownIPv4DnsList", UnknownIPv4DnsListRows);
constinit const VqOptionList UnknownIpv4Ipv6List("UnknownIpv4Ipv6List", UnknownIpv4Ipv6ListRows);
constinit const VqOptionList UnknownIPv4IPv6List("UnknownIPv4IPv6List", UnknownIPv4IPv6ListRows);
constinit const VqOptionList UnknownIpv4Ipv6List2("UnknownIpv4Ipv6List2", UnknownIpv4Ipv6List2Rows);
constinit const VqOptionList UnknownIpv4List("UnknownIpv4List", UnknownIpv4ListRows);
constinit const VqOptionList UnknownIpv6List("UnknownIpv6List", UnknownIpv6ListRows);
constinit const VqOptionList UnknownPrimaryBackupList("UnknownPrimaryBackupList",
                                                      UnknownPrimaryBackupListRows);
constinit const VqOptionList UnknownPseDevicePdDeviceList("UnknownPseDevicePdDeviceList",
                                                          UnknownPseDevicePdDeviceListRows);
constinit const VqOptionList UnrecognizedType1Type2List("UnrecognizedType1Type2List",
                                                        UnrecognizedType1Type2ListRows);
constinit const VqOptionList UpDownList("UpDownList", UpDownListRows);
constinit const VqOptionList UploadDownloadList("UploadDownloadList", UploadDownloadListRows);
constinit const VqOptionList UploadDownloadList2("UploadDownloadList2", UploadDownloadList2Rows);
constinit const VqOptionList UppercaseLowercaseList("UppercaseLowercaseList", UppercaseLowercaseListRows);
constinit const VqOptionList Vendor3List("Vendor3List", Vendor3ListRows);
constinit const VqOptionList Version1Version2List("Version1Version2List", Version1Version2ListRows);
constinit const VqOptionList Version1Version2Version3List("Version1Version2Version3List",
                                                          Version1Version2Version3ListRows);
constinit const VqOptionList VlanBasedPortBasedList("VlanBasedPortBasedList", VlanBasedPortBasedListRows);
constinit const VqOptionList VList("VList", VListRows);
constinit const VqOptionList VmsVmsClientVideoEncoderList("VmsVmsClientVideoEncoderList",
                                                          VmsVmsClientVideoEncoderListRows);
constinit const VqOptionList WarningInformationalEmergencyList("WarningInformationalEmergencyList",
                                                               WarningInformationalEmergencyListRows);
constinit const VqOptionList YesNoList("YesNoList", YesNoListRows);

namespace {

constexpr const VqOptionList* kLists[] = {
    &ABCList,
    &ABCList2,
    &ActionProcessingOtherList,
    &ActiveCreateAndGoDestroyList,
    &ActiveDeleteApplyList,
    &ActiveDeleteList,
    &ActiveDestroyList,
    &ActiveInactiveDisabledList,
    &ActiveInactiveList,
    &ActiveNotInServiceCreateAndGoList,
    &ActiveNotInServiceList,
    &ActiveNotInServiceNotReadyList,
    &ActivePassiveList,
    &AddCreateAndGoDeleteList,
    &AddDeleteList,
    &AddReplaceList,
    &AdmitAllAdmitOnlyVLANTagList,
    &AdvertiseMatchinDoNotAdvertiseMaList,
    &AlarmWarningList,
    &AlarmWarningNoneList,
    &AllDefMacRemErrXconRemErrXconList,
    &AllIpv4Ipv6List,
    &AllStaticAllDynamicAllList,
    &AllTcpUdpList,
    &AlwaysDefaultNoneList,
    &AnyAclIpbindList,
    &AnyAclIpbindList2,
    &ArpAclDhcpSnoopingList,
    &AsExternalLinkNssaExternalLinkList,
    &AsmBidirList,
    &AsmList,
    &AuthenticatedAuthenticatingBlockedList,
    &AuthenticatingAuthenticatedUnauthorizedList,
    &AuthenticatingAuthorizedUnauthorizedList,
    &AuthorizedUnauthorizedList,
    &AuthProtocolLocaAuthProtocolRadiList,
    &AutoManualList,
    &AutoNormalCrossList,
    &BeginInitIdleList,
    &BlockedMulticastUnicastList,
    &BlockLocalPermitList,
    &BothInList,
    &Box1Box2Box3List,
    &BroadcastMulticastUnicastList,
    &BroadcastMulticastUnicastList2,
    &BroadcastNbmaPointToPointList,
    &CfgId1CfgId2List,
    &ChassisComponentInterfaceAliasPortComponList,
    &CistMstiList,
    &Class0Class1Class2List,
    &ColorBlindColorAwareList,
    &ColorBlindColorAwareList2,
    &CommanderCandidateMemberList,
    &ConfigAsBootupFwDeleteNoneList,
    &ConfigurationLogList,
    &ConsoleOutOfBandNotAvailList,
    &CopperFiberList,
    &CriticalHighLowList,
    &CriticalMajorMinorList,
    &CriticalWarningInformationList,
    &CsCasMsList,
    &DecreaseNodecreaseList,
    &DefaultCidVendor1List,
    &DefaultCidWithUserDefinUserDefinedList,
    &DefaultUserDefinedVendor1List,
    &DefaultUserDefineVendor2List,
    &DefMHFnoneDefMHFdefaultDefMHFexplicitList,
    &DelimiterNumber1DelimiterNumber2DelimiteList,
    &DenseSparseSparseDenseList,
    &DenyNextPortDenyLowPriorityPList,
    &DenyPermitList,
    &DenyPermitMirrorList,
    &DetectedClearedList,
    &DetectedNotdetectedList,
    &DirectGreSixToFourList,
    &DirFileList,
    &DisabledAlternateBackupList,
    &DisabledBlockingListeningList,
    &DisabledBootpDhcpList,
    &DisabledEnabledList,
    &DisabledEnabledList2,
    &DisabledEnabledXmitAndRcList,
    &DisabledEnabledXmitEnabledRcvList,
    &DisabledRepeatingAnnualList,
    &DisabledStrictLooseList,
    &DisconnectedLogoffConnectingList,
    &DoNotSendRipVersion1Rip1CompatibleList,
    &Dot1dDot1adList,
    &Dot1qVlanProtocolIpProtocolIpx803doList,
    &Dot1xWacJwacList,
    &Dot3OamOperStatusList,
    &DownAttemptInitList,
    &DownloadUploadOtherList,
    &DownLoopbackWaitingList,
    &DownLoopbackWaitingList2,
    &DownPointToPointList,
    &DownUpList,
    &DropBlockShutdownList,
    &DropForwardList,
    &DropMirrorList,
    &DropReplaceList,
    &DropShutdownList,
    &Duration1minDuration5minDuration30minList,
    &DynamicPermanentList,
    &DynamicStaticList,
    &EgrNoTlvEgrOKEgrDownList,
    &EmptyList,
    &EnabledDisabledCreateAndGoList,
    &EnabledDisabledCreateAndGoList2,
    &EnabledDisabledList,
    &EnabledDisabledList2,
    &EnabledDisabledNotReadyList,
    &EnabledDisabledOtherList,
    &EnableDisableList,
    &ErroredSymbolEveErroredFramePeriErroredFList,
    &EthernetIee802List,
    &EthernetIeee802List,
    &EthernetLlcSnapList,
    &EthernetRfc1042LlcOtherList,
    &ExactPartialList,
    &ExactPrefixList,
    &ExistNoExistList,
    &FalseList,
    &FastEthernetGigaEthernetOtherList,
    &Fat16Fat32List,
    &FifteenMinuteOneDayList,
    &FinishProceedingList,
    &FixedConfigRpConfigSsmList,
    &FngResetFngDefectFngReportDefectList,
    &ForceTrueForceFalseAutoList,
    &ForceUnauthorizeAutoForceAuthorizedList,
    &ForwardAllGroupsForwardUnregisteFilterUnList,
    &ForwardingBlockingSignalfailList,
    &ForwardingNotForwardingList,
    &GreenRedYellowList,
    &GreenYellowRedList,
    &HostbasedPasswordPublickeyList,
    &HostbasedPortbasedList,
    &HttpHttpsList,
    &IgnoreProcessList,
    &ImportExternalImportNoExternalImportNssaList,
    &ImportExternalImportNoExternalList,
    &InactiveActiveList,
    &InactiveStartDeleteList,
    &IncludedExcludedList,
    &IncludeExcludeList,
    &IncompleteReachableStaleList,
    &IndependentSharedList,
    &IngNoTlvIngOkIngDownList,
    &InitializeBackupMasterList,
    &InitializeDisconnectedConnectingList,
    &InterAreaPrefixLList,
    &InterfaceAliasPortComponentMacAddressList,
    &IntervalInvalidInterval300HzInterval10msList,
    &InvalidValidList,
    &IpBridgeDecnetList,
    &IPv4IPv6DnsList,
    &Ipv4Ipv6List,
    &Ipv4List,
    &Ipv6Ipv6zList,
    &Ipv6List,
    &IsNoInterfaceStaIsUpIsDownList,
    &IsolatedCommunityList,
    &JapaneseEnglishList,
    &LandAttackBlatAttackTcpNullScanList,
    &LeafBranchList,
    &LinkDownFull10Mbps8023xFull10MbpsNoneList,
    &LinkDownLinkUpOtherList,
    &LinkUpLinkDownList,
    &Local0Local1Local2List,
    &LocalPapChapList,
    &LocalPortNumberMacAddressList,
    &LocalRadiusList,
    &LocalRemoteList,
    &LocalStaticRipngList,
    &MacBasedSubnetBasedList,
    &MacStringList,
    &ManualAutomaticList,
    &ManualDhcpv6StatelessList,
    &ManualStringClientMacAddressList,
    &MwDbmList,
    &NetworkLoadOutOfBandLoadList,
    &NeverImmediatelyList,
    &NeverMinutes2Minutes5List,
    &NeverTenMinThirtyMinList,
    &NniUniList,
    &NoAreaSummarySendAreaSummaryList,
    &NoAuthenticationSimpleTextPasswoIpAuthenList,
    &NoAuthNoPrivAuthNoPrivAuthPrivList,
    &NoErrorOfflineLinkFailureList,
    &NoInfoIAmAssertWinnerIAmAssertLoserList,
    &NoInfoJoinJoinPendingList,
    &NoInfoJoinPrunePendingList,
    &NoInfoPrunePrunePendingList,
    &NoLoopbackInitiatingLoopbaRemoteLoopbackList,
    &NoneABList2,
    &NoneAccessListList,
    &NoneAnyDot1xImpbList,
    &NoneAttackDetectedAttackClearedList,
    &NoneAuthenticatorList,
    &NoneConfigSystemList,
    &NoneDefRDICCMDefMACstatusList,
    &NoneDESList,
    &NoneDisabledEnabledList,
    &NoneDnsLikeNameMacAddressAndUinList,
    &NoneHyphenColonList,
    &NoneIcmpIgmpList,
    &NoneIcmpIgmpList2,
    &NoneLoopDetectedLoopClearedList,
    &NoneMD5SHAList,
    &NoneRecursiveList,
    &NoneRsaDsaList,
    &NoneSimplePasswordList,
    &NoneSsmAsmList,
    &NoneStartFileToFileList,
    &NoneStartList,
    &NoneStaticDynamicList,
    &NoneStormOccurredStormClearedList,
    &NoneStormStpLbdList,
    &NoneTacacsPlusRadiusList,
    &NoneTcpUdpList,
    &NoneTypeCodeList,
    &NoneUniNniList,
    &NoneUntaggedTaggedList,
    &NoneWestEastList,
    &NormalActiveList,
    &NormalExhaustedList,
    &NormalLoopErrorList,
    &NormalPoeList,
    &NormalStopList,
    &NormalStubNssaList,
    &NormalUnderAttackList,
    &NoSplitHorizonSplitHorizonPoisonReverseList,
    &NotDefinedEndpointClass1EndpointClass2List,
    &NotJoinedJoinedList,
    &NotSpecifiedBroadcastPeerToPeerList,
    &NotSupportedSupportedList,
    &OkOpenShortList,
    &OneSecondOneMinuteList,
    &OnOffErrorList,
    &OperationalNonOperationalList,
    &OspfMetricComparableCostNonComparableList,
    &OtherActionList,
    &OtherAddList,
    &OtherAllType1List,
    &OtherAutoStandAloneList,
    &OtherAutoStandAloneList2,
    &OtherAutoUserList,
    &OtherBootpDhcpList,
    &OtherCfgLogList,
    &OtherClearList,
    &OtherConfiguringCompleteList,
    &OtherDirectGreList,
    &OtherDisabledDiscardingList,
    &OtherDisabledEnabledList,
    &OtherDropPacketRemarkDscpList,
    &OtherDstAddrSrcAddrList,
    &OtherDstIpAddrSrcIpAddrList,
    &OtherDstIpv6AddrSrcIpv6AddrList,
    &OtherDstMacAddrSrcMacAddrList,
    &OtherEnabledDisabledList,
    &OtherEnableDisableList,
    &OtherErrDisabledList,
    &OtherInactiveStartList,
    &OtherInactiveStartList2,
    &OtherInitializeReauthenticateList,
    &OtherInProcessInvalidFileList,
    &OtherInternalExternalList,
    &OtherInUseNotInUseList,
    &OtherInvalidLearnedList,
    &OtherInvalidPermanentList,
    &OtherInvalidValidList,
    &OtherIPv4IPv6List,
    &OtherIPv4IPv6List2,
    &OtherLayer2DefaultLayer2Ieee8021qList,
    &OtherLeftRightList,
    &OtherLinkPassLinkFailList,
    &OtherLocalNetmgmtList,
    &OtherLocalNetmgmtList2,
    &OtherLowVoltageOverCurrentList,
    &OtherMacPhyCopperList,
    &OtherMacSourceMacDestinationList,
    &OtherNwayEnabledNwayDisabled10MbList,
    &OtherPermanentDynamicGvrpList,
    &OtherPermitReplaceDscpList,
    &OtherPermitReplaceDscpList2,
    &OtherQuerierNonQuerierList,
    &OtherRejectLocalList,
    &OtherRj45Rj45SList,
    &OtherSnmpIpSnmpIpxList,
    &OtherStandardProprietaryList,
    &OtherStartFinishList,
    &OtherStartList,
    &OtherStaticDynamicList,
    &OtherSuccessFailList,
    &OtherTacacsXtacacsList,
    &OtherTacacsXtacacsList2,
    &OtherTacacsXtacacsList3,
    &OtherTrTcmSrTcmList,
    &OtherUnknownAvailableList,
    &OtherUnknownChassisList,
    &OtherUnknownNoJabberList,
    &OtherUnknownOperationalList,
    &OtherUploadDownloadList,
    &OtherWorkingFailList,
    &PacketByteList,
    &PassiveActiveList,
    &PassiveActiveUnknownList,
    &PClassPSEPClassPDList,
    &PermanentDeleteOnTimeoutDeleteOnResetList,
    &PermitDenyList,
    &PingGratuitousArpList,
    &PortBasedHostBasedList,
    &PortBaseMacBaseList,
    &PortTypeNonePortType100BaseTPortType100BList,
    &PredefinedInfiniteList,
    &PrimaryBackupNoneList,
    &PrimaryVidCharStringUnsignedInt16List,
    &PrunedForwardingList,
    &PsNoPortStateTLVPsBlockedPsUpList,
    &QuarantineServerJwacLoginPageList,
    &QuerierNonQuerierList,
    &RadiusOnlyAcctMethodDisabledList,
    &RelayDropList,
    &RemoteAuthServerLocalAuthServerList,
    &ReplaceDropKeepList,
    &ReplaceNoreplaceList,
    &RequestResponseSuccessList,
    &ResponseReceivedUnknownInternalErrorList,
    &RestartNorestartList,
    &Rip1Rip2Rip1OrRip2List,
    &RipngOspfv3List,
    &RipOspfList,
    &RipOspfStaticList,
    &RlyHitRlyFdbRlyMpdbList,
    &RMepIdleRMepStartRMepFailedList,
    &RouterLinkNetworkLinkSummaryLinkList,
    &RowStatusList,
    &RptNotJoinedPrunedNotPrunedList,
    &RsaDsaList,
    &RunningWarmBootColdBootList,
    &RxTxList,
    &SelfPermanentPermanentdropList,
    &SendIdNoneSendIdChassisSendIdManageList,
    &SendNoActionList,
    &ShutdownDropList,
    &ShutdownNormalList,
    &Slot1Slot2Slot3List,
    &SnmpAgentVersionV1TrapV2TrapList,
    &SsmAsmList,
    &StandAloneDuplexChainDuplexRingList,
    &StartStopList,
    &StaticDhcpSnoopingNdSnoopingList,
    &StaticLacpList,
    &StaticMacBasedAccessCoIeee8021xList,
    &StopActiveList,
    &StorageTypeList,
    &StormControlCtpLbdDdmList,
    &STPCompatibilityRSTPList,
    &StpGvrpMac01000CCCCCCCList,
    &StpRstpMstpList,
    &StreamingVideoVideoConferencinSoftPhoneVList,
    &StrictFuzzyList,
    &StrictWrrList,
    &SuccessFailedInProcessingList,
    &SummaryLinkNssaExternalLinkList,
    &SupplicantLogoffPortFailureSupplicantResList,
    &SwitchIpSwitchMacUdfStringList,
    &SwRadiusServerInSwRadiusServerInSwRadiusList,
    &SwSysLogServerInSwSysLogServerInSwSysLogList,
    &SystemServer1Server2List,
    &TacacsXtacacsTacacsPlusList,
    &TcpNonTcpList,
    &TemperatureVoltageBiasList,
    &TftpList,
    &TimeIntervalOnDemandLogTriggerList,
    &TrapInformList,
    &TrapSyslogList,
    &TrTcmSrTcmList,
    &TrueFalseAutoList,
    &TrueFalseAutoList2,
    &TruthValueList,
    &TxOnlyRxOnlyTxAndrxList,
    &Type1Type2AllList,
    &Type1Type2List,
    &UnconnectedConnectingAuthenticatingList,
    &UnknownBidirectionalTxFaultList,
    &UnknownCoordinateBasedCivicAddressList,
    &UnknownCriticalHighList,
    &UnknownFromPSELocalList,
    &UnknownHalfDuplexFullDuplexList,
    &UnknownIfIndexSystemPortNumberList,
    &UnknownIPv4DnsList,
    &UnknownIpv4Ipv6List,
    &UnknownIPv4IPv6List,
    &UnknownIpv4Ipv6List2,
    &UnknownIpv4List,
    &UnknownIpv6List,
    &UnknownPrimaryBackupList,
    &UnknownPseDevicePdDeviceList,
    &UnrecognizedType1Type2List,
    &UpDownList,
    &UploadDownloadList,
    &UploadDownloadList2,
    &UppercaseLowercaseList,
    &Vendor3List,
    &Version1Version2List,
    &Version1Version2Version3List,
    &VlanBasedPortBasedList,
    &VList,
    &VmsVmsClientVideoEncoderList,
    &WarningInformationalEmergencyList,
    &YesNoList,
};

} // namespace

std::span<const VqOptionList* const> CatalogueOptionLists() {
    return kLists;
}
