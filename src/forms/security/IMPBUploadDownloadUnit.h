// The binding-file transfers: the switch saves its IP-MAC-port bindings to a file on a TFTP server
// (upload) or loads them from one (download). The list shows the transfer table per protocol; Add
// opens the edit dialog (IMPBUploadDownloadEditFormUnit.h), which starts one transfer with one SET
// through this dialog's table and the read behind it. No guard, an asynchronous request with a
// time-out of 6 s.
#pragma once

#include "TForm.h"
#include "TListView.h"
#include "TableDialogController.h"

class TButton;
class TLabel;
class TPanel;
class TStaticText;
class TStatusBar;

class TIMPBUplaodDownloadForm : public TForm {
public:
    explicit TIMPBUplaodDownloadForm(TComponent* owner);

    TPanel* Panel1;
    TStaticText* StaticText1; // the item count
    TLabel* Label1;           // "Samples"
    TButton* btnGet;
    TButton* btnAdd;
    TButton* btnClose;
    TListView* ListView1;
    TStatusBar* StatusBar1;

    TableDialogController Table; // the transfer table: no guard, asynchronous

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void btnGetClick(TObject* sender);
    void btnAddClick(TObject* sender);
    void btnCloseClick(TObject* sender);
};

// The dialog while its menu command shows it.
extern TIMPBUplaodDownloadForm* IMPBUplaodDownloadForm;
