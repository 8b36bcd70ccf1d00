// Opening a dedicated dialog through its real menu command (the command engine and the program's
// dialog registry), for the suites that link zqs_menu.
#pragma once

#include "MainMenuData.h"
#include "MenuCommands.h"
#include "MenuEntry.h"
#include "UiTesting.h"

#include <gtest/gtest.h>

#include <functional>

// Runs the command of the handler; `test` runs inside the dialog's modal loop, the dialog being the
// one its instance pointer names, and must close it. The pointer is null again afterwards.
template <class T> void RunByMenu(const char* handler, T*& instance, const std::function<void(T*)>& test) {
    const MenuEntry* entry = FindMenuCommand(handler);
    ASSERT_NE(entry, nullptr) << handler;
    ModalDriver driver;
    driver.Then([&](TForm* form) {
        ASSERT_EQ(form, instance);
        test(instance);
    });
    RunMenuCommand(*entry);
    EXPECT_EQ(driver.Pending(), 0);
    EXPECT_EQ(instance, nullptr);
}
