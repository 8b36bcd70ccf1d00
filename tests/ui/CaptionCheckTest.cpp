#include "CaptionCheck.h"

#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TForm.h"
#include "TGroupBox.h"
#include "TLabel.h"
#include "TMainMenu.h"
#include "TPageControl.h"
#include "TPanel.h"
#include "TRadioButton.h"
#include "TRadioGroup.h"
#include "TScrollBox.h"
#include "TShape.h"

#include <QFontMetrics>
#include <QTabBar>
#include <QTabWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>
#include <string>

namespace caption_check_test {

namespace {

constexpr const char* kLongCaption = "TCP/UDP Srouce Port Mask (0-FFFF)";

struct CaptionForm : ::testing::Test {
    void SetUp() override {
        Form.reset(CreateForm<TForm>(nullptr));
        Form->SetName("TSampleForm");
        Form->SetCaption("Sample");
        Form->SetBorderStyle(bsSingle);
        Form->SetClientWidth(400);
        Form->SetClientHeight(300);
    }
    template <class T> T* Add(TControl* parent, const char* name, int left, int top, int width, int height) {
        auto* c = new T(Form.get());
        c->SetName(name);
        c->SetParent(parent);
        c->SetBounds(left, top, width, height);
        return c;
    }
    int TextWidth(TControl* control, const std::string& text) {
        return control->Widget()->fontMetrics().horizontalAdvance(QString::fromStdString(text));
    }
    std::unique_ptr<TForm> Form;
};

// Every kind of caption the design draws, each roomy, on a form whose controls all stay inside.
TEST_F(CaptionForm, ASoundFormPasses) {
    auto* label = Add<TLabel>(Form.get(), "Label1", 8, 8, 0, 0);
    label->SetCaption(kLongCaption);
    Add<TButton>(Form.get(), "Button1", 8, 30, 90, 25)->SetCaption("Clear Checks");
    Add<TCheckBox>(Form.get(), "CheckBox1", 8, 60, 150, 17)->SetCaption("Check All");
    Add<TRadioButton>(Form.get(), "RadioButton1", 8, 80, 150, 17)->SetCaption("Destination");
    auto* group = Add<TGroupBox>(Form.get(), "GroupBox1", 200, 8, 190, 60);
    group->SetCaption("Option");
    auto* radios = Add<TRadioGroup>(Form.get(), "RadioGroup1", 200, 80, 190, 70);
    radios->SetCaption("Mode");
    radios->Items().Add("enabled");
    radios->Items().Add("disabled");
    auto* combo = Add<TComboBox>(group, "ComboBox1", 8, 20, 120, 21);
    combo->SetStyle(csDropDownList);
    combo->Items().Add("disable");
    combo->Items().Add("createAndWait");
    auto* pages = Add<TPageControl>(Form.get(), "PageControl1", 8, 160, 380, 130);
    for (const char* caption : {"Ports", "Unit 1"}) {
        auto* sheet = new TTabSheet(Form.get());
        sheet->SetPageControl(pages);
        sheet->SetCaption(caption);
    }
    auto* hidden = Add<TButton>(Form.get(), "Hidden", 350, 280, 20, 20); // hidden: not looked at
    hidden->SetCaption(kLongCaption);
    hidden->Hide();
    Form->Show();

    EXPECT_TRUE(CaptionsReadWhole(Form.get()));
    EXPECT_TRUE(CheckCaptions(Form.get()).empty());
}

// One control of each kind, too narrow for its caption: reported with the form, its name, the text
// and both widths.
TEST_F(CaptionForm, EachKindOfCaptionTooWideForItsControlIsReported) {
    struct Case {
        const char* Name;
        std::function<TControl*(CaptionForm&)> Make;
        std::string Control;
        std::string Text;
    };
    const Case cases[] = {
        {"label",
         [](CaptionForm& f) {
             auto* label = f.Add<TLabel>(f.Form.get(), "Label12", 8, 8, 0, 0);
             label->SetAutoSize(false);
             label->SetBounds(8, 8, 150, 13);
             label->SetCaption(kLongCaption);
             return label;
         },
         "Label12", kLongCaption},
        {"button",
         [](CaptionForm& f) {
             auto* b = f.Add<TButton>(f.Form.get(), "UncheckButton", 8, 8, 40, 25);
             b->SetCaption("Clear Checks");
             return b;
         },
         "UncheckButton", "Clear Checks"},
        {"check box",
         [](CaptionForm& f) {
             auto* b = f.Add<TCheckBox>(f.Form.get(), "CheckBox3", 8, 8, 60, 17);
             b->SetCaption("Source IPv4 Address Mask");
             return b;
         },
         "CheckBox3", "Source IPv4 Address Mask"},
        {"radio button",
         [](CaptionForm& f) {
             auto* b = f.Add<TRadioButton>(f.Form.get(), "RadioButton2", 8, 8, 50, 17);
             b->SetCaption("Destination");
             return b;
         },
         "RadioButton2", "Destination"},
        {"group-box title",
         [](CaptionForm& f) {
             auto* g = f.Add<TGroupBox>(f.Form.get(), "OptionGroup", 8, 8, 60, 60);
             g->SetCaption("IPv4 Address Mask State");
             return g;
         },
         "OptionGroup title", "IPv4 Address Mask State"},
        {"radio group item",
         [](CaptionForm& f) {
             auto* g = f.Add<TRadioGroup>(f.Form.get(), "RadioGroup2", 8, 8, 70, 60);
             g->Items().Add("Destination and Source");
             return g;
         },
         "RadioGroup2 item", "Destination and Source"},
        {"combo box (its widest item)",
         [](CaptionForm& f) {
             auto* c = f.Add<TComboBox>(f.Form.get(), "cbbRowStatus", 8, 8, 60, 21);
             c->SetStyle(csDropDownList);
             c->Items().Add("disable");
             c->Items().Add("createAndWait");
             c->Items().Add("destroy");
             return c;
         },
         "cbbRowStatus", "createAndWait"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        SetUp();
        TControl* control = c.Make(*this);
        Form->Show();
        const std::vector<CaptionFault> faults = CheckCaptions(Form.get());
        ASSERT_EQ(1u, faults.size()) << (faults.empty() ? "" : faults[0].Describe());
        const CaptionFault& fault = faults[0];
        EXPECT_EQ(CaptionFault::Kind::Clipped, fault.Fault);
        EXPECT_EQ("TSampleForm \"Sample\"", fault.Form);
        EXPECT_EQ(c.Control, fault.Control);
        EXPECT_EQ(c.Text, fault.Text);
        EXPECT_NEAR(TextWidth(control, c.Text), fault.TextWidth, 1); // the layout's size rounds up
        EXPECT_LT(fault.Room, fault.TextWidth);
        EXPECT_GT(fault.Room, 0);
        EXPECT_FALSE(CaptionsReadWhole(Form.get()));

        // Given the room it needs, the same control passes.
        control->SetWidth(control->Width() + fault.TextWidth - fault.Room);
        EXPECT_TRUE(CaptionsReadWhole(Form.get()));
    }
}

// A field placed over the end of its label cuts the label as surely as a narrow label does.
TEST_F(CaptionForm, ALabelRunningUnderTheFieldPlacedAfterItIsReported) {
    auto* group = Add<TGroupBox>(Form.get(), "OptionGroup", 0, 0, 400, 100);
    Add<TPanel>(group, "Backdrop", 0, 16, 400, 80); // stacked below the label: cuts nothing
    auto* label = Add<TLabel>(group, "Label12", 8, 20, 0, 0);
    label->SetCaption(kLongCaption);
    auto* edit = Add<TPanel>(group, "edtTCPUDPSrcMask", 158, 18, 118, 21);
    Form->Show();

    const std::vector<CaptionFault> faults = CheckCaptions(Form.get());
    ASSERT_EQ(1u, faults.size());
    EXPECT_EQ(CaptionFault::Kind::Clipped, faults[0].Fault);
    EXPECT_EQ("Label12", faults[0].Control);
    EXPECT_EQ(kLongCaption, faults[0].Text);
    EXPECT_EQ("edtTCPUDPSrcMask", faults[0].CoveredBy);
    EXPECT_NEAR(TextWidth(label, kLongCaption), faults[0].TextWidth, 1);
    EXPECT_EQ(150, faults[0].Room);
    EXPECT_NE(std::string::npos, faults[0].Describe().find("before edtTCPUDPSrcMask covers it"));

    edit->SetLeft(8 + faults[0].TextWidth + 4); // the field moved past the text
    EXPECT_TRUE(CaptionsReadWhole(Form.get()));
}

TEST_F(CaptionForm, ControlsLeavingTheirParentAreReportedWithTheEdgeAndTheParentsSize) {
    auto* panel = Add<TPanel>(Form.get(), "Panel1", 0, 0, 200, 100);
    auto* right = Add<TButton>(panel, "GetButton", 150, 10, 75, 25);
    right->SetCaption("Refresh");
    auto* low = Add<TButton>(panel, "SetButton", 10, 90, 75, 25);
    low->SetCaption("Set");
    auto* box = Add<TScrollBox>(Form.get(), "ScrollBox1", 210, 0, 150, 100);
    Add<TButton>(box, "ScrolledButton", 100, 120, 75, 25)->SetCaption("Far"); // scrolls into view
    Form->Show();

    const std::vector<CaptionFault> faults = CheckCaptions(Form.get());
    ASSERT_EQ(2u, faults.size());
    EXPECT_EQ(CaptionFault::Kind::OutsideParent, faults[0].Fault);
    EXPECT_EQ("GetButton", faults[0].Control);
    EXPECT_EQ("Refresh", faults[0].Text);
    EXPECT_EQ(225, faults[0].TextWidth);
    EXPECT_EQ(panel->ClientWidth(), faults[0].Room);
    EXPECT_FALSE(faults[0].Vertical);
    EXPECT_EQ("SetButton", faults[1].Control);
    EXPECT_EQ(115, faults[1].TextWidth);
    EXPECT_EQ(panel->ClientHeight(), faults[1].Room);
    EXPECT_TRUE(faults[1].Vertical);
    EXPECT_EQ(
        "TSampleForm \"Sample\": GetButton \"Refresh\" reaches 225 px, outside its parent's client width " +
            std::to_string(panel->ClientWidth()),
        faults[0].Describe());

    box->SetAutoScroll(false); // now the box clips
    EXPECT_EQ(3u, CheckCaptions(Form.get()).size());
}

// An LED shape that covers its whole panel paints it, and the panel clips what reaches past it;
// one placed off the panel's corner is reported like any other control.
TEST_F(CaptionForm, AnLedShapeCoveringItsWholePanelMayReachPastItAnotherMayNot) {
    auto* body = Add<TPanel>(Form.get(), "Port9Panel", 10, 10, 22, 6);
    Add<TShape>(body, "Port9Led", 0, 0, 23, 6);
    auto* shifted = Add<TPanel>(Form.get(), "Port10Panel", 10, 30, 22, 6);
    Add<TShape>(shifted, "Port10Led", 2, 0, 23, 6);
    Form->Show();

    const std::vector<CaptionFault> faults = CheckCaptions(Form.get());
    ASSERT_EQ(1u, faults.size());
    EXPECT_EQ(CaptionFault::Kind::OutsideParent, faults[0].Fault);
    EXPECT_EQ("Port10Led", faults[0].Control);
    EXPECT_EQ(25, faults[0].TextWidth);
    EXPECT_EQ(22, faults[0].Room);
}

TEST_F(CaptionForm, TabsPastTheirBarAndMenuItemsBehindTheOverflowButtonAreReported) {
    auto* pages = Add<TPageControl>(Form.get(), "UnitPageControl", 0, 0, 120, 80);
    for (const char* caption : {"Unit 1", "Unit 2", "Unit 3", "Unit 4"}) {
        auto* sheet = new TTabSheet(Form.get());
        sheet->SetPageControl(pages);
        sheet->SetCaption(caption);
    }
    auto* menu = new TMainMenu(Form.get());
    for (const char* caption : {"System", "Management", "Layer 2 ", "Layer 3", "QoS ", "ACL", "Security ",
                                "Network Application", "OAM", "Monitoring", "Help", "Refresh"}) {
        auto* item = new TMenuItem(Form.get());
        item->SetCaption(caption);
        menu->Items()->Add(item);
    }
    Form->SetMenu(menu);
    Form->Show();

    const std::vector<CaptionFault> faults = CheckCaptions(Form.get());
    bool tabPast = false;
    bool refreshHidden = false;
    for (const CaptionFault& fault : faults) {
        if (fault.Control == "UnitPageControl tab" && fault.Fault == CaptionFault::Kind::OutsideParent) {
            tabPast = true;
            EXPECT_EQ(qobject_cast<QTabWidget*>(pages->Widget())->tabBar()->width(), fault.Room);
            EXPECT_GT(fault.TextWidth, fault.Room);
        }
        if (fault.Text == "Refresh") {
            refreshHidden = fault.Fault == CaptionFault::Kind::MenuOverflow;
            EXPECT_LE(fault.Room, 400);
            EXPECT_GT(fault.TextWidth, fault.Room);
        }
    }
    EXPECT_TRUE(tabPast);
    EXPECT_TRUE(refreshHidden);

    // The main window's designed client width holds the whole bar in the application font.
    Form->SetClientWidth(768);
    pages->SetWidth(300);
    EXPECT_TRUE(CaptionsReadWhole(Form.get()));
}

TEST_F(CaptionForm, AFormNotShownCannotBeChecked) {
    Add<TButton>(Form.get(), "Button1", 8, 8, 20, 25)->SetCaption(kLongCaption);
    EXPECT_FALSE(CaptionsReadWhole(Form.get()));
    EXPECT_THROW(CheckCaptions(Form.get()), std::invalid_argument);
}

} // namespace

} // namespace caption_check_test
