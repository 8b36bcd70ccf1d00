#include "TEditsPanel.h"

#include "TApplication.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TCtrlBtnPanel.h"
#include "TEdit.h"
#include "TForm.h"
#include "TSNMPPanel.h"
#include "UserDialogs.h"
#include "VqSNMPRequest2Edits.h"

#include <algorithm>
#include <exception>
#include <stdexcept>

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

TPanel* TEditsPanel::ReplaceRowControl(int row, TComponent* owner) {
    UISnmpVar& r = Row(row);
    Request->UnbindColumn(row);
    TControl* replaced = r.Control;
    auto* panel = new TPanel(owner);
    panel->SetBevelInner(bvNone);
    panel->SetBevelOuter(bvNone);
    panel->SetParent(replaced->Parent());
    panel->SetBounds(replaced->Left(), replaced->Top(), replaced->Width(), replaced->Height());
    panel->SetEnabled(replaced->Enabled());
    panel->SetVisible(replaced->Visible());
    r.ControlType = rcOwnControl;
    r.Control = panel;
    delete replaced;
    return panel;
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
