#include "SystemDialogs.h"

#include "CurrentTimeFormUnit.h"
#include "DialogClassRegistrar.h"
#include "Eeestateunit.h"
#include "LogSaveControlFormUnit.h"
#include "MultipleConfigControlFormUnit.h"
#include "SummerTime.h"
#include "SystemLogHostFormUnit.h"
#include "TimeRangeFormUnit.h"
#include "dot3ControlFormUnit.h"
#include "dot3PauseFormUnit.h"

void RegisterSystemDialogs(DialogClassRegistrar& registry) {
    registry.Register("TSystemLogHostForm", SystemLogHostForm);
    registry.Register("TTimeRangeForm", TimeRangeForm);
    registry.Register("TLogSaveControlForm", LogSaveControlForm);
    registry.Register("TCurrentTimeForm", CurrentTimeForm);
    registry.Register("TMultipleConfigControlForm", MultipleConfigControlForm);
    // The summer time command keeps the dialog in no instance pointer.
    registry.Register("TSummerTimeForm",
                      [](TComponent* owner, int) -> TForm* { return CreateForm<TSummerTimeForm>(owner); });
    registry.Register("Tdot3PauseForm", dot3PauseForm);
    registry.Register("Tdot3ControlForm", dot3ControlForm);
    registry.Register("TEEEStateFormUnit", EEEStateFormUnit);
    registry.Register("TEEEStateFormUnit", EEEStateFormUnit);
}
