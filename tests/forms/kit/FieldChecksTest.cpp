#include "FieldChecks.h"

#include "TApplication.h"
#include "TEdit.h"
#include "TForm.h"
#include "UiTesting.h"

#include <gtest/gtest.h>

#include <memory>

namespace field_checks_test {

TEST(FieldChecks, NumberTextIsAWholeNumberInTheRange) {
    std::unique_ptr<TForm> form(CreateForm<TForm>(nullptr));
    auto* edit = new TEdit(form.get());
    edit->SetParent(form.get());
    const struct {
        const char* Text;
        bool Passes;
    } cases[] = {{"2", true},   {"4094", true}, {"1", false},  {"4095", false}, {"0", false},
                 {" 5", false}, {"5a", false},  {"+5", false}, {"", false},     {"99999999999", false}};
    for (const auto& c : cases) {
        edit->SetText(c.Text);
        ScriptedDialogs boxes;
        if (!c.Passes) {
            boxes.Expect(" Please enter a number between 2 and 4094!");
        }
        EXPECT_EQ(IsNumberTextIn(edit, 2, 4094), c.Passes) << c.Text; // the same rule, without a word
        EXPECT_EQ(CheckNumberField(edit, 2, 4094), c.Passes) << c.Text;
    }
}

TEST(FieldChecks, ARefusalFocusesAFieldOnView) {
    std::unique_ptr<TForm> form(CreateForm<TForm>(nullptr));
    auto* other = new TEdit(form.get());
    other->SetParent(form.get());
    auto* edit = new TEdit(form.get());
    edit->SetParent(form.get());
    form->Show();
    ActivateForm(form.get());
    FocusControl(other);
    ScriptedDialogs boxes;
    boxes.Expect("Please input VLAN ID.");
    EXPECT_FALSE(RefuseInput(edit, "Please input VLAN ID."));
    EXPECT_TRUE(edit->Focused());
}

} // namespace field_checks_test
