// The switch's two configuration images and the action to apply to one (make it active, delete
// it, apply it, make it the boot-up configuration), chosen in TMultiConfigControlEditForm, whose
// controls are bound to this dialog's table. The list is read when the dialog opens and on
// Refresh only, which does nothing while a read runs.
#pragma once

#include "TForm.h"
#include "TListView.h"
#include "TableDialogController.h"

class TButton;
class TPanel;
class TStatusBar;

class TMultipleConfigControlForm : public TForm {
public:
    explicit TMultipleConfigControlForm(TComponent* owner);

    TPanel* Panel1;
    TButton* btnGet;
    TButton* btnEdit;
    TButton* btnClose;
    TPanel* Panel2;
    TListView* ListView1;
    TStatusBar* StatusBar1;

    TableDialogController Table;

    void FormCreate(TObject* sender);
    void btnGetClick(TObject* sender);
    void btnEditClick(TObject* sender);
    void btnCloseClick(TObject* sender);
    void ListView1DblClick(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);

    // Edit on while an image is chosen.
    void UpdateButtons(bool rowChosen);
};

// The dialog while its menu command shows it; its edit dialog reaches it through this.
extern TMultipleConfigControlForm* MultipleConfigControlForm;
