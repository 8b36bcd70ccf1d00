#include "PanelZQS441048TCFormUnit.h"

TPanelZQS441048TCForm::TPanelZQS441048TCForm(TComponent* owner)
    : TLedPanelForm(owner, PanelModel::M48DA, PortPlan{22, 22, 5, 22, 80, false, false}) {}
