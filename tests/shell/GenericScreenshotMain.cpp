// Writes pictures of the generic dialog filled from the simulated switch, to look at how its
// panels lay out: an editor, a table (and its Add dialog) and a paged dialog.
//   bash scripts/with-display.sh build/test/tests/shell/generic_screenshots DIR
// writes DIR/editor.png, table.png, table-add.png, pages.png (the first page) and pages-oui.png (the last).
// Not a test: nothing here is checked automatically.
#include "GUIConfigForm.h"
#include "Oid_ddm.h"
#include "Oid_voicevlan.h"
#include "Oid_wac.h"
#include "SimScreenshots.h"
#include "TApplication.h"
#include "VqSNMPRequest2Edits.h"

#include <QApplication>
#include <QDir>
#include <functional>
#include <memory>
#include <string>

namespace {

const char* const kScenario = R"({
  "objects": [
    ["1.3.6.1.4.1.746.12.27.1.1.0", "int", 3, "rw"], ["1.3.6.1.4.1.746.12.27.1.2.0", "int", 1, "rw"],
    ["1.3.6.1.4.1.746.12.27.1.5.0", "string", "/home", "rw"], ["1.3.6.1.4.1.746.12.27.1.7.0", "ip", "10.90.90.90", "rw"],
    ["1.3.6.1.4.1.746.12.27.1.8.0", "int", 1, "rw"], ["1.3.6.1.4.1.746.12.27.1.9.0", "int", 80, "rw"],
    ["1.3.6.1.4.1.746.12.27.1.11.0", "int", 2, "rw"], ["1.3.6.1.4.1.746.12.27.1.12.0", "int", 1, "rw"],
    ["1.3.6.1.4.1.746.12.27.1.13.0", "int", 1, "rw"],
    ["1.3.6.1.4.1.746.12.27.1.14.0", "hex", "FE800000000000000000000000000001", "rw"],
    ["1.3.6.1.4.1.746.12.27.1.15.0", "int", 2, "rw"], ["1.3.6.1.4.1.746.12.27.1.30.0", "string", "Welcome", "rw"],
    ["1.3.6.1.4.1.746.12.27.1.31.0", "string", "Login", "rw"], ["1.3.6.1.4.1.746.12.27.1.32.0", "string", "User Name", "rw"],
    ["1.3.6.1.4.1.746.12.27.1.33.0", "string", "Password", "rw"], ["1.3.6.1.4.1.746.12.27.1.34.0", "string", "Logout", "rw"],
    ["1.3.6.1.4.1.746.12.27.1.35.0", "string", "Please log in", "rw"],
    ["1.3.6.1.4.1.746.12.27.1.36.0", "string", "to reach the network", "rw"],
    ["1.3.6.1.4.1.746.12.27.1.37.0", "string", "", "rw"], ["1.3.6.1.4.1.746.12.27.1.38.0", "string", "", "rw"],
    ["1.3.6.1.4.1.746.12.27.1.39.0", "string", "", "rw"],
    ["1.3.6.1.4.1.746.12.72.1.1.0", "int", 1, "rw"], ["1.3.6.1.4.1.746.12.72.1.2.0", "int", 2, "rw"],
    ["1.3.6.1.4.1.746.12.72.1.3.0", "int", 1, "rw"]],
  "tables": [
    {"entry": "1.3.6.1.4.1.746.12.74.3.1.1", "columns": [[2, "hex", "rw"], [3, "string", "rw"], [4, "rowstatus"]],
     "rows": [["0.1.227.0.0.0", "FFFFFF000000", "Siemens", 1], ["0.208.184.0.0.0", "FFFFFF000000", "Veritel", 1],
              ["0.224.117.0.0.0", "FFFFFF000000", "Polycom", 1], ["0.224.187.0.0.0", "FFFFFF000000", "3Com", 1]]},
    {"entry": "1.3.6.1.4.1.746.12.72.2.1.1.1", "columns": [[2, "string"], [3, "string"], [4, "string"],
      [5, "string"], [6, "string"]],
     "rows": [["25", "35.2", "3.30", "6.1", "-2.2", "-5.0"], ["26", "36.0", "3.29", "6.4", "-2.0", "-4.8"],
              ["27", "34.9", "3.31", "5.9", "-2.4", "-5.3"], ["28", "35.5", "3.30", "6.0", "-2.1", "-4.9"]]}]})";

