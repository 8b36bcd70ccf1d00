#include "QosDialogs.h"

#include "COSBrandctrltable.h"
#include "DialogClassRegistrar.h"
#include "GARPFormUnit.h"

void RegisterQosDialogs(DialogClassRegistrar& registry) {
    registry.Register("TCoSBrandwidthctrlForm", CoSBrandwidthctrlForm);
    registry.Register("TGARPForm", GARPForm);
}
