#include "IGMPSnoopingDataDrivenLearingGroupFormUnit.h"

#include "CatalogueColumns.h"
#include "Oid_multicast.h"

TIGMPSnoopingDataDrivenLearingGroupForm* IGMPSnoopingDataDrivenLearingGroupForm = nullptr;

namespace {

constexpr LearningGroupDesign kDesign = {
    .Table = IGMPSnoopingDataDrivenLearingGroup,
    .Width = 650,
    .Height = 439,
    .ListHeight = 120,
    .AddressCaption = "Group IP Address",
    .RouterPorts = ColumnOf(Columns::IGMPSnoopingDataDrivenLearingGroup, "Router Ports"),
};

} // namespace

TIGMPSnoopingDataDrivenLearingGroupForm::TIGMPSnoopingDataDrivenLearingGroupForm(TComponent* owner)
    : TSnoopingLearningGroupForm(owner, kDesign) {}
