// Writes pictures of the LLDP dialogs filled from the simulated switch (LldpTablesScenario.h): the port
// configuration table (port 3 chosen) and its TLV chooser open over it, the 802.3 port
// configuration table (port 1 chosen) and its chooser, the local link aggregation table, the local
// system data, the remote table and the three 802.1 configuration tables (the first row chosen).
//   bash scripts/with-display.sh build/test/tests/forms/layer2/lldp_screenshots DIR
// writes DIR/lldp-port-config.png, lldp-port-config-chooser.png, lldp-dot3-port-config.png,
// lldp-dot3-chooser.png, lldp-link-aggregation.png, lldp-local-system.png, lldp-remote.png,
// lldp-dot1-protocol.png, lldp-dot1-protocol-vlan.png and lldp-dot1-vlan-name.png. Not a test:
// nothing here is checked automatically.
#include "DedicatedScreenshotStage.h"
#include "LldpTablesScenario.h"
#include "Lldpdot1configprotocolunit.h"
#include "Lldpdot1configprotocolvlanunit.h"
#include "Lldpdot1configvlannameunit.h"
#include "Lldpdot3linkaggtable.h"
#include "Lldpdot3portconfigtable.h"
#include "Lldplocalsysdatatable.h"
#include "Lldpportconfigtable.h"
#include "Lldpremotetable.h"
#include "TEdit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cstdio>

namespace {

// Lets both forms paint and writes the screen's picture of the two, one over the other.
void GrabFormOver(TForm* over, TForm* under, const QString& path) {
    for (int i = 0; i < 5; ++i) {
        Application->ProcessMessages();
    }
    const QRect area = under->Widget()->frameGeometry().united(over->Widget()->frameGeometry());
    QPixmap picture =
        QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    if (SavePicture(picture, path)) {
        std::printf("%s: %dx%d\n", qPrintable(path), picture.width(), picture.height());
    }
}

template <class T> void Choose(T* d, int row) {
    d->Table.List->SetSelected(d->Table.List->Items()[row]);
}

// A port configuration dialog with a port chosen, pictured, then its chooser opened over it and
// pictured too.
template <class T>
void ShootWithChooser(T*& instance, const std::string& title, const QString& file, const QString& chooserFile,
                      int row) {
    instance = CreateForm<T>(Application);
    instance->SetCaption(title + Facts().DeviceAddress);
    SetModalHook([&](TForm* form) {
        if (form == instance) {
            WaitRead(instance->Table);
            Choose(instance, row);
            GrabForm(form, file);
            instance->TLVsEditClick(nullptr);
            form->Close();
        } else {
            GrabFormOver(form, instance, chooserFile);
            form->Close();
        }
    });
    instance->ShowModal();
    delete instance;
    instance = nullptr;
}

template <class T> void ShootFirstChosen(T*& instance, const std::string& title, const QString& file) {
    ShootDialog<T>(instance, title, file, [](T* d) { Choose(d, 0); });
}

} // namespace

int main(int argc, char** argv) {
    const std::string scenario = LldpScenario();
    DedicatedScreenshotStage stage(argc, argv, scenario.c_str());
    const QString& dir = stage.Dir;
    ShootWithChooser<TLLDPPortConfigForm>(LLDPPortConfigForm,
                                          "LLDP Port Configuration Table: ", dir + "/lldp-port-config.png",
                                          dir + "/lldp-port-config-chooser.png", 2);
    ShootWithChooser<TLLDPDot3PortConfigForm>(
        LLDPDot3PortConfigForm, "LLDP-Dot3 Port Configuration Table: ", dir + "/lldp-dot3-port-config.png",
        dir + "/lldp-dot3-chooser.png", 0);
    ShootDialog<TLLDPDot3LinkAggForm>(LLDPDot3LinkAggForm, "LLDP-Dot3 Local Link Aggregation Table: ",
                                      dir + "/lldp-link-aggregation.png", [](TLLDPDot3LinkAggForm*) {});
    ShootDialog<TLLDPLocSysDataForm>(LLDPLocSysDataForm,
                                     "LLDP Local System Data: ", dir + "/lldp-local-system.png",
                                     [](TLLDPLocSysDataForm*) {});
    ShootDialog<TLLDPRemoteForm>(LLDPRemoteForm, "LLDP Remote Table: ", dir + "/lldp-remote.png",
                                 [](TLLDPRemoteForm*) {});
    ShootFirstChosen<TLLDPConfigProtocolForm>(
        LLDPConfigProtocolForm, "LLDP-Dot1 Configuration Protocol Table: ", dir + "/lldp-dot1-protocol.png");
    ShootFirstChosen<TLLDPConfigProtocolVLANForm>(
        LLDPConfigProtocolVLANForm,
        "LLDP-Dot1 Configuration Protocol VLAN  Table: ", dir + "/lldp-dot1-protocol-vlan.png");
    ShootFirstChosen<TLLDPConfigVLANNameForm>(
        LLDPConfigVLANNameForm,
        "LLDP-Dot1 Configuration VLAN Name Table: ", dir + "/lldp-dot1-vlan-name.png");
    return PicturesExitStatus();
}
