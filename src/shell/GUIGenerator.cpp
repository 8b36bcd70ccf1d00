#include "GUIGenerator.h"

#include "MainUnit.h"
#include "SkipFlagScope.h"
#include "TApplication.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TForm.h"
#include "TPageControl.h"
#include "UserDialogs.h"
#include "VqSNMPRequest2Edits.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <stdexcept>
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

TMsgPanel::TMsgPanel(TControl* owner) : TPanel(owner) {
    SetHeight(20);
    MsgBar = new TStatusBar(this);
    MsgBar->SetParent(this);
    MsgBar->SetHeight(20);
    MsgBar->SetAlign(alBottom);
    // The request writes its lines as the bar's simple text, which shows only in simple mode.
    MsgBar->SetSimplePanel(true);
    SetParent(owner);
}

// ---- the rows panel

namespace {
// The rows panel sizes itself this much beyond its rows on the right and at the bottom.
constexpr int kRowsMargin = 40;
constexpr int kFirstRowTop = 20;
constexpr int kRowGap = 5;
constexpr int kRowLeft = 20;
constexpr int kCheckBoxWidth = 20;

void SetControlColors(TControl* control, TColor font, TColor background) {
    control->Font()->SetColor(font);
    control->SetColor(background);
}
} // namespace

TEditsPanel::TEditsPanel(TControl* owner, VqSNMPRequest2Edits* request) : TPanel(owner), Request(request) {
    ScrollBox = new TScrollBox(owner);
    ScrollBox->SetParent(this);
    ScrollBox->SetAlign(alClient);
    SetParent(owner);
    if (Request) {
        BuildRows();
    } else {
        Rows.emplace_back();
    }
    for (int i = 0; i < RowCount(); ++i) {
        for (TControl* control : {static_cast<TControl*>(Rows[i].Label),
                                  static_cast<TControl*>(Rows[i].CheckBox), Rows[i].Control}) {
            control->SetParent(ScrollBox);
        }
    }
    ScrollBox->FitContent();
    NoteLabel = new TLabel(this);
    NoteLabel->SetParent(ScrollBox);
    NoteLabel->Hide();
}

void TEditsPanel::BuildRows() {
    const VqSNMPVarList& list = Request->Request.VarList;
    const int count = list.GetCount();
    Rows.resize(count + 1);
    for (int i = 0; i < count; ++i) {
        const SnmpVariable& variable = list.GetVariable(i);
        const bool options = variable.OptionList != nullptr;
        if (!list.IsSettable(i)) {
            Rows[i].ControlType = options ? rcReadOnlyText : rcReadOnlyEdit;
        } else {
            Rows[i].ControlType = options ? rcComboBox : rcEdit;
        }
        Rows[i].FormatText = variable.ItemType == itIpAddress ? "%s{I}" : "%s";
    }
    for (int i = 0; i < count; ++i) {
        UISnmpVar& row = Rows[i];
        row.CheckBox = new TCheckBox(this);
        row.CheckBox->SetWidth(kCheckBoxWidth);
        row.CheckBox->SetParent(this);
        row.CheckBox->SetTag(i);
        row.CheckBox->OnClick = Bind(this, &TEditsPanel::CheckBoxClick);
        row.CheckBox->SetTabStop(false);
        row.Label = new TLabel(this);
        row.Label->SetCaption(list.GetVariable(i).Caption);
        row.Label->SetParent(this);
        row.Label->SetTag(i);
        if (row.ControlType == rcComboBox) {
            auto* box = new TComboBox(this);
            box->SetParent(this);
            box->SetTag(0);
            row.Control = box;
            Request->BindComboBox(i, box);
        } else {
            auto* edit = new TEdit(this);
            edit->SetParent(this);
            edit->SetTag(i);
            row.Control = edit;
            Request->BindEdits(i, row.ControlType == rcReadOnlyText ? "%s" : row.FormatText, edit);
        }
    }
    SetRowsEditable(false);
    LayoutRows(2, true);
}

bool TEditsPanel::RowInRange(int row) const {
    if (row >= 0 && row < RowCount()) {
        return true;
    }
    ShowMessage("aIdx is overtop!\n you may define < " + std::to_string(RowCount()));
    return false;
}

UISnmpVar& TEditsPanel::Row(int row) {
    if (row < 0 || row >= RowCount()) {
        throw std::out_of_range("TEditsPanel: row " + std::to_string(row) + " of " +
                                std::to_string(RowCount()));
    }
    return Rows[row];
}

const UISnmpVar& TEditsPanel::Row(int row) const {
    return const_cast<TEditsPanel*>(this)->Row(row);
}

