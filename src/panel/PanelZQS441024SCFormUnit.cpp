#include "PanelZQS441024SCFormUnit.h"

TPanelZQS441024SCForm::TPanelZQS441024SCForm(TComponent* owner)
    : TPanelZQS441024SCForm(owner, PanelModel::M24ZO) {}

TPanelZQS441024SCForm::TPanelZQS441024SCForm(TComponent* owner, PanelModel model)
    : TLedPanelForm(owner, model, PortPlan{23, 23, 6, 23, 56, true, true}) {
    FreeRequestOnCloseQuery();
}
