#include "SystemDialogs.h"

#include "DialogClassRegistrar.h"
#include "LogSaveControlFormUnit.h"
#include "SystemLogHostFormUnit.h"
#include "TimeRangeFormUnit.h"

void RegisterSystemDialogs(DialogClassRegistrar& registry) {
    registry.Register("TSystemLogHostForm", SystemLogHostForm);
    registry.Register("TTimeRangeForm", TimeRangeForm);
    registry.Register("TLogSaveControlForm", LogSaveControlForm);
}
