// What the two route redistribution dialogs share (TRouteRedistributForm for IPv4,
// TIPv6RouteResForm for IPv6): one row per pair of source and destination protocols (the index)
// with the route type injected, its metric and, for IPv4, the route map. The table is the switch
// model's copy, chosen by the sysObjectID the main window reads again. The type is picked with
// radio buttons that stand for the hidden type combo box and are enabled by the protocol pair; the
// metric is checked against the destination's bound, but the check only warns. No guard,
// framework re-read, confirmed delete, FormClose clean-up.
//
// A dialog is this implementation and its design (RedistributionDesign): its table, size,
// texts, type buttons and protocol rules as data.
#pragma once

#include "FieldSet.h"
#include "MibModelSet.h"
#include "TForm.h"
#include "TListView.h"
#include "TableDialogController.h"

#include <span>
#include <string>

class TButton;
class TComboBox;
class TEdit;
class TGroupBox;
class TLabel;
class TPanel;
class TRadioButton;
class TStaticText;
class TStatusBar;
class TRouteRedistributionDialog;

// A type button: its number N (RadioButtonN), caption, the type option it stands for and its place
// in the "Type" group (96 DPI).
struct RedistributionTypeButton {
    int Number;
    const char* Caption;
    const char* Option;
    int Left;
    int Top;
};

// What a destination protocol decides: the metric label, the bound above which a metric warns,
// and the type buttons enabled (by their options) for any source, or for the source `Source` when
// it is given (the rules of one destination are looked through in order, the first that holds).
struct RedistributionRule {
    const char* Destination;
    const char* Source = nullptr; // null: any source
    const char* MetricLabel = nullptr;
    unsigned long MetricBound = 0;
    const char* MetricWarning = nullptr;
    std::span<const char* const> Types = {};
};

struct RedistributionDesign {
    const MibModelSet& Table;
    const char* Caption; // set by the creation (the opener then replaces it)
    int Width;
    int Height;
    const char* ResourceCaption;
    int ListHeight;
    int FieldsHeight; // the group of the fields, in the field panel
    bool MapName;     // the table has the route map
    std::span<const RedistributionTypeButton> Types;
    int TypeGroupLeft;
    int TypeGroupWidth;
    std::span<const RedistributionRule> Rules;
    bool TypeReadOnly;    // the table's Type column: granted for the Add's own SET only
    bool CountOnChanging; // the design's count handler: ListView1Changing, else ListView1Change
};

class TRouteRedistributionDialog : public TForm {
public:
    static constexpr int kTypeButtons = 10;

    TRouteRedistributionDialog(TComponent* owner, const RedistributionDesign& design);

    TPanel* Panel1;
    TStaticText* StaticText1;
    TButton* RefreshBtn;
    TButton* EditBtn; // "Set"
    TButton* AddBtn;
    TButton* DeleteBtn;
    TButton* CloseBtn;
    TPanel* Panel2;
    TListView* ListView1;
    TGroupBox* GroupBox1; // the protocols, the metric and the route map
    TComboBox* DST_ComboBox;
    TComboBox* Src_ComboBox;
    TLabel* Label5; // the metric's label, with its range
    TEdit* MetricEdit;
    TEdit* MapNameEdit = nullptr; // IPv4 only
    TComboBox* StComboBox;        // hidden: the row status
    TGroupBox* GroupBox2;         // "Type"
    TComboBox* ComboBox3;         // hidden: the type
    // RadioButtonN is RadioButtons[N - 1]; null where the design has no such button.
    TRadioButton* RadioButtons[kTypeButtons] = {};
    TStatusBar* StatusBar1;

    TableDialogController Table;
    FieldSet Fields;

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void RefreshBtnClick(TObject* sender);
    void EditBtnClick(TObject* sender);
    void AddBtnClick(TObject* sender);
    void DeleteBtnClick(TObject* sender);
    void CloseBtnClick(TObject* sender);
    void ListView1Changing(TObject* sender, TListItem* item, TItemChange change);
    void ListView1Change(TObject* sender, TListItem* item, TItemChange change);
    // A change of either protocol: the same-protocol warning, or the pair's metric label and type
    // buttons.
    void Src_ComboBoxChange(TObject* sender);
    // Every type button's click: a checked button chooses its type in the hidden combo box.
    void RadioButton1Click(TObject* sender);

    // Set and Delete on while a pair is chosen, Add while none is (none on a switch of no known
    // model); a chosen pair checks its type's button and applies its protocols' rule.
    void UpdateButtons(bool rowChosen);

    // The button that stands for a type option; null when the design has none.
    TRadioButton* TypeButton(const std::string& option) const;

private:
    const RedistributionDesign& Design;
    // The pair's rule: false (with the warning when `warn`) when both protocols are the same.
    bool ApplyProtocols(bool warn);
    // Warns (focus on the metric) when the metric is above the destination's bound; never stops.
    void CheckMetric();
    // The clear routine's own step: every type button enabled and unchecked.
    void ClearTypes();
};
