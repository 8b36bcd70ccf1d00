// The panels of the generic dialog. Each turns one VqSNMPRequest2Edits into a working piece of
// dialog: a button column on the right (TCtrlBtnPanel), a status strip at the bottom (TMsgPanel)
// and an editor in the rest: the rows of the request's variables (TEditsPanel, in TSNMPEditorPanel)
// or the list of a table's rows (TListViewPanel, in TSNMPListViewPanel, whose Add and Edit
// sub-dialogs borrow the hidden rows panel). TSNMPPanel is their base.
#pragma once

#include "TCtrlBtnPanel.h"
#include "TMsgPanel.h"
#include "TPanel.h"
#include "TSplitter.h"

class TForm;
class VqSNMPRequest2Edits;

// The base panel: a request, its button column, its status strip (or another panel's) and a
// client area that hosts an editor.
class TSNMPPanel : public TPanel {
public:
    // owner is also the parent. With a status panel the request reports into that panel's strip
    // and this panel gets none of its own.
    TSNMPPanel(TControl* owner, TMsgPanel* statusPanel, VqSNMPRequest2Edits* request);

    VqSNMPRequest2Edits* Request; // not owned
    TCtrlBtnPanel* Buttons;
    TPanel* ClientPanel;
    TMsgPanel* MsgPanel = nullptr;
    TForm* HostForm = nullptr;
    TControl* Editor = nullptr;
    TSplitter* Splitter;

    // Installs the editor in ClientPanel and sizes the panel around it.
    void SetEditor(TControl* editor);
    // Makes the form host the panel: at least 350 wide, at most 800 wide and 550 high.
    void FitForm(TForm* form);

    void RefreshClick(TObject* sender);
    void CloseClick(TObject* sender);
    void StopClick(TObject* sender);

    // The height SetEditor adds for the bottom splitter, which is never placed on screen.
    static constexpr int kBottomSplitterHeight = 3;
};
