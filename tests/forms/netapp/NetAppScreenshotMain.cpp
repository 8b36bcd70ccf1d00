// Writes pictures of the Network Application menu's dialogs, filled from the simulated switch, to
// look at how they lay out: the DHCP relay VLAN control table with a server selected and two slices
// ticked, the DHCPv6 relay option 37 settings with a value ticked and the SMTP settings.
//   bash scripts/with-display.sh build/test/tests/forms/netapp/netapp_screenshots DIR
// writes DIR/dhcp-relay-vlan-control.png, dhcpv6-relay-option37.png and smtp-settings.png. Not a
// test: nothing here is checked automatically.
#include "DHCPRelayVLANControlUnit.h"
#include "DHCPv6RelayOptionUnit.h"
#include "DedicatedScreenshotStage.h"
#include "RelayScenario.h"
#include "SMTPControlFormUnit.h"
#include "SmtpScenario.h"
#include "TCheckBox.h"

#include <string>

int main(int argc, char** argv) {
    const std::string scenario = relay_scenario::Scenario();
    DedicatedScreenshotStage stage(argc, argv, scenario.c_str());
    const QString& dir = stage.Dir;

    ShootDialog<TDHCPRelayVLANControlUnitForm>(
        DHCPRelayVLANControlUnitForm, "DHCP Relay VLAN Control Table: ", dir + "/dhcp-relay-vlan-control.png",
        [](TDHCPRelayVLANControlUnitForm* d) {
            d->ListView1->SetSelected(d->ListView1->Items()[0]);
            d->cbxVlanRange1->SetChecked(true);
            d->cbxVlanRange2->SetChecked(true);
        });
    ShootDialog<TDHCPv6RelayOptionForm>(
        DHCPv6RelayOptionForm, "DHCPv6 Relay Option 37 Settings: ", dir + "/dhcpv6-relay-option37.png",
        [](TDHCPv6RelayOptionForm* d) { d->CheckBox2->SetChecked(true); });

    stage.Agent->LoadScenario(smtp_scenario::Scenario());
    ShootDialog<TSMTPControlForm>(SMTPControlForm, "SMTP Global Settings: ", dir + "/smtp-settings.png",
                                  [](TSMTPControlForm*) {});
    return PicturesExitStatus();
}
