#include "NoLimitBox.h"

#include "TCheckBox.h"
#include "TEdit.h"
#include "TForm.h"
#include "UiTesting.h"

#include <gtest/gtest.h>

#include <memory>

namespace no_limit_box_test {

namespace {

// A rate edit with its "No Limit" box, the sentinel 0, on a shown form.
class NoLimitBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        Form.reset(CreateForm<TForm>(nullptr));
        Edit = new TEdit(Form.get());
        Edit->SetParent(Form.get());
        Box = new TCheckBox(Form.get());
        Box->SetParent(Form.get());
        Box->SetCaption("No Limit");
        Box->SetLeft(150);
        Form->Show();
        Limit.Attach(Box, Edit, "0");
    }

    // The edit as a ticked box leaves it, or as an unticked one with `text`.
    void ExpectTicked(bool ticked, const std::string& text) const {
        EXPECT_EQ(Box->Checked(), ticked);
        EXPECT_EQ(Edit->Enabled(), !ticked);
        EXPECT_EQ(Edit->Color(), ticked ? clBtnFace : clWindow);
        EXPECT_EQ(Edit->Text(), text);
    }

    std::unique_ptr<TForm> Form;
    TEdit* Edit = nullptr;
    TCheckBox* Box = nullptr;
    NoLimitBox Limit;
};

} // namespace

TEST_F(NoLimitBoxTest, TickingPutsTheSentinelInTheGreyEditAndUntickingEmptiesIt) {
    Edit->SetText("1000");
    ClickControl(Box);
    ExpectTicked(true, "0");
    ClickControl(Box);
    ExpectTicked(false, "");
}

TEST_F(NoLimitBoxTest, TheClickRunsWhenCodeChangesTheTick) {
    Edit->SetText("1000");
    Box->SetChecked(true);
    ExpectTicked(true, "0");
    Box->SetChecked(false);
    ExpectTicked(false, "");
}

TEST_F(NoLimitBoxTest, AReadTextSetsTheBoxAndTheEditWhateverTheBoxShowedBefore) {
    const struct {
        const char* Text;
        bool Ticked;
        const char* Shown;
    } cases[] = {
        {"0", true, "0"},        {"No Limit", true, "0"}, // the list's rendered text of the sentinel
        {"1000", false, "1000"}, {"-1", false, "-1"},     // another box's sentinel is a number here
        {"", false, ""},
    };
    for (const bool tickedBefore : {false, true}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.Text) + (tickedBefore ? ", ticked before" : ", unticked before"));
            Box->SetChecked(tickedBefore);
            Edit->SetText(c.Text); // as the request's selection fills the edit from the row
            Limit.SetFromText(c.Text);
            ExpectTicked(c.Ticked, c.Shown);
        }
    }
}

TEST(NoLimitBox, ASentinelOfMinusOneTicksForItsOwnTextOnly) {
    std::unique_ptr<TForm> form(CreateForm<TForm>(nullptr));
    auto* edit = new TEdit(form.get());
    auto* box = new TCheckBox(form.get());
    NoLimitBox limit;
    limit.Attach(box, edit, "-1");
    limit.SetFromText("-1");
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(edit->Text(), "-1");
    limit.SetFromText("0");
    EXPECT_FALSE(box->Checked());
    EXPECT_TRUE(edit->Enabled());
    EXPECT_EQ(edit->Text(), "0");
}

} // namespace no_limit_box_test
