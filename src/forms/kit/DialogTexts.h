// The words the dedicated dialogs share, byte for byte as the program shows them (their typos and
// blanks included): the guards' variants, the unknown model, the address checks and the texts of
// a family (the ACL rule and profile editors). A text only one dialog uses lives in its unit.
#pragma once

namespace DialogText {

// Guards: what a dialog says when asked to act while a read or write is still under way. Each
// dialog uses the variant of its own.
inline constexpr const char* kGetDataNotComplete = "Get data not complete";
inline constexpr const char* kGetDataNotCompleteDot = "Get data not complete.";
inline constexpr const char* kGetDataNotCompleteBang = "Get data not complete!";
inline constexpr const char* kGetDataNotCompleted = "Get data not completed.";
inline constexpr const char* kRefreshNotComplete = "Refresh Not Complete";

// A delete pressed with no row chosen.
inline constexpr const char* kChooseTheItemFirst = "Choose the item first.";

// A switch whose sysObjectID names none of the six models: a per-model dialog has no table.
inline constexpr const char* kUnsupportedModel = "Unsupported model";

// Address checks. "Please input a valid IP." is CheckIPv4Text's own (InputValidators.h).
inline constexpr const char* kInvalidSubnetMask = "Please input valid Subnet Mask.";

// The IGMP and MLD snooping dialogs.
inline constexpr const char* kMulticastVlanIdNeeded = "Multicast VLAN ID need to input.";
inline constexpr const char* kIpAddressNotValid = "IP Address in not valid.";

// ACL rule editors.
inline constexpr const char* kMaskIdMustBeSet = "Mask ID must be set.";
inline constexpr const char* kAccessIdMustBeSet = "Access ID must be set.";
inline constexpr const char* kSomeCheckFieldEmpty = "Some check field is empty.";
inline constexpr const char* kSomeCheckFieldEmptyNoDot = "Some check field is empty";
inline constexpr const char* kEnterNumber0To7 = "Pleased enter a nubmer between 0 and 7.";
inline constexpr const char* kReplaceDscpOrTos = "Only Can Set Replace DSCP or Replace Tos Each Time.";
inline constexpr const char* kPermitMustBeChecked = "Permit option must be checked.";
inline constexpr const char* kSameIpRuleAndAccessId =
    "Has already a record with the same IP Rule ID and Access ID. Please change eithor of them.";
inline constexpr const char* kSameProfileIdAndAccessId =
    "Has already a record with the same Profile ID and Access ID. Please change eithor of them.";
inline constexpr const char* kPermitOptionMustBeChecked = "'Permit' option must be checked.";
inline constexpr const char* kPriorityBetween0And7 = "Priority value should between 0-7";
inline constexpr const char* kReplaceDscpBetween0And63 = "Replace DSCP Value should between 0-63.";
inline constexpr const char* kReplaceDscpBetween0And63NoDot = "Replace DSCP Value should between 0-63";
inline constexpr const char* kCannotSetDscpAndTos =
    "Can not set 'Replace DSCP' or 'Replace Tos' at same time.";
// The empty-field texts of the IPv6 rule editors, each where its editor puts it.
inline constexpr const char* kSomeCheckedFieldEmpty = "Some checked field is empty.";
inline constexpr const char* kSomeCheckedFieldEmptyNoDot = "Some checked field is empty";
inline constexpr const char* kSomeCheckFieldEmptyBang = "Some check field is empty!";

// ACL profile editors.
inline constexpr const char* kProfileIdMustBeSet = "Profile ID must be set.";
inline constexpr const char* kProfileNameMustBeSet = "Profile Name must be set.";
inline constexpr const char* kPleaseEnterVlanMask = "Please enter VLAN Mask.";
inline constexpr const char* kValidMaskAddress = "Please enter a valid Mask address";
inline constexpr const char* kSameIpMaskId =
    "There is already a record with the same IP Mask ID. Please modified it.";
inline constexpr const char* kSameProfileName =
    "There is already a record with the same Name Please modified it.";
// The Ethernet profile editors' (ingress and egress) and the egress IPv4 one's.
inline constexpr const char* kProfileIdMustBeSetNoStop = "Profile ID must be set";
inline constexpr const char* kProfileNameMustBeSetNoStop = "Profile Name must be set";
inline constexpr const char* kSameProfileIdModified =
    "There is already a record with the same Profile ID. Please modified it.";
inline constexpr const char* kSameNameModified =
    "There is already a record with the same Name. Please modified it.";
inline constexpr const char* kSameProfileNameModified =
    "There is already a record with the same Profile Name. Please modified it.";
// The IPv6 profile editors' (ingress and egress).
inline constexpr const char* kSameProfileIdModify =
    "There is already a record with the same Profile ID. Please modify it.";
inline constexpr const char* kSameProfileNameModify =
    "There is already a record with the same Profile Name. Please modify it.";
inline constexpr const char* kRowStatusMustBeCreateAndGo = "Row Status must be createAndGo.";

} // namespace DialogText
