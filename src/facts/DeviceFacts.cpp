#include "DeviceFacts.h"

namespace {

// Made on first use, so that it exists for whatever reads it during static initialisation.
DeviceFacts& TheFacts() {
    static DeviceFacts facts;
    return facts;
}

} // namespace

const DeviceFacts& Facts() {
    return TheFacts();
}

DeviceFacts& WritableFacts() {
    return TheFacts();
}
