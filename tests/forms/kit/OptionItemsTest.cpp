#include "OptionItems.h"

#include "TComboBox.h"
#include "TForm.h"
#include "UiTesting.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

namespace option_items_test {

TEST(OptionItems, AnItemIsChosenAndReadByItsText) {
    std::unique_ptr<TForm> form(CreateForm<TForm>(nullptr));
    auto* combo = new TComboBox(form.get());
    combo->SetParent(form.get());
    EXPECT_FALSE(OptionSelected(combo, "true"));
    SelectOption(combo, "true"); // an unbound box, without items, stays as it is
    EXPECT_EQ(-1, combo->ItemIndex());

    for (const char* text : {"true", "false"}) {
        combo->Items().Add(text);
    }
    SelectOption(combo, "false");
    EXPECT_EQ(1, combo->ItemIndex());
    EXPECT_TRUE(OptionSelected(combo, "false"));
    EXPECT_FALSE(OptionSelected(combo, "true"));
    EXPECT_THROW(SelectOption(combo, "False"), std::logic_error); // exact text only
    EXPECT_EQ(1, combo->ItemIndex());
}

} // namespace option_items_test
