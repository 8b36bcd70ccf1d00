#include "TApplication.h"
#include "TForm.h"
#include "TLabel.h"
#include "TPanel.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace t_component_test {

namespace {

// Records its name in a shared log when destroyed.
class Tracked : public TComponent {
public:
    Tracked(TComponent* owner, std::string name, std::vector<std::string>& log)
        : TComponent(owner), Log(log) {
        SetName(std::move(name));
    }
    ~Tracked() override { Log.push_back(Name()); }
    std::vector<std::string>& Log;
};

} // namespace

TEST(TComponent, OwnerKeepsCreationOrderFindsByNameAndDeletesLastFirst) {
    std::vector<std::string> log;
    auto* owner = new TComponent(nullptr);
    new Tracked(owner, "First", log);
    auto* second = new Tracked(owner, "Second", log);
    new Tracked(owner, "Third", log);

    ASSERT_EQ(3, owner->ComponentCount());
    EXPECT_EQ("First", owner->Components(0)->Name());
    EXPECT_EQ("Third", owner->Components(2)->Name());
    EXPECT_EQ(second, owner->FindComponent("second"));
    EXPECT_EQ(nullptr, owner->FindComponent("Fourth"));
    EXPECT_EQ(nullptr, owner->FindComponent(""));

    delete second; // leaves its owner's list
    EXPECT_EQ(2, owner->ComponentCount());
    EXPECT_EQ(nullptr, owner->FindComponent("Second"));

    delete owner;
    EXPECT_EQ((std::vector<std::string>{"Second", "Third", "First"}), log);
}

TEST(TComponent, ParentDeletesChildrenThatAnotherFormOwns) {
    TForm* owning = CreateForm<TForm>(nullptr);
    TForm* showing = CreateForm<TForm>(nullptr);
    auto* panel = new TPanel(showing);
    panel->SetParent(showing);
    auto* label = new TLabel(owning); // owned by one form, shown in the other's panel
    label->SetName("Label1");
    label->SetParent(panel);
    ASSERT_EQ(label, owning->FindComponent("Label1"));

    delete panel; // the parent takes its children along, and the owner's list forgets them
    EXPECT_EQ(nullptr, owning->FindComponent("Label1"));
    EXPECT_EQ(0, owning->ComponentCount());
    delete showing;
    delete owning;
}

TEST(TComponent, OwnerDeletingAChildBeforeItsParentLeavesTheParentConsistent) {
    TForm* form = CreateForm<TForm>(nullptr);
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    auto* label = new TLabel(form);
    label->SetParent(panel);
    ASSERT_EQ(1, panel->ControlCount());
    delete label;
    EXPECT_EQ(0, panel->ControlCount());
    delete form;
}

namespace {
class FormWithMember : public TForm {
public:
    FormWithMember(TComponent* owner, std::string& seen) : TForm(owner), Seen(seen) {
        Member = "set by the derived constructor";
        OnCreate = [this](TObject*) { Seen = "create: " + Member; };
        OnDestroy = [this](TObject*) { Seen = "destroy: " + Member; };
    }
    std::string Member;
    std::string& Seen;
};
} // namespace

TEST(TForm, OnCreateAndOnDestroySeeTheMembersOfTheDerivedForm) {
    std::string seen;
    FormWithMember* form = CreateForm<FormWithMember>(nullptr, seen);
    // The creator continues after OnCreate has run.
    EXPECT_EQ("create: set by the derived constructor", seen);
    EXPECT_TRUE(form->Created());
    delete form; // OnDestroy runs while the derived members still live
    EXPECT_EQ("destroy: set by the derived constructor", seen);
}

} // namespace t_component_test
