#include "FrontPanelForms.h"

#include "DeviceFacts.h"
#include "FrontPanelForm.h"
#include "MainUnit.h"
#include "PanelPictures.h"
#include "PanelZQS441024PCFormUnit.h"
#include "PanelZQS441024SCDCFormUnit.h"
#include "PanelZQS441024SCFormUnit.h"
#include "PanelZQS441024TCFormUnit.h"
#include "PanelZQS441048PCFormUnit.h"
#include "PanelZQS441048TCFormUnit.h"
#include "TImageList.h"
#include "TStatusBar.h"

FrontPanelHost MainWindowPanelHost() {
    FrontPanelHost host;
    host.SysObjectId = Facts().SysObjectId;
    host.StackMode = Facts().StackMode;
    if (MainForm) {
        if (MainForm->ImageList1->Count() == 0)
            LoadUnitDigitImages(*MainForm->ImageList1);
        host.UnitDigits = MainForm->ImageList1;
        host.StatusPanel = MainForm->StatusBar->Panels()[0];
    }
    return host;
}

void RegisterFrontPanelForms(FrontPanelHostSource host) {
    RegisterFrontPanelForm(0, &MakeFrontPanelForm<TPanelZQS441024TCForm>);
    RegisterFrontPanelForm(1, &MakeFrontPanelForm<TPanelZQS441024PCForm>);
    RegisterFrontPanelForm(2, &MakeFrontPanelForm<TPanelZQS441024SCForm>);
    RegisterFrontPanelForm(3, &MakeFrontPanelForm<TPanelZQS441048TCForm>);
    RegisterFrontPanelForm(4, &MakeFrontPanelForm<TPanelZQS441048PCForm>);
    RegisterFrontPanelForm(5, &MakeFrontPanelForm<TPanelZQS441024SCDCForm>);
    SetFrontPanelHostSource(std::move(host));
}
