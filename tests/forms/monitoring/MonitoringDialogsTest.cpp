#include "MonitoringDialogs.h"

#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace monitoring_dialogs_test {

// The dialogs of the Monitoring menu are registered in the program: their menu items open them.
TEST(MonitoringDialogs, TheProgramRegistersEveryMonitoringDialog) {
    const std::vector<std::string> named = MenuDialogNames();
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    for (const char* dialog : {"TPortMirrorForm", "TMirrorGroupForm", "TRSPANForm"}) {
        SCOPED_TRACE(dialog);
        // A class the menu does not name could never be listed as missing.
        EXPECT_NE(std::find(named.begin(), named.end(), dialog), named.end());
        EXPECT_EQ(std::find(missing.begin(), missing.end(), dialog), missing.end());
        EXPECT_NE(ProgramDialogs().FindClass(dialog), nullptr);
    }
}

} // namespace monitoring_dialogs_test
