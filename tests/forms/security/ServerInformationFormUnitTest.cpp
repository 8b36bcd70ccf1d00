#include "ServerInformationFormUnit.h"

#include "AaaScenario.h"
#include "CaptionCheck.h"
#include "CatalogueColumns.h"
#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"
#include "FormsSimTest.h"
#include "OptionItems.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TStaticText.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace server_information_form_unit_test {

namespace {

using aaa_scenario::kServerEntry;
using aaa_scenario::ServerInstance;
using Pdus = std::vector<std::vector<SimVarBind>>;

constexpr const char* kCommand = "ServerInformation1Click";

constexpr int kIpColumn = ColumnOf(Columns::ServerInformation, "IP");
constexpr int kProtocolColumn = ColumnOf(Columns::ServerInformation, "Authentication Protocol");

SimVarBind Cell(int column, const std::string& instance, int value) {
    return {kServerEntry + "." + std::to_string(column) + "." + instance, SimValue::Int(value)};
}
SimVarBind Cell(int column, const std::string& instance, const std::string& text) {
    return {kServerEntry + "." + std::to_string(column) + "." + instance, SimValue::Octets(text)};
}

class ServerInformationSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(aaa_scenario::Scenario());
    }
    static int Row(TServerInformationForm* d, const std::string& address, const std::string& protocol) {
        return RowWhere(d->Table, {{kIpColumn, address}, {kProtocolColumn, protocol}});
    }
    // The new server's fields: every edit given a value, whether the protocol has the field or not.
    static void FillNew(TServerInformationForm* d, const std::string& address, const std::string& protocol) {
        TypeText(d->IPEdit, address);
        ChooseOption(d->ProtocolComboBox, protocol);
        d->PortEdit->SetText("50");
        d->KeyEdit->SetText("k");
        d->TimeoutEdit->SetText("7");
        d->RetryCEdit->SetText("3");
        d->AccountingPortEdit->SetText("99");
    }
};

} // namespace

