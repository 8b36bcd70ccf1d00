#include "TApplication.h"
#include "TEdit.h"
#include "TForm.h"
#include "UiTesting.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace focus_test {

namespace {
struct TwoEdits : ::testing::Test {
    void SetUp() override {
        Form.reset(CreateForm<TForm>(nullptr));
        Form->SetBounds(0, 0, 300, 200);
        for (int i = 0; i < 2; ++i) {
            Edits[i] = new TEdit(Form.get());
            Edits[i]->SetParent(Form.get());
            Edits[i]->SetBounds(10, 10 + 30 * i, 120, 21);
            Edits[i]->OnExit = [this, i](TObject*) { ++Exits[i]; };
        }
        Form->Show();
        ActivateForm(Form.get());
    }
    std::unique_ptr<TForm> Form;
    TEdit* Edits[2] = {};
    int Exits[2] = {};
};
} // namespace

TEST_F(TwoEdits, ExitFiresOnlyWhenTheFocusMovesToAnotherControlOfTheForm) {
    FocusControl(Edits[0]);
    // Another window (a message box, a popup, another dialog) takes the focus and gives it back.
    std::unique_ptr<TForm> popup(CreateForm<TForm>(nullptr));
    auto* popupEdit = new TEdit(popup.get());
    popupEdit->SetParent(popup.get());
    popup->Show();
    FocusControl(popupEdit);
    FocusControl(Edits[0]);
    EXPECT_EQ(0, Exits[0]);

    FocusControl(Edits[1]);
    EXPECT_EQ(1, Exits[0]);
    EXPECT_EQ(Edits[1], Form->ActiveControl());
}

TEST_F(TwoEdits, RefusingExitHandlersDoNotPassTheFocusBackAndForth) {
    ScriptedDialogs dialogs;
    dialogs.Expect(" Empty value is not allowed!");
    for (TEdit* edit : Edits) {
        edit->OnExit = [this, edit](TObject*) {
            ++Exits[edit == Edits[0] ? 0 : 1];
            if (edit->Text().empty()) {
                MessageBox(Form.get(), " Empty value is not allowed!", "Error", MB_OK | MB_ICONERROR);
                edit->SetFocus();
            }
        };
    }
    FocusControl(Edits[0]);
    FocusControl(Edits[1]);
    Application->ProcessMessages();
    EXPECT_EQ(1, Exits[0]);
    EXPECT_EQ(0, Exits[1]);
    EXPECT_TRUE(Edits[0]->Focused());
    EXPECT_EQ(Edits[0], Form->ActiveControl());
}

TEST_F(TwoEdits, PostedNextControlMessageMovesTheFocusInTabOrder) {
    FocusControl(Edits[0]);
    PostMessage(Form.get(), WM_NEXTDLGCTL, 0, 0);
    EXPECT_TRUE(Edits[0]->Focused()); // delivered after the current event only
    Application->ProcessMessages();
    EXPECT_TRUE(Edits[1]->Focused());
    EXPECT_EQ(1, Exits[0]);
}

TEST_F(TwoEdits, SetFocusOnAHiddenControlThrows) {
    Edits[1]->Hide();
    EXPECT_FALSE(Edits[1]->CanFocus());
    EXPECT_THROW(Edits[1]->SetFocus(), std::runtime_error);
}

} // namespace focus_test
