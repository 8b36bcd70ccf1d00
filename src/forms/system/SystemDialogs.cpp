#include "SystemDialogs.h"

#include "CurrentTimeFormUnit.h"
#include "DialogClassRegistrar.h"
#include "LogSaveControlFormUnit.h"
#include "SummerTime.h"
#include "SystemLogHostFormUnit.h"
#include "TimeRangeFormUnit.h"

void RegisterSystemDialogs(DialogClassRegistrar& registry) {
    registry.Register("TSystemLogHostForm", SystemLogHostForm);
    registry.Register("TTimeRangeForm", TimeRangeForm);
    registry.Register("TLogSaveControlForm", LogSaveControlForm);
    registry.Register("TCurrentTimeForm", CurrentTimeForm);
    // The summer time command keeps the dialog in no instance pointer.
    registry.Register("TSummerTimeForm",
                      [](TComponent* owner, int) -> TForm* { return CreateForm<TSummerTimeForm>(owner); });
}
