// A dialog's frame as one declaration: the design's size, scale and position, its caption, the
// button column (its buttons, the count box with or without its "Samples" label, or the count
// between the buttons), the list area (a list filling it, or a list over a splitter and a field
// panel, with or without the port tabs or a panel for an embedded port picker), the status bar, the
// members each piece goes into, the design's handlers of the list and the form, and the dialog's
// one state function. BuildFrame builds it and wires the table object to it, so a dialog's
// constructor is that one call:
//   constexpr DialogFrame<T> kFrame = {.Width = 650, .Height = 455, .Caption = "VLAN Static Form",
//       .Buttons = kButtons, .Samples = "Samples", .ListHeight = 140, .RowsHeight = 62,
//       .ButtonPanel = &T::Panel1, ..., .State = &T::UpdateButtons, .OnCreate = &T::FormCreate, ...};
//   TVlanStaticForm::TVlanStaticForm(TComponent* owner) : TForm(owner), Table(...) {
//       BuildFrame(this, kFrame, Table);
//       Fields = BuildFields<T>(this, Rows, kFields, kTable);
//   }
// The table then shows the list's count, reports in the status bar, runs the dialog's state
// function (UpdateState) at the end of every read and on every selection, and its clear routine
// resets the dialog's `Fields` (a FieldSet member of that name) and unticks its `Pickers` (a
// PortPickerSet member of that name). A design handler named for a list event is bound in the
// table's routine's place; its body is then the routine's one line (Table.ListChanged(),
// Table.SelectionChanged()).
#pragma once

#include "DialogLayout.h"
#include "Events.h"
#include "FieldSet.h"
#include "PortPickerSet.h"
#include "TBasicFormUnit.h"
#include "TForm.h"
#include "TListView.h"
#include "TPageControl.h"
#include "TPanel.h"
#include "TSplitter.h"
#include "TStaticText.h"
#include "TStatusBar.h"
#include "TableDialogController.h"

#include <concepts>
#include <span>

// How the dialog reports: panel 0 of a status bar, a whole bar as one simple text line, or no bar.
enum class FrameStatus : unsigned char { Panel, SimpleBar, None };

template <class T> struct DialogFrame {
    static constexpr int kNoList = -1; // ListHeight: a field panel fills the client area (a sub-dialog)
    static constexpr int kNoTabs = -1; // RowsHeight: no port tabs

    // The design's size at 96 DPI (0: the dialog's base sized it), scale and position.
    int Width = 0;
    int Height = 0;
    DesignScale Scale = DesignScale::Once;
    TPosition Position = poMainFormCenter;
    const char* Caption = "";

    // The button column: its buttons top to bottom; the count box at the top with its label
    // (`Samples`: "Samples", or ButtonColumn::kCountOnly for the box alone), or after the first
    // `CountAfter` buttons without a label, or none.
    std::span<const ButtonSpec<T>> Buttons = {};
    const char* Samples = nullptr;
    int CountAfter = 0;
    int ButtonMargin = ButtonColumn::kMargin;
    int ButtonWidth = ButtonColumn::kButtonWidth;
    bool ButtonSplitter = false; // a splitter, 3 wide, between the list and the button column

    // The client area: the list `ListHeight` high over a splitter and the field panel (0: the
    // list fills it; kNoList: the field panel fills it); in the field panel, the port tabs under
    // a rows panel `RowsHeight` high (0: the tabs alone; kNoTabs: none).
    int ListHeight = 0;
    int RowsHeight = kNoTabs;
    // Instead of the port tabs: a panel `PortsHeight` high at the bottom of the field panel for an
    // embedded port picker, the rows panel taking the rest (0: none).
    int PortsHeight = 0;
    FrameStatus Status = FrameStatus::Panel;
    bool ClearOnNoRow = false; // a selection that leaves no row runs the clear routine

    // The members each piece goes into; null where the design names none.
    TPanel* T::*ButtonPanel = nullptr;
    TStaticText* T::*Count = nullptr;
    TLabel* T::*SamplesLabel = nullptr;
    TSplitter* T::*ButtonSplitterMember = nullptr;
    TPanel* T::*ListPanel = nullptr;
    TListView* T::*List = nullptr;
    TSplitter* T::*Splitter = nullptr;
    TPanel* T::*FieldPanel = nullptr;
    TPanel* T::*Rows = nullptr;
    TPageControl* T::*Tabs = nullptr;
    TPanel* T::*PortPanel = nullptr;
    TStatusBar* T::*StatusBar = nullptr;

    // The design's handlers of the list (null: the table's routine) and of the form.
    void (T::*OnListClick)(TObject*) = nullptr;
    void (T::*OnListDblClick)(TObject*) = nullptr;
    void (T::*OnListSelectItem)(TObject*, TListItem*, bool) = nullptr;
    void (T::*OnListChange)(TObject*, TListItem*, TItemChange) = nullptr;
    void (T::*OnCreate)(TObject*) = nullptr;
    void (T::*OnActivate)(TObject*) = nullptr;
    void (T::*OnCloseQuery)(TObject*, bool&) = nullptr;
    void (T::*OnClose)(TObject*, TCloseAction&) = nullptr;

    // The state function: every button and field state for a chosen row or none.
    void (T::*State)(bool rowChosen) = nullptr;
};

namespace dialog_frame_detail {
template <class T, class M> void Put(T* form, M* T::*member, M* value) {
    if (member) {
        form->*member = value;
    }
}
} // namespace dialog_frame_detail

