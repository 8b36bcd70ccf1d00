#include "VqException.h"

#include "VqMessageTable.h"

void RaiseVqError(int code) {
    throw VqException(MessageOfCode(code), code);
}
