// The generic dialog, built at run time over catalogue tables: an editor of scalars or one row, a
// list of a table's rows, or pages of either. Each panel or page drives one VqSNMPRequest2Edits,
// which the dialog owns once a layout operation has taken it. The first read runs inside the
// modal loop; every turn to a page reads that page again.
//
// Use: CreateForm<TConfigForm>(Application); one request per panel, its variable list assigned;
// exactly one layout (SetEditorPanel, SetListViewPanel, or SetPagePanel and its pages); adjust the
// panels; set the size and the caption; ShowModal; delete the dialog.
#pragma once

#include "TForm.h"
#include "TPageControl.h"
#include "TSNMPListViewPanel.h"

#include <cstdint>
#include <string>
#include <vector>

class VqSNMPRequest2Edits;

// Posted by the dialog to itself when it is made, so that its first read runs in the modal loop.
constexpr unsigned StartReadMessage = 0x8000 + 1234; // WM_APP + 1234

class TConfigForm : public TForm {
public:
    explicit TConfigForm(TComponent* owner);
    // Stops and deletes the requests a close has not deleted.
    ~TConfigForm() override;

    enum : uint8_t { ftNone = 0, ftEditor = 1, ftTable = 2, ftPages = 3 };
    uint8_t FormType = ftNone;
    std::vector<VqSNMPRequest2Edits*> Requests; // owned; a page's request stands at its Tag
    TPageControl* PageControl = nullptr;
    VqSNMPRequest2Edits* CurrentRequest = nullptr;

    // Layouts. Each takes the request over (a refused call leaves it with the caller). A null add
    // (or delete) value leaves Add (or Delete) out.
    TSNMPEditorPanel* SetEditorPanel(VqSNMPRequest2Edits* request);
    TSNMPListViewPanel* SetListViewPanel(VqSNMPRequest2Edits* request, int addRow, const char* addValue,
                                         int deleteRow, const char* deleteValue);
    void SetPagePanel();
    TSNMPEditorPanel* AddEditorPage(const std::string& caption, VqSNMPRequest2Edits* request);
    TSNMPListViewPanel* AddListViewPage(const std::string& caption, VqSNMPRequest2Edits* request, int addRow,
                                        const char* addValue, int deleteRow, const char* deleteValue);

    // Reads the request of the panel or page shown, stopping the one read before.
    void RefreshCurrent(TObject* sender = nullptr);
    void FormClose(TObject* sender, TCloseAction& action);
    // StartReadMessage runs RefreshCurrent; every other message goes to the form.
    void WndProc(TMessage& message) override;

private:
    void RequireType(uint8_t type, const char* refusal) const;
    TTabSheet* AddPage(const std::string& caption, const char* refusal);
    void FitPage(TTabSheet* sheet, TSNMPPanel* panel);
    static void ApplyRowStatus(TSNMPListViewPanel* panel, int addRow, const char* addValue, int deleteRow,
                               const char* deleteValue);
    void StopRequests();
};

// The dialog a menu command keeps while it is open; nothing reads it.
extern TConfigForm* ConfigForm;
