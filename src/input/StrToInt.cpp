#include "StrToInt.h"

#include "StrictNumbers.h"

int StrToInt(std::string_view text) {
    if (std::optional<int> value = StrictStrToInt(text)) {
        return *value;
    }
    throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
}
