#pragma once

#include "TPanel.h"
#include "TStatusBar.h"

// The one-line status strip at the bottom of a panel; MsgBar is its request's status target.
class TMsgPanel : public TPanel {
public:
    // owner is also the parent.
    explicit TMsgPanel(TControl* owner);

    TStatusBar* MsgBar;
};
