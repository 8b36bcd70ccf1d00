#include "VqEditConstraint.h"

#include "TApplication.h"
#include "TEdit.h"
#include "TForm.h"
#include "UiTesting.h"
#include "VqException.h"

#include <gtest/gtest.h>
#include <memory>

namespace vq_edit_constraint_test {

namespace {

constexpr const char* kTitle = "ZQS-4410-Series";

// A shown form with the constrained field and the control after it in tab order.
struct ConstraintForm {
    ConstraintForm() {
        Application->SetTitle(kTitle);
        Form.reset(CreateForm<TForm>(nullptr));
        Form->SetBounds(0, 0, 300, 200);
        for (int i = 0; i < 2; ++i) {
            TEdit* edit = new TEdit(Form.get());
            edit->SetParent(Form.get());
            edit->SetBounds(10, 10 + 30 * i, 200, 21);
            (i == 0 ? Field : Next) = edit;
        }
        Form->Show();
        ActivateForm(Form.get());
        Constraints = std::make_unique<VqEditConstraint>(Form.get(), true);
    }
    std::unique_ptr<TForm> Form;
    TEdit* Field = nullptr;
    TEdit* Next = nullptr;
    std::unique_ptr<VqEditConstraint> Constraints;
};

enum Input { Type, Set };
enum Focus { InField, InNext };

struct Message {
    DialogKind Kind;
    const char* Text;
};
constexpr DialogKind kBox = DialogKind::Box;           // the constraint's own refusal
constexpr DialogKind kValidator = DialogKind::Message; // a validator's message

struct Case {
    const char* Name;
    const char* Constraint;
    const char* Accepted; // the field's last accepted text before the input
    Input How;
    const char* Text;
    bool Leave; // move the focus to the next control afterwards
    const char* TextAfter;
    int Beeps;
    std::vector<Message> Messages;
    Focus FocusAfter;
    const char* AcceptedAfter;
};

const std::string k16 = "abcdefghijklmnop";
constexpr const char* kFF02 = "ff020000000000000000000000000001";
// The first line of the number-list messages, joined to the rest at compile time.
#define LIST_HEAD " Please enter a delimited number string with delimiter "

// clang-format off
const Case kCases[] = {
    {"a refused keystroke is removed with a beep", "%i{n1x4094l4}", "",
     Type, "12a", false, "12", 1, {}, InField, ""},
    {"a value below the minimum is refused", "%i{n1x4094l4}", "100",
     Set, "0", true, "100", 0, {{kBox, " Please enter a number between 1 and 4094!"}}, InField, "100"},
    {"the maximum passes", "%i{n1x4094l4}", "100",
     Set, "4094", true, "4094", 0, {}, InNext, "4094"},
    {"a leading minus is typed", "%i{n-1x7}", "",
     Type, "-1", true, "-1", 0, {}, InNext, "-1"},
    {"a minus in the second position is removed", "%i{n-1x7}", "",
     Type, "1-", false, "1", 1, {}, InField, ""},
    {"\"-\" alone reads as 0", "%i{n1x7}", "5",
     Set, "-", true, "5", 0, {{kBox, " Please enter a number between 1 and 7!"}}, InField, "5"},
    {"fractional bounds show as written", "%f{n0.5x2.5}", "",
     Type, "3.1.", true, "", 1, {{kBox, " Please enter a number between 0.5 and 2.5!"}}, InField, ""},
    {"u takes no minus", "%u", "",
     Type, "-5", false, "5", 1, {}, InField, ""},
    {"lower-case hex digits pass the filter", "%h{l8f}", "",
     Type, "abcdef12", true, "abcdef12", 0, {}, InNext, "abcdef12"},
    {"a fixed-length hex field refuses 6 digits", "%h{l8f}", "0000000A",
     Set, "abcdef", true, "0000000A", 0, {{kBox, " Please enter a hex string whose length is 8!"}}, InField,
     "0000000A"},
    {"a 17th character cannot be typed", "%s{l16}", "",
     Type, "abcdefghijklmnopq", false, k16.c_str(), 0, {}, InField, ""},
    {"a longer text set by the program is refused", "%s{l16}", "x",
     Set, "abcdefghijklmnopqrst", true, "x", 0, {{kBox, " Please enter a string whose length is less than 16!"}},
     InField, "x"},
    {"exactly the maximum length passes", "%s{l16}", "",
     Set, k16.c_str(), true, k16.c_str(), 0, {}, InNext, k16.c_str()},
    {"a fixed-length text refuses another length", "%s{l4f}", "",
     Set, "abc", true, "", 0, {{kBox, " Please enter a string whose length is 4!"}}, InField, ""},
    {"a full auto-advance field moves on", "%i{n0x65535l5a}", "",
     Type, "12345", false, "12345", 0, {}, InNext, "12345"},
    {"a full text set by the program moves on as well", "%i{n0x65535l5a}", "",
     Set, "54321", false, "54321", 0, {}, InNext, "54321"},
    {"a refused auto-advance field keeps the focus", "%i{n0x65535l5a}", "12345",
     Set, "99999", true, "12345", 0, {{kBox, " Please enter a number between 0 and 65535!"}}, InField, "12345"},
    {"the exit character moves on and is removed", "%s{e;}", "",
     Type, "ab;", false, "ab", 0, {}, InNext, "ab"},
    {"an empty field is accepted silently", "%i{n1x9}", "5",
     Set, "", true, "", 0, {}, InNext, "5"},
    {"flag n refuses an empty field", "%s{l5n}", "abc",
     Set, "", true, "abc", 0, {{kBox, " Empty value is not allowed!"}}, InField, "abc"},
    {"(NOTDONE) is neither filtered nor checked", "%i{n1x9}", "5",
     Set, "(NOTDONE)", true, "(NOTDONE)", 0, {}, InNext, "5"},
    {"(NULL) is neither filtered nor checked", "%h{l2f}", "",
     Set, "(NULL)", true, "(NULL)", 0, {}, InNext, ""},
    {"an IPv4 field shows the validator's message", "%s{I}", "10.0.0.1",
     Set, "192.168.1.300", true, "10.0.0.1", 0, {{kValidator, "Please input a valid IP."}}, InField, "10.0.0.1"},
    {"a multicast IPv4 field", "%s{Im}", "",
     Set, "10.0.0.1", true, "", 0, {{kBox, " Please enter a valid multicast IP address!"}}, InField, ""},
    {"an IPv6 field shows both messages", "%h{I6}", "",
     Set, "FE80", true, "", 0, {{kValidator, "Please enter a valid IPv6 address whose length is 32 without ':'."},
                                {kBox, " Please enter a valid IPV6 address!"}}, InField, ""},
    {"a multicast IPv6 field takes FF...", "%h{I6m}", "",
     Set, kFF02, true, kFF02, 0, {}, InNext, kFF02},
    {"a multicast IPv6 field refuses FE...", "%h{I6m}", "",
     Set, "FE020000000000000000000000000001", true, "", 0, {{kBox, " Please enter a valid multicast IPV6 address!"}},
     InField, ""},
    {"a MAC field", "%h{M}", "",
     Set, "0011223344", true, "", 0, {{kBox, " Please enter a valid MAC address!"}}, InField, ""},
    {"a multicast MAC field", "%h{Mm}", "",
     Set, "00005E000001", true, "", 0, {{kBox, " Please enter a valid multicast MAC address!"}}, InField, ""},
    {"a unicast MAC field", "%h{Mu}", "",
     Set, "01005E000001", true, "", 0, {{kBox, " Please enter a valid unicast MAC address!"}}, InField, ""},
    {"a number list types at most its count in characters", "%n,{n1x9l3}", "",
     Type, "1,2,3", false, "1,2", 0, {}, InField, ""},
    {"a number list refuses too many numbers", "%n,{n1x9l3}", "",
     Set, "1,2,3,4", true, "", 0, {{kBox, LIST_HEAD "','.\nHere,the count of the number is less than 3!"}},
     InField, ""},
    {"a fixed count", "%n.{l4f}", "",
     Set, "10.1.2", true, "", 0, {{kBox, LIST_HEAD "'.'.\nHere,the count of the number is equal to 4!"}},
     InField, ""},
    {"a number out of the list's range", "%n,{n1x9l3}", "",
     Set, "1,12", true, "", 0, {{kBox, LIST_HEAD "','.\nHere,each number is between 1 and 9!"}}, InField, ""},
    {"a number that would wrap into range", "%n,{n1x9}", "",
     Set, "4294967297", true, "", 0, {{kBox, LIST_HEAD "','.\nHere,each number is between 1 and 9!"}}, InField, ""},
    {"a list without bounds takes any 32-bit number", "%n,", "",
     Type, "4294967295,0", true, "4294967295,0", 0, {}, InNext, "4294967295,0"},
    {"a leading or doubled delimiter is removed", "%n,", "",
     Type, ",1,,2", false, "1,2", 2, {}, InField, ""},
};
#undef LIST_HEAD
// clang-format on

} // namespace

TEST(VqEditConstraint, TypingAndLeavingFollowTheConstraint) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string(c.Name) + " " + c.Constraint);
        ConstraintForm f;
        f.Constraints->AttachConstraint(c.Constraint, f.Field);
        f.Field->SetText(c.Accepted);
        f.Constraints->StoreAcceptedText(f.Field);
        FocusControl(f.Field);
        Application->ProcessMessages();
        CountingBeeper beeper;
        ScriptedDialogs dialogs;
        for (const Message& m : c.Messages) {
            dialogs.Expect(m.Kind, kTitle, m.Text);
        }

        if (c.How == Type) {
            TypeText(f.Field, c.Text);
        } else {
            f.Field->SetText(c.Text);
        }
        Application->ProcessMessages();
        if (c.Leave) {
            FocusControl(f.Next);
        }
        Application->ProcessMessages();

        EXPECT_EQ(c.TextAfter, f.Field->Text());
        EXPECT_EQ(c.Beeps, static_cast<int>(beeper.Beeps.size()));
        for (const CountingBeeper::Tone& tone : beeper.Beeps) {
            EXPECT_EQ(1000, tone.Frequency);
            EXPECT_EQ(200, tone.DurationMs);
        }
        EXPECT_EQ(c.FocusAfter == InField, f.Field->Focused());
        EXPECT_EQ(c.FocusAfter == InNext, f.Next->Focused());
        EXPECT_EQ(c.AcceptedAfter, f.Constraints->FindConstraint(f.Field)->AcceptedText);
        EXPECT_EQ(!c.Messages.empty(), f.Constraints->AnyRefused()) << "every box here is a refusal";
    }
}

