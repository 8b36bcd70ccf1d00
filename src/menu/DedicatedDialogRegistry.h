// The dedicated dialogs the menu's commands open, by name: the dialog classes (with their exported
// instance pointers) and the DDM dialog builders of the catalogue. The dialog units register what
// is built; a command whose dialog is not registered cannot run, and its menu item is disabled.
#pragma once

#include "TForm.h"

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

struct MenuEntry;

class DedicatedDialogRegistry {
public:
    // Constructs the dialog with its owner and the command's further argument (0 when it has none);
    // null when no dialog could be made.
    using Factory = std::function<TForm*(TComponent* owner, int argument)>;
    // Writes the class's exported instance pointer (null clears it).
    using InstanceSetter = std::function<void(TForm* dialog)>;
    // Shows a DDM dialog for the device address at the screen scale, and deletes it.
    using DdmBuilderFunction = std::function<void(const std::string& address, double scale)>;

    struct DialogClass {
        Factory Create;
        InstanceSetter SetInstance; // empty for a class without an instance pointer
    };

    void Register(std::string className, Factory create, InstanceSetter setInstance = {});
    // T's constructor takes (owner) or (owner, argument); instance is the class's exported pointer.
    template <class T> void Register(std::string className, T*& instance);
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

template <class T> void DedicatedDialogRegistry::Register(std::string className, T*& instance) {
    Register(
        std::move(className),
        [](TComponent* owner, int argument) -> TForm* {
            if constexpr (std::is_constructible_v<T, TComponent*, int>) {
                return CreateForm<T>(owner, argument);
            } else {
                return CreateForm<T>(owner);
            }
        },
        [&instance](TForm* dialog) { instance = static_cast<T*>(dialog); });
}