TEST_F(ServerInformationSim, OpensThroughItsMenuCommandAndReadsWithoutWriting) {
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    EXPECT_EQ(std::find(missing.begin(), missing.end(), "TServerInformationForm"), missing.end());
    RunDialog<TServerInformationForm>(kCommand, ServerInformationForm, [&](TServerInformationForm* d) {
        EXPECT_EQ(d->Caption(), "AAC Server Information Table: " + Agent().Address());
        EXPECT_EQ(d->Table.Request->Mode, 0); // synchronous
        EXPECT_EQ(d->ListView1->Items().Count(), 2);
        EXPECT_EQ(d->Static->Caption(), "2");
        EXPECT_GE(Row(d, "10.1.1.1", "tacacs-plus"), 0);
        EXPECT_GE(Row(d, "10.1.1.2", "radius"), 0);
        EXPECT_FALSE(d->EditButton->Enabled());
        EXPECT_FALSE(d->DeleteButton->Enabled());
        EXPECT_TRUE(d->AddButton->Enabled());
        EXPECT_TRUE(d->IPEdit->Enabled());
        EXPECT_FALSE(d->AccountingPortEdit->Enabled());
        EXPECT_FALSE(d->RowComboBox->Visible());
        EXPECT_TRUE(CaptionsReadWhole(d));

        ClickListRow(d->ListView1, Row(d, "10.1.1.2", "radius"));
        EXPECT_TRUE(CaptionsReadWhole(d));
        ClickControl(d->GetButton);
        EXPECT_EQ(d->ListView1->Items().Count(), 2);
        EXPECT_EQ(d->IPEdit->Text(), "");
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(ServerInformationSim, SelectingARowAppliesItsProtocolToTheFields) {
    RunDialog<TServerInformationForm>(kCommand, ServerInformationForm, [&](TServerInformationForm* d) {
        ClickListRow(d->ListView1, Row(d, "10.1.1.2", "radius"));
        EXPECT_EQ(d->IPEdit->Text(), "10.1.1.2");
        EXPECT_EQ(d->PortEdit->Text(), "1812");
        EXPECT_EQ(d->AccountingPortEdit->Text(), "1813");
        EXPECT_TRUE(d->KeyEdit->Enabled());
        EXPECT_TRUE(d->RetryCEdit->Enabled());
        EXPECT_TRUE(d->AccountingPortEdit->Enabled());
        EXPECT_FALSE(d->IPEdit->Enabled());
        EXPECT_FALSE(d->ProtocolComboBox->Enabled());
        EXPECT_FALSE(d->AddButton->Enabled());
        EXPECT_TRUE(d->EditButton->Enabled());
        EXPECT_TRUE(d->DeleteButton->Enabled());

        ClickListRow(d->ListView1, Row(d, "10.1.1.1", "tacacs-plus"));
        EXPECT_EQ(d->KeyEdit->Text(), "plus-key");
        EXPECT_TRUE(d->KeyEdit->Enabled());
        EXPECT_FALSE(d->RetryCEdit->Enabled());
        EXPECT_FALSE(d->AccountingPortEdit->Enabled());
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(ServerInformationSim, ChoosingAProtocolOpensOnlyTheFieldsItHas) {
    const struct {
        const char* Protocol;
        bool Key, Retry, AcctPort;
    } cases[] = {
        {"tacacs", false, true, false},
        {"xtacacs", false, true, false},
        {"tacacs-plus", true, false, false},
        {"radius", true, true, true},
    };
    RunDialog<TServerInformationForm>(kCommand, ServerInformationForm, [&](TServerInformationForm* d) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.Protocol);
            ChooseOption(d->ProtocolComboBox, c.Protocol);
            EXPECT_EQ(d->KeyEdit->Enabled(), c.Key);
            EXPECT_EQ(d->RetryCEdit->Enabled(), c.Retry);
            EXPECT_EQ(d->AccountingPortEdit->Enabled(), c.AcctPort);
            // No row is chosen: the address and the protocol stay open, Add with them.
            EXPECT_TRUE(d->IPEdit->Enabled());
            EXPECT_TRUE(d->ProtocolComboBox->Enabled());
            EXPECT_TRUE(d->AddButton->Enabled());
        }
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(ServerInformationSim, AddCarriesTheColumnsOfTheProtocolInOnePdu) {
    const struct {
        const char* Protocol;
        const char* Address;
        int ProtocolValue;
        Pdus Expected;
    } cases[] = {
        // tacacs has no key and no accounting port.
        {"tacacs",
         "10.2.2.2",
         1,
         {{Cell(3, "10.2.2.2.1", 50), Cell(5, "10.2.2.2.1", 7), Cell(6, "10.2.2.2.1", 3),
           Cell(7, "10.2.2.2.1", 4)}}},
        // tacacs-plus has neither the retry count nor the accounting port.
        {"tacacs-plus",
         "10.2.2.3",
         3,
         {{Cell(3, "10.2.2.3.3", 50), Cell(4, "10.2.2.3.3", "k"), Cell(5, "10.2.2.3.3", 7),
           Cell(7, "10.2.2.3.3", 4)}}},
        // radius has them all.
        {"radius",
         "10.2.2.4",
         4,
         {{Cell(3, "10.2.2.4.4", 50), Cell(4, "10.2.2.4.4", "k"), Cell(5, "10.2.2.4.4", 7),
           Cell(6, "10.2.2.4.4", 3), Cell(7, "10.2.2.4.4", 4), Cell(8, "10.2.2.4.4", 99)}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Address);
        RunDialog<TServerInformationForm>(kCommand, ServerInformationForm, [&](TServerInformationForm* d) {
            const int listed = d->ListView1->Items().Count();
            FillNew(d, c.Address, c.Protocol);
            ClickControl(d->AddButton);
            EXPECT_EQ(SetPdus(), c.Expected);
            EXPECT_EQ(Agent().Value(kServerEntry + ".7." + ServerInstance(c.Address, c.ProtocolValue)),
                      SimValue::Int(1));
            // Read again: the new server is listed, the fields are empty and nothing is chosen.
            EXPECT_EQ(d->ListView1->Items().Count(), listed + 1);
            EXPECT_EQ(d->IPEdit->Text(), "");
            EXPECT_EQ(d->ProtocolComboBox->ItemIndex(), -1);
            EXPECT_FALSE(d->EditButton->Enabled());
            EXPECT_TRUE(d->AddButton->Enabled());
        });
    }
}

TEST_F(ServerInformationSim, EditNeverCarriesTheRowStatus) {
    const struct {
        const char* Address;
        const char* Protocol;
        std::string Instance;
        Pdus Expected;
    } cases[] = {
        {"10.1.1.2",
         "radius",
         "10.1.1.2.4",
         {{Cell(3, "10.1.1.2.4", 1645), Cell(4, "10.1.1.2.4", "radius-key"), Cell(5, "10.1.1.2.4", 10),
           Cell(6, "10.1.1.2.4", 3), Cell(8, "10.1.1.2.4", 1813)}}},
        {"10.1.1.1",
         "tacacs-plus",
         "10.1.1.1.3",
         {{Cell(3, "10.1.1.1.3", 1645), Cell(4, "10.1.1.1.3", "plus-key"), Cell(5, "10.1.1.1.3", 5)}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Protocol);
        RunDialog<TServerInformationForm>(kCommand, ServerInformationForm, [&](TServerInformationForm* d) {
            ClickListRow(d->ListView1, Row(d, c.Address, c.Protocol));
            d->PortEdit->SetText("1645");
            ClickControl(d->EditButton);
            EXPECT_EQ(SetPdus(), c.Expected);
            EXPECT_EQ(Agent().Value(kServerEntry + ".3." + c.Instance), SimValue::Int(1645));
            EXPECT_EQ(d->ListView1->Selected(), nullptr);
            EXPECT_FALSE(d->EditButton->Enabled());
        });
    }
}

TEST_F(ServerInformationSim, AddRefusesAMissingOrMalformedAddressAProtocolAndATakenPairBeforeSending) {
    constexpr const char* kSameServer =
        "Has already a record with the same Server IP and Protocol. Please Change Server IP or Protocol.";
    const struct {
        const char* Address;
        const char* Protocol; // null: none chosen
        const char* Message;
        bool AddressFocused;
    } cases[] = {
        {"", "radius", "Server IP must be set.", true},
        {"1.2.3", "radius", "Please input a valid IP.", true},
        {"10.3.3.3", nullptr, "Protocol must be set.", false},
        {"10.1.1.1", "tacacs-plus", kSameServer, true},
        // The same four octets written otherwise: the same row instance.
        {"010.1.1.1", "tacacs-plus", kSameServer, true},
        {"10.01.001.1", "tacacs-plus", kSameServer, true},
    };
    RunDialog<TServerInformationForm>(kCommand, ServerInformationForm, [&](TServerInformationForm* d) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.Message);
            d->IPEdit->SetText(c.Address);
            if (c.Protocol) {
                SelectOption(d->ProtocolComboBox, c.Protocol);
            } else {
                SelectNoOption(d->ProtocolComboBox);
            }
            Dialogs.Expect(c.Message);
            ClickControl(d->AddButton);
            EXPECT_EQ(Dialogs.Pending(), 0);
            EXPECT_EQ(d->IPEdit->Focused(), c.AddressFocused);
            EXPECT_TRUE(Agent().SetLog().empty());
        }
        // The same address with another protocol is another server.
        d->IPEdit->SetText("10.1.1.1");
        SelectOption(d->ProtocolComboBox, "radius");
        ClickControl(d->AddButton);
        EXPECT_EQ(SetPdus(), (Pdus{{Cell(7, "10.1.1.1.4", 4)}}));
        EXPECT_GE(Row(d, "10.1.1.1", "radius"), 0);
        EXPECT_GE(Row(d, "10.1.1.1", "tacacs-plus"), 0);
    });
}

TEST_F(ServerInformationSim, DeleteAsksAndCancelSendsNothing) {
    RunDialog<TServerInformationForm>(kCommand, ServerInformationForm, [&](TServerInformationForm* d) {
        ClickListRow(d->ListView1, Row(d, "10.1.1.1", "tacacs-plus"));
        Dialogs.Expect("Are you sure to delete it?", mrCancel);
        ClickControl(d->DeleteButton);
        EXPECT_TRUE(Agent().SetLog().empty());
        EXPECT_EQ(d->ListView1->Items().Count(), 2);

        ClickListRow(d->ListView1, Row(d, "10.1.1.1", "tacacs-plus"));
        Dialogs.Expect("Are you sure to delete it?", mrOk);
        ClickControl(d->DeleteButton);
        EXPECT_EQ(SetPdus(), (Pdus{{Cell(7, "10.1.1.1.3", 6)}}));
        EXPECT_EQ(Row(d, "10.1.1.1", "tacacs-plus"), -1);
        EXPECT_EQ(d->Static->Caption(), "1");
        EXPECT_FALSE(d->DeleteButton->Enabled());
        EXPECT_TRUE(d->AddButton->Enabled());
    });
}

} // namespace server_information_form_unit_test
