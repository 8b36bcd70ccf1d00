#include "FrontPanelForms.h"

#include "FrontPanelForm.h"
#include "PanelZQS441024PCFormUnit.h"
#include "PanelZQS441024SCDCFormUnit.h"
#include "PanelZQS441024SCFormUnit.h"
#include "PanelZQS441024TCFormUnit.h"
#include "PanelZQS441048PCFormUnit.h"
#include "PanelZQS441048TCFormUnit.h"

void RegisterFrontPanelForms(FrontPanelHostSource host) {
    RegisterFrontPanelForm(0, &MakeFrontPanelForm<TPanelZQS441024TCForm>);
    RegisterFrontPanelForm(1, &MakeFrontPanelForm<TPanelZQS441024PCForm>);
    RegisterFrontPanelForm(2, &MakeFrontPanelForm<TPanelZQS441024SCForm>);
    RegisterFrontPanelForm(3, &MakeFrontPanelForm<TPanelZQS441048TCForm>);
    RegisterFrontPanelForm(4, &MakeFrontPanelForm<TPanelZQS441048PCForm>);
    RegisterFrontPanelForm(5, &MakeFrontPanelForm<TPanelZQS441024SCDCForm>);
    SetFrontPanelHostSource(std::move(host));
}