void TEditsPanel::ArrangeCtrlBtn(TCtrlBtnPanel* buttons) {
    if (!Request) {
        throw std::runtime_error("TEditsPanel:ArrangeCtrlBtn - EditCtrl is NULL!");
    }
    for (TControl* hidden :
         std::initializer_list<TControl*>{buttons->SamplesLabel, buttons->CountText, buttons->EditButton,
                                          buttons->AddButton, buttons->DeleteButton, buttons->StopButton}) {
        hidden->Hide();
    }
    for (TBitBtn* shown : {buttons->RefreshButton, buttons->SetButton, buttons->CheckAllButton,
                           buttons->ClearChecksButton, buttons->CloseButton}) {
        shown->Show();
    }
    if (AllRowsFixed()) {
        buttons->SetButton->Hide();
        buttons->CheckAllButton->Hide();
        buttons->ClearChecksButton->Hide();
    } else if (CountActiveChecks() <= 1) {
        // One row to write: a "Set" button writes it, with no check boxes to tick.
        buttons->CheckAllButton->Hide();
        buttons->ClearChecksButton->Hide();
        buttons->SetButton->SetCaption("Set");
        buttons->SetButton->SetEnabled(true);
        if (CountCheckedRows() <= 1) {
            for (int i = 0; i < RowCount(); ++i) {
                Rows[i].CheckBox->Hide();
            }
        }
        for (int i = 0; i < RowCount(); ++i) {
            TCheckBox* box = Rows[i].CheckBox;
            const bool active = box->Visible() && box->Enabled();
            box->SetChecked(!active && box->Tag() != kTagHiddenCheck);
        }
    }
    buttons->ArrangeButtons();
}

void TEditsPanel::LayoutRows(int mode, bool resize) {
    const VqSNMPVarList* list = Request ? &Request->Request.VarList : nullptr;
    for (int i = 0; i < RowCount(); ++i) {
        Rows[i].Control->SetWidth(EditWidth);
    }
    auto placed = [&](int i) {
        return !(list->GetVariable(i).Access & acHidden) && Rows[i].Control->Visible();
    };
    // Check box and label stand beside the control, centred on it (halves truncated toward zero).
    auto placeBeside = [](const UISnmpVar& row, int left, int controlLeft) {
        TControl* control = row.Control;
        row.CheckBox->SetLeft(left);
        row.CheckBox->SetTop(control->Top() + (control->Height() - row.CheckBox->Height()) / 2);
        row.Label->SetLeft(left + row.CheckBox->Width() + kRowGap);
        row.Label->SetTop(control->Top() + (control->Height() - row.Label->Height()) / 2);
        control->SetLeft(controlLeft);
    };
    if (mode == 2) {
        int widestLabel = 0;
        for (int i = 0; i < RowCount(); ++i) {
            widestLabel = std::max(widestLabel, Rows[i].Label->Width());
        }
        int previousTop = kFirstRowTop;
        for (int i = 0; i < RowCount(); ++i) {
            if (!placed(i)) {
                continue;
            }
            TControl* control = Rows[i].Control;
            int top = kFirstRowTop;
            if (i != 0) {
                if (control->Height() < 20) {
                    control->SetHeight(21);
                }
                top = previousTop + control->Height() + kRowGap;
            }
            control->SetTop(top);
            previousTop = top;
            const int labelLeft = kRowLeft + Rows[i].CheckBox->Width() + kRowGap;
            placeBeside(Rows[i], kRowLeft, labelLeft + widestLabel + kRowGap);
        }
    } else if (mode == 1) {
        int left = kRowLeft;
        for (int i = 0; i < RowCount(); ++i) {
            if (!placed(i)) {
                continue;
            }
            UISnmpVar& row = Rows[i];
            row.Control->SetTop(kFirstRowTop);
            const int controlLeft = left + row.CheckBox->Width() + kRowGap + row.Label->Width() + kRowGap;
            placeBeside(row, left, controlLeft);
            left = controlLeft + row.Control->Width() + 2 * kRowGap;
        }
    }
    if (resize) {
        SetAlign(alNone);
        int right = 0;
        int bottom = 0;
        for (int i = 0; i < RowCount(); ++i) {
            if (placed(i)) {
                right = std::max(right, Rows[i].Control->Left() + Rows[i].Control->Width());
                bottom = std::max(bottom, Rows[i].Control->Top() + Rows[i].Control->Height());
            }
        }
        SetBounds(Left(), Top(), kRowsMargin + right, kRowsMargin + bottom);
    }
    ScrollBox->FitContent();
}

void TEditsPanel::SetEditWidth(int width, int mode) {
    EditWidth = width;
    LayoutRows(mode, true);
}

void TEditsPanel::SetRowsEditable(bool checked) {
    InitialCheckState = checked;
    for (int i = 0; i < RowCount(); ++i) {
        if (IsReadOnlyRow(i) || IsIndexRow(i)) {
            MakeRowReadOnly(i);
        } else {
            MakeRowEditable(i);
        }
    }
}

void TEditsPanel::MakeRowReadOnly(int row) {
    SetRowState(row, false);
}

void TEditsPanel::MakeRowEditable(int row) {
    SetRowState(row, true);
}

void TEditsPanel::SetRowState(int row, bool editable) {
    if (!RowInRange(row)) {
        return;
    }
    UISnmpVar& r = Rows[row];
    r.CheckBox->SetEnabled(editable);
    r.CheckBox->SetVisible(editable);
    r.CheckBox->SetChecked(editable && InitialCheckState);
    const TColor font = editable ? clBlack : ReadOnlyFontColor;
    const TColor background = editable ? clWhite : ReadOnlyColor;
    if (auto* edit = dynamic_cast<TEdit*>(r.Control)) {
        edit->SetReadOnly(!editable);
        edit->SetTabStop(editable);
        SetControlColors(edit, font, background);
    } else if (auto* box = dynamic_cast<TComboBox*>(r.Control)) {
        box->SetEnabled(editable);
        SetControlColors(box, font, background);
    }
}

