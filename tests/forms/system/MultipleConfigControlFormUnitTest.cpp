#include "MultipleConfigControlFormUnit.h"

#include "CaptionCheck.h"
#include "CatalogueColumns.h"
#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"
#include "FormsSimTest.h"
#include "MultiConfigControlEditFormUnit.h"
#include "Progress2.h"
#include "SystemScenario.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TLabel.h"
#include "TProgressBar.h"
#include "TTimer.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace multiple_config_control_form_unit_test {

namespace {

using namespace system_scenario;
using D = TMultipleConfigControlForm;
using E = TMultiConfigControlEditForm;

constexpr const char* kCommand = "MultipleConfigControl1Click";
constexpr int kControlId = ColumnOf(Columns::MultipleConfigControlTable, "Control ID");

class ConfigControlSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(Scenario());
    }
    static void Choose(D* d, const std::string& id) {
        const int row = RowWhere(d->Table, {{kControlId, id}});
        ASSERT_GE(row, 0) << id;
        ClickListRow(d->ListView1, row);
    }
    static std::function<void(TForm*)> Edit(const std::function<void(E*)>& handler) {
        return [handler](TForm* form) {
            auto* edit = dynamic_cast<E*>(form);
            ASSERT_NE(edit, nullptr);
            handler(edit);
            if (edit->Modal() && edit->ModalResult() == mrNone) {
                ClickControl(edit->btnClose);
            }
        };
    }
};

} // namespace

TEST_F(ConfigControlSim, ItsMenuCommandListsTheImagesAndEditShowsTheChosenOnesActionWithItsIdFixed) {
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    EXPECT_EQ(std::find(missing.begin(), missing.end(), "TMultipleConfigControlForm"), missing.end());
    RunDialog<D>(
        kCommand, MultipleConfigControlForm,
        [&](D* d) {
            EXPECT_EQ(d->Caption(), "Multiple Configuration Settings: " + Agent().Address());
            EXPECT_EQ(ColumnCells(d->Table, kControlId), (std::vector<std::string>{"cfgId-1", "cfgId-2"}));
            EXPECT_EQ(d->Table.Request->Request.Timeout, 300);
            EXPECT_FALSE(d->btnEdit->Enabled());
            EXPECT_TRUE(CaptionsReadWhole(d));
            Choose(d, "cfgId-2");
            EXPECT_TRUE(d->btnEdit->Enabled());
            EXPECT_TRUE(CaptionsReadWhole(d));
            ClickControl(d->btnEdit);
        },
        {Edit([&](E* e) {
            EXPECT_EQ(e->Caption(), "Multiple Configuration Control Edit:" + Agent().Address());
            EXPECT_EQ(e->cbxCtrlID->Text(), "cfgId-2");
            EXPECT_FALSE(e->cbxCtrlID->Enabled());
            EXPECT_EQ(e->cbxCfgAction->Text(), "none");
            EXPECT_TRUE(CaptionsReadWhole(e));
        })});
    EXPECT_EQ(MultiConfigControlEditForm, nullptr); // it ended with its list dialog
    EXPECT_TRUE(Agent().SetLog().empty());
}

// An action other than "active" is one SET for the chosen image, and the edit dialog closes at
// once; the list is not read again.
TEST_F(ConfigControlSim, AnActionIsOneSetForTheChosenImageWithoutAReRead) {
    RunDialog<D>(kCommand, MultipleConfigControlForm,
                 [&](D* d) {
                     Choose(d, "cfgId-2");
                     ClickControl(d->btnEdit);
                     ASSERT_TRUE(WaitForSets(1));
                     EXPECT_EQ(Reads, 0);
                 },
                 {Edit([&](E* e) {
                     ChooseOption(e->cbxCfgAction, "apply");
                     ClickControl(e->btnSet); // no progress form: the driver has none
                     EXPECT_NE(e->ModalResult(), mrNone);
                 })});
    EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{{kConfigEntry + ".2.2", SimValue::Int(3)}}}));
}

// "active" waits in the progress form until its bar is full (15), the SET's reply arriving meanwhile.
TEST_F(ConfigControlSim, MakingAnImageActiveWaitsInTheProgressFormUntilItsBarIsFull) {
    ManualTimers timers;
    RunDialog<D>(kCommand, MultipleConfigControlForm,
                 [&](D* d) {
                     Choose(d, "cfgId-1");
                     ClickControl(d->btnEdit);
                     EXPECT_EQ(Reads, 0);
                 },
                 {Edit([&](E* e) {
                      ChooseOption(e->cbxCfgAction, "active");
                      ClickControl(e->btnSet);
                      EXPECT_NE(e->ModalResult(), mrNone); // closed once the wait is over
                      EXPECT_EQ(ProgressForm2, nullptr);
                  }),
                  [&](TForm* form) {
                      ASSERT_EQ(form, ProgressForm2);
                      EXPECT_EQ(form->Caption(), "Set Configuration");
                      EXPECT_EQ(ProgressForm2->LB_Prompt->Caption(), "Active Configuration is processing...");
                      EXPECT_EQ(ProgressForm2->ProgressBar->Max(), 15);
                      EXPECT_TRUE(CaptionsReadWhole(form));
                      ASSERT_TRUE(WaitForSets(1)); // sent before the wait
                      for (int ticks = 0; form->ModalResult() == mrNone && ticks < 20; ++ticks) {
                          EXPECT_LT(ProgressForm2->ProgressBar->Position(), 16);
                          timers.Fire();
                      }
                      EXPECT_EQ(ProgressForm2->ProgressBar->Position(), 15);
                  }});
    EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{{kConfigEntry + ".2.1", SimValue::Int(1)}}}));
    EXPECT_EQ(ProgressForm2, nullptr);
}

TEST_F(ConfigControlSim, RefreshDuringAWalkDoesNothing) {
    RunDialog<D>(kCommand, MultipleConfigControlForm, [&](D* d) {
        Agent().SetDelay(kConfigEntry, 300, SimOp::Next);
        ClickControl(d->btnGet);
        ASSERT_TRUE(WaitFor([&] { return d->ListView1->Items().Count() >= 1; }, 10000));
        ASSERT_TRUE(d->Table.Request->Busy);
        ClickListRow(d->ListView1, 0);
        ClickControl(d->btnGet); // no read, the image stays chosen
        EXPECT_NE(d->ListView1->Selected(), nullptr);
        EXPECT_TRUE(d->btnEdit->Enabled());
        Agent().ClearInjections();
        ASSERT_TRUE(WaitIdle(d->Table));
        EXPECT_EQ(Reads, 1);
    });
}

} // namespace multiple_config_control_form_unit_test
