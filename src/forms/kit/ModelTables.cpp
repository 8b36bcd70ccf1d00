#include "ModelTables.h"

const MibTableRow* ModelTable(const MibModelSet& set, std::string_view sysObjectId, SysObjectIdMatch match) {
    return set.ForModel(ModelOfSysObjectId(sysObjectId, match));
}
