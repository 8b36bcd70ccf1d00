// Where a forms library registers the dialog classes it builds, by the class names the menu's
// commands give: each library has one function that registers all of its dialogs (RegisterAclDialogs
// and its siblings), so that adding a dialog changes its own library only. The menu's registry
// implements this.
#pragma once

#include "TForm.h"

#include <functional>
#include <string>
#include <type_traits>

class DialogClassRegistrar {
public:
    // Constructs the dialog with its owner and the command's further argument (0 when it has none);
    // null when no dialog could be made.
    using Factory = std::function<TForm*(TComponent* owner, int argument)>;
    // Writes the class's exported instance pointer (null clears it).
    using InstanceSetter = std::function<void(TForm* dialog)>;

    virtual void Register(std::string className, Factory create, InstanceSetter setInstance = {}) = 0;
    // T's constructor takes (owner) or (owner, argument); instance is the class's exported pointer.
    template <class T> void Register(std::string className, T*& instance);

protected:
    ~DialogClassRegistrar() = default;
};

template <class T> void DialogClassRegistrar::Register(std::string className, T*& instance) {
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