void TEditsPanel::HideRow(int row) {
    UISnmpVar& r = Row(row);
    Request->Request.VarList.GetVariable(row).Access |= acHidden;
    r.Control->Hide();
    r.CheckBox->Hide();
    r.Label->Hide();
    r.CheckBox->SetTag(kTagHiddenCheck);
}

void TEditsPanel::ShowRow(int row) {
    UISnmpVar& r = Row(row);
    Request->Request.VarList.GetVariable(row).Access &= ~acHidden;
    r.Control->Show();
    r.CheckBox->Show();
    r.Label->Show();
}

void TEditsPanel::UncheckRow(int row) {
    Row(row).CheckBox->SetChecked(false);
}

void TEditsPanel::ClearRow(int row) {
    SetRowText(row, "");
}

void TEditsPanel::ClearRows() {
    for (int i = 0; i < RowCount(); ++i) {
        ClearRow(i);
    }
}

void TEditsPanel::SetRowText(int row, const std::string& text) {
    UISnmpVar& r = Row(row);
    if (auto* edit = dynamic_cast<TEdit*>(r.Control)) {
        edit->SetText(text);
    } else if (auto* box = dynamic_cast<TComboBox*>(r.Control)) {
        box->SetItemIndex(box->Items().IndexOf(text));
    }
    Request->Request.VarList.GetVariable(row).ValueText = text;
}

void TEditsPanel::SetOctetParam(int row, int columns, int bits, int first, const std::string& names) {
    UISnmpVar& r = Row(row);
    if (r.ControlType != rcReadOnlyEdit && r.ControlType != rcEdit) {
        throw std::runtime_error("You can only assign Octet Item to a Edit!");
    }
    r.Octet = std::make_unique<OctetParam>(OctetParam{columns, bits, first, names});
    auto* edit = static_cast<TEdit*>(r.Control);
    edit->SetReadOnly(true);
    edit->OnClick = [this, row](TObject*) { ShowBitListEditor(row); };
}

void TEditsPanel::ShowBitListEditor(int row) {
    UISnmpVar& r = Row(row);
    const OctetParam param = *r.Octet;
    const int columns = std::max(1, param.Columns);
    auto* edit = static_cast<TEdit*>(r.Control);
    const bool readOnly = IsReadOnlyRow(row);
    std::unique_ptr<TForm> form(CreateForm<TForm>(Application));
    form->SetPosition(poOwnerFormCenter);
    form->SetCaption(Request->Request.VarList.GetVariable(row).Caption);
    form->SetBorderIcons(biSystemMenu);

    // The edit's text becomes the value the boxes start from. A value that cannot be collected
    // shows as it did; one that cannot be shown clears the row below, where the user sees it.
    try {
        Request->CollectControls(row);
    } catch (const std::exception&) {
    }

    std::vector<TCheckBox*> boxes;
    std::string positions;
    int right = 0;
    int bottom = 0;
    for (int p = 0; p < param.Bits; ++p) {
        auto* label = new TLabel(form.get());
        label->SetParent(form.get());
        label->SetCaption(std::to_string(p + param.First + 1));
        auto* box = new TCheckBox(form.get());
        box->SetParent(form.get());
        box->SetWidth(30);
        box->SetTabStop(false);
        box->SetEnabled(!readOnly);
        const int line = p / columns;
        const int column = p % columns;
        label->SetTop(line * (box->Height() + label->Height()) + 10);
        box->SetTop(label->Top() + label->Height());
        label->SetLeft(column * box->Width() + 10);
        box->SetLeft(label->Left());
        positions += (p ? "," : "") + std::to_string(p);
        if (column == columns - 1 || (param.Bits < columns && p == param.Bits - 1)) {
            right = std::max(right, box->Left() + box->Width() + 10);
        }
        bottom = box->Top() + box->Height() + 10;
        boxes.push_back(box);
    }
    if (!boxes.empty()) {
        Request->BindBitCheckBoxList(row, positions, boxes);
        try {
            Request->FillControls(row);
        } catch (const std::exception&) {
            ClearRow(row);
            for (TCheckBox* box : boxes) {
                box->SetChecked(false);
            }
        }
    }

    const struct {
        const char* Caption;
        TModalResult Result;
        bool Checks;
    } buttons[] = {{"OK", mrOk, false},
                   {"Cancel", mrCancel, false},
                   {"Check All", mrNone, true},
                   {"Clear Checks", mrNone, false}};
    int left = 10;
    int buttonsBottom = bottom;
    for (const auto& b : buttons) {
        if (readOnly && b.Result != mrOk) {
            continue;
        }
        auto* button = new TButton(form.get());
        button->SetParent(form.get());
        button->SetCaption(b.Caption);
        button->SetModalResult(b.Result);
        button->SetLeft(left);
        button->SetTop(bottom);
        if (b.Result == mrNone) {
            const bool checked = b.Checks;
            button->OnClick = [boxes, checked](TObject*) {
                for (TCheckBox* box : boxes) {
                    box->SetChecked(checked);
                }
            };
        }
        left = button->Left() + button->Width() + 10;
        buttonsBottom = button->Top() + button->Height();
    }
    // Wide enough for the buttons too, when the boxes take fewer columns than they need.
    form->SetClientWidth(std::max(right + 50, left));
    form->SetClientHeight(buttonsBottom + 10);

    const bool accepted = form->ShowModal() == mrOk;
    // The edit takes the row back whatever happened, so that no binding outlives the boxes.
    std::string failure;
    if (accepted) {
        try {
            Request->CollectControls(row);
        } catch (const std::exception& e) {
            failure = e.what();
        }
    }
    Request->UnbindColumn(row);
    Request->BindEdits(row, r.FormatText, edit);
    try {
        Request->FillControls(row);
        Request->CollectControls(row);
    } catch (const std::exception& e) {
        if (failure.empty()) {
            failure = e.what();
        }
    }
    form.reset();
    if (!failure.empty()) {
        ShowMessage(failure);
    }
}

