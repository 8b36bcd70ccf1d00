#include "TListViewPanel.h"

#include "TCtrlBtnPanel.h"
#include "VqSNMPRequest2Edits.h"

#include <algorithm>

namespace {
constexpr int kListMaxWidth = 450;
constexpr int kListHeight = 350;
constexpr int kListCharWidth = 8;
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
