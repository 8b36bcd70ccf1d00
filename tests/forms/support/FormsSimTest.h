// What the tests of the dedicated dialogs share: the shell tests' session aimed at the shared
// simulated switch (ShellSimTest), the device facts the dialogs read (address, sysObjectID, stack
// mode, firmware edition; cleared after each test), scripted message boxes, and opening a dialog
// as its menu command does with test code running inside its modal loop.
#pragma once

#include "DeviceFacts.h"
#include "ShellSimTest.h"
#include "UiTesting.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
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
        WritableFacts() = {};
        ShellSimTest::TearDown();
    }

    // Opens the dialog as its menu command does (owner the application, the instance pointer set,
    // the caption title + ": " + address), runs `test` inside its modal loop (it must end the
    // dialog), then the handlers of the modal forms the test opens, in order; deletes the dialog.
    template <class T>
    static void OpenAsMenu(T*& instance, const std::string& title, const std::function<void(T*)>& test,
                           const std::vector<std::function<void(TForm*)>>& subForms = {}) {
        instance = CreateForm<T>(Application);
        instance->SetCaption(title + ": " + Facts().DeviceAddress);
        T* dialog = instance;
        ModalDriver driver;
        driver.Then([&](TForm*) { test(dialog); });
        for (const auto& handler : subForms) {
            driver.Then(handler);
        }
        dialog->ShowModal();
        EXPECT_EQ(driver.Pending(), 0);
        delete dialog;
        instance = nullptr;
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

    ScriptedDialogs Dialogs;
};
