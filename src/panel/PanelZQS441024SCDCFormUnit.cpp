#include "PanelZQS441024SCDCFormUnit.h"

TPanelZQS441024SCDCForm::TPanelZQS441024SCDCForm(TComponent* owner)
    : TPanelZQS441024SCForm(owner, PanelModel::M24ZODC) {}