// A refused exit is held while the field shows what the refusal put back: an action the click
// that left the field started can tell that the field was refused on its way.
TEST(VqEditConstraint, ARefusalIsHeldUntilTheFieldChangesOrIsLeftWithoutOne) {
    ConstraintForm f;
    f.Constraints->AttachConstraint("%h{l8f}", f.Field);
    ScriptedDialogs dialogs;
    FocusControl(f.Field);
    for (const char* more : {"", "d"}) {
        SCOPED_TRACE(more);
        dialogs.Expect(" Please enter a hex string whose length is 8!");
        TypeText(f.Field, "abc");
        FocusControl(f.Next);
        ASSERT_TRUE(f.Field->Focused());
        EXPECT_EQ("", f.Field->Text());
        EXPECT_TRUE(f.Constraints->AnyRefused());
        if (*more) {
            TypeText(f.Field, more); // a change
        } else {
            FocusControl(f.Next); // the emptied field left again: accepted silently
            FocusControl(f.Field);
        }
        EXPECT_FALSE(f.Constraints->AnyRefused());
        f.Field->SetText("");
    }
    EXPECT_EQ(dialogs.Pending(), 0);
}

TEST(VqEditConstraint, TheEditsOwnHandlersRunAfterTheChecksPass) {
    ConstraintForm f;
    std::vector<std::string> calls;
    f.Field->OnChange = [&](TObject* sender) {
        calls.push_back("change " + static_cast<TEdit*>(sender)->Text());
    };
    f.Field->OnExit = [&](TObject* sender) {
        calls.push_back("exit " + static_cast<TEdit*>(sender)->Text());
    };
    f.Constraints->AttachConstraint("%i{n1x99}", f.Field);

    ScriptedDialogs dialogs;
    dialogs.Expect(" Please enter a number between 1 and 99!");
    TypeText(f.Field, "4x");
    FocusControl(f.Next); // passes
    f.Field->SetText("");
    FocusControl(f.Field);
    FocusControl(f.Next); // empty: accepted silently, the own OnExit is not called
    f.Field->SetText("500");
    FocusControl(f.Field);
    FocusControl(f.Next); // refused: the own OnExit is not called
    Application->ProcessMessages();

    // The refused "x" never reaches the own handler; the restored text does: 4, the last text that
    // passed (the empty text was accepted but not stored).
    const std::vector<std::string> expected = {"change 4", "change 4", "exit 4", "change 500", "change 4"};
    EXPECT_EQ(expected, calls);
}

