// What the profile editors' tests share.
#pragma once

#include "TListView.h"

#include <string>
#include <vector>

// The Profile IDs the list shows, in its order.
inline std::vector<std::string> ListedIds(TListView* list) {
    std::vector<std::string> ids;
    for (int i = 0; i < list->Items().Count(); ++i) {
        ids.push_back(list->Items()[i]->Caption());
    }
    return ids;
}
