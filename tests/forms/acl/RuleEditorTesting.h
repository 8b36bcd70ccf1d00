// What the rule editors' tests share: the refusals of Add as a table, and the refusals every member
// of the family makes, declared by the member's test with its own texts.
#pragma once

#include "StackingPortUitFormUnit.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TEdit.h"
#include "UiTesting.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <span>
#include <vector>

// One refusal of Add: how a rule that passes is spoiled, and the message (null: the check shows
// its own box, which the strict dialogs would report if it were another).
template <class Form> struct RuleRefusal {
    const char* Name;
    std::function<void(Form*)> Spoil;
    const char* Message;
};

// The refusals of Add every rule editor makes, in the member's texts.
struct RuleFamilyChecks {
    const char* NoProfile; // the profile key empty
    const char* NoAccess;  // the access key empty
    // The keys of a listed rule: the profile the filled rule has and this access ID.
    const char* ListedAccess;
    const char* Duplicate;
    const char* PermitUnticked;
    // Both replacements ticked (null: not among the member's cases).
    const char* BothReplacements = nullptr;
};

template <class Form>
std::vector<RuleRefusal<Form>> WithFamilyRuleRefusals(const RuleFamilyChecks& c,
                                                      std::initializer_list<RuleRefusal<Form>> own) {
    std::vector<RuleRefusal<Form>> cases = {
        {"no profile", [](Form* d) { d->KeyEdits.at(0)->SetText(""); }, c.NoProfile},
        {"no access ID", [](Form* d) { d->KeyEdits.at(1)->SetText(""); }, c.NoAccess},
        {"duplicate keys", [c](Form* d) { d->KeyEdits.at(1)->SetText(c.ListedAccess); }, c.Duplicate},
        {"permit unticked", [](Form* d) { d->cbxPermit->SetChecked(false); }, c.PermitUnticked},
        {"no port", [](Form* d) { d->PortPicker->UncheckAllPorts(); }, "You must choose at least 1 port!"},
    };
    if (c.BothReplacements) {
        cases.push_back({"both replacements",
                         [](Form* d) {
                             d->cbxEnableReplaceDSCP->SetChecked(true);
                             d->cbxRepTosState->SetChecked(true);
                         },
                         c.BothReplacements});
    }
    cases.insert(cases.end(), own.begin(), own.end());
    return cases;
}

// Each case from the form `reset` brings back and a rule `fill` makes passable: Add shows the
// message alone, the data-complete flag stays set; nothing may be sent. The form is reset once more
// at the end, so that no refused text is left in a field to be checked when the focus leaves it.
template <class Form>
void ExpectRuleRefusals(ScriptedDialogs& dialogs, Form* form, const std::function<void(Form*)>& reset,
                        const std::function<void(Form*)>& fill, std::span<const RuleRefusal<Form>> cases) {
    for (const RuleRefusal<Form>& c : cases) {
        SCOPED_TRACE(c.Name);
        reset(form);
        fill(form);
        c.Spoil(form);
        if (c.Message) {
            dialogs.Expect(c.Message);
        }
        ClickControl(form->AddButton);
        EXPECT_EQ(dialogs.Pending(), 0);
        EXPECT_TRUE(form->DataComplete);
    }
    reset(form);
}
