// The IGMP snooping static groups: the static group dialog over the IGMP table, the group address a
// dotted quad whose every group has at most three digits.
#pragma once

#include "SnoopingStaticGroupFormUnit.h"

class TIGMPSnoopingStaticGroupForm : public TSnoopingStaticGroupForm {
public:
    explicit TIGMPSnoopingStaticGroupForm(TComponent* owner);

    TListView* LV_IGMPStaticGroupEntry; // the list
};

// The dialog while its menu command shows it.
extern TIGMPSnoopingStaticGroupForm* IGMPSnoopingStaticGroupForm;