TEST(VqEditConstraint, TagMinusOneVetoesTheAdvanceAndTheStore) {
    ConstraintForm f;
    f.Field->OnChange = [&](TObject*) { f.Field->SetTag(f.Field->Text() == "99" ? -1 : 0); };
    f.Field->OnExit = [&](TObject*) { f.Field->SetTag(f.Field->Text() == "13" ? -1 : 0); };
    f.Constraints->AttachConstraint("%i{l2a}", f.Field);

    TypeText(f.Field, "99"); // full, but the own handler vetoes the move
    Application->ProcessMessages();
    EXPECT_TRUE(f.Field->Focused());

    f.Field->SetText("12");
    Application->ProcessMessages(); // full: moves on, and 12 passes the exit check
    EXPECT_TRUE(f.Next->Focused());
    EXPECT_EQ("12", f.Constraints->FindConstraint(f.Field)->AcceptedText);

    f.Field->SetText("1"); // not full: the focus stays where it is
    FocusControl(f.Field);
    f.Field->SetText("13");
    Application->ProcessMessages();
    FocusControl(f.Next); // the own OnExit vetoes: 12 comes back and nothing is stored
    EXPECT_EQ("12", f.Field->Text());
    EXPECT_EQ("12", f.Constraints->FindConstraint(f.Field)->AcceptedText);
    EXPECT_TRUE(f.Constraints->AnyRefused()) << "a veto is a refusal";
}

