// The common layout of the dedicated dialogs, built in code at the sizes of their design (96 DPI):
// a right-hand button column (optionally headed by the count box and its "Samples" label), a
// status bar with one panel at the bottom, and the client area: the report list view at the top,
// a splitter, and the field area below it. Each piece is built on its own, so a dialog takes the
// ones it has; build the button column and the status bar before the client area.
#pragma once

#include "Events.h"
#include "TBasicFormUnit.h"
#include "TForm.h"

#include <cstddef>
#include <initializer_list>
#include <string>

class TButton;
class TCheckBox;
class TComboBox;
class TForm;
class TGroupBox;
class TLabel;
class TObject;
class TListView;
class TPageControl;
class TPanel;
class TSplitter;
class TStaticText;
class TStatusBar;
class TStatusPanel;

// The dialog's designed size, scaled as the design's DPI rule says (ScaleDesignSize: x 1.25,
// truncated, when the screen is not at 96 pixels per inch, unless `scale` says otherwise), the form
// centred on the main form (or where `position` says). A dialog derived from TBasicForm gets the
// same from its constructor.
void DesignDialog(TForm* form, int width, int height, DesignScale scale = DesignScale::Once,
                  TPosition position = poMainFormCenter);

// The button column, aligned to the right.
class ButtonColumn {
public:
    static constexpr int kMargin = 11;
    static constexpr int kButtonWidth = 75;
    static constexpr int kButtonHeight = 25;

    // The samples text of a count box without its label.
    static constexpr const char* kCountOnly = "";

    // `samplesText` null: no count box; kCountOnly: the count box alone. The column is the buttons'
    // width (`buttonWidth`) with `margin` on each side.
    ButtonColumn(TForm* form, const char* samplesText, int margin = kMargin, int buttonWidth = kButtonWidth);

    TPanel* Panel;
    TStaticText* Count = nullptr; // sunken, centred, "0" at first
    TLabel* Samples = nullptr;

    // The next button below the last, or at `top` where the design places it.
    TButton* Add(const std::string& caption, TNotifyEvent onClick, int top = 0);
    // A count box (sunken, centred, "0" at first) below the last button, where a dialog has its
    // count between its buttons and no "Samples" label.
    TStaticText* AddCount();

private:
    TStaticText* MakeCount();
    TForm* Form;
    int Margin;
    int ButtonWidth;
    int NextTop;
};

// One button of a dialog's column: its member, caption, click handler and, where the design gives
// one, its top (96 DPI; 0: below the last).
template <class T> struct ButtonSpec {
    TButton* T::*Button;
    const char* Caption;
    void (T::*Click)(TObject* sender);
    int Top = 0;
};

// Adds the buttons top to bottom and stores each in its member.
template <class T, size_t N>
void AddButtons(ButtonColumn& column, T* form, const ButtonSpec<T> (&buttons)[N]) {
    for (const ButtonSpec<T>& spec : buttons) {
        form->*spec.Button = column.Add(spec.Caption, Bind(form, spec.Click), spec.Top);
    }
}

// Single controls at a design's place (96 DPI) on `parent`, for the dialogs whose panels are no
// button column or field table (the bridge port counter monitor's settings column).
TLabel* AddLabel(TForm* form, TControl* parent, int left, int top, const char* caption);
TStaticText* AddSunkenText(TForm* form, TControl* parent, int left, int top, int width, int height);
// A framed group with its caption on the frame; its fields are placed inside it.
TGroupBox* AddGroupBox(TForm* form, TControl* parent, int left, int top, int width, int height,
                       const char* caption);
TCheckBox* AddCheckBox(TForm* form, TControl* parent, int left, int top, int width, const char* caption,
                       TNotifyEvent onClick);
// An editable combo box holding `items`, its text typed or chosen.
TComboBox* AddEditableCombo(TForm* form, TControl* parent, int left, int top, int width,
                            std::initializer_list<const char*> items, TNotifyEvent onChange);
// A read-only report list with grid lines and row selection, columns to be added by the dialog.
TListView* AddReportList(TForm* form, TControl* parent);

// Hides a button of a column; the buttons below it, given top to bottom, each move up into the
// place of the one above (the first into the hidden one's), so the column has no gap.
void HideButtonAndCloseUp(TButton* hidden, std::initializer_list<TButton*> below);

// The status bar with its one panel (width 50; being the last, it takes the whole bar).
TStatusBar* AddStatusBar(TForm* form);
TStatusPanel* StatusPanelOf(TStatusBar* bar);
// A status bar without panels, used as one simple text line (a controller's StatusBar).
TStatusBar* AddSimpleStatusBar(TForm* form);

// A borderless panel filling the client area left of the button column: the fields of an edit
// sub-dialog.
TPanel* AddFieldPanel(TForm* form);

// The client area left of the button column and above the status bar. With a list height the list
// view is that high at the top, a splitter below it, and the field panel takes the rest; with 0 the
// list takes the whole area and there is neither splitter nor field panel.
struct ListArea {
    TPanel* Panel = nullptr;
    TListView* List = nullptr;
    TSplitter* Splitter = nullptr;
    TPanel* Fields = nullptr;
};
ListArea AddListArea(TForm* form, int listHeight);

// A field panel holding the port tabs: a panel for the field rows, that high at the top, and the
// page control of the tabs taking the rest; with 0 there is no rows panel and the tabs fill it.
struct FieldsAndTabs {
    TPanel* Rows = nullptr;
    TPageControl* Tabs = nullptr;
};
FieldsAndTabs AddFieldsAndTabs(TForm* form, TPanel* fields, int rowsHeight);

// A field panel holding an embedded port picker under the field rows: a panel `portsHeight` high at
// the bottom for the picker, and the rows panel taking the rest.
struct FieldsAndPorts {
    TPanel* Rows = nullptr;
    TPanel* Ports = nullptr;
};
FieldsAndPorts AddFieldsAndPorts(TForm* form, TPanel* fields, int portsHeight);
