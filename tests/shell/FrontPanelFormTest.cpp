#include "FrontPanelForm.h"

#include <gtest/gtest.h>

namespace front_panel_form_test {

namespace {
class TTestPanelForm : public TFrontPanelForm {
public:
    explicit TTestPanelForm(TComponent* owner) : TFrontPanelForm(owner) {
        OnCreate = [this](TObject*) { Created = true; };
    }
    void BuildPanelLeds() override { ++Builds; }
    bool Created = false;
    int Builds = 0;
};
} // namespace

TEST(FrontPanelFormTest, RegisteredClassesAreMadeByModelIndex) {
    RegisterFrontPanelForm(3, &MakeFrontPanelForm<TTestPanelForm>);
    TForm* owner = CreateForm<TForm>(nullptr);

    auto* panel = dynamic_cast<TTestPanelForm*>(CreateFrontPanelForm(3, owner));
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->Created);
    EXPECT_EQ(panel->Owner(), owner);
    for (int index : {-1, 0, 6}) {
        EXPECT_EQ(CreateFrontPanelForm(index, owner), nullptr) << index;
    }
    EXPECT_THROW(RegisterFrontPanelForm(6, &MakeFrontPanelForm<TTestPanelForm>), std::out_of_range);

    RegisterFrontPanelForm(3, nullptr);
    delete owner;
}

} // namespace front_panel_form_test
