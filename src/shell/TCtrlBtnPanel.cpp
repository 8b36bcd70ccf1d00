#include "TCtrlBtnPanel.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <system_error>

namespace {
TBitBtn* NewButton(TCtrlBtnPanel* column, const char* caption) {
    auto* button = new TBitBtn(column);
    button->SetParent(column);
    button->SetCaption(caption);
    return button;
}
} // namespace

TCtrlBtnPanel::TCtrlBtnPanel(TControl* owner) : TPanel(owner) {
    CountText = new TStaticText(this);
    CountText->SetParent(this);
    CountText->SetCaption("0");
    Order.push_back(CountText);
    SamplesLabel = new TLabel(this);
    SamplesLabel->SetParent(this);
    SamplesLabel->SetCaption("Samples");
    Order.push_back(SamplesLabel);

    RefreshButton = NewButton(this, "Refresh");
    SamplesLabel->SetAlignment(taCenter);
    CountText->SetAlignment(taCenter);
    CountText->SetBorderStyle(sbsSunken);
    CountText->SetAutoSize(false);

    EditButton = NewButton(this, "Edit");
    SetButton = NewButton(this, "Set Checked");
    AddButton = NewButton(this, "Add");
    DeleteButton = NewButton(this, "Delete");
    CheckAllButton = NewButton(this, "Check All");
    ClearChecksButton = NewButton(this, "Clear Checks");
    StopButton = NewButton(this, "Stop");
    CloseButton = NewButton(this, "Close");
    for (TControl* button : {RefreshButton, EditButton, SetButton, AddButton, DeleteButton, CheckAllButton,
                             ClearChecksButton, StopButton, CloseButton}) {
        Order.push_back(button);
    }

    LoadButtonPictures();

    AddButton->Hide();
    DeleteButton->Hide();
    StopButton->Hide();
    ArrangeButtons();
    SetWidth(2 * Margin + RefreshButton->Width());
    SetParent(owner);
    SetAlign(alRight);
}

void TCtrlBtnPanel::LoadButtonPictures() {
    const struct {
        TBitBtn* Button;
        const char* File;
    } pictures[] = {
        {RefreshButton, "Get.bmp"},
        {EditButton, "Set.bmp"},
        {SetButton, "SetCheck.bmp"},
        {AddButton, "Add.bmp"},
        {DeleteButton, "Delete.bmp"},
        {CheckAllButton, "SelectAll.bmp"},
        {ClearChecksButton, "SelectNone.bmp"},
        {CloseButton, "Close.bmp"},
        {StopButton, "Stop.bmp"},
    };
    std::error_code error;
    const std::filesystem::path directory = std::filesystem::current_path(error);
    if (error) {
        return; // no working directory to look in: every button keeps its caption
    }
    for (const auto& picture : pictures) {
        const std::filesystem::path path = directory / picture.File;
        if (!std::filesystem::is_regular_file(path, error)) {
            continue;
        }
        // A picture that cannot be loaded must not leave a blank button: the button keeps its
        // caption and the buttons after it still get their pictures.
        try {
            picture.Button->Glyph()->LoadFromFile(path.string());
        } catch (const std::exception& e) {
            std::fprintf(stderr, "Button picture not used: %s\n", e.what());
            continue;
        }
        picture.Button->SetCaption("");
    }
}

void TCtrlBtnPanel::ArrangeButtons() {
    int top = FirstTop;
    for (TControl* control : Order) {
        control->SetBounds(Margin, top, kButtonWidth, control->Height());
        if (control->Visible()) {
            top = control->Top() + control->Height() + 5;
        }
    }
    SetHeight(ArrangedHeight());
}

int TCtrlBtnPanel::ArrangedHeight() const {
    return CloseButton->Top() + CloseButton->Height() + 10;
}
