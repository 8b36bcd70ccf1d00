#include "TListView.h"
#include "TApplication.h"
#include "TForm.h"
#include "TStaticText.h"
#include "UiTesting.h"

#include <QHeaderView>
#include <QTreeView>
#include <gtest/gtest.h>

namespace t_list_view_test {

namespace {
struct ListFixture : ::testing::Test {
    void SetUp() override {
        Form.reset(CreateForm<TForm>(nullptr));
        Form->SetBorderStyle(bsNone);
        Form->SetBounds(0, 0, 400, 300);
        List = new TListView(Form.get());
        List->SetParent(Form.get());
        List->SetAlign(alClient);
        for (const char* caption : {"Port", "State", "Speed"}) {
            TListColumn* column = List->Columns().Add();
            column->SetCaption(caption);
            column->SetWidth(-2);
        }
        List->OnSelectItem = [this](TObject*, TListItem* item, bool selected) {
            Log.push_back(item->Caption() + (selected ? " on" : " off"));
        };
    }
    void AddRows(int count) {
        for (int i = 1; i <= count; ++i) {
            TListItem* item = List->Items().Add();
            item->SetCaption(std::to_string(i));
            item->SubItems().Add("enabled");
            item->SubItems().Add("100M");
        }
    }
    std::unique_ptr<TForm> Form;
    TListView* List = nullptr;
    std::vector<std::string> Log;
};
} // namespace

TEST_F(ListFixture, SelectionChangesByCodeAndTheirDeselectionsFireOnSelectItem) {
    AddRows(3);
    List->SetSelected(List->Items()[0]);
    List->SetSelected(List->Items()[1]);
    List->Items()[2]->SetSelected(true);
    List->Items()[2]->SetSelected(true); // no change, no event
    List->SetSelected(nullptr);
    EXPECT_EQ((std::vector<std::string>{"1 on", "1 off", "2 on", "2 off", "3 on", "3 off"}), Log);
    EXPECT_EQ(nullptr, List->Selected());

    Log.clear();
    List->SetSelected(List->Items()[1]);
    List->Items().Clear(); // the selected item is deselected before it goes
    EXPECT_EQ((std::vector<std::string>{"2 on", "2 off"}), Log);
}

TEST_F(ListFixture, UserClickSelectsAndAClickOnEmptySpaceDeselects) {
    AddRows(3);
    int clicks = 0;
    List->OnClick = [&](TObject*) { ++clicks; };
    Form->Show();
    ClickListRow(List, 1);
    EXPECT_EQ(List->Items()[1], List->Selected());
    ClickAt(List, 200, List->Height() - 10); // below the last row
    EXPECT_EQ(nullptr, List->Selected());
    EXPECT_EQ((std::vector<std::string>{"2 on", "2 off"}), Log);
    EXPECT_EQ(2, clicks);
}

TEST_F(ListFixture, OnChangingAndOnChangeCountTheRowsAfterEachAdd) {
    auto* count = new TStaticText(Form.get());
    List->OnChanging = [&](TObject*, TListItem*, TItemChange, bool&) {
        count->SetCaption(std::to_string(List->Items().Count()));
    };
    int changes = 0;
    List->OnChange = [&](TObject*, TListItem*, TItemChange) { ++changes; };
    AddRows(5);
    EXPECT_EQ("5", count->Caption());
    EXPECT_GE(changes, 5);
}

TEST_F(ListFixture, AReplacedHandlerCanKeepAndChainTheOldOne) {
    AddRows(2);
    TLVSelectItemEvent saved = List->OnSelectItem;
    List->OnSelectItem = [&, saved](TObject* sender, TListItem* item, bool selected) {
        if (saved) {
            saved(sender, item, selected);
        }
        Log.push_back("binder");
    };
    List->SetSelected(List->Items()[0]);
    EXPECT_EQ((std::vector<std::string>{"1 on", "binder"}), Log);
}

TEST_F(ListFixture, ColumnWidthZeroHidesAndMinusTwoFitsTheCaption) {
    auto* header = static_cast<QTreeView*>(List->Widget())->header();
    TListColumn* hidden = List->Columns().Add();
    hidden->SetCaption("Row Status");
    hidden->SetWidth(0);
    EXPECT_TRUE(header->isSectionHidden(3));
    EXPECT_EQ(0, hidden->Width());
    int fitted = List->Columns()[1]->Width(); // "State", set with -2
    EXPECT_GT(fitted, header->fontMetrics().horizontalAdvance("State"));
    EXPECT_LT(fitted, 100);
    EXPECT_EQ(fitted, header->sectionSize(1));
    EXPECT_EQ(4, List->Columns().Count());
    List->Columns().Clear();
    EXPECT_EQ(0, List->Columns().Count());
}

TEST_F(ListFixture, GetItemAtFindsTheRowUnderAPointAndNothingElsewhere) {
    AddRows(3);
    Form->Show();
    int left, top, width, height;
    ASSERT_TRUE(List->RowRect(2, left, top, width, height));
    EXPECT_EQ(List->Items()[2], List->GetItemAt(left + 5, top + height / 2));
    EXPECT_EQ(nullptr, List->GetItemAt(left + 5, 3));                  // on the header
    EXPECT_EQ(nullptr, List->GetItemAt(left + 5, List->Height() - 5)); // below the rows

    std::vector<std::string> hovered;
    List->OnMouseMove = [&](TObject*, TShiftState, int x, int y) {
        TListItem* item = List->GetItemAt(x, y);
        hovered.push_back(item ? item->Caption() : "none");
    };
    MoveMouseTo(List, left + 5, top + height / 2);
    ASSERT_FALSE(hovered.empty());
    EXPECT_EQ("3", hovered.back());
}

TEST_F(ListFixture, AnInvisibleListViewStillHoldsItsRows) {
    List->Hide();
    AddRows(4);
    List->SetSelected(List->Items()[3]);
    EXPECT_EQ(4, List->Items().Count());
    EXPECT_EQ("100M", List->Selected()->SubItems()[1]);
    List->Items().Delete(1);
    EXPECT_EQ(2, List->Selected()->Index()); // the selection follows its row
    EXPECT_EQ("3", List->Items()[1]->Caption());
    EXPECT_EQ(1, List->Items()[1]->Index());
}

TEST_F(ListFixture, DoubleClickHandlerCanBeCleared) {
    AddRows(1);
    int doubles = 0;
    List->OnDblClick = [&](TObject*) { ++doubles; };
    Form->Show();
    int left, top, width, height;
    ASSERT_TRUE(List->RowRect(0, left, top, width, height));
    DoubleClickAt(List, left + 5, top + height / 2);
    List->OnDblClick = nullptr;
    DoubleClickAt(List, left + 5, top + height / 2);
    EXPECT_EQ(1, doubles);
}

TEST_F(ListFixture, HintTextShowsOverTheRowsOnlyWhileShowHintIsOn) {
    AddRows(1);
    auto* model = static_cast<QTreeView*>(List->Widget())->model();
    QModelIndex cell = model->index(0, 1);
    List->SetHint("Port\t\t  1\nState  enabled");
    EXPECT_FALSE(model->data(cell, Qt::ToolTipRole).isValid());
    List->SetShowHint(true);
    EXPECT_EQ("Port\t\t  1\nState  enabled", model->data(cell, Qt::ToolTipRole).toString().toStdString());
}

} // namespace t_list_view_test