void TEditsPanel::ShowNote(const std::string& text, TColor color, int size, int left, int top) {
    NoteLabel->SetCaption(text);
    NoteLabel->Show();
    NoteLabel->SetLeft(left);
    NoteLabel->SetTop(top);
    NoteLabel->Font()->SetColor(color);
    NoteLabel->Font()->SetSize(size);
    NoteLabel->Font()->SetBold(true);
    ScrollBox->FitContent();
}

bool TEditsPanel::IsReadOnlyRow(int row) const {
    return !Request->Request.VarList.IsSettable(row);
}

bool TEditsPanel::IsIndexRow(int row) const {
    return row < Request->Request.VarList.KeyCount;
}

bool TEditsPanel::RowIsEmpty(int row) const {
    const UISnmpVar& r = Row(row);
    if (r.Control->Tag() == kTagNeverEmpty || !r.CheckBox->Visible()) {
        return false;
    }
    if (auto* edit = dynamic_cast<const TEdit*>(r.Control)) {
        return edit->Text().empty();
    }
    if (auto* box = dynamic_cast<const TComboBox*>(r.Control)) {
        return box->Text().empty();
    }
    if (auto* panel = dynamic_cast<const TPanel*>(r.Control)) {
        return panel->Caption().empty();
    }
    return true;
}

bool TEditsPanel::AllRowsFixed() const {
    for (int i = 0; i < RowCount(); ++i) {
        if (!IsReadOnlyRow(i) && !IsIndexRow(i)) {
            return false;
        }
    }
    return true;
}

int TEditsPanel::CountActiveChecks() const {
    return static_cast<int>(std::count_if(Rows.begin(), Rows.end() - 1, [](const UISnmpVar& r) {
        return r.CheckBox->Visible() && r.CheckBox->Enabled();
    }));
}

int TEditsPanel::CountCheckedRows() const {
    return static_cast<int>(std::count_if(Rows.begin(), Rows.end() - 1,
                                          [](const UISnmpVar& r) { return r.CheckBox->Checked(); }));
}

TBitBtn* TEditsPanel::HostSetButton() const {
    TControl* client = Parent();
    auto* host = client ? dynamic_cast<TSNMPPanel*>(client->Parent()) : nullptr;
    return host ? host->Buttons->SetButton : nullptr;
}

void TEditsPanel::CheckBoxClick(TObject*) {
    if (TBitBtn* set = HostSetButton()) {
        set->SetEnabled(CountCheckedRows() >= 1);
    }
}

// ---- the base panel and the editor panel

namespace {
constexpr int kMinClientWidth = 350;
constexpr int kMaxClientWidth = 800;
constexpr int kMaxClientHeight = 550;
constexpr int kPanelExtraWidth = 58;
} // namespace

TSNMPPanel::TSNMPPanel(TControl* owner, TMsgPanel* statusPanel, VqSNMPRequest2Edits* request)
    : TPanel(owner), Request(request) {
    if (statusPanel) {
        if (Request) {
            Request->SetStatusControl(statusPanel->MsgBar);
        }
    } else {
        MsgPanel = new TMsgPanel(this);
        MsgPanel->SetAlign(alBottom);
        if (Request) {
            Request->SetStatusControl(MsgPanel->MsgBar);
        }
    }
    Buttons = new TCtrlBtnPanel(this);
    Buttons->RefreshButton->OnClick = Bind(this, &TSNMPPanel::RefreshClick);
    Buttons->CloseButton->OnClick = Bind(this, &TSNMPPanel::CloseClick);
    Buttons->StopButton->OnClick = Bind(this, &TSNMPPanel::StopClick);
    Splitter = new TSplitter(this);
    Splitter->SetParent(this);
    Splitter->SetAlign(alRight);
    ClientPanel = new TPanel(this);
    ClientPanel->SetParent(this);
    ClientPanel->SetAlign(alClient);
    SetParent(owner);
    SetBounds(Left(), Top(), 0, 0);
}

void TSNMPPanel::SetEditor(TControl* editor) {
    if (Editor) {
        Editor->Hide();
        Editor->SetAlign(alNone);
    }
    Editor = editor;
    Editor->Show();
    Editor->SetAlign(alNone);
    Editor->SetParent(ClientPanel);
    SetAlign(alNone);
    const int strip = MsgPanel ? MsgPanel->Height() : 0;
    int height = Editor->Height() + strip + kBottomSplitterHeight;
    if (Buttons->ArrangedHeight() > height) {
        height = Buttons->ArrangedHeight() + strip + kBottomSplitterHeight;
    }
    SetBounds(Left(), Top(), Editor->Width() + Buttons->Width() + Splitter->Width() + kPanelExtraWidth,
              height);
    Editor->SetAlign(alClient);
}

