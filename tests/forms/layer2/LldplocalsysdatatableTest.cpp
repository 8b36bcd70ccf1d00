#include "Lldplocalsysdatatable.h"

#include "CaptionCheck.h"
#include "DialogLayout.h"
#include "FormsSimTest.h"
#include "LldpTablesScenario.h"
#include "TButton.h"
#include "TEdit.h"
#include "TStaticText.h"
#include "TStatusBar.h"
#include "VqMessageTable.h"

#include <gtest/gtest.h>

namespace lldplocalsysdatatable_test {

namespace {

using D = TLLDPLocSysDataForm;
constexpr const char* kCommand = "SystemData1Click";

class LldpLocalSystemSim : public FormsSimTest {
protected:
    void RunLocal(const std::string& systemName, const std::function<void(D*)>& test) {
        Agent().LoadScenario(LldpScenario(systemName));
        RunDialog<D>(kCommand, LLDPLocSysDataForm, test);
    }
    static std::string StatusText(D* d) { return StatusPanelOf(d->StatusBar1)->Text(); }
};

} // namespace

TEST_F(LldpLocalSystemSim, ShowsTheSixScalarsAndTheCapabilitiesAsNames) {
    RunLocal("core-sw1", [&](D* d) {
        EXPECT_EQ(d->Caption(), "LLDP Local System Data: " + Agent().Address());
        EXPECT_EQ(d->subtypeText->Caption(), "macAddress");
        EXPECT_NE(d->IDText->Caption(), "");
        EXPECT_EQ(d->sysNameText->Caption(), "core-sw1");
        EXPECT_EQ(d->sysNameText->Hint(), "core-sw1");
        EXPECT_EQ(d->sysDescText->Caption(), "ZQS-4410 stackable switch");
        EXPECT_EQ(d->CapSupportEdit->Text(), " Bridge,Router");
        EXPECT_EQ(d->capEnableEdit->Text(), " Bridge");
        EXPECT_FALSE(d->CapSupportEdit->Enabled());
        EXPECT_FALSE(d->tempText1->Visible());
        EXPECT_NE(StatusText(d).find("Ok!"), std::string::npos) << StatusText(d);
        EXPECT_TRUE(CaptionsReadWhole(d));
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

// The hint breaks the name after every 99 characters, once per hundred the name holds.
TEST_F(LldpLocalSystemSim, ALongSystemNamesHintIsBrokenIntoLinesOf99) {
    const struct {
        size_t Length;
        std::vector<size_t> Lines;
    } cases[] = {{99, {99}}, {100, {99, 1}}, {250, {99, 99, 52}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Length);
        std::string name;
        for (size_t i = 0; i < c.Length; ++i) {
            name += static_cast<char>('a' + i % 26);
        }
        RunLocal(name, [&](D* d) {
            std::vector<size_t> lines;
            std::string rest = d->sysNameText->Hint();
            for (size_t feed = rest.find('\n'); feed != std::string::npos; feed = rest.find('\n')) {
                lines.push_back(feed);
                rest.erase(0, feed + 1);
            }
            lines.push_back(rest.size());
            EXPECT_EQ(lines, c.Lines);
        });
    }
}

// A read the switch refuses keeps what was shown and says why in the status line; a good Refresh
// then shows the new values.
TEST_F(LldpLocalSystemSim, AFailedReadKeepsTheOldTextsAndShowsItsError) {
    RunLocal("core-sw1", [&](D* d) {
        Agent().InjectError(kLldpLocalSystemData, "genErr", SimOp::Get);
        ClickControl(d->GetButton);
        ASSERT_TRUE(WaitReads(1));
        EXPECT_NE(StatusText(d).find(MessageOfCode(-105)), std::string::npos) << StatusText(d);
        EXPECT_EQ(d->sysNameText->Caption(), "core-sw1");
        EXPECT_EQ(d->CapSupportEdit->Text(), " Bridge,Router");
        Agent().ClearInjections();

        Agent().LoadScenario(LldpScenario("renamed"));
        ClickControl(d->GetButton);
        ASSERT_TRUE(WaitReads(2));
        EXPECT_EQ(d->sysNameText->Caption(), "renamed");
        EXPECT_NE(StatusText(d).find("Ok!"), std::string::npos) << StatusText(d);
    });
}

} // namespace lldplocalsysdatatable_test
