// What the profile editors' tests share.
#pragma once

#include "TButton.h"
#include "TEdit.h"
#include "TListView.h"
#include "UiTesting.h"

#include <gtest/gtest.h>

#include <functional>
#include <span>
#include <string>
#include <vector>

// The Profile IDs the list shows, in its order.
inline std::vector<std::string> ListedIds(TListView* list) {
    std::vector<std::string> ids;
    for (int i = 0; i < list->Items().Count(); ++i) {
        ids.push_back(list->Items()[i]->Caption());
    }
    return ids;
}

// One refusal of Add: how a profile that passes is spoiled, the message, and the field that gets
// the focus (null: the refusal names none).
template <class Form> struct AddRefusal {
    const char* Name;
    std::function<void(Form*)> Spoil;
    const char* Message;
    TEdit* Form::*Focus = nullptr;
};

// Each case from a profile `fill` makes passable, the focus parked on `away`: Add shows the
// message alone and focuses the field. The form is reset after each; nothing may be sent.
template <class Form>
void ExpectAddRefusals(ScriptedDialogs& dialogs, Form* form, TControl* away,
                       const std::function<void(Form*)>& fill, std::span<const AddRefusal<Form>> cases) {
    for (const AddRefusal<Form>& c : cases) {
        SCOPED_TRACE(c.Name);
        FocusControl(away);
        fill(form);
        c.Spoil(form);
        dialogs.Expect(c.Message);
        ClickControl(form->BT_Add);
        EXPECT_EQ(dialogs.Pending(), 0);
        if (c.Focus) {
            EXPECT_TRUE((form->*c.Focus)->Focused());
        }
        form->ResetForm();
    }
}
