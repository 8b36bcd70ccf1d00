#include "MLDSnoopingDataDrivenLearingGroupFormUnit.h"

#include "CatalogueColumns.h"
#include "Oid_multicast.h"

TMLDSnoopingDataDrivenLearingGroupForm* MLDSnoopingDataDrivenLearingGroupForm = nullptr;

namespace {

constexpr LearningGroupDesign kDesign = {
    .Table = MLDSnoopingDataDrivenLearingGroup,
    .Width = 674,
    .Height = 451,
    .ListHeight = 130,
    .AddressCaption = "Group IPv6 Address",
    .RouterPorts = ColumnOf(Columns::MLDSnoopingDataDrivenLearingGroup, "Router Ports"),
};

} // namespace

TMLDSnoopingDataDrivenLearingGroupForm::TMLDSnoopingDataDrivenLearingGroupForm(TComponent* owner)
    : TSnoopingLearningGroupForm(owner, kDesign) {}
