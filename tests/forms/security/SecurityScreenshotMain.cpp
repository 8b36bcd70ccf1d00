// Writes pictures of the AAA dialogs, filled from the simulated switch, to look at how they lay
// out: the login, enable and accounting method lists with the list "Default" selected, and the
// server host table with its radius server selected.
//   bash scripts/with-display.sh build/test/tests/forms/security/security_screenshots DIR
// writes DIR/aaa-login-lists.png, aaa-enable-lists.png, aaa-acct-lists.png and aaa-servers.png.
// Not a test: nothing here is checked automatically.
#include "ACCTMethodListFormUnit.h"
#include "AaaScenario.h"
#include "DedicatedScreenshotStage.h"
#include "LoginMethodListFormUnit.h"
#include "ServerInformationFormUnit.h"

#include <functional>
#include <string>

namespace {

// Selects the row whose caption is `caption`.
void SelectRow(TListView* list, const std::string& caption) {
    for (int i = 0; i < list->Items().Count(); ++i) {
        if (list->Items()[i]->Caption() == caption) {
            list->SetSelected(list->Items()[i]);
        }
    }
}

// Shows the dialog modally with the caption its menu command gives, selects the row, pictures it.
template <class T>
void Picture(T* dialog, const std::string& title, const std::string& row, const QString& file) {
    dialog->SetCaption(title + Facts().DeviceAddress);
    SetModalHook([&](TForm* form) {
        WaitRead(dialog->Table);
        SelectRow(dialog->ListView1, row);
        dialog->ListView1Click(nullptr);
        GrabForm(form, file);
        form->Close();
    });
    dialog->ShowModal();
    delete dialog;
}

} // namespace

int main(int argc, char** argv) {
    const std::string scenario = aaa_scenario::Scenario();
    DedicatedScreenshotStage stage(argc, argv, scenario.c_str());
    const QString& dir = stage.Dir;

    Picture(CreateForm<TLoginMethodListForm>(Application, 1), "AAC Login Method List Table: ", "Default",
            dir + "/aaa-login-lists.png");
    Picture(CreateForm<TLoginMethodListForm>(Application, 0), "AAC Enable Method List Table: ", "Default",
            dir + "/aaa-enable-lists.png");
    ACCTMethodListForm = CreateForm<TACCTMethodListForm>(Application, 0);
    Picture(ACCTMethodListForm, "AAC ACCT Method List Table: ", "Default", dir + "/aaa-acct-lists.png");
    ACCTMethodListForm = nullptr;
    ServerInformationForm = CreateForm<TServerInformationForm>(Application);
    Picture(ServerInformationForm, "AAC Server Information Table: ", "10.1.1.2", dir + "/aaa-servers.png");
    ServerInformationForm = nullptr;
    return PicturesExitStatus();
}
