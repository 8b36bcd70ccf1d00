#include "TProgressBar.h"

#include <QProgressBar>
#include <algorithm>

TProgressBar::TProgressBar(TComponent* owner) : TControl(owner), Bar(new QProgressBar()) {
    Bar->setTextVisible(false);
    Bar->setFocusPolicy(Qt::NoFocus);
    SetWidget(Bar, 150, 16);
    SetTabStop(false);
    Apply();
}

void TProgressBar::SetMin(int min) {
    Minimum = min;
    Apply();
}

void TProgressBar::SetMax(int max) {
    Maximum = max;
    Apply();
}

void TProgressBar::SetPosition(int position) {
    Pos = std::clamp(position, Minimum, std::max(Minimum, Maximum));
    Apply();
}

void TProgressBar::StepBy(int delta) {
    int next = Pos + delta;
    // Past the end the bar starts over from the beginning.
    Pos = next > Maximum ? Minimum + (next - Maximum) : std::max(Minimum, next);
    Apply();
}

void TProgressBar::StepIt() {
    StepBy(StepSize);
}

void TProgressBar::Apply() {
    Bar->setRange(Minimum, std::max(Minimum, Maximum));
    Pos = std::clamp(Pos, Minimum, std::max(Minimum, Maximum));
    Bar->setValue(Pos);
}
