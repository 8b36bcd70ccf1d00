// Spanning tree on or off for the whole switch. "disabled" is written at once; "enabled" is
// confirmed first and then sent asynchronously with a 40 s time-out (kept for the dialog's life),
// the user waiting behind the progress form while the switch starts STP; the state is read again
// after either. Its request is owned by the main window, so the framework's reports stand over it.
#pragma once

#include "FieldSet.h"
#include "TForm.h"
#include "TableDialogController.h"

class TButton;
class TComboBox;
class TLabel;
class TPanel;
class TStatusBar;

class TSpanningTreeAlgorithmForm : public TForm {
public:
    explicit TSpanningTreeAlgorithmForm(TComponent* owner);

    TPanel* Panel1;
    TButton* GetButton; // "Refresh"
    TButton* SetButton;
    TButton* Button1; // "Close"
    TPanel* Panel2;
    TLabel* Label1; // "State"
    TComboBox* ComboBox1;
    TStatusBar* StatusBar1;

    TableDialogController Table; // the STP state: no guard, the dialog's read after every write
    FieldSet Fields;

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void GetButtonClick(TObject* sender);
    void SetButtonClick(TObject* sender);
    void Button1Click(TObject* sender);
};

// The dialog while its menu command shows it.
extern TSpanningTreeAlgorithmForm* SpanningTreeAlgorithmForm;
