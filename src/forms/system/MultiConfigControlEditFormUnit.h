// The action of one configuration image. It has no request of its own: the image list binds these
// controls to its table, so choosing an image fills them (the image's ID is never typed). Set
// writes the action through the list's table without a read after it, waits in the progress form
// while an image is being made active, and closes, also after a failure (which the list's status
// line shows).
#pragma once

#include "EditSubDialog.h"

class DialogRequest;
class TButton;
class TComboBox;
class TLabel;
class TPanel;

class TMultiConfigControlEditForm : public TEditSubDialog {
public:
    explicit TMultiConfigControlEditForm(TComponent* owner);

    TPanel* Panel1;
    TPanel* Panel2;
    TButton* btnSet;
    TButton* btnClose;
    TLabel* Label1; // "Config Control ID"
    TComboBox* cbxCtrlID;
    TLabel* Label2; // "Config Action"
    TComboBox* cbxCfgAction;

    void btnSetClick(TObject* sender);
    void btnCloseClick(TObject* sender);
    void BindTo(DialogRequest& request) override;

protected:
    // The image's ID is never typed: disabled whatever the selection enabled.
    void ModeDefaults() override;
};

// Set by the image list when it creates this one.
extern TMultiConfigControlEditForm* MultiConfigControlEditForm;
