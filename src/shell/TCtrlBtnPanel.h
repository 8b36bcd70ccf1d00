#pragma once

#include "TBitBtn.h"
#include "TLabel.h"
#include "TPanel.h"
#include "TStaticText.h"

#include <vector>

// The column of buttons on the right of a panel. It holds every button any panel can need; each
// editor chooses the visible ones, callers hide or show single buttons and close the gaps with
// ArrangeButtons. A button whose picture file lies in the current directory shows the picture
// instead of its caption.
class TCtrlBtnPanel : public TPanel {
public:
    // owner is also the parent.
    explicit TCtrlBtnPanel(TControl* owner);

    TLabel* SamplesLabel;
    TStaticText* CountText;
    TBitBtn* RefreshButton;
    TBitBtn* EditButton;
    TBitBtn* SetButton;
    TBitBtn* AddButton;
    TBitBtn* DeleteButton;
    TBitBtn* CheckAllButton;
    TBitBtn* ClearChecksButton;
    TBitBtn* CloseButton;
    TBitBtn* StopButton;
    int Margin = 10;
    int FirstTop = 10;
    std::vector<TControl*> Order; // top to bottom

    // Places the controls of Order (a hidden one leaves no gap) and sets the column's height.
    void ArrangeButtons();
    // The height the arranged controls need. Aligned to the right, the column takes its parent's
    // height whatever ArrangeButtons set, so the panels size themselves from this one.
    int ArrangedHeight() const;

    static constexpr int kButtonWidth = 96;

private:
    void LoadButtonPictures();
};
