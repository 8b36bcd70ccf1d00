#include "VoiceVLANGlobalFormUnit.h"

#include "Oid_voicevlan.h"

TVoiceVLANGlobalForm* VoiceVLANGlobalForm = nullptr;

namespace {

constexpr VlanGlobalFeature kVoice = {.IdState = VoiceVLANGlobalVLANIDSettings,
                                      .Settings = VoiceVLANGlobalPrioritySettings,
                                      .Ports = VoiceVLANGlobalMemberPortListSettings,
                                      .FormCaption = "Voice VLAN Global Settings Form",
                                      .Position = poScreenCenter,
                                      .IdCaption = "Voice VLAN ID",
                                      .IdUnchanged = "Voice VLAN ID cannot be changed as it is enabled."};

} // namespace

TVoiceVLANGlobalForm::TVoiceVLANGlobalForm(TComponent* owner) : TVlanGlobalSettingsForm(owner, kVoice) {}
