#include "Beeper.h"

#include "Seam.h"

#include <QApplication>

namespace {
class DesktopBell : public BeepService {
public:
    void Beep(int, int) override { QApplication::beep(); }
    void DefaultBeep() override { QApplication::beep(); }
};
DesktopBell Bell;
Seam<BeepService> Installed(Bell);
} // namespace

void SetBeepService(BeepService* service) {
    Installed.Set(service);
}
BeepService* CurrentBeepService() {
    return Installed.Get();
}

bool Beep(int frequency, int durationMs) {
    CurrentBeepService()->Beep(frequency, durationMs);
    return true;
}

bool MessageBeep(unsigned) {
    CurrentBeepService()->DefaultBeep();
    return true;
}
