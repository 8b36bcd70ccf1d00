#include "TEdit.h"
#include "TForm.h"
#include "UiTesting.h"

#include <Qt>
#include <gtest/gtest.h>

namespace t_edit_test {

namespace {
struct EditFixture : ::testing::Test {
    void SetUp() override {
        Form.reset(CreateForm<TForm>(nullptr));
        Form->SetBounds(0, 0, 300, 200);
        Edit = new TEdit(Form.get());
        Edit->SetParent(Form.get());
        Edit->OnChange = [this](TObject*) { Changes.push_back(Edit->Text()); };
        Form->Show();
    }
    std::unique_ptr<TForm> Form;
    TEdit* Edit = nullptr;
    std::vector<std::string> Changes;
};
} // namespace

TEST_F(EditFixture, SettingTextFromCodeFiresOnChangeAsTypingDoes) {
    Edit->SetText("10.0.0.1");
    Edit->SetText("10.0.0.1"); // the same text: no change
    TypeText(Edit, "2");
    EXPECT_EQ((std::vector<std::string>{"10.0.0.1", "10.0.0.12"}), Changes);
}

TEST_F(EditFixture, TextSetByCodeShowsItsStart) {
    Edit->SetWidth(60); // far narrower than the text: the cursor decides which part shows
    Edit->SetText("FE80:0000:0000:0000:0000:0000:0000:0001");
    EXPECT_EQ(0, Edit->SelStart());
    TypeText(Edit, "2");
    Edit->SetText("10.0.0.1"); // also while the user works in the edit
    EXPECT_EQ(0, Edit->SelStart());
}

TEST_F(EditFixture, MaxLengthLimitsTypingAndNeverTruncatesTextSetByCode) {
    Edit->SetMaxLength(4);
    Edit->SetText("123456789");
    EXPECT_EQ("123456789", Edit->Text());
    TypeText(Edit, "0"); // would make it longer still
    EXPECT_EQ("123456789", Edit->Text());
    PressKey(Edit, Qt::Key_Backspace); // shortening stays possible
    EXPECT_EQ("12345678", Edit->Text());

    Edit->SetText("12");
    TypeText(Edit, "3456");
    EXPECT_EQ("1234", Edit->Text());
}

TEST_F(EditFixture, KeyPressCanDropOrReplaceTypedCharacters) {
    Edit->OnKeyPress = [](TObject*, char& key) {
        if (key == 8) {
            return; // backspace passes
        }
        if (key == ',') {
            key = '.';
        } else if (key < '0' || key > '9') {
            key = 0;
        }
    };
    TypeText(Edit, "1a0,b5");
    EXPECT_EQ("10.5", Edit->Text());
    PressKey(Edit, Qt::Key_Backspace);
    EXPECT_EQ("10.", Edit->Text());
}

} // namespace t_edit_test
