#include "IMPBUploadDownloadUnit.h"
#include "IMPBUploadDownloadEditFormUnit.h"

#include "CaptionCheck.h"
#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"
#include "FormsSimTest.h"
#include "OptionItems.h"
#include "PermitScenario.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TStaticText.h"
#include "TStatusBar.h"
#include "VqMessageTable.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace impb_upload_download_unit_test {

namespace {

using permit_scenario::kTransferEntry;
using Pdus = std::vector<std::vector<SimVarBind>>;

constexpr const char* kCommand = "UploadDownloadTable1Click";
constexpr const char* kIpv6Message = "Please enter a valid IPv6 address whose length is 32 without ':'.";
constexpr const char* kChooseType = "Please choose ipv4 or ipv6 as the address type.";

class TransferSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(permit_scenario::Scenario());
    }
    using Sub = TIMPBUploadDownloadEditForm;
    // The entries of one transfer; a null option: none chosen.
    static void Fill(Sub* s, const char* protocol, const char* type, const std::string& address,
                     const std::string& file, const char* action) {
        auto choose = [](TComboBox* box, const char* option) {
            if (option) {
                SelectOption(box, option);
            } else {
                SelectNoOption(box);
            }
        };
        choose(s->ComboBoxProtocol, protocol);
        choose(s->ComboBoxAddType, type);
        s->edtAddress->SetText(address);
        s->EditFileName->SetText(file);
        choose(s->cbxAction, action);
    }
    static std::string Status(TIMPBUplaodDownloadForm* d) { return d->StatusBar1->Panels()[0]->Text(); }
};

} // namespace

TEST_F(TransferSim, OpensThroughItsMenuCommandAndRefreshReadsAgainWithTheCount) {
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    for (const char* name : {"TIMPBUplaodDownloadForm", "TFilterDHCPPermitForm", "TFilterDHCPv6PermitForm",
                             "TFilterAllNodePermitForm"}) {
        EXPECT_EQ(std::find(missing.begin(), missing.end(), name), missing.end()) << name;
    }
    RunDialog<TIMPBUplaodDownloadForm>(kCommand, IMPBUplaodDownloadForm, [&](TIMPBUplaodDownloadForm* d) {
        EXPECT_EQ(d->Caption(), "IMPB Upload Download Table: " + Agent().Address());
        EXPECT_NE(d->Table.Request->Mode, 0); // asynchronous
        EXPECT_EQ(d->Table.Request->Request.Timeout, 600);
        EXPECT_NE(IMPBUploadDownloadEditForm, nullptr);
        EXPECT_EQ(d->ListView1->Items().Count(), 1);
        EXPECT_EQ(d->StaticText1->Caption(), "1");
        EXPECT_TRUE(CaptionsReadWhole(d));
        ClickControl(d->btnGet);
        ASSERT_TRUE(WaitReads(1));
        EXPECT_EQ(d->ListView1->Items().Count(), 1);
        EXPECT_EQ(d->StaticText1->Caption(), "1");
    });
    EXPECT_EQ(IMPBUploadDownloadEditForm, nullptr);
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(TransferSim, SetSendsTheFourColumnsInOnePduAtTheProtocolThenReadsTheTable) {
    RunDialog<TIMPBUplaodDownloadForm>(
        kCommand, IMPBUplaodDownloadForm,
        [&](TIMPBUplaodDownloadForm* d) {
            ClickControl(d->btnAdd);
            ASSERT_TRUE(WaitReads(1));
            EXPECT_EQ(SetPdus(), (Pdus{{{kTransferEntry + ".2.1", SimValue::Int(1)},
                                        {kTransferEntry + ".3.1", {"4x", "0A010105"}},
                                        {kTransferEntry + ".7.1", SimValue::Octets("bind.cfg")},
                                        {kTransferEntry + ".10.1", SimValue::Int(1)}}}));
            EXPECT_NE(Status(d).find("Ok!"), std::string::npos) << Status(d);
        },
        {SubForm<Sub>([&](Sub* s) {
            EXPECT_EQ(s->Caption(), "IMPB Upload Download Table: " + Agent().Address() + " (Add)");
            // Every showing starts empty.
            EXPECT_EQ(s->ComboBoxProtocol->ItemIndex(), -1);
            EXPECT_EQ(s->EditFileName->Text(), "");
            EXPECT_TRUE(CaptionsReadWhole(s));
            ChooseOption(s->ComboBoxProtocol, "tftp");
            ChooseOption(s->ComboBoxAddType, "ipv4");
            TypeText(s->edtAddress, "10.1.1.5");
            TypeText(s->EditFileName, "bind.cfg");
            ChooseOption(s->cbxAction, "upload");
            ClickControl(s->btnEdit);
            EXPECT_NE(s->ModalResult(), mrNone); // closed
        })});
}

TEST_F(TransferSim, CheckInputRefusesByTheAddressTypeAndKeepsTheDialogOpen) {
    const std::string digits31(31, 'A');
    const struct {
        const char* Type;
        std::string Address;
        const char* File;
        const char* Message;
        bool AddressFocused;
    } cases[] = {
        {"ipv6", digits31, "f", kIpv6Message, true},
        {"ipv6", "", "f", "Please set IPv6 address.", false},
        {"ipv4", "", "f", "Please set IP address.", false},
        {"ipv4", "1.2.3", "f", "Please input a valid IP.", true},
        {"ipv4", "10.1.1.5", "", "Please input a file name.", false},
        {"dns", "tftp.example", "f", kChooseType, false},
        {"unknown", "", "f", kChooseType, false},
        {nullptr, "10.1.1.5", "f", kChooseType, false},
    };
    RunDialog<TIMPBUplaodDownloadForm>(kCommand, IMPBUplaodDownloadForm,
                                       [&](TIMPBUplaodDownloadForm* d) { ClickControl(d->btnAdd); },
                                       {SubForm<Sub>([&](Sub* s) {
                                           for (const auto& c : cases) {
                                               SCOPED_TRACE(c.Message);
                                               Fill(s, "tftp", c.Type, c.Address, c.File, "upload");
                                               Dialogs.Expect(c.Message);
                                               ClickControl(s->btnEdit);
                                               EXPECT_EQ(Dialogs.Pending(), 0);
                                               EXPECT_EQ(s->edtAddress->Focused(), c.AddressFocused);
                                               EXPECT_EQ(s->ModalResult(), mrNone); // still open
                                           }
                                       })});
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(TransferSim, AProtocolOrActionLeftUnchosenSendsNothingAndClosesWithTheReasonInTheList) {
    for (const bool protocol : {false, true}) {
        SCOPED_TRACE(protocol ? "no action" : "no protocol");
        RunDialog<TIMPBUplaodDownloadForm>(kCommand, IMPBUplaodDownloadForm,
                                           [&](TIMPBUplaodDownloadForm* d) {
                                               ClickControl(d->btnAdd);
                                               EXPECT_EQ(Status(d), MessageOfCode(-518));
                                           },
                                           {SubForm<Sub>([&](Sub* s) {
                                               Fill(s, protocol ? "tftp" : nullptr, "ipv4", "10.1.1.5",
                                                    "bind.cfg", protocol ? nullptr : "upload");
                                               ClickControl(s->btnEdit);
                                               EXPECT_NE(s->ModalResult(), mrNone);
                                           })});
    }
    EXPECT_TRUE(Agent().SetLog().empty());
}

} // namespace impb_upload_download_unit_test
