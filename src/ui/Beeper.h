// Seam: the PC speaker. Beep(1000, 200) marks a refused keystroke; MessageBeep the default sound.
// Production rings the desktop bell; tests install a counting service (src/ui/testing).
#pragma once

class BeepService {
public:
    virtual ~BeepService() = default;
    virtual void Beep(int frequency, int durationMs) = 0;
    virtual void DefaultBeep() = 0;
};

void SetBeepService(BeepService* service); // null restores the desktop bell; caller keeps ownership
BeepService* CurrentBeepService();

bool Beep(int frequency, int durationMs);
bool MessageBeep(unsigned type);
