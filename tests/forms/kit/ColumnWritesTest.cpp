#include "ColumnWrites.h"

#include "KitDialog.h"
#include "RequestModeScope.h"

#include <gtest/gtest.h>

namespace column_writes_test {

namespace {

class ColumnWritesSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(ServerScenario());
        Request = &Dialog.Open();
        ASSERT_TRUE(Dialog.WaitRead());
        Dialog.Area.List->SetSelected(Dialog.Area.List->Items()[1]); // server 2
        Saved = Words();
        Agent().ClearSetLog();
    }
    std::vector<int> Words() const {
        std::vector<int> words;
        for (int v = 0; v < Request->Request.VarList.GetCount(); ++v) {
            words.push_back(Request->Request.VarList.GetVariable(v).Access);
        }
        return words;
    }
    // The second write's collection raises, as a value that cannot be encoded does.
    void FailSecondCollect() {
        Request->AfterCollect.push_back([this](VqSNMPVarList&) {
            if (++Collects == 2) {
                throw std::runtime_error("the second write cannot be built");
            }
        });
    }
    std::string Oid(int column) const {
        return std::string(kServerEntry) + "." + std::to_string(column + 1) + ".2";
    }

    KitDialog Dialog;
    DialogRequest* Request = nullptr;
    std::vector<int> Saved;
    int Collects = 0;
};

} // namespace

TEST_F(ColumnWritesSim, EachWriteCarriesExactlyItsColumnsInOrder) {
    Dialog.Address->SetText("10.0.0.22");
    Dialog.Priority->SetItemIndex(0);
    RequestModeScope blocking(*Request, 0);
    ASSERT_TRUE(SetOnly(*Request, {KitDialog::kAddress}));
    // The index column named among the skipped ones still addresses the row.
    ASSERT_TRUE(SetSkipping(*Request, {KitDialog::kAddress, KitDialog::kRowStatus, KitDialog::kIndex}));
    SetEachAlone(*Request, {KitDialog::kPriority, KitDialog::kAddress});
    const SimValue address{"64", "10.0.0.22"};
    EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{
                             {{Oid(KitDialog::kAddress), address}},
                             {{Oid(KitDialog::kPriority), SimValue::Int(1)}},
                             {{Oid(KitDialog::kPriority), SimValue::Int(1)}},
                             {{Oid(KitDialog::kAddress), address}},
                         }));
    EXPECT_EQ(Words(), Saved);
}

TEST_F(ColumnWritesSim, AnExceptionInTheSecondOfThreeSetsLeavesEveryAccessWordAsItWas) {
    FailSecondCollect();
    RequestModeScope blocking(*Request, 0);
    EXPECT_ANY_THROW(
        SetEachAlone(*Request, {KitDialog::kPriority, KitDialog::kAddress, KitDialog::kRowStatus}));
    EXPECT_EQ(Words(), Saved);
    EXPECT_EQ(SetPdus(),
              (std::vector<std::vector<SimVarBind>>{{{Oid(KitDialog::kPriority), SimValue::Int(2)}}}));
    // Every column is read again.
    Request->Mode = 1;
    ASSERT_TRUE(Dialog.Table.Read());
    ASSERT_TRUE(Dialog.WaitRead());
    EXPECT_EQ(Dialog.Area.List->Items()[1]->SubItems().Count(), 3);
}

TEST_F(ColumnWritesSim, TheModeScopePutsTheModeBackWhenItsWriteRaises) {
    FailSecondCollect();
    ASSERT_TRUE(SetOnly(*Request, {KitDialog::kPriority})); // asynchronous
    ASSERT_TRUE(WaitForSets(1));
    EXPECT_ANY_THROW({
        RequestModeScope blocking(*Request, 0);
        EXPECT_EQ(Request->Mode, 0);
        SetOnly(*Request, {KitDialog::kAddress});
    });
    EXPECT_EQ(Request->Mode, 1);
    EXPECT_EQ(Agent().SetLog().size(), 1u);
}

} // namespace column_writes_test
