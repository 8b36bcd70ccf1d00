#include "PanelZQS441024PCFormUnit.h"

TPanelZQS441024PCForm::TPanelZQS441024PCForm(TComponent* owner)
    : TPoePanelForm(owner, PanelModel::M24DA, PortPlan{23, 23, 5, 27, 56, true, true}, 27) {}
