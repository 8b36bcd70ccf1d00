#include "About.h"

#include "CaptionCheck.h"
#include "MainFormFixture.h"
#include "TButton.h"
#include "TLabel.h"
#include "UiTesting.h"

#include <QTest>
#include <gtest/gtest.h>

namespace about_test {

namespace {

struct AboutShown {
    std::string Caption;
    std::string Label;
    std::string Version;
    std::string AfterShiftF3;
    std::string AfterShiftAltF3;
};

// Opens the box through the About command and reads it; Shift+F3, then Shift+Alt+F3 on OK. At its
// designed size every text of the box reads whole each time.
AboutShown ShowAbout(TMainForm* form) {
    ModalDriver driver;
    AboutShown shown;
    driver.Then([&](TForm* box) {
        EXPECT_EQ(box, AboutForm);
        EXPECT_EQ(AboutForm->ClientWidth(), 343);
        EXPECT_EQ(AboutForm->ClientHeight(), 105);
        shown.Caption = AboutForm->Caption();
        shown.Label = AboutForm->AboutLabel->Caption();
        shown.Version = AboutForm->VersionLabel->Caption();
        EXPECT_TRUE(CaptionsReadWhole(AboutForm));
        PressKey(AboutForm->BT_Ok, Qt::Key_F3, Qt::ShiftModifier);
        shown.AfterShiftF3 = AboutForm->VersionLabel->Caption();
        EXPECT_TRUE(CaptionsReadWhole(AboutForm));
        PressKey(AboutForm->BT_Ok, Qt::Key_F3, Qt::ShiftModifier | Qt::AltModifier);
        shown.AfterShiftAltF3 = AboutForm->VersionLabel->Caption();
        EXPECT_TRUE(CaptionsReadWhole(AboutForm));
        ClickControl(AboutForm->BT_Ok);
    });
    form->About1Click(nullptr);
    EXPECT_EQ(AboutForm, nullptr);
    return shown;
}

} // namespace

TEST_F(MainFormTest, AboutNamesTheSwitchAndItsEdition) {
    TMainForm* form = Open(R"({"model": "48RO", "firmware": "KA"})");
    AboutShown shown = ShowAbout(form);
    EXPECT_EQ(shown.Caption, "About ZQS-4410-48RO B1 Module");
    EXPECT_EQ(shown.Label, "Velmora ZQS-4410-48RO B1 Management Module");
    EXPECT_EQ(shown.Version, "Release Version 4.00 ");
    EXPECT_EQ(shown.AfterShiftF3, "Release Version 4.00 ") << "Shift+F3 without Alt";
    EXPECT_EQ(shown.AfterShiftAltF3, "Release Version 4.00Z07(for KA feature).");
}

TEST_F(MainFormTest, AboutTextsByModelAndEdition) {
    // The box reads what the main window read: its sysObjectID and firmware type labels.
    TMainForm* form = Open("{}");
    const struct {
        const char* SysObjectId;
        const char* Model;
    } models[] = {
        {"1.3.6.1.4.1.746.10.117.2.1", "24RA"},    {"1.3.6.1.4.1.746.10.117.3.1", "24DA"},
        {"1.3.6.1.4.1.746.10.117.4.1", "24ZO"},    {"1.3.6.1.4.1.746.10.117.5.1", "48DA"},
        {"1.3.6.1.4.1.746.10.117.6.1", "48RO B1"}, {"1.3.6.1.4.1.746.10.117.7.1", "24ZO-DC"},
        {"1.3.6.1.4.1.746.10.118.2.1", "24RA"}, // another family keeps the design texts
    };
    const struct {
        const char* FirmwareType;
        const char* Edition;
    } editions[] = {{"KB", "KB"}, {"KA", "KA"}, {"KC", "KC"}, {"", "KC"}, {"KD", "KC"}};
    for (size_t i = 0; i < std::size(models); ++i) {
        form->ST_ModuleOID->SetCaption(models[i].SysObjectId);
        form->Mode_KB_KA->SetCaption(editions[i % std::size(editions)].FirmwareType);
        AboutShown shown = ShowAbout(form);
        EXPECT_EQ(shown.Caption, "About ZQS-4410-" + std::string(models[i].Model) + " Module");
        EXPECT_EQ(shown.Label, "Velmora ZQS-4410-" + std::string(models[i].Model) + " Management Module");
        EXPECT_EQ(shown.AfterShiftAltF3, "Release Version 4.00Z07(for " +
                                             std::string(editions[i % std::size(editions)].Edition) +
                                             " feature).");
    }
}

} // namespace about_test
