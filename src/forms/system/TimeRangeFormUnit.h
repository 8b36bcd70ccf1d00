// The time range table: named time ranges, each the weekdays it applies on and a daily start and
// end time. The weekdays are ticked in seven day boxes and written as their comma-separated
// abbreviations (Mon first); the times are typed as hh:mm:ss. Delete writes the row's texts with
// the destroy status in one SET, without a question. Flag guard ("Get data not complete."), dialog
// re-read, Stop.
#pragma once

#include "FieldSet.h"
#include "TForm.h"
#include "TListView.h"
#include "TableDialogController.h"

#include <string>

class TButton;
class TCheckBox;
class TComboBox;
class TEdit;
class TGroupBox;
class TLabel;
class TPanel;
class TStaticText;
class TStatusBar;

class TTimeRangeForm : public TForm {
public:
    explicit TTimeRangeForm(TComponent* owner);

    TPanel* Panel1;
    TStaticText* StaticText1;
    TLabel* Label6; // "Samples"
    TButton* btnGet;
    TButton* btnAdd;
    TButton* btnSet; // "Edit"
    TButton* btnStop;
    TButton* btnDelete;
    TButton* btnClose;
    TPanel* Panel2;
    TListView* ListView1;
    TPanel* Panel3;
    TEdit* edtName;
    TComboBox* cbxStatus; // hidden
    TEdit* edtweekdays;   // hidden: the boxes' weekdays as the column's text
    TGroupBox* GroupBox1; // "Weekdays"
    TCheckBox* CheckBox1; // "Monday" .. "Sunday"
    TCheckBox* CheckBox2;
    TCheckBox* CheckBox3;
    TCheckBox* CheckBox4;
    TCheckBox* CheckBox5;
    TCheckBox* CheckBox6;
    TCheckBox* CheckBox7;
    TCheckBox* CheckBox8; // "None": hidden, no code uses it
    TGroupBox* GroupBox2; // "Daily"
    TEdit* edtStart;
    TEdit* edtEnd;
    TLabel* Label1; // "Name"
    TLabel* Label2; // "Status"
    TLabel* Label3; // "Start Time"
    TLabel* Label4; // "End Time"
    TLabel* Label5; // "(Time hh:mm:ss )" of the start
    TLabel* Label7; // "(Time hh:mm:ss )" of the end
    TStatusBar* StatusBar1;

    TableDialogController Table;
    FieldSet Fields;

    void FormCreate(TObject* sender);
    void btnGetClick(TObject* sender);
    void btnAddClick(TObject* sender);
    void btnSetClick(TObject* sender);
    void btnDeleteClick(TObject* sender);
    void btnStopClick(TObject* sender);
    void btnCloseClick(TObject* sender);
    void ListView1Change(TObject* sender, TListItem* item, TItemChange change);
    void FormCloseQuery(TObject* sender, bool& canClose);
    void FormClose(TObject* sender, TCloseAction& action);

    // Edit and Delete on while a range is chosen, whose weekdays the boxes then show.
    void UpdateButtons(bool rowChosen);
    // The seven boxes from the weekday text and back.
    void WeekdaysToBoxes();
    void BoxesToWeekdays();

    // A time of exactly 8 characters whose hours (characters 1-2), minutes (4-5) and seconds (7-8)
    // are from 0 to 23, 59 and 59; the separators are not looked at. A pair that is no number
    // raises EConvertError.
    static bool IsTimeText(const std::string& text);

private:
    TCheckBox* DayBox(int day) const;
    bool CheckTimes(const char* startText, const char* endText);
};

// The dialog while its menu command shows it.
extern TTimeRangeForm* TimeRangeForm;
