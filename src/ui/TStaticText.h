// A text in a box: sunken or single border, its text aligned (centred for the count boxes) and
// a hint that may hold several lines.
#pragma once

#include "TLabel.h"

enum TStaticBorderStyle { sbsNone, sbsSingle, sbsSunken };

class TStaticText : public TLabel {
public:
    explicit TStaticText(TComponent* owner);

    TStaticBorderStyle BorderStyle() const { return Border; }
    void SetBorderStyle(TStaticBorderStyle style);

private:
    TStaticBorderStyle Border = sbsNone;
};
