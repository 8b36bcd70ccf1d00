#include "TBitBtn.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TForm.h"
#include "TGroupBox.h"
#include "TLabel.h"
#include "TMemo.h"
#include "TRadioButton.h"
#include "TRadioGroup.h"
#include "TStaticText.h"
#include "UiTesting.h"

#include <QDir>
#include <QImage>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace controls_test {

namespace {
struct FormFixture : ::testing::Test {
    void SetUp() override {
        Form.reset(CreateForm<TForm>(nullptr));
        Form->SetBounds(0, 0, 400, 300);
    }
    template <class T> T* Add(int left, int top) {
        auto* c = new T(Form.get());
        c->SetParent(Form.get());
        c->SetLeft(left);
        c->SetTop(top);
        return c;
    }
    std::unique_ptr<TForm> Form;
    std::vector<std::string> Events;
};
} // namespace

using ComboBoxTest = FormFixture;

TEST_F(ComboBoxTest, AddingItemsChoosesNothing) {
    for (TComboBoxStyle style : {csDropDown, csDropDownList}) {
        auto* combo = Add<TComboBox>(10, 10);
        combo->SetStyle(style);
        combo->Items().Add("enabled");
        combo->Items().Add("disabled");
        EXPECT_EQ(-1, combo->ItemIndex());
        EXPECT_EQ("", combo->Text());
    }
}

TEST_F(ComboBoxTest, OnlyTheUserFiresOnClickAndOnChange) {
    auto* combo = Add<TComboBox>(10, 10);
    combo->SetStyle(csDropDown); // again: still one change per keystroke
    combo->Items().Assign({"1", "5", "10"});
    combo->OnClick = [this](TObject*) { Events.push_back("click"); };
    combo->OnChange = [&](TObject*) { Events.push_back("change " + combo->Text()); };
    Form->Show();

    combo->SetItemIndex(1);
    combo->SetText("10");
    EXPECT_EQ(2, combo->ItemIndex());
    EXPECT_TRUE(Events.empty());

    ChooseComboItem(combo, 0);
    EXPECT_EQ((std::vector<std::string>{"click", "change 1"}), Events);

    Events.clear();
    TypeText(combo, "2");
    EXPECT_EQ((std::vector<std::string>{"change 12"}), Events);
}

TEST_F(ComboBoxTest, DropDownListTextChoosesTheMatchingItem) {
    auto* combo = Add<TComboBox>(10, 10);
    combo->SetStyle(csDropDownList);
    combo->Items().Assign({"none", "strict", "loose"});
    combo->SetText("loose");
    EXPECT_EQ(2, combo->ItemIndex());
    combo->SetText("other");
    EXPECT_EQ(-1, combo->ItemIndex());
    combo->Items().Clear();
    EXPECT_EQ(0, combo->Items().Count());
}

using ButtonsTest = FormFixture;

TEST_F(ButtonsTest, CheckBoxCodeChangeFiresOnClickOnlyWhenTheStateChanges) {
    auto* box = Add<TCheckBox>(10, 10);
    int clicks = 0;
    box->OnClick = [&](TObject*) { ++clicks; };
    Form->Show();
    box->SetChecked(true);
    box->SetChecked(true);
    EXPECT_EQ(1, clicks);
    ClickControl(box);
    EXPECT_EQ(2, clicks);
    EXPECT_FALSE(box->Checked());
}

TEST_F(ButtonsTest, RadioButtonFiresWhenItBecomesCheckedNotWhenCodeUnchecksIt) {
    auto* first = Add<TRadioButton>(10, 10);
    auto* second = Add<TRadioButton>(10, 40);
    first->OnClick = [this](TObject*) { Events.push_back("first"); };
    second->OnClick = [this](TObject*) { Events.push_back("second"); };
    Form->Show();

    first->SetChecked(true);
    second->SetChecked(true); // unchecks the first: no event for it
    EXPECT_FALSE(first->Checked());
    second->SetChecked(false);
    EXPECT_FALSE(second->Checked());
    ClickControl(first);
    EXPECT_EQ((std::vector<std::string>{"first", "second", "first"}), Events);
}

TEST_F(ButtonsTest, RadioGroupItemIndexFromCodeFiresOnClick) {
    auto* group = Add<TRadioGroup>(10, 10);
    group->SetBounds(10, 10, 200, 100);
    group->SetCaption("Mode");
    group->Items().Assign({"Link", "PoE"});
    int clicks = 0;
    group->OnClick = [&](TObject*) { ++clicks; };
    Form->Show();

    group->SetItemIndex(1);
    group->SetItemIndex(1);
    EXPECT_EQ(1, clicks);
    auto buttons = group->Widget()->findChildren<QRadioButton*>();
    ASSERT_EQ(2, buttons.size());
    EXPECT_TRUE(buttons[1]->isChecked());
    QTest::mouseClick(buttons[0], Qt::LeftButton, Qt::NoModifier, QPoint(6, buttons[0]->height() / 2));
    EXPECT_EQ(0, group->ItemIndex());
    EXPECT_EQ(2, clicks);
    group->SetItemIndex(7); // out of range: none
    EXPECT_EQ(-1, group->ItemIndex());
}

TEST_F(ButtonsTest, ButtonWithModalResultClosesItsModalForm) {
    auto* ok = Add<TButton>(10, 10);
    ok->SetCaption("OK");
    ok->SetModalResult(mrOk);
    bool clicked = false;
    ok->OnClick = [&](TObject*) { clicked = true; };
    ModalDriver driver;
    driver.Then([&](TForm*) { ClickControl(ok); });
    EXPECT_EQ(mrOk, Form->ShowModal());
    EXPECT_TRUE(clicked);
}

