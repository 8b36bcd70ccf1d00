// What the four dialogs of the MAC-keyed port tables share, asked of each through its menu
// command: a MAC address typed for Add is exactly 12 hexadecimal digits.
#include "MacPortEntryForm.h"

#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"
#include "MacEntrySim.h"
#include "MulticastFilterInformationFormUnit.h"
#include "NLBMulticastFDBFormUnit.h"
#include "NLBUnicastFDBFormUnit.h"
#include "TButton.h"
#include "TEdit.h"
#include "UnicastFilterInformationFormUnit.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace mac_port_entry_form_test {

namespace {

class MacPortEntrySim : public MacEntrySim {
protected:
    // Add with the VLAN ID 1 (where the dialog has it), each MAC text and port 1 ticked (where the
    // boxes are enabled): each refused with `refusal`, nothing sent.
    template <class T>
    void AddRefuses(const char* command, T*& instance, std::initializer_list<const char*> macs,
                    const char* refusal) {
        SCOPED_TRACE(command);
        RunDialog<T>(command, instance, [&](T* d) {
            for (const char* mac : macs) {
                SCOPED_TRACE(mac);
                d->ED_UnicastVID->SetText("1");
                d->UnicastAddress->SetText(mac);
                Port(d, 1)->SetChecked(true);
                Dialogs.Expect(refusal);
                ClickControl(ButtonCaptioned(d, "Add"));
                EXPECT_EQ(Dialogs.Pending(), 0);
                EXPECT_FALSE(d->Table.Request->Busy);
            }
        });
        EXPECT_TRUE(Agent().SetLog().empty());
    }
};

} // namespace

TEST(MacPortEntryDialogs, TheProgramRegistersTheStaticFilteringAndNlbDialogs) {
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    for (const char* dialog : {"TUnicastFilterInformationForm", "TMulticastFilterInformationForm",
                               "TNLBMulticastFDBForm", "TNLBUnicastFDBForm"}) {
        SCOPED_TRACE(dialog);
        EXPECT_NE(ProgramDialogs().FindClass(dialog), nullptr);
        EXPECT_EQ(std::find(missing.begin(), missing.end(), dialog), missing.end());
    }
}

TEST_F(MacPortEntrySim, EveryAddRefusesAMacAddressThatIsNotTwelveHexDigits) {
    constexpr const char* kInputKey = "Please input VLAN ID and MAC Address.";
    // 11 digits make an instance without the MAC octets; 13 would be cut to six octets (the NLB
    // edits take no more than 12).
    AddRefuses("UnicastInformation1Click", UnicastFilterInformationForm, {"00112233445", "0011223344556"},
               kInputKey);
    AddRefuses("MulticastInformation1Click", MulticastFilterInformationForm,
               {"", "01005E00000", "01005E0000011"}, kInputKey);
    AddRefuses("NLB1Click", NLBMulticastFDBForm, {"03BF0000000"}, kInputKey);
    AddRefuses("UnicastFDBTable1Click", NLBUnicastFDBForm, {"02BF0000000"}, "Please input MAC Address.");
}

} // namespace mac_port_entry_form_test
