// The edit dialog of one port's spanning tree settings: the list's chosen row in 13 fields (the
// four read-only ones disabled), written through the list's table request as its STP version says
// (TMSTPPortStateForm). Set does nothing while the list's request is busy; after a write, failed
// or not, the dialog closes.
#pragma once

#include "EditSubDialog.h"

class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TPanel;

class TMSTPPortStateEditForm : public TEditSubDialog {
public:
    explicit TMSTPPortStateEditForm(TComponent* owner);

    TPanel* Panel1;
    TButton* btnEdit; // "Set"
    TButton* btnClose;
    TEdit* edtPortIndex;
    TEdit* edtOperHelloTime;
    TEdit* edtAdminHelloTime;
    TComboBox* cbxPortEnable;
    TEdit* edtExtPathCost;
    TComboBox* cbxMigration;
    TComboBox* cbxAdminEdgePort;
    TComboBox* cbxOperEdgePort;
    TComboBox* cbxAdminP2P;
    TComboBox* cbxOperP2P;
    TComboBox* cbxBPDUFlt;
    TLabel* lblLBD;       // "Loopback Detection", hidden
    TComboBox* cbxSTPlbd; // hidden, bound to nothing
    TComboBox* cbxSTPRole;
    TComboBox* cbxSTPTCN;

    void BindTo(DialogRequest& request) override;
    void btnEditClick(TObject* sender);
    void btnCloseClick(TObject* sender);
    void FormActivate(TObject* sender);

protected:
    void ModeDefaults() override;
};

// The edit dialog while its list dialog lives.
extern TMSTPPortStateEditForm* MSTPPortStateEditForm;
