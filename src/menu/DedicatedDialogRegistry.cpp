#include "DedicatedDialogRegistry.h"

#include "MainMenuData.h"

#include <algorithm>

void DedicatedDialogRegistry::Register(std::string className, Factory create, InstanceSetter setInstance) {
    Classes[std::move(className)] = DialogClass{std::move(create), std::move(setInstance)};
}

void DedicatedDialogRegistry::RegisterDdmBuilder(std::string builderName, DdmBuilderFunction build) {
    DdmBuilders[std::move(builderName)] = std::move(build);
}

const DedicatedDialogRegistry::DialogClass*
DedicatedDialogRegistry::FindClass(std::string_view className) const {
    auto it = Classes.find(className);
    return it == Classes.end() ? nullptr : &it->second;
}

const DedicatedDialogRegistry::DdmBuilderFunction*
DedicatedDialogRegistry::FindDdmBuilder(std::string_view builderName) const {
    auto it = DdmBuilders.find(builderName);
    return it == DdmBuilders.end() ? nullptr : &it->second;
}

bool DedicatedDialogRegistry::CanOpen(const MenuEntry& entry) const {
    switch (entry.Command) {
    case CommandKind::Dedicated:
        return FindClass(entry.Dialog) != nullptr;
    case CommandKind::Ddm:
        return FindDdmBuilder(DdmBuilderName(entry.Ddm)) != nullptr;
    default:
        return true;
    }
}

std::vector<std::string> DedicatedDialogRegistry::Missing() const {
    std::vector<std::string> missing;
    for (const std::string& name : MenuDialogNames()) {
        if (!FindClass(name) && !FindDdmBuilder(name)) {
            missing.push_back(name);
        }
    }
    return missing;
}

std::vector<std::string> MenuDialogNames() {
    std::vector<std::string> names;
    for (const MenuEntry* entry : MainMenuEntries()) {
        if (entry->Command == CommandKind::Dedicated) {
            names.push_back(entry->Dialog);
        } else if (entry->Command == CommandKind::Ddm) {
            names.push_back(DdmBuilderName(entry->Ddm));
        }
    }
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}