void TSNMPPanel::FitForm(TForm* form) {
    SetAlign(alNone);
    HostForm = form;
    form->SetPosition(poMainFormCenter);
    form->SetClientWidth(std::max({form->ClientWidth(), Width(), kMinClientWidth}));
    form->SetClientHeight(std::max(form->ClientHeight(), Height()));
    form->SetClientHeight(std::min(form->ClientHeight(), kMaxClientHeight));
    form->SetClientWidth(std::min(form->ClientWidth(), kMaxClientWidth));
    SetAlign(alClient);
}

void TSNMPPanel::RefreshClick(TObject*) {
    if (!Request) {
        return;
    }
    Request->Request.Active = true;
    if (Request->Busy) {
        return;
    }
    try {
        Request->Get();
    } catch (const std::exception& e) {
        Request->ShowStatus(e.what());
        Request->Request.Active = true;
    }
}

void TSNMPPanel::CloseClick(TObject*) {
    try {
        if (Request) {
            Request->Request.Active = false;
            if (Request->Busy) {
                Application->ProcessMessages();
            }
        }
        if (!HostForm) {
            throw std::logic_error("no host form");
        }
        HostForm->Close();
    } catch (const std::exception&) {
        ShowMessage("Please initial close form");
    }
}

void TSNMPPanel::StopClick(TObject*) {
    if (!Buttons->RefreshButton->Enabled()) {
        Buttons->RefreshButton->SetEnabled(true);
    }
    if (Request) {
        Request->Request.Active = false;
    }
}

TSNMPEditorPanel::TSNMPEditorPanel(TControl* owner, VqSNMPRequest2Edits* request)
    : TSNMPPanel(owner, nullptr, request) {
    Rows = new TEditsPanel(ClientPanel, request);
    Buttons->SetButton->OnClick = Bind(this, &TSNMPEditorPanel::SetClick);
    Buttons->SetButton->SetEnabled(false);
    Buttons->CheckAllButton->OnClick = Bind(this, &TSNMPEditorPanel::CheckAllClick);
    Buttons->ClearChecksButton->OnClick = Bind(this, &TSNMPEditorPanel::ClearChecksClick);
    Rows->ArrangeCtrlBtn(Buttons);
    SetEditor(Rows);
}

void TSNMPEditorPanel::SetEditWidth(int width) {
    Rows->SetEditWidth(width, 2);
    SetEditor(Rows);
    if (HostForm) {
        FitForm(HostForm);
    }
}

void TSNMPEditorPanel::SetVarFormat(int row, const std::string& constraint) {
    RebindRow(row, constraint, nullptr);
}

void TSNMPEditorPanel::SetVarChecker(int row, const std::string& constraint, TCheckFunction check) {
    RebindRow(row, constraint, &check);
}

void TSNMPEditorPanel::RebindRow(int row, const std::string& constraint, const TCheckFunction* check) {
    const UISnmpVar& r = Rows->Rows.at(row);
    Request->UnbindColumn(row);
    if (r.ControlType == rcComboBox) {
        throw std::runtime_error("Can not set Var format to a ComboBox!");
    }
    if (r.ControlType != rcReadOnlyEdit && r.ControlType != rcEdit) {
        throw std::runtime_error("Unknow UI Control type!");
    }
    auto* edit = static_cast<TEdit*>(r.Control);
    if (check) {
        Request->BindCheckedEdit(row, constraint, edit, *check);
    } else {
        Request->BindEdits(row, constraint, edit);
    }
}

void TSNMPEditorPanel::SetClick(TObject* sender) {
    const uint8_t savedMode = Request->Mode;
    Request->Mode = 0;
    VqSNMPVarList& list = Request->Request.VarList;
    // Only the flags set here are taken back: a variable a caller left out stays left out.
    SkipFlagScope leftOut(Request->Request);
    bool empty = false;
    for (int i = list.KeyCount; i < list.GetCount(); ++i) {
        const UISnmpVar& row = Rows->Rows[i];
        const SnmpVariable& variable = list.GetVariable(i);
        // A hidden check box before "active" is taken for a row status that reads back as set.
        const bool skip =
            !row.CheckBox->Checked() || (row.Control->Tag() != kTagKeepActive &&
                                         variable.ValueText == "active" && !row.CheckBox->Visible());
        if (skip && !(variable.Access & acInvalid)) {
            leftOut.Skip(i);
        }
        if (!(variable.Access & acInvalid) && Rows->RowIsEmpty(i) && i != kEmptyExemptPosition) {
            empty = true;
        }
    }
    if (empty) {
        MessageDlg("Some items are empty!", mtWarning, mbOK);
    } else {
        // A click into the table list or Stop only ends a read; the write the user asks for
        // goes out all the same.
        Request->Request.Active = true;
        try {
            Request->Set(false, true);
        } catch (const std::exception& e) {
            Request->ShowStatus(e.what());
        }
    }
    leftOut.Restore();
    Request->Mode = savedMode;
    auto* button = dynamic_cast<TControl*>(sender);
    if (!empty && button && button->Tag() == kTagSubDialogSet) {
        if (TForm* dialog = button->ParentForm()) {
            dialog->Close();
        }
    }
}

