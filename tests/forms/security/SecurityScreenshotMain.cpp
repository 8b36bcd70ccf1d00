// Writes pictures of the security dialogs, filled from the simulated switch, to look at how they
// lay out: the login, enable and accounting method lists with the list "Default" selected, the
// server host table with its radius server selected, the server groups with "group1" selected and
// the server control dialog with an entry typed in, the 802.1X guest VLAN, the MAC-based access
// control settings, the MAC-based EAPOL statistics, the multiple authentication guest VLANs
// (VLAN 10 selected), the SSL settings, the RPC portmapper filter, the ARP spoofing prevention
// entries, the IPv4 and IPv6 IP-MAC-port bindings (each with its binding selected), the blocked
// hosts, the safeguard engine settings with the thresholds ticked, the port security settings, the
// limits per port and VLAN (port 2, VLAN 1 selected) and per VLAN (VLAN 1 selected), and the
// traffic segmentation table (port 3 selected), the binding-file transfers with a transfer typed
// into their edit dialog, and the DHCP, DHCPv6 and RA permit tables (each with its row selected).
//   bash scripts/with-display.sh build/test/tests/forms/security/security_screenshots DIR
// writes DIR/aaa-login-lists.png, aaa-enable-lists.png, aaa-acct-lists.png, aaa-servers.png,
// aaa-server-groups.png, aaa-server-control.png, guest-vlan.png, mba-control.png,
// mba-statistics.png, multiple-auth-guest-vlans.png, ssl-settings.png, rpc-portmapper.png,
// arp-spoofing.png, impb-bindings.png, impb-ipv6-bindings.png, impb-blocked.png, safeguard.png,
// port-security.png, port-security-vlan-on-port.png, port-security-vlans.png and
// traffic-segmentation.png, impb-transfers.png, impb-transfer-edit.png, dhcp-permits.png,
// dhcpv6-permits.png and ra-permits.png.
// Not a test: nothing here is checked automatically.
#include "AAASrvCtrlFormUnit.h"
#include "ACCTMethodListFormUnit.h"
#include "ARPSpoofingPreventMgmtFormUnit.h"
#include "AaaScenario.h"
#include "CatalogueColumns.h"
#include "DedicatedScreenshotStage.h"
#include "FilterAllNodePermitFormUnit.h"
#include "FilterDHCPv6PermitFormUnit.h"
#include "GuestVlanFormUnit.h"
#include "GuestVlanScenario.h"
#include "IMPBUploadDownloadEditFormUnit.h"
#include "IMPBUploadDownloadUnit.h"
#include "IPMACBindingIPv6FormUnit.h"
#include "ImpbScenario.h"
#include "IpMacBindBlockedFormUnitUnit.h"
#include "LoginMethodListFormUnit.h"
#include "MBAControlFormUnit.h"
#include "MacStatisticTableFormUnit.h"
#include "MultpAuthGuestVlanFormUnit.h"
#include "OptionItems.h"
#include "PermitScenario.h"
#include "PortSecurityGlobalSettingsFormUnit.h"
#include "PortSecurityScenario.h"
#include "PortSecurityVLANOnPortFormUnit.h"
#include "PortSecurityVLANTableFormUnit.h"
#include "RPCPortMapperFormUnit.h"
#include "SSLManagementFormUnit.h"
#include "SafeguardCtrlFormUnit.h"
#include "SafeguardScenario.h"
#include "SecurityScalarsScenario.h"
#include "ServerGroupFormUnit.h"
#include "ServerInformationFormUnit.h"
#include "TEdit.h"
#include "TrafficForwardUnit1.h"

#include <functional>
#include <string>

namespace {

// The list's name in the three method-list tables; the server's address.
constexpr int kListName = ColumnOf(Columns::LoginMethodListMethod1Type, "Login Method List Name");
constexpr int kServerIp = ColumnOf(Columns::ServerInformation, "IP");
constexpr int kGroupName = ColumnOf(Columns::ServerGroup, "Server Group Name");
constexpr int kGuestVlanId = ColumnOf(Columns::MultpAuthGuestVlanTable, "VLAN ID");
constexpr int kGatewayIp = ColumnOf(Columns::ARPSpoofingPreventMgmtTable, "Gateway IP");
constexpr int kBindingIp = ColumnOf(Columns::IPMACBindingTable, "IP Index");
constexpr int kBindingIpv6 = ColumnOf(Columns::IPMACBindingIPv6Table, "Address");
constexpr int kLimitPort = ColumnOf(Columns::PortSecurityVLANOnPortTable, "Port Index");
constexpr int kLimitVlan = ColumnOf(Columns::PortSecurityVLANTable, "VLAN ID");
constexpr int kSegmentedPort = ColumnOf(Columns::TrafficSegmentationTable, "Port");
constexpr int kPermitServer = ColumnOf(Columns::FilterDHCPPermitTable, "Server IP");

// Shows the dialog modally with the caption its menu command gives, selects the row whose cell
// matches, pictures it.
template <class T>
void Picture(T* dialog, const std::string& title, const CellMatch& row, const QString& file) {
    dialog->SetCaption(title + Facts().DeviceAddress);
    SetModalHook([&](TForm* form) {
        WaitRead(dialog->Table);
        if (TListItem* item = dialog->Table.FindRow({row})) {
            dialog->Table.List->SetSelected(item);
        }
        dialog->Table.SelectionChanged(); // as the list's click handler does
        GrabForm(form, file);
        form->Close();
    });
    dialog->ShowModal();
    delete dialog;
}

} // namespace