TEST_F(ButtonsTest, BitBtnShowsTheFirstGlyphAndReportsShiftStatesOfKeys) {
    QTemporaryDir dir;
    QImage strip(32, 16, QImage::Format_RGB32);
    strip.fill(Qt::red);
    QString path = dir.filePath("Get.bmp");
    ASSERT_TRUE(strip.save(path, "BMP"));

    auto* button = Add<TBitBtn>(10, 10);
    auto* qt = static_cast<QPushButton*>(button->Widget());
    button->Glyph()->LoadFromFile(path.toStdString()); // shown as soon as it is loaded
    EXPECT_EQ(QSize(32, 16), qt->iconSize());
    button->SetNumGlyphs(2);
    EXPECT_EQ(QSize(16, 16), qt->iconSize());
    EXPECT_THROW(button->Glyph()->LoadFromFile(dir.filePath("Missing.bmp").toStdString()),
                 std::runtime_error);

    std::vector<std::pair<unsigned short, TShiftState>> keys;
    button->OnKeyDown = [&](TObject*, unsigned short& key, TShiftState shift) {
        if (key != VK_SHIFT && key != VK_CONTROL && key != VK_MENU) { // the modifier keys come down too
            keys.push_back({key, shift});
        }
    };
    Form->Show();
    FocusControl(button);
    PressKey(button, Qt::Key_C, Qt::ControlModifier | Qt::AltModifier);
    PressKey(button, Qt::Key_Return, Qt::ShiftModifier);
    ASSERT_EQ(2u, keys.size());
    EXPECT_EQ('C', keys[0].first);
    EXPECT_EQ(ssCtrl | ssAlt, keys[0].second);
    EXPECT_EQ(VK_RETURN, keys[1].first);
    EXPECT_EQ(ssShift, keys[1].second);
}

using TextsTest = FormFixture;

TEST_F(TextsTest, LabelAutoSizesAndStaticTextKeepsItsBoxAndHint) {
    auto* label = Add<TLabel>(10, 10);
    label->SetCaption("Samples");
    int shortWidth = label->Width();
    label->SetCaption("Samples in the last ten minutes");
    EXPECT_GT(label->Width(), shortWidth);

    auto* count = Add<TStaticText>(10, 40);
    count->SetAutoSize(false);
    count->SetBounds(10, 40, 80, 20);
    count->SetBorderStyle(sbsSunken);
    count->SetAlignment(taCenter);
    count->SetCaption("1234");
    EXPECT_EQ(80, count->Width());
    count->SetHint("Port 1\nPort 2");
    count->SetShowHint(true);
    EXPECT_EQ("Port 1\nPort 2", count->Widget()->toolTip().toStdString());
}

// Qt's text is Unicode whatever the character set; Shift-JIS only puts fonts with Japanese glyphs
// before the one the control names, so its texts show whole.
TEST_F(TextsTest, ShiftJisCharsetPutsJapaneseFontsFirst) {
    auto* label = Add<TLabel>(10, 10);
    label->Font()->SetName("Sans Serif");
    label->SetCaption("\xE3\x83\x9D\xE3\x83\xBC\xE3\x83\x88"); // "port" in katakana
    EXPECT_EQ(QStringList{"Sans Serif"}, label->Widget()->font().families().mid(0, 1));
    label->Font()->SetCharset(TFont::kShiftJisCharset);
    const QStringList families = label->Widget()->font().families();
    ASSERT_EQ(4, families.size());
    EXPECT_EQ("Noto Sans CJK JP", families.front().toStdString());
    EXPECT_EQ("Sans Serif", families.back().toStdString());
    EXPECT_EQ("\xE3\x83\x9D\xE3\x83\xBC\xE3\x83\x88", label->Caption());
}

TEST_F(TextsTest, MemoLinesAddAppendsAndTypingUpdatesLines) {
    auto* memo = Add<TMemo>(10, 10);
    memo->Lines().Add("Get: OK");
    memo->Lines().Add("Set: OK");
    EXPECT_EQ("Get: OK\nSet: OK\n", memo->Text());
    Form->Show();
    TypeText(memo, "!");
    EXPECT_EQ(2, memo->Lines().Count());
    EXPECT_EQ("Set: OK!", memo->Lines()[1]);
}

// The caption sits on the frame's top line, in a gap of the line, as the toolkit draws it: rows
// placed 16 pixels down are inside the frame, not on it.
TEST_F(ButtonsTest, GroupBoxDrawsItsCaptionInAGapOfTheFramesTopLine) {
    auto* group = Add<TGroupBox>(10, 10);
    group->SetBounds(10, 10, 200, 80);
    group->SetCaption("Rule");
    Form->Show();
    const QImage picture = group->Widget()->grab().toImage();
    const int line = group->Widget()->fontMetrics().height() / 2;
    const QRgb frame = group->Widget()->palette().color(QPalette::Dark).rgb();
    const QRgb face = group->Widget()->palette().color(QPalette::Window).rgb();
    EXPECT_EQ(frame, picture.pixel(2, line));                        // the line before the caption
    EXPECT_EQ(frame, picture.pixel(190, line));                      // and after it
    EXPECT_EQ(face, picture.pixel(TGroupBox::kTitleLeft + 1, line)); // the gap
    EXPECT_EQ(frame, picture.pixel(0, 50));                          // the left side
    EXPECT_EQ(face, picture.pixel(100, 16));                         // where the first row goes: inside
    EXPECT_EQ(200 - TGroupBox::kTitleLeft - 2 * TGroupBox::kTitlePadding - 2, group->TitleRoom());
}

} // namespace controls_test