TEST(VqEditConstraint, ACheckOnlyConstraintLetsTheCheckFunctionDecide) {
    ConstraintForm f;
    std::vector<TControl*> checked;
    bool verdict = true;
    f.Constraints->AttachCheckedConstraint("%s{Z}", f.Field, [&](TControl* control) {
        checked.push_back(control);
        return verdict;
    });
    f.Field->SetText("first");
    FocusControl(f.Field);
    FocusControl(f.Next);
    EXPECT_EQ("first", f.Constraints->FindConstraint(f.Field)->AcceptedText);

    verdict = false; // no message from the constraint: the strict seams fail on any box
    f.Field->SetText("second");
    FocusControl(f.Field);
    FocusControl(f.Next);
    Application->ProcessMessages();
    EXPECT_EQ("first", f.Field->Text());
    EXPECT_TRUE(f.Field->Focused());
    EXPECT_EQ((std::vector<TControl*>{f.Field, f.Field}), checked);
}

TEST(VqEditConstraint, AttachingAgainKeepsTheFirstSavedHandlersAndDetachGivesThemBack) {
    ConstraintForm f;
    int ownChanges = 0;
    f.Field->OnChange = [&](TObject*) { ++ownChanges; };
    f.Constraints->AttachConstraint("%i", f.Field);
    f.Constraints->AttachConstraint("%u{l3}", f.Field);
    EXPECT_EQ(1, f.Constraints->Count());
    EXPECT_EQ(3, f.Field->MaxLength());

    CountingBeeper beeper;
    TypeText(f.Field, "-7");
    EXPECT_EQ("7", f.Field->Text()); // the second attachment's type rules
    EXPECT_EQ(1, ownChanges);        // the own handler, not the first attachment's handler

    f.Constraints->DetachConstraint(f.Field);
    EXPECT_EQ(0, f.Constraints->Count());
    TypeText(f.Field, "x");
    EXPECT_EQ("7x", f.Field->Text());
    EXPECT_EQ(2, ownChanges);
    EXPECT_EQ(1u, beeper.Beeps.size());
    f.Constraints->DetachConstraint(f.Field); // nothing left to detach
}

