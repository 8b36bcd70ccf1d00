#include "About.h"

#include "DeviceModels.h"
#include "TButton.h"
#include "TGraphics.h"
#include "TImage.h"
#include "TLabel.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

TAboutForm* AboutForm = nullptr;

namespace {

constexpr std::string_view kDesignModel = "24RA";

std::string AboutLabelText(std::string_view model) {
    return "Velmora ZQS-4410-" + std::string(model) + " Management Module";
}

std::string AboutCaptionText(std::string_view model) {
    return "About ZQS-4410-" + std::string(model) + " Module";
}

// The box's icon: a small switch front with two rows of green port lights.
TBitmap SwitchIcon() {
    constexpr int kSize = 32;
    std::vector<uint8_t> rgb(kSize * kSize * 3);
    auto put = [&rgb](int x, int y, std::array<uint8_t, 3> c) {
        std::copy(c.begin(), c.end(), rgb.begin() + (y * kSize + x) * 3);
    };
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            bool body = y >= 9 && y < 23 && x >= 1 && x < 31;
            bool port = body && (y == 12 || y == 13 || y == 18 || y == 19) && x >= 4 && x < 28 && x % 3 != 0;
            put(x, y,
                port   ? std::array<uint8_t, 3>{0x20, 0xC0, 0x40}
                : body ? std::array<uint8_t, 3>{0x40, 0x48, 0x58}
                       : std::array<uint8_t, 3>{0xF0, 0xF0, 0xF0});
        }
    }
    TBitmap icon;
    icon.AssignRgb(kSize, kSize, rgb.data(), kSize * 3);
    return icon;
}

} // namespace

std::string AboutModelText(const std::string& sysObjectId) {
    std::string model = ModelNameOf(sysObjectId);
    if (model.empty()) {
        return "";
    }
    model.erase(0, std::string_view("ZQS-4410-").size());
    // The 48RO's module carries its hardware revision in the about texts.
    return model == "48RO" ? model + " B1" : model;
}

std::string FullReleaseText(const std::string& firmwareType) {
    std::string edition = firmwareType == "KB" || firmwareType == "KA" ? firmwareType : "KC";
    return "Release Version 4.00Z07(for " + edition + " feature).";
}

TAboutForm::TAboutForm(TComponent* owner, std::string moduleOid, std::string firmwareType)
    : TForm(owner), ModuleOid(std::move(moduleOid)), FirmwareType(std::move(firmwareType)) {
    SetCaption(AboutCaptionText(kDesignModel));
    SetBorderStyle(bsSingle);
    SetBorderIcons(biSystemMenu);
    SetClientWidth(343);
    SetClientHeight(105);
    SetPosition(poMainFormCenter);

    Image441024tc = new TImage(this);
    Image441024tc->SetParent(this);
    Image441024tc->SetBounds(12, 12, 32, 32);
    Image441024tc->SetBitmap(SwitchIcon());
    Image441024tc->SetVisible(false);

    AboutLabel = new TLabel(this);
    AboutLabel->SetParent(this);
    AboutLabel->SetBounds(56, 12, 270, 16);
    AboutLabel->Font()->SetBold(true);
    AboutLabel->Font()->SetSize(9); // 12 pixels at 96 pixels per inch
    AboutLabel->SetCaption(AboutLabelText(kDesignModel));

    VersionLabel = new TLabel(this);
    VersionLabel->SetParent(this);
    VersionLabel->SetBounds(56, 34, 270, 13);

    NoticeLabel = new TLabel(this);
    NoticeLabel->SetParent(this);
    NoticeLabel->SetBounds(56, 52, 270, 13);
    NoticeLabel->SetCaption("Device manager of the ZQS-4410 series switches.");

    BT_Ok = new TButton(this);
    BT_Ok->SetParent(this);
    BT_Ok->SetBounds(134, 74, 75, 25);
    BT_Ok->SetCaption("OK");
    BT_Ok->OnClick = Bind(this, &TAboutForm::BT_OkClick);
    BT_Ok->OnKeyDown = Bind(this, &TAboutForm::BT_OkKeyDown);

    OnCreate = Bind(this, &TAboutForm::FormCreate);
    OnActivate = Bind(this, &TAboutForm::FormActivate);
    OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
}

void TAboutForm::FormCreate(TObject*) {
    VersionLabel->SetCaption("Release Version 4.00 ");
}

void TAboutForm::FormActivate(TObject*) {
    Image441024tc->SetVisible(true);
    std::string model = AboutModelText(ModuleOid);
    if (!model.empty()) {
        AboutLabel->SetCaption(AboutLabelText(model));
        SetCaption(AboutCaptionText(model));
    }
}

void TAboutForm::BT_OkClick(TObject*) {
    Close();
}

void TAboutForm::BT_OkKeyDown(TObject*, unsigned short& key, TShiftState shift) {
    constexpr unsigned short kF3 = VK_F1 + 2;
    if (key == kF3 && (shift & ssShift) && (shift & ssAlt)) {
        VersionLabel->SetCaption(FullReleaseText(FirmwareType));
    }
}
