// The ERPS sub-rings and the multicast filter profiles: list dialogs whose rows are added and
// changed in an edit sub-dialog and deleted from the list.
#include "CaptionCheck.h"
#include "ERPSSubRingFormUnit.h"
#include "ERPSubRingEditFormUnit.h"
#include "FormsSimTest.h"
#include "MulticastFilterProfileEditFormUnit.h"
#include "MulticastFilterProfileFormUnit.h"
#include "MulticastScenario.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace row_status_list_forms_test {

namespace {

const std::string kErps = kErpsSubRingEntry;
const std::string kProfiles = kProfileEntry;

class RowStatusListSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(MulticastScenario());
    }
    static std::function<void(TForm*)> Ring(const std::function<void(TERPSubRingEditForm*)>& handler) {
        return SubForm<TERPSubRingEditForm>(handler);
    }
    static std::function<void(TForm*)>
    Profile(const std::function<void(TMulticastFilterProfileEditForm*)>& handler) {
        return SubForm<TMulticastFilterProfileEditForm>(handler);
    }
    static std::vector<std::string> Listed(TRowStatusListForm* d) {
        std::vector<std::string> rows;
        for (int i = 0; i < d->ListView1->Items().Count(); ++i) {
            rows.push_back(d->ListView1->Items()[i]->Caption());
        }
        std::sort(rows.begin(), rows.end());
        return rows;
    }
    // The list holds exactly the rows the agent holds.
    void ExpectListedAsTheAgentHolds(TRowStatusListForm* d, const std::string& statusOid) {
        std::vector<std::string> held;
        for (const std::string& instance : AgentRows(statusOid)) {
            held.push_back(instance.substr(0, instance.find('.')));
        }
        std::sort(held.begin(), held.end());
        EXPECT_EQ(Listed(d), held);
    }
};

} // namespace

TEST_F(RowStatusListSim, ErpsAddWritesTheStateOnlyWhileItsBoxIsTicked) {
    const struct {
        bool TcTicked;
        std::vector<SimVarBind> Pdu;
    } cases[] = {
        {false, {{kErps + ".4.10.20", SimValue::Int(4)}}},
        {true, {{kErps + ".3.10.20", SimValue::Int(1)}, {kErps + ".4.10.20", SimValue::Int(4)}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.TcTicked);
        Agent().LoadScenario(MulticastScenario());
        RunDialog<TERPSSubRingForm>("SubRingSetting1Click", ERPSSubRingForm,
                                    [&](TERPSSubRingForm* d) {
                                        EXPECT_EQ(d->Caption(), "ERPS Sub-Ring Table: " + Agent().Address());
                                        EXPECT_TRUE(CaptionsReadWhole(d));
                                        ClickControl(d->btnAdd);
                                        ASSERT_TRUE(WaitForSets(1));
                                        ASSERT_TRUE(WaitReads(1));
                                        EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{c.Pdu}));
                                        ExpectListedAsTheAgentHolds(d, kErps + ".4");
                                        EXPECT_EQ(Listed(d).size(), 3u);
                                    },
                                    {Ring([&](TERPSubRingEditForm* e) {
                                        EXPECT_EQ(e->Caption(),
                                                  "ERPS Sub-Ring Table: " + Agent().Address() + " (Add)");
                                        EXPECT_TRUE(CaptionsReadWhole(e));
                                        EXPECT_TRUE(e->CheckBox4->Visible());
                                        EXPECT_FALSE(e->CheckBox4->Checked());
                                        EXPECT_FALSE(e->CheckBox2->Enabled());
                                        TypeText(e->EditVID, "10");
                                        TypeText(e->SubRingEdit, "20");
                                        ChooseOption(e->cbxTC, "enabled");
                                        e->CheckBox4->SetChecked(c.TcTicked);
                                        ClickControl(e->btnEdit);
                                        EXPECT_NE(e->ModalResult(), mrNone);
                                    })});
    }
}

