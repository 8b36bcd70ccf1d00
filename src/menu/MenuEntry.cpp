#include "MenuEntry.h"

const char* InputCheckName(InputCheck check) {
    switch (check) {
    case InputCheck::None:
        return "";
    case InputCheck::CheckIPv4Text:
        return "CheckIPv4Text";
    case InputCheck::CheckIPv6HexText:
        return "CheckIPv6HexText";
    case InputCheck::IsNetmaskText:
        return "IsNetmaskText";
    case InputCheck::IsMacText:
        return "IsMacText";
    case InputCheck::IsHexWordText:
        return "IsHexWordText";
    case InputCheck::CheckZeroOr60To1000000Text:
        return "CheckZeroOr60To1000000Text";
    case InputCheck::CheckZeroOr8To10240000Text:
        return "CheckZeroOr8To10240000Text";
    case InputCheck::CheckMinusOneOr1To2048Text:
        return "CheckMinusOneOr1To2048Text";
    case InputCheck::CheckMinusOneOr60To1000000Text:
        return "CheckMinusOneOr60To1000000Text";
    }
    return "";
}

const char* DdmBuilderName(DdmBuilder builder) {
    switch (builder) {
    case DdmBuilder::None:
        return "";
    case DdmBuilder::ShowDDMInformationSettings:
        return "ShowDDMInformationSettings";
    case DdmBuilder::ShowDDMStatusTable:
        return "ShowDDMStatusTable";
    case DdmBuilder::ShowDDMThresholdManagementTable:
        return "ShowDDMThresholdManagementTable";
    case DdmBuilder::ShowDDMPortManagementTable:
        return "ShowDDMPortManagementTable";
    }
    return "";
}

std::span<const Tuning> MenuPanel::TuningList() const {
    size_t n = 0;
    while (n < kMaxTunings && Tunings[n].Op != TuningOp::None) {
        ++n;
    }
    return {Tunings, n};
}

int MenuEntry::Depth() const {
    int n = 0;
    while (n < kMaxMenuDepth && Path[n]) {
        ++n;
    }
    return n;
}

std::string ComponentName(const MenuEntry& entry) {
    if (entry.Name) {
        return entry.Name;
    }
    if (!entry.Handler) {
        return "";
    }
    std::string name = entry.Handler;
    constexpr std::string_view kClick = "Click";
    if (name.ends_with(kClick)) {
        name.resize(name.size() - kClick.size());
    }
    return name;
}

std::string DialogCaption(const MenuEntry& entry, const std::string& address) {
    std::string caption = entry.Title ? entry.Title : "";
    if (entry.TitleJoin) {
        caption += entry.TitleJoin;
    }
    if (!entry.TitleOnly) {
        caption += address;
    }
    return caption;
}

std::span<const MenuPanel> Panels(const MenuEntry& entry) {
    if (entry.Command != CommandKind::TableDialog) {
        return {};
    }
    return entry.IsPaged() ? entry.Pages : std::span<const MenuPanel>(&entry.Panel, 1);
}
