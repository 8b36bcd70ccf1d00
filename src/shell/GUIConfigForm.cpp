#include "GUIConfigForm.h"

#include "TApplication.h"
#include "VqSNMPRequest2Edits.h"

#include <algorithm>
#include <stdexcept>

TConfigForm* ConfigForm = nullptr;

namespace {
constexpr const char* kChangeTypeRefusal = "Can not change Type of a Config Form!";
constexpr const char* kEditorPageRefusal = "Can not add editor page to a none-page pannel!";
constexpr const char* kListPageRefusal = "Can not add listview page to a none-page pannel!";
// The toolkit's tab height of a page control: 0 sizes the tabs automatically.
constexpr int kTabHeight = 0;
} // namespace

TConfigForm::TConfigForm(TComponent* owner) : TForm(owner) {
    SetCaption("ConfigForm");
    SetBounds(Left(), Top(), 159, 105);
    SetColor(clBtnFace);
    OnClose = Bind(this, &TConfigForm::FormClose);
    SetPosition(poMainFormCenter);
    PostMessage(this, StartReadMessage, 0, 0);
}

TConfigForm::~TConfigForm() {
    StopRequests();
    for (VqSNMPRequest2Edits* request : Requests) {
        delete request;
    }
}

void TConfigForm::RequireType(uint8_t type, const char* refusal) const {
    if (FormType != type) {
        throw std::runtime_error(refusal);
    }
}

TSNMPEditorPanel* TConfigForm::SetEditorPanel(VqSNMPRequest2Edits* request) {
    RequireType(ftNone, kChangeTypeRefusal);
    FormType = ftEditor;
    Requests.push_back(request);
    auto* panel = new TSNMPEditorPanel(this, request);
    panel->FitForm(this);
    return panel;
}

TSNMPListViewPanel* TConfigForm::SetListViewPanel(VqSNMPRequest2Edits* request, int addRow,
                                                  const char* addValue, int deleteRow,
                                                  const char* deleteValue) {
    RequireType(ftNone, kChangeTypeRefusal);
    FormType = ftTable;
    Requests.push_back(request);
    auto* panel = new TSNMPListViewPanel(this, request);
    panel->FitForm(this);
    ApplyRowStatus(panel, addRow, addValue, deleteRow, deleteValue);
    return panel;
}

void TConfigForm::ApplyRowStatus(TSNMPListViewPanel* panel, int addRow, const char* addValue, int deleteRow,
                                 const char* deleteValue) {
    if (addValue) {
        panel->SetAddStatus(addRow, addValue);
    }
    if (deleteValue) {
        panel->SetDeleteStatus(deleteRow, deleteValue);
    }
}

void TConfigForm::SetPagePanel() {
    RequireType(ftNone, kChangeTypeRefusal);
    FormType = ftPages;
    PageControl = new TPageControl(this);
    PageControl->SetParent(this);
    PageControl->OnChange = Bind(this, &TConfigForm::RefreshCurrent);
}

TTabSheet* TConfigForm::AddPage(const std::string& caption, const char* refusal) {
    RequireType(ftPages, refusal);
    auto* sheet = new TTabSheet(PageControl);
    sheet->SetCaption(caption);
    sheet->SetTag(PageControl->PageCount());
    sheet->SetAlign(alNone);
    sheet->SetPageControl(PageControl);
    PageControl->SetAlign(alNone);
    return sheet;
}

void TConfigForm::FitPage(TTabSheet* sheet, TSNMPPanel* panel) {
    // The page grows to what its panel needs before the panel is aligned to it, so the dialog
    // grows to its largest page.
    const int panelWidth = panel->Width();
    const int panelHeight = panel->Height();
    panel->FitForm(this);
    sheet->SetBounds(sheet->Left(), sheet->Top(), std::max(sheet->Width(), panelWidth),
                     std::max(sheet->Height(), panelHeight));
    PageControl->SetBounds(PageControl->Left(), PageControl->Top(),
                           std::max(PageControl->Width(), sheet->Width()),
                           std::max(PageControl->Height(), kTabHeight + sheet->Height()));
    sheet->SetAlign(alClient);
    SetClientWidth(std::max(ClientWidth(), PageControl->Width()));
    SetClientHeight(std::max(ClientHeight(), PageControl->Height()));
    PageControl->SetAlign(alClient);
}

TSNMPEditorPanel* TConfigForm::AddEditorPage(const std::string& caption, VqSNMPRequest2Edits* request) {
    TTabSheet* sheet = AddPage(caption, kEditorPageRefusal);
    Requests.push_back(request);
    auto* panel = new TSNMPEditorPanel(sheet, request);
    FitPage(sheet, panel);
    return panel;
}

TSNMPListViewPanel* TConfigForm::AddListViewPage(const std::string& caption, VqSNMPRequest2Edits* request,
                                                 int addRow, const char* addValue, int deleteRow,
                                                 const char* deleteValue) {
    TTabSheet* sheet = AddPage(caption, kListPageRefusal);
    Requests.push_back(request);
    auto* panel = new TSNMPListViewPanel(sheet, request);
    FitPage(sheet, panel);
    ApplyRowStatus(panel, addRow, addValue, deleteRow, deleteValue);
    return panel;
}

void TConfigForm::RefreshCurrent(TObject*) {
    VqSNMPRequest2Edits* chosen = nullptr;
    if (FormType == ftEditor || FormType == ftTable) {
        chosen = Requests.empty() ? nullptr : Requests.front();
    } else if (FormType == ftPages) {
        TTabSheet* page = PageControl->ActivePage();
        const int tag = page ? page->Tag() : -1;
        chosen = tag >= 0 && tag < static_cast<int>(Requests.size()) ? Requests[tag] : nullptr;
    }
    if (!chosen) {
        return;
    }
    // The walk of the page left ends at its next reply.
    if (CurrentRequest) {
        CurrentRequest->Request.Active = false;
    }
    CurrentRequest = chosen;
    chosen->Request.Active = true;
    try {
        chosen->Get();
    } catch (const std::exception& e) {
        chosen->ShowStatus(e.what());
    }
}

void TConfigForm::StopRequests() {
    // Every read is stopped before any request goes, so that no handler that runs while the
    // others are waited for meets a request already deleted.
    for (VqSNMPRequest2Edits* request : Requests) {
        if (request->ListView) {
            request->ListView->SetSelected(nullptr);
        }
        request->Request.Active = false;
    }
    for (VqSNMPRequest2Edits* request : Requests) {
        Application->WaitUntil([request] { return !request->Busy; },
                               ReplyWaitBoundMs(request->Request.Timeout, request->Request.Retries));
        // One reply's whole wait is all a held reply gets: what is still out is forgotten now,
        // not waited for a second time when the request is deleted.
        request->Request.Close(0);
    }
}

void TConfigForm::FormClose(TObject*, TCloseAction&) {
    StopRequests();
    std::vector<VqSNMPRequest2Edits*> requests;
    requests.swap(Requests);
    CurrentRequest = nullptr;
    for (VqSNMPRequest2Edits* request : requests) {
        delete request;
    }
}

void TConfigForm::WndProc(TMessage& message) {
    if (message.Msg == StartReadMessage) {
        RefreshCurrent();
        return;
    }
    TForm::WndProc(message);
}
