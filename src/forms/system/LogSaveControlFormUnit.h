// The system log save settings: when the switch saves its log (at a time interval, on demand or
// whenever an entry is logged) and the interval, which is written only with the time-interval
// method. One blocking scalar request; Refresh and Set do nothing while it is busy. Not scaled for
// the screen's resolution.
#pragma once

#include "FieldSet.h"
#include "TForm.h"
#include "TableDialogController.h"

class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TPanel;
class TStatusBar;

class TLogSaveControlForm : public TForm {
public:
    explicit TLogSaveControlForm(TComponent* owner);

    TPanel* Panel1;
    TButton* btnRefresh;
    TButton* btnSet;
    TButton* Button1; // "Close"
    TLabel* Label1;   // "Log Save Method"
    TComboBox* cbxLogSaveMethod;
    TLabel* Label2; // "Log SaveTime Interval"
    TEdit* EdLogSavetimeInterval;
    TStatusBar* StatusBar1;

    TableDialogController Table;
    FieldSet Fields;

    void FormCreate(TObject* sender);
    void btnRefreshClick(TObject* sender);
    void btnSetClick(TObject* sender);
    void Button1Click(TObject* sender);
    // The interval on exactly while the method is "time-interval" (also after every read).
    void cbxLogSaveMethodChange(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
};

// The dialog while its menu command shows it.
extern TLogSaveControlForm* LogSaveControlForm;
