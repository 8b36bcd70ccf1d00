// The MLD snooping static groups: the static group dialog over the MLD table, the group address 32
// hexadecimal digits; Add creates only while the hidden row status stands at createAndGo.
#pragma once

#include "SnoopingStaticGroupFormUnit.h"

class TMLDSnoopingStaticGroupForm : public TSnoopingStaticGroupForm {
public:
    explicit TMLDSnoopingStaticGroupForm(TComponent* owner);

    TListView* LV_MLDStaticGroupEntry; // the list
};

// The dialog while its menu command shows it.
extern TMLDSnoopingStaticGroupForm* MLDSnoopingStaticGroupForm;
