// A progress bar: Position between Min and Max; StepIt adds Step and, past Max, starts over at Min.
#pragma once

#include "TControl.h"

class QProgressBar;

class TProgressBar : public TControl {
public:
    explicit TProgressBar(TComponent* owner);

    int Min() const { return Minimum; }
    void SetMin(int min);
    int Max() const { return Maximum; }
    void SetMax(int max);
    int Step() const { return StepSize; }
    void SetStep(int step) { StepSize = step; }
    int Position() const { return Pos; }
    void SetPosition(int position);
    void StepIt();
    void StepBy(int delta);

private:
    void Apply();
    QProgressBar* Bar;
    int Minimum = 0;
    int Maximum = 100;
    int StepSize = 10;
    int Pos = 0;
};
