#include "SurveillanceVLANGlobalFormUnit.h"

#include "Oid_surveillancevlan.h"

TSurveillanceVLANGlobalForm* SurveillanceVLANGlobalForm = nullptr;

namespace {

constexpr VlanGlobalFeature kSurveillance = {.IdState = SurveillanceVLANGlobalVALNIDSettings,
                                             .Settings = SurveillanceVLANGlobalPrioritySettings,
                                             .Ports = SurveillanceVLANGlobalMemberPortListSettings,
                                             .FormCaption = "SurveillanceVLANGlobalForm",
                                             .Position = poDefault,
                                             .IdCaption = "Surveillance VLAN ID",
                                             .IdUnchanged =
                                                 "Surveillance VLAN ID cannot be changed as it is enabled."};

} // namespace

TSurveillanceVLANGlobalForm::TSurveillanceVLANGlobalForm(TComponent* owner)
    : TVlanGlobalSettingsForm(owner, kSurveillance) {}