void TSNMPEditorPanel::CheckRows(bool checked) {
    for (int i = 0; i < Rows->RowCount(); ++i) {
        if (Rows->Rows[i].CheckBox->Enabled()) {
            Rows->Rows[i].CheckBox->SetChecked(checked);
        }
    }
    if (TBitBtn* set = Rows->HostSetButton()) {
        set->SetEnabled(Rows->CountCheckedRows() >= 1);
    }
}

void TSNMPEditorPanel::CheckAllClick(TObject*) {
    CheckRows(true);
}

void TSNMPEditorPanel::ClearChecksClick(TObject*) {
    CheckRows(false);
}

// ---- the table panels

namespace {
constexpr int kListMaxWidth = 450;
constexpr int kListHeight = 350;
constexpr int kListCharWidth = 8;
constexpr uint64_t kEditWaitMs = 1000;
} // namespace

TListViewPanel::TListViewPanel(TControl* owner, VqSNMPRequest2Edits* request) : TPanel(owner) {
    SetParent(owner);
    ListView = new TListView(this);
    ListView->SetParent(this);
    // No automatic row selection: an Add dialog after a read never finds its fields disabled.
    if (request) {
        request->BindListView(ListView, false);
    }
    size_t characters = 0;
    for (int c = 0; c < ListView->Columns().Count(); ++c) {
        characters += ListView->Columns()[c]->Caption().size();
    }
    // The list view has no border of its own to add.
    SetWidth(static_cast<int>(std::min<size_t>(kListMaxWidth, kListCharWidth * characters)));
    SetHeight(kListHeight);
    ListView->SetAlign(alClient);
}

void TListViewPanel::ArrangeCtrlBtn(TCtrlBtnPanel* buttons) {
    for (TControl* shown :
         std::initializer_list<TControl*>{buttons->SamplesLabel, buttons->CountText, buttons->RefreshButton,
                                          buttons->EditButton, buttons->CloseButton}) {
        shown->Show();
    }
    buttons->EditButton->SetEnabled(false);
    buttons->DeleteButton->SetEnabled(false);
    buttons->AddButton->SetVisible(AddRow != -1);
    buttons->DeleteButton->SetVisible(DeleteRow != -1);
    for (TBitBtn* hidden :
         {buttons->SetButton, buttons->CheckAllButton, buttons->ClearChecksButton, buttons->StopButton}) {
        hidden->Hide();
    }
    buttons->ArrangeButtons();
}

TSNMPListViewPanel::TSNMPListViewPanel(TControl* owner, VqSNMPRequest2Edits* request)
    : TSNMPEditorPanel(owner, request) {
    ListPanel = new TListViewPanel(ClientPanel, request);
    TListView* list = ListPanel->ListView;
    list->OnDblClick = Bind(this, &TSNMPListViewPanel::ListDblClick);
    list->OnClick = Bind(this, &TSNMPListViewPanel::ListClick);
    list->OnChange = Bind(this, &TSNMPListViewPanel::ListChange);
    list->OnMouseMove = Bind(this, &TSNMPListViewPanel::ListMouseMove);
    Buttons->RefreshButton->OnClick = Bind(this, &TSNMPListViewPanel::RefreshListClick);
    Buttons->EditButton->OnClick = Bind(this, &TSNMPListViewPanel::EditClick);
    Buttons->AddButton->OnClick = Bind(this, &TSNMPListViewPanel::AddClick);
    Buttons->StopButton->OnClick = Bind(static_cast<TSNMPPanel*>(this), &TSNMPPanel::StopClick);
    Buttons->DeleteButton->OnClick = Bind(this, &TSNMPListViewPanel::DeleteClick);
    ListPanel->ArrangeCtrlBtn(Buttons);
    if (Rows->AllRowsFixed()) {
        Buttons->EditButton->Hide();
        Buttons->ArrangeButtons();
    }
    SetEditor(ListPanel);
}

namespace {
// Checks that the row-status row offers the value; the message names the operation.
void RequireOption(const TEditsPanel* rows, int row, const std::string& value, const std::string& refusal) {
    const bool inRange = row >= 0 && row < rows->RowCount();
    auto* box = inRange ? dynamic_cast<TComboBox*>(rows->Rows[row].Control) : nullptr;
    if (!box || box->Items().IndexOf(value) < 0) {
        throw std::runtime_error(refusal + value);
    }
}
} // namespace

void TSNMPListViewPanel::SetAddStatus(int row, const std::string& value) {
    RequireOption(Rows, row, value, "TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:");
    ListPanel->AddRow = row;
    ListPanel->AddValue = value;
    Buttons->AddButton->Show();
    Buttons->ArrangeButtons();
}

void TSNMPListViewPanel::SetDeleteStatus(int row, const std::string& value) {
    RequireOption(Rows, row, value, "TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:");
    ListPanel->DeleteRow = row;
    ListPanel->DeleteValue = value;
    Buttons->DeleteButton->Show();
    Buttons->ArrangeButtons();
}

