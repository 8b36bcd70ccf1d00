#include "FrontPanelHost.h"

#include <utility>

namespace {
FrontPanelHostSource Source;
}

FrontPanelHostSource SetFrontPanelHostSource(FrontPanelHostSource source) {
    return std::exchange(Source, std::move(source));
}

FrontPanelHost CurrentFrontPanelHost() {
    return Source ? Source() : FrontPanelHost{};
}
