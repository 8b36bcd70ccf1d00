// The groups IGMP snooping learned from data traffic: the learning group dialog over the IGMP table.
#pragma once

#include "SnoopingLearningGroupFormUnit.h"

class TIGMPSnoopingDataDrivenLearingGroupForm : public TSnoopingLearningGroupForm {
public:
    explicit TIGMPSnoopingDataDrivenLearingGroupForm(TComponent* owner);
};

// The dialog while its menu command shows it.
extern TIGMPSnoopingDataDrivenLearingGroupForm* IGMPSnoopingDataDrivenLearingGroupForm;
