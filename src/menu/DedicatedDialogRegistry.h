// The dedicated dialogs the menu's commands open, by name: the dialog classes (with their exported
// instance pointers) and the DDM dialog builders of the catalogue. The dialog units register what
// is built; a command whose dialog is not registered cannot run, and its menu item is disabled.
#pragma once

#include "DialogClassRegistrar.h"

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

struct MenuEntry;

class DedicatedDialogRegistry final : public DialogClassRegistrar {
public:
    // Shows a DDM dialog for the device address at the screen scale, and deletes it.
    using DdmBuilderFunction = std::function<void(const std::string& address, double scale)>;

    struct DialogClass {
        Factory Create;
        InstanceSetter SetInstance; // empty for a class without an instance pointer
    };

    using DialogClassRegistrar::Register;
    void Register(std::string className, Factory create, InstanceSetter setInstance = {}) override;
    void RegisterDdmBuilder(std::string builderName, DdmBuilderFunction build);

    const DialogClass* FindClass(std::string_view className) const;
    const DdmBuilderFunction* FindDdmBuilder(std::string_view builderName) const;

    // Whether the entry's dialog class or DDM builder is registered (true for other commands).
    bool CanOpen(const MenuEntry& entry) const;
    // The dialog classes and DDM builders that the menu names and that are not registered, sorted.
    std::vector<std::string> Missing() const;

private:
    std::map<std::string, DialogClass, std::less<>> Classes;
    std::map<std::string, DdmBuilderFunction, std::less<>> DdmBuilders;
};

// Every dialog class and DDM builder that the menu's commands name, sorted, each once.
std::vector<std::string> MenuDialogNames();