VqSNMPRequest2Edits* NewRequest(TForm* owner, const MibTableRow* table, int kind, int keyCount) {
    auto* request = new VqSNMPRequest2Edits(owner);
    request->Request.VarList = VqSNMPVarList(table, kind, keyCount);
    return request;
}

// Shows the dialog; once the request has read, `shown` runs and the dialog's picture is written
// before it closes. A sub-dialog that `shown` opens is pictured into subPath and closed.
void ShowAndGrab(TConfigForm* dialog, VqSNMPRequest2Edits* request, const QString& path,
                 const std::function<void()>& shown = {}, const QString& subPath = {}) {
    SetModalHook([&](TForm* form) {
        if (form != dialog) {
            GrabForm(form, subPath);
            form->Close();
            return;
        }
        Application->WaitUntil([&] { return !request->Busy; }, 10000);
        if (shown) {
            shown();
        }
        GrabForm(form, path);
        form->Close();
    });
    dialog->ShowModal();
    SetModalHook(nullptr);
    delete dialog;
}

} // namespace

int main(int argc, char** argv) {
    QApplication qtApp(argc, argv);
    Application->Initialize(argc, argv);
    Application->SetTitle("ZQS-4410-Series");
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    MakePictureFolder(dir);

    SimAgent agent;
    agent.LoadScenario(kScenario);
    ScreenshotSession session(agent);
    const std::string address = agent.Address();

    TConfigForm* editor = CreateForm<TConfigForm>(Application);
    VqSNMPRequest2Edits* wac = NewRequest(editor, WACGlobalSettings, SVT_SV, 0);
    // The note stands beside the HTTP Port edit, clear of its border; the dialog widens to hold it.
    TEditsPanel* rows = editor->SetEditorPanel(wac)->Rows;
    const TControl* port = rows->Rows[5].Control;
    rows->ShowNote("(0 = No Limit)", clRed, 7, port->Left() + port->Width() + 8, port->Top() + 4);
    editor->SetWidth(editor->Width() + 80);
    editor->SetCaption("Web-based Access Control Global Settings: " + address);
    ShowAndGrab(editor, wac, dir + "/editor.png");

    TConfigForm* table = CreateForm<TConfigForm>(Application);
    VqSNMPRequest2Edits* oui = NewRequest(table, VoiceVLANOUITable, MVT_UMV, 1);
    TSNMPListViewPanel* list = table->SetListViewPanel(oui, 3, "createAndGo", 3, "destroy");
    table->SetHeight(450);
    table->SetCaption("Voice VLAN OUI Table: " + address);
    ShowAndGrab(
        table, oui, dir + "/table.png",
        [&] {
            list->ShowAddDialog();
            Application->WaitUntil([&] { return !oui->Busy; }, 10000);
            list->ListPanel->ListView->SetSelected(list->ListPanel->ListView->Items()[1]);
        },
        dir + "/table-add.png");

    TConfigForm* pages = CreateForm<TConfigForm>(Application);
    pages->SetBounds(0, 0, 600, 600);
    pages->SetPagePanel();
    VqSNMPRequest2Edits* settings = NewRequest(pages, DDMInformationSettings, MVT_FMV, 0);
    pages->AddEditorPage("DDM Settings", settings);
    pages->AddListViewPage("DDM Status", NewRequest(pages, DDMStatusTable, MVT_FMV, 1), -1, nullptr, -1,
                           nullptr);
    VqSNMPRequest2Edits* ouiPage = NewRequest(pages, VoiceVLANOUITable, MVT_UMV, 1);
    pages->AddListViewPage("Voice VLAN OUI", ouiPage, 3, "createAndGo", 3, "destroy");
    pages->SetCaption("DDM and Voice VLAN: " + address);
    ShowAndGrab(pages, settings, dir + "/pages-oui.png", [&] {
        GrabForm(pages, dir + "/pages.png");
        pages->PageControl->SetActivePageIndex(2);
        pages->RefreshCurrent();
        Application->WaitUntil([&] { return !ouiPage->Busy; }, 10000);
    });

    Application->DestroyForms();
    return PicturesExitStatus();
}
