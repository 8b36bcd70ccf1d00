// The groups MLD snooping learned from data traffic: the learning group dialog over the MLD table,
// the group address as 32 hexadecimal digits.
#pragma once

#include "SnoopingLearningGroupFormUnit.h"

class TMLDSnoopingDataDrivenLearingGroupForm : public TSnoopingLearningGroupForm {
public:
    explicit TMLDSnoopingDataDrivenLearingGroupForm(TComponent* owner);
};

// The dialog while its menu command shows it.
extern TMLDSnoopingDataDrivenLearingGroupForm* MLDSnoopingDataDrivenLearingGroupForm;