TEST_F(RowStatusListSim, ErpsAddRefusesAKeyOutsideOneTo4094) {
    const struct {
        const char* Vid;
        const char* SubRing;
        bool SubRingRefused;
    } cases[] = {{"", "20", false}, {"0", "20", false}, {"10", "4095", true}};
    RunDialog<TERPSSubRingForm>("SubRingSetting1Click", ERPSSubRingForm,
                                [&](TERPSSubRingForm* d) { ClickControl(d->btnAdd); },
                                {Ring([&](TERPSubRingEditForm* e) {
                                    for (const auto& c : cases) {
                                        SCOPED_TRACE(std::string(c.Vid) + "/" + c.SubRing);
                                        e->EditVID->SetText(c.Vid);
                                        e->SubRingEdit->SetText(c.SubRing);
                                        Dialogs.Expect(" Please enter a number between 1 and 4094!");
                                        ClickControl(e->btnEdit);
                                        EXPECT_EQ(Dialogs.Pending(), 0);
                                        EXPECT_EQ(e->SubRingEdit->Focused(), c.SubRingRefused);
                                        EXPECT_EQ(e->ModalResult(), mrNone);
                                    }
                                    e->EditVID->SetText("");
                                    e->SubRingEdit->SetText("");
                                })});
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(RowStatusListSim, ErpsEditWritesTheStateWithActiveAndDeleteWritesItWithDestroy) {
    RunDialog<TERPSSubRingForm>(
        "SubRingSetting1Click", ERPSSubRingForm,
        [&](TERPSSubRingForm* d) {
            Dialogs.Expect("Choose the item first.");
            ClickControl(d->btnDelete); // nothing chosen: disabled, but pressed by code too
            d->btnDeleteClick(nullptr);
            EXPECT_TRUE(Agent().SetLog().empty());

            ClickListRow(d->ListView1, 0); // 1/2, enabled
            EXPECT_TRUE(CaptionsReadWhole(d));
            ClickControl(d->btnEdit);
            ASSERT_TRUE(WaitForSets(1));
            ASSERT_TRUE(WaitReads(1));
            EXPECT_EQ(SetPdus(),
                      (std::vector<std::vector<SimVarBind>>{
                          {{kErps + ".3.1.2", SimValue::Int(2)}, {kErps + ".4.1.2", SimValue::Int(1)}}}));
            EXPECT_EQ(d->ListView1->Selected(), nullptr);

            Agent().ClearSetLog();
            ClickListRow(d->ListView1, 1); // 3/4, disabled
            ClickControl(d->btnDelete);    // no question
            ASSERT_TRUE(WaitForSets(1));
            ASSERT_TRUE(WaitReads(2));
            EXPECT_EQ(SetPdus(),
                      (std::vector<std::vector<SimVarBind>>{
                          {{kErps + ".3.3.4", SimValue::Int(2)}, {kErps + ".4.3.4", SimValue::Int(6)}}}));
            ExpectListedAsTheAgentHolds(d, kErps + ".4");
            EXPECT_EQ(Listed(d), (std::vector<std::string>{"1"}));
            EXPECT_FALSE(d->btnDelete->Enabled());
        },
        {Ring([&](TERPSubRingEditForm* e) {
            EXPECT_EQ(e->Caption(), "ERPS Sub-Ring Table: " + Agent().Address() + " (Edit)");
            EXPECT_TRUE(CaptionsReadWhole(e));
            EXPECT_EQ(e->EditVID->Text(), "1");
            EXPECT_FALSE(e->EditVID->Enabled());
            EXPECT_FALSE(e->SubRingEdit->Enabled());
            EXPECT_FALSE(e->CheckBox4->Visible());
            EXPECT_EQ(e->cbxTC->Text(), "enabled");
            ChooseOption(e->cbxTC, "disabled");
            ClickControl(e->btnEdit);
        })});
}

TEST_F(RowStatusListSim, ProfileAddWritesTheDescriptionWithCreateAndGoAndEditItAlone) {
    RunDialog<TMulticastFilterProfileForm>(
        "MulticastFilterProfileTable1Click", MulticastFilterProfileForm,
        [&](TMulticastFilterProfileForm* d) {
            EXPECT_EQ(d->Caption(), "Multicast Filter Profile Table: " + Agent().Address());
            EXPECT_TRUE(CaptionsReadWhole(d));
            ClickControl(d->btnAdd); // refused, then left
            ClickControl(d->btnAdd);
            ASSERT_TRUE(WaitForSets(1));
            ASSERT_TRUE(WaitReads(1));
            EXPECT_EQ(SetPdus(),
                      (std::vector<std::vector<SimVarBind>>{{{kProfiles + ".2.3", SimValue::Octets("video")},
                                                             {kProfiles + ".3.3", SimValue::Int(4)}}}));
            ExpectListedAsTheAgentHolds(d, kProfiles + ".3");
            Agent().ClearSetLog();
            ClickListRow(d->ListView1, 0);
            ClickControl(d->btnEdit);
            ASSERT_TRUE(WaitForSets(1));
            ASSERT_TRUE(WaitReads(2));
            EXPECT_EQ(SetPdus(),
                      (std::vector<std::vector<SimVarBind>>{{{kProfiles + ".2.1", SimValue::Octets("tv")},
                                                             {kProfiles + ".3.1", SimValue::Int(1)}}}));
        },
        {Profile([&](TMulticastFilterProfileEditForm* e) {
             Dialogs.Expect(" Please enter a number between 1 and 24!");
             ClickControl(e->btnEdit);
             EXPECT_EQ(Dialogs.Pending(), 0);
             EXPECT_TRUE(e->EditIndex->Focused());
         }),
         Profile([&](TMulticastFilterProfileEditForm* e) {
             EXPECT_EQ(e->Caption(), "Multicast Filter Profile Table: " + Agent().Address() + " (Add)");
             EXPECT_TRUE(CaptionsReadWhole(e));
             TypeText(e->EditIndex, "3");
             TypeText(e->DescriptionEdit, "video");
             ClickControl(e->btnEdit);
         }),
         Profile([&](TMulticastFilterProfileEditForm* e) {
             EXPECT_EQ(e->EditIndex->Text(), "1");
             EXPECT_FALSE(e->EditIndex->Enabled());
             EXPECT_FALSE(e->CheckBox2->Visible());
             e->DescriptionEdit->SetText("tv");
             ClickControl(e->btnEdit);
         })});
}

TEST_F(RowStatusListSim, TheIPv6ProfilesAreTheirOwnTableWithTheSameEditCaption) {
    RunDialog<TMulticastFilterProfileForm>(
        "IPv6ProfileInformationTable1Click", MulticastFilterProfileForm,
        [&](TMulticastFilterProfileForm* d) {
            EXPECT_EQ(d->Caption(), "Multicast Filter IPv6 Profile Table: " + Agent().Address());
            EXPECT_EQ(Listed(d), (std::vector<std::string>{"1"}));
            ClickControl(d->btnGet); // walks the list again
            ASSERT_TRUE(WaitReads(1));
            EXPECT_EQ(Listed(d), (std::vector<std::string>{"1"}));
            // A kind-2 list: the bound controls stay shut until a profile is chosen.
            EXPECT_FALSE(MulticastFilterProfileEditForm->DescriptionEdit->Enabled());
            ClickListRow(d->ListView1, 0);
            EXPECT_TRUE(MulticastFilterProfileEditForm->DescriptionEdit->Enabled());
            EXPECT_EQ(MulticastFilterProfileEditForm->DescriptionEdit->Text(), "v6news");
            ClickControl(d->btnEdit);
            ASSERT_TRUE(WaitForSets(1));
            EXPECT_EQ(SetPdus().at(0).at(0).Oid, std::string(kIPv6ProfileEntry) + ".2.1");
        },
        {Profile([&](TMulticastFilterProfileEditForm* e) {
            EXPECT_EQ(e->Caption(), "Multicast Filter Profile Table: " + Agent().Address() + " (Edit)");
            ClickControl(e->btnEdit);
        })});
}

// None of the four dialogs scales for the screen: the designed size at every DPI.
TEST_F(RowStatusListSim, TheListsAndTheirEditDialogsKeepTheirDesignedSizeAtEveryDpi) {
    for (int ppi : {96, 120}) {
        SCOPED_TRACE(ppi);
        ScreenDpi dpi(ppi);
        auto* rings = CreateForm<TERPSSubRingForm>(Application);
        EXPECT_EQ(rings->Width(), 573);
        EXPECT_EQ(rings->Height(), 375);
        EXPECT_EQ(ERPSubRingEditForm->Width(), 444);
        EXPECT_EQ(ERPSubRingEditForm->Height(), 219);
        delete rings;
        auto* profiles = CreateForm<TMulticastFilterProfileForm>(Application);
        EXPECT_EQ(profiles->Width(), 451);
        EXPECT_EQ(profiles->Height(), 272);
        EXPECT_EQ(MulticastFilterProfileEditForm->Width(), 371);
        EXPECT_EQ(MulticastFilterProfileEditForm->Height(), 173);
        delete profiles;
        EXPECT_EQ(MulticastFilterProfileEditForm, nullptr);
    }
}

} // namespace row_status_list_forms_test
