// The one fixture of the dedicated dialogs' tests: the shell tests' session aimed at the shared
// simulated switch (ShellSimTest), the device facts the dialogs read (address, sysObjectID, stack
// mode, firmware edition; cleared after each test), scripted message boxes, opening a dialog
// through its real menu command with test code running inside its modal loop, waiting until its
// table is idle, counting its reads, the SET log and the agent's rows; a main window on demand.
#pragma once

#include "CommandLine.h"
#include "DeviceFacts.h"
#include "MainFormFixture.h"
#include "MainMenuData.h"
#include "MainUnit.h"
#include "MenuCommands.h"
#include "MenuEntry.h"
#include "MibTableRow.h"
#include "ShellSimTest.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TListView.h"
#include "TableDialogController.h"
#include "UiTesting.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

inline constexpr const char* k24RaSysObjectId = "1.3.6.1.4.1.746.10.117.2.1";

inline void PrintTo(const SimVarBind& b, std::ostream* os) {
    *os << b.Oid << "=" << b.Value.Tag << ":" << b.Value.Text;
}

class FormsSimTest : public ShellSimTest {
protected:
    void SetUp() override {
        ShellSimTest::SetUp();
        WritableFacts() = {.DeviceAddress = Agent().Address(),
                           .SysObjectId = k24RaSysObjectId,
                           .StackMode = "disabled",
                           .FirmwareMode = "KB"};
    }
    void TearDown() override {
        delete MainWindow;
        MainWindow = nullptr;
        ProgramArguments().clear();
        WritableFacts() = {};
        ShellSimTest::TearDown();
    }

    // A main window (MainForm) over the simulated switch as it is now, made as the program makes
    // it (the command line of MainWindowArguments: SNMPv3 without authentication on the agent's
    // port, which the session keeps from then on); deleted after the test. The command engine then
    // reads the STP version through it (StpVersionRequest into ST_STPVersion), dialogs reach its
    // requests and hidden texts (ModuleOidRequest, ST_ModuleOID: the sysObjectID it read), and the
    // device facts are what it read.
    TMainForm* OpenMainWindow() {
        ProgramArguments() = MainWindowArguments(Agent());
        MainWindow = CreateForm<TMainForm>(Application);
        return MainWindow;
    }

    // How RunDialog opens and closes the dialog.
    struct DialogRun {
        bool WaitFirstRead = true; // the test starts once the first read has ended
        bool CloseLeftOpen = true; // a dialog the test leaves open is closed with its "Close" button
    };

    // Opens the dialog through its real menu command (the handler's name; the command sets the
    // instance pointer and the caption), waits (bounded) until its table is idle, counts the reads
    // that end from then on (Reads), clears the SET log and runs `test` inside the modal loop; then
    // the handlers of the modal forms the test opens, in order. The instance pointer is null again
    // afterwards. When T has no table controller `Table` (a dialog that drives its requests itself)
    // the test waits for its own reads, and a dialog it leaves open is closed.
    template <class T>
    void RunDialog(const char* handler, T*& instance, const std::function<void(T*)>& test,
                   const std::vector<std::function<void(TForm*)>>& subForms = {}, DialogRun how = {}) {
        RunDialogOf<T>(handler, &instance, test, subForms, how);
        EXPECT_EQ(instance, nullptr);
    }
    // The same for a dialog its command keeps in no instance pointer: the first form that becomes
    // modal is the dialog, of class T.
    template <class T>
    void RunDialog(const char* handler, const std::function<void(T*)>& test,
                   const std::vector<std::function<void(TForm*)>>& subForms = {}, DialogRun how = {}) {
        RunDialogOf<T>(handler, nullptr, test, subForms, how);
    }

private:
    // A dialog with a table object `Table`: RunDialog waits for its first read and counts its reads.
    template <class T> static constexpr bool HasTable = requires(T* d) { d->Table.AfterRead; };

