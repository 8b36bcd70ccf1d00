#include "TableDialogRules.h"

#include "VqSNMPSession.h"

#include <cmath>
#include <string>

const MibTableRow* ChooseTable(const MenuPanel& panel, std::string_view sysObjectId,
                               std::string_view firmwareMode) {
    const MenuTable& table =
        panel.Edition && firmwareMode == panel.Edition ? panel.EditionTable : panel.Table;
    if (table.Set) {
        return table.Set->ForModel(ModelOfSysObjectId(sysObjectId));
    }
    return table.Table;
}

int ScaledSize(int n, double scale) {
    return static_cast<int>(std::trunc(n * scale));
}

FormSize ApplySize(const SizeStep& step, FormSize size, double scale) {
    switch (step.Op) {
    case SizeOp::None:
        break;
    case SizeOp::Height:
        size.Height = ScaledSize(step.Value, scale);
        break;
    case SizeOp::HeightUnscaled:
        size.Height = step.Value;
        break;
    case SizeOp::HeightPlus:
        size.Height += ScaledSize(step.Value, scale);
        break;
    case SizeOp::WidthPlus:
        size.Width += ScaledSize(step.Value, scale);
        break;
    case SizeOp::WidthUnscaled:
        size.Width = step.Value;
        break;
    }
    return size;
}

FormSize ApplySizes(const MenuEntry& entry, FormSize size, double scale) {
    for (const SizeStep& step : entry.Sizes) {
        size = ApplySize(step, size, scale);
    }
    return size;
}

int EditWidthOf(const Tuning& tuning, int field0Width, double scale) {
    switch (tuning.Op) {
    case TuningOp::EditWidth:
        return ScaledSize(tuning.N, scale);
    case TuningOp::EditWidthUnscaled:
        return tuning.N;
    case TuningOp::EditWidthPlus:
        return field0Width + ScaledSize(tuning.N, scale);
    default:
        return field0Width;
    }
}

CounterVersionRaise::CounterVersionRaise() : Saved(SessionParameters.Security.Version) {
    if (Saved == 0) {
        SessionParameters.Security.Version = 1;
    }
}

CounterVersionRaise::~CounterVersionRaise() {
    SessionParameters.Security.Version = Saved;
}
