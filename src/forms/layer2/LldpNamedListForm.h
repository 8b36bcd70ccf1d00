// The read-only LLDP lists whose bit-string columns are shown as names texts (the local link
// aggregation table and the remote systems table): the whole table, Refresh and Close. Refresh
// always reads (a walk still under way is superseded by it); a failed read is said in status
// panel 0.
//
// A member is its declaration (NamedListDesign: the table, its key count, the named columns, the
// designed size and caption); the frame and the flows are this class's.
#pragma once

#include "LldpNamesRequest.h"
#include "TForm.h"
#include "TListView.h"
#include "TableDialogController.h"

#include <span>

class TButton;
class TLabel;
class TPanel;
class TStaticText;
class TStatusBar;

struct NamedListDesign {
    const MibTableRow* Table = nullptr;
    int KeyCount = 1;
    std::span<const NamedColumn> Named;
    int Width = 0;
    int Height = 0;
    const char* Caption = "";
};

class TLldpNamedListForm : public TForm {
public:
    TLldpNamedListForm(TComponent* owner, const NamedListDesign& design);

    TPanel* Panel1;
    TLabel* Label1; // "Samples"
    TStaticText* StaticText1;
    TButton* GetButton; // "Refresh"
    TButton* CloseButton;
    TListView* ListView1;
    TStatusBar* StatusBar1;

    const NamedListDesign Design;
    TableDialogController Table;

    void FormCreate(TObject* sender);
    void GetButtonClick(TObject* sender);
    void CloseButtonClick(TObject* sender);
    void ListView1Change(TObject* sender, TListItem* item, TItemChange change);
    void FormClose(TObject* sender, TCloseAction& action);
};