// Builds the frame on the form and wires `table` to it (List, CountLabel, the status target, the
// list's events, the end of every read, the state function, the form's `Fields` and `Pickers`).
// Returns the field panel (or the rows panel above the tabs, when the frame has one), where the
// dialog builds its fields.
template <class T> TPanel* BuildFrame(T* form, const DialogFrame<T>& frame, TableDialogController* table) {
    using dialog_frame_detail::Put;
    if (frame.Width > 0) {
        DesignDialog(form, frame.Width, frame.Height, frame.Scale, frame.Position);
    } else {
        form->SetPosition(frame.Position);
    }
    form->SetCaption(frame.Caption);

    ButtonColumn buttons(form, frame.Samples, frame.ButtonMargin, frame.ButtonWidth);
    Put(form, frame.ButtonPanel, buttons.Panel);
    Put(form, frame.SamplesLabel, buttons.Samples);
    for (size_t i = 0; i < frame.Buttons.size(); ++i) {
        if (!frame.Samples && frame.CountAfter > 0 && i == static_cast<size_t>(frame.CountAfter)) {
            buttons.AddCount();
        }
        const ButtonSpec<T>& spec = frame.Buttons[i];
        form->*spec.Button = buttons.Add(spec.Caption, Bind(form, spec.Click), spec.Top);
    }
    if (!frame.Samples && frame.CountAfter > 0 &&
        frame.Buttons.size() == static_cast<size_t>(frame.CountAfter)) {
        buttons.AddCount();
    }
    Put(form, frame.Count, buttons.Count);
    if (frame.ButtonSplitter) {
        auto* splitter = new TSplitter(form);
        splitter->SetParent(form);
        splitter->SetWidth(3);
        splitter->SetAlign(alRight);
        Put(form, frame.ButtonSplitterMember, splitter);
    }

    TStatusBar* bar = nullptr;
    if (frame.Status == FrameStatus::Panel) {
        bar = AddStatusBar(form);
        if (table) {
            table->StatusPanel = StatusPanelOf(bar);
        }
    } else if (frame.Status == FrameStatus::SimpleBar) {
        bar = AddSimpleStatusBar(form);
        if (table) {
            table->StatusBar = bar;
        }
    }
    Put(form, frame.StatusBar, bar);

    TPanel* fields = nullptr;
    if (frame.ListHeight == DialogFrame<T>::kNoList) {
        fields = AddFieldPanel(form);
    } else {
        const ListArea area = AddListArea(form, frame.ListHeight);
        Put(form, frame.ListPanel, area.Panel);
        Put(form, frame.List, area.List);
        Put(form, frame.Splitter, area.Splitter);
        fields = area.Fields;
        TListView* list = area.List;
        if (table) {
            table->List = list;
        }
        if (frame.OnListChange) {
            list->OnChange = Bind(form, frame.OnListChange);
        } else if (table) {
            list->OnChange = [table](TObject*, TListItem*, TItemChange) { table->ListChanged(); };
        }
        if (frame.OnListSelectItem) {
            list->OnSelectItem = Bind(form, frame.OnListSelectItem);
        } else if (table) {
            list->OnSelectItem = [table](TObject*, TListItem*, bool) { table->SelectionChanged(); };
        }
        if (frame.OnListClick) {
            list->OnClick = Bind(form, frame.OnListClick);
        }
        if (frame.OnListDblClick) {
            list->OnDblClick = Bind(form, frame.OnListDblClick);
        }
    }
    Put(form, frame.FieldPanel, fields);
    TPanel* rows = fields;
    if (fields && frame.RowsHeight != DialogFrame<T>::kNoTabs) {
        const FieldsAndTabs parts = AddFieldsAndTabs(form, fields, frame.RowsHeight);
        Put(form, frame.Rows, parts.Rows);
        Put(form, frame.Tabs, parts.Tabs);
        rows = parts.Rows ? parts.Rows : fields;
    } else if (fields && frame.PortsHeight > 0) {
        const FieldsAndPorts parts = AddFieldsAndPorts(form, fields, frame.PortsHeight);
        Put(form, frame.Rows, parts.Rows);
        Put(form, frame.PortPanel, parts.Ports);
        rows = parts.Rows;
    }

    if (table) {
        table->CountLabel = buttons.Count;
        table->ClearOnNoRow = frame.ClearOnNoRow;
        if (frame.State) {
            table->State = [form, state = frame.State](bool rowChosen) { (form->*state)(rowChosen); };
        }
        table->AfterRead = [table] { table->UpdateState(); };
        if constexpr (requires { requires std::same_as<decltype(T::Fields), FieldSet>; }) {
            table->Fields = &form->Fields;
        }
        if constexpr (requires { requires std::same_as<decltype(T::Pickers), PortPickerSet>; }) {
            table->Pickers = &form->Pickers;
        }
    }

    if (frame.OnCreate) {
        form->OnCreate = Bind(form, frame.OnCreate);
    }
    if (frame.OnActivate) {
        form->OnActivate = Bind(form, frame.OnActivate);
    }
    if (frame.OnCloseQuery) {
        form->OnCloseQuery = Bind(form, frame.OnCloseQuery);
    }
    if (frame.OnClose) {
        form->OnClose = Bind(form, frame.OnClose);
    }
    return rows;
}

template <class T> TPanel* BuildFrame(T* form, const DialogFrame<T>& frame, TableDialogController& table) {
    return BuildFrame(form, frame, &table);
}
// A frame without a table (an edit sub-dialog's).
template <class T> TPanel* BuildFrame(T* form, const DialogFrame<T>& frame) {
    return BuildFrame(form, frame, static_cast<TableDialogController*>(nullptr));
}
