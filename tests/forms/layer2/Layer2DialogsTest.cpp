#include "Layer2Dialogs.h"

#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace layer2_dialogs_test {

// The 802.1Q dialogs of the Layer 2 menu are registered in the program: their menu items open them.
TEST(Layer2Dialogs, TheProgramRegistersEvery8021QDialog) {
    const std::vector<std::string> named = MenuDialogNames();
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    for (const char* dialog : {"TVlanStaticForm", "TVLanCurrentTableForm", "TVLanPortInfomationForm",
                               "TMulticastForwardingInformationForm", "TTpGroupDestinationForwardedForm"}) {
        SCOPED_TRACE(dialog);
        // A class the menu does not name could never be listed as missing.
        EXPECT_NE(std::find(named.begin(), named.end(), dialog), named.end());
        EXPECT_EQ(std::find(missing.begin(), missing.end(), dialog), missing.end());
        EXPECT_NE(ProgramDialogs().FindClass(dialog), nullptr);
    }
}

// The IGMP and MLD snooping dialogs are registered in the program: their menu items open them.
TEST(Layer2Dialogs, TheProgramRegistersEveryMulticastSnoopingDialog) {
    const std::vector<std::string> named = MenuDialogNames();
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    for (const char* dialog :
         {"TIGMPMulticastVlanForm", "TmldMulticastVlanForm", "TIGMPSnoopingStaticGroupForm"}) {
        SCOPED_TRACE(dialog);
        EXPECT_NE(std::find(named.begin(), named.end(), dialog), named.end());
        EXPECT_EQ(std::find(missing.begin(), missing.end(), dialog), missing.end());
        EXPECT_NE(ProgramDialogs().FindClass(dialog), nullptr);
    }
}

} // namespace layer2_dialogs_test
