#include "FrontPanelForm.h"

#include <array>
#include <stdexcept>

namespace {
std::array<TFrontPanelFormFactory, kModelCount> Factories{};
}

void RegisterFrontPanelForm(int modelIndex, TFrontPanelFormFactory factory) {
    Factories.at(static_cast<size_t>(modelIndex)) = factory;
}

TFrontPanelForm* CreateFrontPanelForm(int modelIndex, TComponent* owner) {
    if (modelIndex < 0 || modelIndex >= kModelCount || !Factories[static_cast<size_t>(modelIndex)]) {
        return nullptr;
    }
    return Factories[static_cast<size_t>(modelIndex)](owner);
}