void TSNMPListViewPanel::ShowStopButton() {
    Buttons->StopButton->Show();
    Buttons->ArrangeButtons();
}

void TSNMPListViewPanel::UpdateCount() {
    Buttons->CountText->SetCaption(std::to_string(ListPanel->ListView->Items().Count()));
}

void TSNMPListViewPanel::RefreshListClick(TObject* sender) {
    if (Request->Mode == 1 && Request->Busy) {
        return;
    }
    Buttons->EditButton->SetEnabled(false);
    Buttons->DeleteButton->SetEnabled(false);
    RefreshClick(sender);
    UpdateCount();
}

// An Add or Edit dialog: a form of its own whose panel borrows this panel's rows and reports into
// this panel's strip. Whatever happens while it is open, the rows come back hidden into this panel
// and the constraint messages back to the dialog under it.
class TSNMPListViewPanel::SubDialog {
public:
    SubDialog(TSNMPListViewPanel* owner, const std::string& suffix) : Owner(owner) {
        Form.reset(CreateForm<TForm>(Application));
        Form->SetPosition(poOwnerFormCenter);
        Form->SetCaption(owner->SubDialogCaption(suffix));
        owner->Request->SetConstraintOwner(Form.get());
        Panel = new TSNMPPanel(Form.get(), owner->MsgPanel, owner->Request);
        Buttons = Panel->Buttons;
        auto* editor = static_cast<TSNMPEditorPanel*>(owner);
        Buttons->SetButton->OnClick = Bind(editor, &TSNMPEditorPanel::SetClick);
        Buttons->SetButton->SetTag(kTagSubDialogSet);
        Buttons->CheckAllButton->OnClick = Bind(editor, &TSNMPEditorPanel::CheckAllClick);
        Buttons->ClearChecksButton->OnClick = Bind(editor, &TSNMPEditorPanel::ClearChecksClick);
    }
    SubDialog(const SubDialog&) = delete;
    SubDialog& operator=(const SubDialog&) = delete;
    ~SubDialog() {
        TEditsPanel* rows = Owner->Rows;
        rows->Hide();
        rows->SetAlign(alNone);
        rows->SetParent(Owner->ClientPanel);
        rows->ScrollBox->ScrollToTop();
        Form.reset();
        Owner->Request->SetConstraintOwner(Owner->HostForm);
    }

    // The rows as laid out for this dialog, moved into it; the form fitted around them.
    void Install() {
        TEditsPanel* rows = Owner->Rows;
        rows->ArrangeCtrlBtn(Buttons);
        rows->LayoutRows(2, true);
        Buttons->RefreshButton->Hide();
        Buttons->ArrangeButtons();
        Panel->SetEditor(rows);
        Panel->FitForm(Form.get());
    }

    TSNMPListViewPanel* Owner;
    std::unique_ptr<TForm> Form;
    TSNMPPanel* Panel;
    TCtrlBtnPanel* Buttons;
};

std::string TSNMPListViewPanel::SubDialogCaption(const std::string& suffix) const {
    if (auto* form = dynamic_cast<TForm*>(Parent())) {
        return form->Caption() + suffix;
    }
    if (auto* sheet = dynamic_cast<TTabSheet*>(Parent())) {
        return sheet->Caption() + ": " + DeviceAddress + suffix;
    }
    return (HostForm ? HostForm->Caption() : std::string()) + suffix;
}

void TSNMPListViewPanel::AddClick(TObject*) {
    ShowAddDialog();
}

void TSNMPListViewPanel::ShowAddDialog() {
    Rows->ClearRows();
    {
        SubDialog dialog(this, " (Add)");
        for (int i = 0; i < Rows->RowCount(); ++i) {
            UISnmpVar& row = Rows->Rows[i];
            if (Rows->IsIndexRow(i)) {
                Rows->MakeRowEditable(i);
                row.CheckBox->SetChecked(true);
                row.CheckBox->Show();
                row.CheckBox->SetEnabled(false);
                row.Control->SetEnabled(true);
            }
            if (Rows->IsBitListRow(i)) {
                Rows->MakeRowReadOnly(i);
            }
        }
        if (ListPanel->AddRow != -1) {
            UISnmpVar& row = Rows->Rows.at(ListPanel->AddRow);
            row.Control->SetEnabled(false);
            row.Control->Hide();
            row.CheckBox->SetChecked(true);
            row.CheckBox->SetEnabled(false);
            row.CheckBox->Hide();
            row.Label->Hide();
            if (auto* box = dynamic_cast<TComboBox*>(row.Control)) {
                box->SetItemIndex(box->Items().IndexOf(ListPanel->AddValue));
            }
        }
        dialog.Install();
        ListPanel->ListView->SetSelected(nullptr);
        Buttons->EditButton->SetEnabled(false);
        Buttons->DeleteButton->SetEnabled(false);
        dialog.Form->ShowModal();
    }
    RefreshListClick(Buttons->RefreshButton);
}

void TSNMPListViewPanel::EditClick(TObject*) {
    ShowEditDialog();
}