int main(int argc, char** argv) {
    const std::string scenario = aaa_scenario::Scenario();
    DedicatedScreenshotStage stage(argc, argv, scenario.c_str());
    const QString& dir = stage.Dir;

    Picture(CreateForm<TLoginMethodListForm>(Application, 1),
            "AAC Login Method List Table: ", {kListName, "Default"}, dir + "/aaa-login-lists.png");
    Picture(CreateForm<TLoginMethodListForm>(Application, 0),
            "AAC Enable Method List Table: ", {kListName, "Default"}, dir + "/aaa-enable-lists.png");
    ACCTMethodListForm = CreateForm<TACCTMethodListForm>(Application, 0);
    Picture(ACCTMethodListForm, "AAC ACCT Method List Table: ", {kListName, "Default"},
            dir + "/aaa-acct-lists.png");
    ACCTMethodListForm = nullptr;
    ServerInformationForm = CreateForm<TServerInformationForm>(Application);
    Picture(ServerInformationForm, "AAC Server Information Table: ", {kServerIp, "10.1.1.2"},
            dir + "/aaa-servers.png");
    ServerInformationForm = nullptr;
    ServerGroupForm = CreateForm<TServerGroupForm>(Application);
    Picture(ServerGroupForm, "AAC Server Group Table: ", {kGroupName, "group1"},
            dir + "/aaa-server-groups.png");
    ServerGroupForm = nullptr;
    ShootDialog<TAAASrvCtrlForm>(AAASrvCtrlForm, "AAC Server Settings: ", dir + "/aaa-server-control.png",
                                 [](TAAASrvCtrlForm* d) {
                                     d->edtSrvGrpName->SetText("grp1");
                                     d->edtSrvIP->SetText("10.1.1.1");
                                     SelectOption(d->cbxAuthPtcl, "tacacs-plus");
                                     SelectOption(d->cbxOper, "add");
                                 });

    stage.Agent->LoadScenario(guest_vlan_scenario::Scenario());
    ShootDialog<TGuestVlanForm>(GuestVlanForm, "802.1X Guest VLAN: ", dir + "/guest-vlan.png",
                                [](TGuestVlanForm*) {});
    ShootDialog<TMBAControlForm>(MBAControlForm, "MAC Global Settings: ", dir + "/mba-control.png",
                                 [](TMBAControlForm*) {});
    ShootDialog<TMacStatisticTableForm>(MacStatisticTableForm, "MBA PAE Over Land Frames Statistic Table: ",
                                        dir + "/mba-statistics.png", [](TMacStatisticTableForm*) {});
    MultpAuthGuestVlanForm = CreateForm<TMultpAuthGuestVlanForm>(Application);
    Picture(MultpAuthGuestVlanForm, "Compound Authentication Guest VLAN Table: ", {kGuestVlanId, "10"},
            dir + "/multiple-auth-guest-vlans.png");
    MultpAuthGuestVlanForm = nullptr;
    stage.Agent->LoadScenario(security_scalars::Scenario());
    ShootDialog<TSSLManagementForm>(SSLManagementForm, "SSL Global Settings: ", dir + "/ssl-settings.png",
                                    [](TSSLManagementForm*) {});
    ShootDialog<TRPCPortMapperForm>(RPCPortMapperForm,
                                    "RPC PortMapper Filter Settings: ", dir + "/rpc-portmapper.png",
                                    [](TRPCPortMapperForm*) {});
    stage.Agent->LoadScenario(impb_scenario::Scenario());
    ARPSpoofingPreventMgmtForm = CreateForm<TARPSpoofingPreventMgmtForm>(Application);
    Picture(ARPSpoofingPreventMgmtForm, "ARP Spoofing Prevention Table: ", {kGatewayIp, "10.0.0.254"},
            dir + "/arp-spoofing.png");
    ARPSpoofingPreventMgmtForm = nullptr;
    IPMACBindingForm = CreateForm<TIPMACBindingForm>(Application);
    Picture(IPMACBindingForm, "IMPB Binding Table: ", {kBindingIp, "10.1.1.1"}, dir + "/impb-bindings.png");
    IPMACBindingForm = nullptr;
    IPMACBindingIPv6Form = CreateForm<TIPMACBindingIPv6Form>(Application);
    Picture(IPMACBindingIPv6Form, "IMPB IPv6 Table: ", {kBindingIpv6, impb_scenario::kIpv6Address},
            dir + "/impb-ipv6-bindings.png");
    IPMACBindingIPv6Form = nullptr;
    ShootDialog<TIpMacBindBlockedForm>(IpMacBindBlockedForm,
                                       "IMPB Blocked Table: ", dir + "/impb-blocked.png",
                                       [](TIpMacBindBlockedForm*) {});
    stage.Agent->LoadScenario(safeguard_scenario::Scenario());
    ShootDialog<TSafeguardCtrlForm>(SafeguardCtrlForm, "Safeguard Control Settings: ", dir + "/safeguard.png",
                                    [](TSafeguardCtrlForm* d) {
                                        d->ckRising->SetChecked(true);
                                        d->ckFalling->SetChecked(true);
                                    });
    // The stage's switch is a 24RA (model 2).
    stage.Agent->LoadScenario(port_security_scenario::Scenario(false, 2));
    ShootDialog<TPortSecurityGlobalSettingsForm>(
        PortSecurityGlobalSettingsForm, "Port Security Global Settings: ", dir + "/port-security.png",
        [](TPortSecurityGlobalSettingsForm*) {});
    PortSecurityVLANOnPortForm = CreateForm<TPortSecurityVLANOnPortForm>(Application);
    Picture(PortSecurityVLANOnPortForm, "Port Security VLAN On Port: ", {kLimitPort, "2"},
            dir + "/port-security-vlan-on-port.png");
    PortSecurityVLANOnPortForm = nullptr;
    PortSecurityVLANTableForm = CreateForm<TPortSecurityVLANTableForm>(Application);
    Picture(PortSecurityVLANTableForm, "Port Security VLAN Table: ", {kLimitVlan, "1"},
            dir + "/port-security-vlans.png");
    PortSecurityVLANTableForm = nullptr;
    Picture(CreateForm<TTrafficSegmentationForm>(Application),
            "Traffic Segmentation Table: ", {kSegmentedPort, "3"}, dir + "/traffic-segmentation.png");
    stage.Agent->LoadScenario(permit_scenario::Scenario());
    IMPBUplaodDownloadForm = CreateForm<TIMPBUplaodDownloadForm>(Application);
    IMPBUplaodDownloadForm->SetCaption("IMPB Upload Download Table: " + Facts().DeviceAddress);
    SetModalHook([&](TForm* form) {
        if (form == IMPBUploadDownloadEditForm) {
            SelectOption(IMPBUploadDownloadEditForm->ComboBoxProtocol, "tftp");
            SelectOption(IMPBUploadDownloadEditForm->ComboBoxAddType, "ipv4");
            IMPBUploadDownloadEditForm->edtAddress->SetText("10.1.1.5");
            IMPBUploadDownloadEditForm->EditFileName->SetText("bind.cfg");
            SelectOption(IMPBUploadDownloadEditForm->cbxAction, "upload");
            GrabForm(form, dir + "/impb-transfer-edit.png");
            form->Close();
            return;
        }
        WaitRead(IMPBUplaodDownloadForm->Table);
        GrabForm(form, dir + "/impb-transfers.png");
        IMPBUplaodDownloadForm->btnAddClick(nullptr);
        form->Close();
    });
    IMPBUplaodDownloadForm->ShowModal();
    delete IMPBUplaodDownloadForm;
    IMPBUplaodDownloadForm = nullptr;
    Picture(CreateForm<TFilterDHCPPermitForm>(Application),
            "DHCP Offer Permit Table: ", {kPermitServer, "10.0.0.9"}, dir + "/dhcp-permits.png");
    FilterDHCPv6PermitForm = CreateForm<TFilterDHCPv6PermitForm>(Application);
    Picture(FilterDHCPv6PermitForm,
            "DHCPv6 Server Screening Permit Table: ", {kIpv6PermitAddress, permit_scenario::kIpv6Address},
            dir + "/dhcpv6-permits.png");
    FilterDHCPv6PermitForm = nullptr;
    FilterAllNodePermitForm = CreateForm<TFilterAllNodePermitForm>(Application);
    Picture(FilterAllNodePermitForm,
            "ICMPv6 RA All Node Permit Table: ", {kIpv6PermitAddress, permit_scenario::kIpv6Address},
            dir + "/ra-permits.png");
    FilterAllNodePermitForm = nullptr;
    return PicturesExitStatus();
}
