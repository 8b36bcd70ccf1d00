// What the profile editors' tests share: the refusals of Add as a table, and the refusals every
// member of the family makes, declared by the member's test with its own texts.
#pragma once

#include "TButton.h"
#include "TEdit.h"
#include "TListView.h"
#include "UiTesting.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
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

// The refusals of Add every profile editor makes, in the member's texts; each focuses its field.
struct ProfileFamilyChecks {
    const char* NoId;   // the ID empty
    const char* NoName; // the name empty
    // A listed profile's ID, refused before the name: with the name emptied where the editor looks
    // for the listed ones before it checks the fields (NameBeside null), else with another listed
    // profile's name beside it.
    const char* ListedId;
    const char* NameBeside;
    const char* ListedIdText;
    // A listed profile's name.
    const char* ListedName;
    const char* ListedNameText;
    // An ID past the last one and its refusal (null: not among the member's cases).
    const char* PastLastId = nullptr;
    const char* PastLastIdText = nullptr;
};

template <class Form> std::vector<AddRefusal<Form>> ProfileFamilyRefusals(const ProfileFamilyChecks& c) {
    std::vector<AddRefusal<Form>> cases = {
        {"no ID", [](Form* d) { d->IdEdit->SetText(""); }, c.NoId, &Form::IdEdit},
        {"no name", [](Form* d) { d->NameEdit->SetText(""); }, c.NoName, &Form::NameEdit},
        {c.NameBeside ? "a listed ID before a listed name" : "a listed ID before an empty name",
         [c](Form* d) {
             d->IdEdit->SetText(c.ListedId);
             d->NameEdit->SetText(c.NameBeside ? c.NameBeside : "");
         },
         c.ListedIdText, &Form::IdEdit},
        {"a listed name", [c](Form* d) { d->NameEdit->SetText(c.ListedName); }, c.ListedNameText,
         &Form::NameEdit},
    };
    if (c.PastLastId) {
        cases.push_back({"an ID past the last", [c](Form* d) { d->IdEdit->SetText(c.PastLastId); },
                         c.PastLastIdText, &Form::IdEdit});
    }
    return cases;
}

// The family's refusals, then the member's own.
template <class Form>
std::vector<AddRefusal<Form>> WithFamilyRefusals(const ProfileFamilyChecks& family,
                                                 std::initializer_list<AddRefusal<Form>> own) {
    std::vector<AddRefusal<Form>> cases = ProfileFamilyRefusals<Form>(family);
    cases.insert(cases.end(), own.begin(), own.end());
    return cases;
}

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
