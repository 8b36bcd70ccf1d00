#include "DialogLayout.h"

#include "TBasicFormUnit.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TForm.h"
#include "TGroupBox.h"
#include "TLabel.h"
#include "TListView.h"
#include "TPageControl.h"
#include "TPanel.h"
#include "TSplitter.h"
#include "TStaticText.h"
#include "TStatusBar.h"

namespace {

constexpr int kButtonGap = 8;

} // namespace

void DesignDialog(TForm* form, int width, int height, DesignScale scale, TPosition position) {
    ScaleDesignSize(form, width, height, scale);
    form->SetPosition(position);
}

ButtonColumn::ButtonColumn(TForm* form, const char* samplesText, int margin, int buttonWidth)
    : Form(form), Margin(margin), ButtonWidth(buttonWidth), NextTop(kMargin) {
    Panel = new TPanel(form);
    Panel->SetParent(form);
    Panel->SetBevelOuter(bvNone);
    Panel->SetWidth(ButtonWidth + 2 * margin);
    Panel->SetAlign(alRight);
    if (!samplesText) {
        return;
    }
    Count = MakeCount();
    if (!*samplesText) {
        NextTop += 21 + kButtonGap;
        return;
    }
    Samples = new TLabel(form);
    Samples->SetParent(Panel);
    Samples->SetAutoSize(false);
    Samples->SetAlignment(taCenter);
    Samples->SetBounds(Margin, NextTop + 24, ButtonWidth, 16);
    Samples->SetCaption(samplesText);
    NextTop += 52;
}

TStaticText* ButtonColumn::MakeCount() {
    auto* count = new TStaticText(Form);
    count->SetParent(Panel);
    count->SetAutoSize(false);
    count->SetBorderStyle(sbsSunken);
    count->SetAlignment(taCenter);
    count->SetBounds(Margin, NextTop, ButtonWidth, 21);
    count->SetCaption("0");
    return count;
}

TStaticText* ButtonColumn::AddCount() {
    Count = MakeCount();
    NextTop += 21 + kButtonGap;
    return Count;
}

TButton* ButtonColumn::Add(const std::string& caption, TNotifyEvent onClick, int top) {
    if (top > 0) {
        NextTop = top;
    }
    auto* button = new TButton(Form);
    button->SetParent(Panel);
    button->SetBounds(Margin, NextTop, ButtonWidth, kButtonHeight);
    button->SetCaption(caption);
    button->OnClick = std::move(onClick);
    NextTop += kButtonHeight + kButtonGap;
    return button;
}

namespace {

template <class C> C* Place(TForm* form, TControl* parent, int left, int top, int width, int height) {
    auto* control = new C(form);
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    return control;
}

} // namespace

TLabel* AddLabel(TForm* form, TControl* parent, int left, int top, const char* caption) {
    auto* label = Place<TLabel>(form, parent, left, top, 0, 0);
    label->SetCaption(caption);
    return label;
}

TStaticText* AddSunkenText(TForm* form, TControl* parent, int left, int top, int width, int height) {
    auto* text = Place<TStaticText>(form, parent, left, top, width, height);
    text->SetAutoSize(false);
    text->SetBorderStyle(sbsSunken);
    return text;
}

TGroupBox* AddGroupBox(TForm* form, TControl* parent, int left, int top, int width, int height,
                       const char* caption) {
    auto* group = Place<TGroupBox>(form, parent, left, top, width, height);
    group->SetCaption(caption);
    return group;
}

TCheckBox* AddCheckBox(TForm* form, TControl* parent, int left, int top, int width, const char* caption,
                       TNotifyEvent onClick) {
    auto* box = Place<TCheckBox>(form, parent, left, top, width, 17);
    box->SetCaption(caption);
    box->OnClick = std::move(onClick);
    return box;
}

