#include "QosDialogs.h"

#include "COSBrandctrltable.h"
#include "DialogClassRegistrar.h"
#include "GARPFormUnit.h"
#include "PBridgeConfigFormUnit.h"
#include "PortCapabilities8021dFormUnit.h"

void RegisterQosDialogs(DialogClassRegistrar& registry) {
    registry.Register("TCoSBrandwidthctrlForm", CoSBrandwidthctrlForm);
    registry.Register("TGARPForm", GARPForm);
    registry.Register("TPBridgeConfigForm", PBridgeConfigForm);
    registry.Register("TPortCapabilities8021dForm", PortCapabilities8021dForm);
}
