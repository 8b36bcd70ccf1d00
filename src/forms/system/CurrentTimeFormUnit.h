// The current time: the switch's time capabilities (the names of the bits it reports), its clock
// and whether the clock is reset on reboot, and Set for the clock alone, with no read after it.
// One asynchronous scalar request, no guard.
#pragma once

#include "FieldSet.h"
#include "TForm.h"
#include "TableDialogController.h"

#include <string>
#include <string_view>

class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TPanel;
class TStaticText;
class TStatusBar;

class TCurrentTimeForm : public TForm {
public:
    explicit TCurrentTimeForm(TComponent* owner);

    TPanel* Panel1;
    TButton* GetButton;
    TButton* SetButton;
    TButton* CloseButton;
    TLabel* Label1; // "Time Capacity"
    TEdit* timecapacityEdit;
    TStaticText* tempText; // hidden: the capability bits as read
    TLabel* Label2;        // "Current Clock (e.g.:  2007-5-26,15:30:15.0)"
    TEdit* currentclockEdit;
    TLabel* Label3; // "Clock Reset On Reboot"
    TComboBox* cbxReset;
    TStatusBar* StatusBar1;

    TableDialogController Table;
    FieldSet Fields;
    std::string TimeCapacity; // the capability names being built

    void FormCreate(TObject* sender);
    void GetButtonClick(TObject* sender);
    void SetButtonClick(TObject* sender);
    void CloseButtonClick(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);

    // After each read: the names of the capability bits set, after a blank; an empty value
    // leaves the capability edit as it was.
    void ShowTimeCapacity();
};

// The hexadecimal number at the start of the text (up to its first other character); 0 for none.
unsigned HexTextToInt(std::string_view text);

// The dialog while its menu command shows it.
extern TCurrentTimeForm* CurrentTimeForm;
