// What the tests of the generic dialog share: the session aimed at the simulated switch, scripted
// message boxes, showing a dialog with test code inside its modal loop, and reaching its parts.
#pragma once

#include "GUIConfigForm.h"
#include "ShellSimTest.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TSNMPListViewPanel.h"
#include "UiTesting.h"
#include "VqSNMPRequest2Edits.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

inline void PrintTo(const SimVarBind& b, std::ostream* os) {
    *os << b.Oid << "=" << b.Value.Tag << ":" << b.Value.Text;
}

class GenericDialogTest : public ShellSimTest {
protected:
    // A dialog as the menu commands build it, and a request over a table for one of its panels.
    static TConfigForm* NewDialog() { return CreateForm<TConfigForm>(Application); }
    static VqSNMPRequest2Edits* NewRequest(TForm* owner, const MibTableRow* table, int kind, int keyCount) {
        auto* request = new VqSNMPRequest2Edits(owner);
        request->Request.VarList = VqSNMPVarList(table, kind, keyCount);
        return request;
    }

    // Shows the dialog. The test runs once the first read of the panel's request has ended, then
    // the panel's Close button ends the dialog; the sub-dialogs the test opens are run by their
    // handlers, in order.
    static void ShowAndRun(TConfigForm* dialog, TSNMPPanel* panel, const std::function<void()>& test,
                           const std::vector<std::function<void(TForm*)>>& subDialogs = {}) {
        ModalDriver driver;
        driver.Then([&](TForm*) {
            ASSERT_TRUE(WaitIdle(panel->Request));
            test();
            ClickControl(panel->Buttons->CloseButton);
        });
        for (const auto& handler : subDialogs) {
            driver.Then(handler);
        }
        dialog->ShowModal();
        EXPECT_EQ(0, driver.Pending());
    }

    static bool WaitIdle(const VqSNMPRequest2Controls* request, uint64_t boundMs = 10000) {
        return WaitFor([request] { return !request->Busy; }, boundMs);
    }
    static std::string Status(const TSNMPPanel* panel) { return panel->MsgPanel->MsgBar->SimpleText(); }
    // The panel a form holds: a generic dialog's, or an Add or Edit dialog's.
    template <class T = TSNMPPanel> static T* PanelOf(TForm* form) {
        for (int i = 0; i < form->ComponentCount(); ++i) {
            if (auto* panel = dynamic_cast<T*>(form->Components(i))) {
                return panel;
            }
        }
        return nullptr;
    }

    static TEdit* EditOf(const TEditsPanel* rows, int row) {
        return dynamic_cast<TEdit*>(rows->Rows.at(row).Control);
    }
    static TComboBox* ComboOf(const TEditsPanel* rows, int row) {
        return dynamic_cast<TComboBox*>(rows->Rows.at(row).Control);
    }
    static void Choose(TComboBox* box, const std::string& text) {
        const int index = box->Items().IndexOf(text);
        ASSERT_GE(index, 0) << text;
        ChooseComboItem(box, index);
    }

    ScriptedDialogs Dialogs;
};