    template <class T>
    void RunDialogOf(const char* handler, T** instance, const std::function<void(T*)>& test,
                     const std::vector<std::function<void(TForm*)>>& subForms, DialogRun how) {
        const MenuEntry* entry = FindMenuCommand(handler);
        ASSERT_NE(entry, nullptr) << handler;
        ModalDriver driver;
        driver.Then([&](TForm* form) {
            T* dialog = dynamic_cast<T*>(form);
            ASSERT_NE(dialog, nullptr) << handler;
            if (instance) {
                ASSERT_EQ(form, *instance);
            }
            Reads = 0;
            if constexpr (HasTable<T>) {
                if (how.WaitFirstRead) {
                    ASSERT_TRUE(WaitIdle(dialog->Table));
                }
                auto afterRead = dialog->Table.AfterRead;
                dialog->Table.AfterRead = [this, afterRead] {
                    if (afterRead) {
                        afterRead();
                    }
                    ++Reads;
                };
            }
            Agent().ClearSetLog();
            test(dialog);
            if (how.CloseLeftOpen && dialog->Modal() && dialog->ModalResult() == mrNone) {
                if constexpr (HasTable<T>) {
                    ASSERT_TRUE(WaitIdle(dialog->Table));
                    ClickControl(ButtonCaptioned(dialog, "Close"));
                } else {
                    dialog->Close(); // a dialog without a table object has no "Close" button
                }
            }
        });
        for (const auto& subForm : subForms) {
            driver.Then(subForm);
        }
        RunMenuCommand(*entry);
        EXPECT_EQ(driver.Pending(), 0);
    }

protected:
    // The table's data-complete flag is set and its request (if any) is not busy.
    static bool WaitIdle(const TableDialogController& table) {
        return WaitFor([&table] { return table.DataComplete && (!table.Request || !table.Request->Busy); },
                       10000);
    }
    // Waits (bounded) until `n` reads have ended since the test started.
    bool WaitReads(int n) {
        return WaitFor([&] { return Reads >= n; }, 10000);
    }
    static TButton* ButtonCaptioned(TComponent* form, const std::string& caption) {
        for (int i = 0; i < form->ComponentCount(); ++i) {
            if (auto* button = dynamic_cast<TButton*>(form->Components(i));
                button && button->Caption() == caption) {
                return button;
            }
        }
        ADD_FAILURE() << "no button " << caption;
        return nullptr;
    }

    // The handler of a form the dialog opens (of class S: an edit sub-dialog, say), for RunDialog's
    // `subForms`: run inside its modal loop; the form closed with its "Close" button if the handler
    // leaves it open.
    template <class S> static std::function<void(TForm*)> SubForm(std::function<void(S*)> handler) {
        return [handler = std::move(handler)](TForm* form) {
            auto* sub = dynamic_cast<S*>(form);
            ASSERT_NE(sub, nullptr);
            handler(sub);
            if (sub->Modal() && sub->ModalResult() == mrNone) {
                ClickControl(ButtonCaptioned(sub, "Close"));
            }
        };
    }

    // The SET PDUs since the last ClearSetLog, as their varbinds.
    std::vector<std::vector<SimVarBind>> SetPdus() const {
        std::vector<std::vector<SimVarBind>> pdus;
        for (const SimSetPdu& pdu : Agent().SetLog()) {
            pdus.push_back(pdu.VarBinds);
        }
        return pdus;
    }
    // Waits (bounded) until the agent has answered `count` SET PDUs.
    bool WaitForSets(size_t count) {
        return WaitFor([&] { return Agent().SetLog().size() >= count; }, 10000);
    }

    // The index of the first listed row of the table whose cells (by column) hold the texts; -1
    // when none does.
    static int RowWhere(const TableDialogController& table,
                        std::initializer_list<std::pair<int, std::string>> cells) {
        if (!table.List || !table.Request) {
            return -1;
        }
        TListItems& rows = table.List->Items();
        for (int i = 0; i < rows.Count(); ++i) {
            bool all = true;
            for (const auto& [column, text] : cells) {
                all = all && table.Request->CellText(rows[i], column) == text;
            }
            if (all) {
                return i;
            }
        }
        return -1;
    }
    // The listed cells of one column, in list order.
    static std::vector<std::string> ColumnCells(const TableDialogController& table, int column) {
        std::vector<std::string> cells;
        for (int i = 0; table.List && i < table.List->Items().Count(); ++i) {
            cells.push_back(table.Request->CellText(table.List->Items()[i], column));
        }
        return cells;
    }
    // The user chooses the item of that text, as ChooseComboItem does by position; a text the box
    // does not hold fails the test.
    static void ChooseOption(TComboBox* combo, const std::string& text) {
        for (int i = 0; i < combo->Items().Count(); ++i) {
            if (combo->Items()[i] == text) {
                ChooseComboItem(combo, i);
                return;
            }
        }
        ADD_FAILURE() << "no item \"" << text << "\" in the combo box";
    }
    // The OID of a catalogue table's column (its entry's OID and the column's arc).
    static std::string ColumnOid(const MibTableRow* table, int column) { return table[column].Oid; }
    // The row instances the agent holds a value of that column for, as it holds them.
    std::set<std::string> AgentRows(const std::string& columnOid) const {
        std::set<std::string> rows;
        const std::string prefix = columnOid + ".";
        for (const auto& [oid, value] : Agent().Store()) {
            if (oid.starts_with(prefix)) {
                rows.insert(oid.substr(prefix.size()));
            }
        }
        return rows;
    }

    ScriptedDialogs Dialogs;
    int Reads = 0; // reads ended since RunDialog started the test

private:
    TMainForm* MainWindow = nullptr;
};
