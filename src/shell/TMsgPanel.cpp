#include "TMsgPanel.h"

TMsgPanel::TMsgPanel(TControl* owner) : TPanel(owner) {
    SetHeight(20);
    // No bevel: the bar, as high as the panel, fills it (a bevel would leave it 2 pixels less).
    SetBevelOuter(bvNone);
    MsgBar = new TStatusBar(this);
    MsgBar->SetParent(this);
    MsgBar->SetHeight(20);
    MsgBar->SetAlign(alBottom);
    // The request writes its lines as the bar's simple text, which shows only in simple mode.
    MsgBar->SetSimplePanel(true);
    SetParent(owner);
}