TEST(VqEditConstraint, AMalformedStringChangesNothing) {
    ConstraintForm f;
    f.Constraints->AttachConstraint("%s{l8w150}", f.Field);
    EXPECT_EQ(150, f.Field->Width());
    try {
        f.Constraints->AttachConstraint("%s{l3", f.Field);
        FAIL() << "no format error";
    } catch (const VqException& e) {
        EXPECT_EQ(-2, e.Code());
        EXPECT_STREQ(" Bad format specifier of edit's constraint!", e.what());
    }
    EXPECT_EQ(8, f.Field->MaxLength());
    EXPECT_EQ(8, f.Constraints->FindConstraint(f.Field)->Format.MaxLength);
    EXPECT_THROW(f.Constraints->AttachConstraint("%i", nullptr), std::invalid_argument);
}

TEST(VqEditConstraint, SeveralConstraintsGoToTheirEditsInOrder) {
    ConstraintForm f;
    f.Constraints->AttachConstraints("%i{l3}%s{l5}", {f.Field, f.Next});
    EXPECT_EQ('i', f.Constraints->FindConstraint(f.Field)->Format.Conversion);
    EXPECT_EQ('s', f.Constraints->FindConstraint(f.Next)->Format.Conversion);

    ConstraintForm g;
    try {
        g.Constraints->AttachConstraints("%i{l3}%s{l5}", {g.Field});
        FAIL() << "no index error";
    } catch (const VqException& e) {
        EXPECT_EQ(-12, e.Code());
    }
    EXPECT_EQ(1, g.Constraints->Count()); // the first part was attached
    EXPECT_NE(nullptr, g.Constraints->FindConstraint(g.Field));
}

TEST(VqEditConstraint, EditsOutliveTheirConstraintsAndConstraintsOutliveTheirEdits) {
    ConstraintForm f;
    int ownExits = 0;
    f.Field->OnExit = [&](TObject*) { ++ownExits; };
    f.Constraints->AttachConstraint("%i", f.Field);
    f.Constraints->AttachConstraint("%i", f.Next);
    f.Constraints.reset(); // the edits get their own handlers back
    TypeText(f.Field, "abc");
    FocusControl(f.Next);
    EXPECT_EQ("abc", f.Field->Text());
    EXPECT_EQ(1, ownExits);

    VqEditConstraint constraints(f.Form.get(), true);
    auto* gone = new TEdit(f.Form.get());
    constraints.AttachConstraint("%i", gone);
    delete gone;
    EXPECT_EQ(nullptr, constraints.FindConstraint(gone));
    EXPECT_EQ(0, constraints.Count());
}

} // namespace vq_edit_constraint_test
