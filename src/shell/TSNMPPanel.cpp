#include "TSNMPPanel.h"

#include "TApplication.h"
#include "TForm.h"
#include "UserDialogs.h"
#include "VqSNMPRequest2Edits.h"

#include <algorithm>
#include <exception>
#include <stdexcept>

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
