#include "LldpTlvChooserForm.h"

#include "DeviceFacts.h"
#include "DialogFrame.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TEdit.h"

#include <algorithm>
#include <string>

namespace {

using T = TLldpTlvChooserForm;

constexpr ButtonSpec<T> kButtons[] = {
    {&T::SetButton, "Set Checked", &T::SetButtonClick},
    {&T::CloseButton, "Close", &T::CloseButtonClick},
};

constexpr DialogFrame<T> kFrame = {.Buttons = kButtons,
                                   .ListHeight = DialogFrame<T>::kNoList,
                                   .Status = FrameStatus::None,
                                   .ButtonPanel = &T::Panel1,
                                   .FieldPanel = &T::Panel2,
                                   .OnActivate = &T::FormActivate};

// The boxes' column (96 DPI).
constexpr int kBoxLeft = 16;
constexpr int kFirstBoxTop = 12;
constexpr int kBoxStep = 24;
constexpr int kBoxWidth = 160;

DialogFrame<T> FrameOf(const TlvChooserDesign& design) {
    DialogFrame<T> frame = kFrame;
    frame.Width = design.Width;
    frame.Height = design.Height;
    return frame;
}

} // namespace

TLldpTlvChooserForm::TLldpTlvChooserForm(TComponent* owner, const TlvChooserDesign& design, TEdit* field)
    : TForm(owner), Design(design), Field(field) {
    BuildFrame(this, FrameOf(Design));
    const auto hidden = [this](const char* name) {
        return std::any_of(Design.Hidden.begin(), Design.Hidden.end(),
                           [name](const char* h) { return std::string(h) == name; });
    };
    // The offered boxes first, the hidden ones after them.
    Boxes.resize(Design.Names.size());
    int row = 0;
    for (bool hiddenPass : {false, true}) {
        for (size_t i = 0; i < Design.Names.size(); ++i) {
            const char* name = Design.Names[i].Name;
            if (hidden(name) != hiddenPass) {
                continue;
            }
            Boxes[i] =
                AddCheckBox(this, Panel2, kBoxLeft, kFirstBoxTop + row * kBoxStep, kBoxWidth, name, {});
            Boxes[i]->SetVisible(!hiddenPass);
            ++row;
        }
    }
}

void TLldpTlvChooserForm::FormActivate(TObject*) {
    SetCaption(Design.Caption + Facts().DeviceAddress);
    const std::string text = Field->Text();
    for (size_t i = 0; i < Boxes.size(); ++i) {
        if (text.find(Design.Names[i].Name) != std::string::npos) {
            Boxes[i]->SetChecked(true);
        }
    }
}

void TLldpTlvChooserForm::SetButtonClick(TObject*) {
    std::vector<std::string> ticked;
    for (size_t i = 0; i < Boxes.size(); ++i) {
        if (Boxes[i]->Checked()) {
            ticked.emplace_back(Design.Names[i].Name);
        }
    }
    Field->SetText(NamesText(ticked));
    UncheckAll();
    Close();
}

void TLldpTlvChooserForm::CloseButtonClick(TObject*) {
    UncheckAll();
    Close();
}

void TLldpTlvChooserForm::UncheckAll() {
    for (TCheckBox* box : Boxes) {
        box->SetChecked(false);
    }
}