TComboBox* AddEditableCombo(TForm* form, TControl* parent, int left, int top, int width,
                            std::initializer_list<const char*> items, TNotifyEvent onChange) {
    auto* box = Place<TComboBox>(form, parent, left, top, width, 21);
    box->SetStyle(csDropDown);
    for (const char* item : items) {
        box->Items().Add(item);
    }
    box->OnChange = std::move(onChange);
    return box;
}

TListView* AddReportList(TForm* form, TControl* parent) {
    auto* list = new TListView(form);
    list->SetParent(parent);
    list->SetViewStyle(vsReport);
    list->SetGridLines(true);
    list->SetReadOnly(true);
    list->SetRowSelect(true);
    return list;
}

void HideButtonAndCloseUp(TButton* hidden, std::initializer_list<TButton*> below) {
    hidden->SetVisible(false);
    int top = hidden->Top();
    for (TButton* button : below) {
        const int next = button->Top();
        button->SetTop(top);
        top = next;
    }
}

TStatusBar* AddStatusBar(TForm* form) {
    auto* bar = new TStatusBar(form);
    bar->SetParent(form);
    bar->SetAlign(alBottom);
    bar->Panels().Add()->SetWidth(50);
    return bar;
}

TStatusPanel* StatusPanelOf(TStatusBar* bar) {
    return bar->Panels()[0];
}

TStatusBar* AddSimpleStatusBar(TForm* form) {
    auto* bar = new TStatusBar(form);
    bar->SetParent(form);
    bar->SetAlign(alBottom);
    bar->SetSimplePanel(true);
    return bar;
}

TPanel* AddFieldPanel(TForm* form) {
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    panel->SetBevelOuter(bvNone);
    panel->SetAlign(alClient);
    return panel;
}

ListArea AddListArea(TForm* form, int listHeight) {
    ListArea area;
    area.Panel = new TPanel(form);
    area.Panel->SetParent(form);
    area.Panel->SetBevelOuter(bvNone);
    area.Panel->SetAlign(alClient);
    area.List = new TListView(form);
    area.List->SetParent(area.Panel);
    if (listHeight <= 0) {
        area.List->SetAlign(alClient);
        return area;
    }
    area.List->SetHeight(listHeight);
    area.List->SetAlign(alTop);
    area.Splitter = new TSplitter(form);
    area.Splitter->SetParent(area.Panel);
    area.Splitter->SetAlign(alTop); // before its height: a splitter starts aligned to the left
    area.Splitter->SetBounds(0, listHeight, 100, 3);
    area.Fields = new TPanel(form);
    area.Fields->SetParent(area.Panel);
    area.Fields->SetBevelOuter(bvNone);
    area.Fields->SetAlign(alClient);
    return area;
}

FieldsAndTabs AddFieldsAndTabs(TForm* form, TPanel* fields, int rowsHeight) {
    FieldsAndTabs parts;
    if (rowsHeight > 0) {
        parts.Rows = new TPanel(form);
        parts.Rows->SetParent(fields);
        parts.Rows->SetBounds(0, 0, 100, rowsHeight);
        parts.Rows->SetBevelOuter(bvNone);
        parts.Rows->SetAlign(alTop);
    }
    parts.Tabs = new TPageControl(form);
    parts.Tabs->SetParent(fields);
    parts.Tabs->SetAlign(alClient);
    return parts;
}

FieldsAndPorts AddFieldsAndPorts(TForm* form, TPanel* fields, int portsHeight) {
    FieldsAndPorts parts;
    parts.Ports = new TPanel(form);
    parts.Ports->SetParent(fields);
    parts.Ports->SetAlign(alBottom);
    parts.Ports->SetHeight(portsHeight);
    parts.Ports->SetBevelOuter(bvNone);
    parts.Rows = new TPanel(form);
    parts.Rows->SetParent(fields);
    parts.Rows->SetAlign(alClient);
    parts.Rows->SetBevelOuter(bvNone);
    return parts;
}
