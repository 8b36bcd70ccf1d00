#include "PanelZQS441048PCFormUnit.h"

TPanelZQS441048PCForm::TPanelZQS441048PCForm(TComponent* owner)
    : TPoePanelForm(owner, PanelModel::M48RO, PortPlan{22, 22, 6, 22, 80, false, true}, 22) {}