void TSNMPListViewPanel::ShowEditDialog() {
    if (Request->Mode == 1) {
        Request->Request.Active = false;
        Application->WaitUntil([this] { return !Request->Busy; }, kEditWaitMs);
        Request->Request.Active = true;
    }
    {
        SubDialog dialog(this, " (Edit)");
        dialog.Buttons->SetButton->SetEnabled(false);
        Rows->SetRowsEditable(false);
        for (int i = 0; i < Rows->RowCount(); ++i) {
            if (Rows->IsBitListRow(i)) {
                Rows->MakeRowReadOnly(i);
            }
        }
        if (ListPanel->AddRow != -1) {
            UISnmpVar& row = Rows->Rows.at(ListPanel->AddRow);
            const bool shown = row.Control->Tag() == kTagKeepActive;
            for (TControl* control : std::initializer_list<TControl*>{row.CheckBox, row.Control, row.Label}) {
                control->SetVisible(shown);
            }
        }
        dialog.Install();

        // The row-status values that create and delete rows are not offered while a row is
        // edited; the combo boxes get their items back, in order, when the dialog closes.
        struct Offered {
            int Row;
            TComboBox* Box;
            std::vector<std::string> Items;
            bool Hidden = false;
        };
        struct Restore {
            TEditsPanel* Rows;
            std::vector<Offered> List;
            ~Restore() {
                for (Offered& o : List) {
                    if (o.Hidden) {
                        Rows->ShowRow(o.Row);
                    }
                    o.Box->Items().Assign(o.Items);
                }
            }
        } restore{Rows, {}};
        auto withdraw = [&](int row, const std::string& value) {
            auto* box = row == -1 ? nullptr : dynamic_cast<TComboBox*>(Rows->Rows.at(row).Control);
            if (!box) {
                return;
            }
            auto known = std::find_if(restore.List.begin(), restore.List.end(),
                                      [row](const Offered& o) { return o.Row == row; });
            if (known == restore.List.end()) {
                restore.List.push_back({row, box, box->Items().List()});
            }
            const int index = box->Items().IndexOf(value);
            if (index >= 0) {
                box->Items().Delete(index);
            }
        };
        withdraw(ListPanel->AddRow, ListPanel->AddValue);
        withdraw(ListPanel->DeleteRow, ListPanel->DeleteValue);
        for (Offered& o : restore.List) {
            if (o.Box->Items().Count() == 0) {
                Rows->HideRow(o.Row);
                o.Hidden = true;
            }
        }
        dialog.Form->ShowModal();
    }
    RefreshListClick(Buttons->RefreshButton);
}

void TSNMPListViewPanel::DeleteClick(TObject*) {
    if (MessageDlg("Are you sure to delete it?", mtConfirmation, mbOK | mbCancel) != mrOk) {
        return;
    }
    const uint8_t savedMode = Request->Mode;
    Request->Mode = 0;
    Request->Request.Active = true;
    VqSNMPVarList& list = Request->Request.VarList;
    const int deleteRow = ListPanel->DeleteRow;
    SkipFlagScope leftOut(Request->Request);
    for (int i = list.KeyCount; i < list.GetCount(); ++i) {
        if (i != deleteRow && !(list.GetVariable(i).Access & acInvalid)) {
            leftOut.Skip(i);
        }
    }
    // The selected row's keys name the instance; the SET carries the delete value alone.
    try {
        const std::vector<std::string> values{ListPanel->DeleteValue};
        Request->Set(false, true, std::to_string(deleteRow), &values);
    } catch (const std::exception& e) {
        Request->ShowStatus(e.what());
    }
    leftOut.Restore();
    // Still synchronous: the list shown when Delete returns is the one read after the SET.
    RefreshListClick(Buttons->RefreshButton);
    Request->Mode = savedMode;
}

void TSNMPListViewPanel::ListClick(TObject*) {
    Request->Request.Active = false;
    const bool selected = ListPanel->ListView->Selected() != nullptr;
    Buttons->EditButton->SetEnabled(selected);
    Buttons->DeleteButton->SetEnabled(selected);
    if (!selected) {
        Rows->ClearRows();
    }
}

void TSNMPListViewPanel::ListDblClick(TObject*) {
    if (ListPanel->ListView->Selected() && Buttons->EditButton->OnClick) {
        Buttons->EditButton->OnClick(Buttons->EditButton);
    }
}

void TSNMPListViewPanel::ListChange(TObject*, TListItem*, TItemChange) {
    UpdateCount();
}

void TSNMPListViewPanel::ListMouseMove(TObject*, TShiftState, int x, int y) {
    TListView* list = ListPanel->ListView;
    TListItem* item = list->GetItemAt(x, y);
    if (!item) {
        list->SetShowHint(false);
        return;
    }
    size_t longest = 0;
    for (int c = 0; c < list->Columns().Count(); ++c) {
        longest = std::max(longest, list->Columns()[c]->Caption().size());
    }
    // The values line up behind captions padded with one TAB per missing character.
    std::string hint;
    for (int c = 0; c < list->Columns().Count(); ++c) {
        const std::string& caption = list->Columns()[c]->Caption();
        hint += caption + std::string(longest - caption.size(), '\t') + "  ";
        if (c == 0) {
            hint += item->Caption();
        } else if (c - 1 < item->SubItems().Count()) {
            hint += item->SubItems()[c - 1];
        }
        hint += "\n";
    }
    list->SetHint(hint);
    list->SetShowHint(true);
}
