// The request of the LLDP dialogs whose bit-string columns are shown as names texts (LldpNames.h):
// a received row's named columns are turned into names before the row is listed, and before a SET
// (after the selected row and the bound controls are collected and the collection hooks have run)
// a named column with a field takes the bits of the names text in that field. (The framework's own
// collection reads an octet column's edit as hexadecimal, which a names text is not.)
#pragma once

#include "DialogRequest.h"
#include "LldpNames.h"

#include <vector>

class TEdit;

// A column shown as names of that table, and the field its names are typed in (none: read only).
struct NamedColumn {
    int Column;
    NameTable Names;
    TEdit* Field = nullptr;
};

class LldpNamesRequest : public DialogRequest {
public:
    LldpNamesRequest(TForm* owner, std::vector<NamedColumn> columns);

protected:
    void RowReceived() override;
    void PrepareSet() override;

private:
    std::vector<NamedColumn> Columns;
};
