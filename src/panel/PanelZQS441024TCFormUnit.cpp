#include "PanelZQS441024TCFormUnit.h"

TPanelZQS441024TCForm::TPanelZQS441024TCForm(TComponent* owner)
    : TLedPanelForm(owner, PanelModel::M24RA, PortPlan{23, 23, 5, 27, 56, true, true}) {}
