// Writes pictures of the AAA dialogs, filled from the simulated switch, to look at how they lay
// out: the server host table with its radius server selected.
//   xvfb-run -a ./security_screenshots DIR
// writes DIR/aaa-servers.png. Not a test: nothing here is checked automatically.
#include "AaaScenario.h"
#include "DedicatedScreenshotStage.h"
#include "ServerInformationFormUnit.h"

namespace {

bool WaitRead(const TableDialogController& table) {
    return Application->WaitUntil([&] { return table.DataComplete && table.Request && !table.Request->Busy; },
                                  10000);
}

} // namespace

int main(int argc, char** argv) {
    const std::string scenario = aaa_scenario::Scenario();
    DedicatedScreenshotStage stage(argc, argv, scenario.c_str());
    const QString& dir = stage.Dir;

    ServerInformationForm = CreateForm<TServerInformationForm>(Application);
    ServerInformationForm->SetCaption("AAC Server Information Table: " + Facts().DeviceAddress);
    SetModalHook([&](TForm* form) {
        WaitRead(ServerInformationForm->Table);
        TListView* list = ServerInformationForm->ListView1;
        for (int i = 0; i < list->Items().Count(); ++i) {
            if (list->Items()[i]->Caption() == "10.1.1.2") {
                list->SetSelected(list->Items()[i]);
            }
        }
        ServerInformationForm->ListView1Click(nullptr);
        GrabForm(form, dir + "/aaa-servers.png");
        form->Close();
    });
    ServerInformationForm->ShowModal();
    delete ServerInformationForm;
    ServerInformationForm = nullptr;
    return 0;
}
