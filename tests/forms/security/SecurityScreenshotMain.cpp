// Writes pictures of the AAA dialogs, filled from the simulated switch, to look at how they lay
// out: the login, enable and accounting method lists with the list "Default" selected, and the
// server host table with its radius server selected.
//   bash scripts/with-display.sh build/test/tests/forms/security/security_screenshots DIR
// writes DIR/aaa-login-lists.png, aaa-enable-lists.png, aaa-acct-lists.png and aaa-servers.png.
// Not a test: nothing here is checked automatically.
#include "ACCTMethodListFormUnit.h"
#include "AaaScenario.h"
#include "CatalogueColumns.h"
#include "DedicatedScreenshotStage.h"
#include "LoginMethodListFormUnit.h"
#include "ServerInformationFormUnit.h"

#include <functional>
#include <string>

namespace {

// The list's name in the three method-list tables; the server's address.
constexpr int kListName = ColumnOf(Columns::LoginMethodListMethod1Type, "Login Method List Name");
constexpr int kServerIp = ColumnOf(Columns::ServerInformation, "IP");

// Shows the dialog modally with the caption its menu command gives, selects the row whose cell
// matches, pictures it.
template <class T>
void Picture(T* dialog, const std::string& title, const CellMatch& row, const QString& file) {
    dialog->SetCaption(title + Facts().DeviceAddress);
    SetModalHook([&](TForm* form) {
        WaitRead(dialog->Table);
        if (TListItem* item = dialog->Table.FindRow({row})) {
            dialog->ListView1->SetSelected(item);
        }
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

    Picture(CreateForm<TLoginMethodListForm>(Application, 1),
            "AAC Login Method List Table: ", {kListName, "Default"}, dir + "/aaa-login-lists.png");
    Picture(CreateForm<TLoginMethodListForm>(Application, 0),
            "AAC Enable Method List Table: ", {kListName, "Default"}, dir + "/aaa-enable-lists.png");
    ACCTMethodListForm = CreateForm<TACCTMethodListForm>(Application, 0);
    Picture(ACCTMethodListForm, "AAC ACCT Method List Table: ", {kListName, "Default"},
            dir + "/aaa-acct-lists.png");
    ACCTMethodListForm = nullptr;
    ServerInformationForm = CreateForm<TServerInformationForm>(Application);
    Picture(ServerInformationForm, "AAC Server Information Table: ", {kServerIp, "10.1.1.2"},
            dir + "/aaa-servers.png");
    ServerInformationForm = nullptr;
    return PicturesExitStatus();
}
