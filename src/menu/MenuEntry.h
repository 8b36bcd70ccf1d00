// The main menu as data: one entry per menu item in menu order (the submenus, separators and the
// leaves that have no command included), each command item with everything its command does. The
// menu tree is built from these entries and the command engine runs them; nothing here has code.
//
// A table dialog names its catalogue tables by their C++ symbols. Row positions count a table's
// rows from 0, index rows included, and are the positions of the variables in the request and of
// the fields in the rows panel.
#pragma once

#include "MibModelSet.h"
#include "MibTableRow.h"

#include <span>
#include <string>

enum class MenuItemKind : unsigned char {
    Item,      // a leaf: a command, or nothing when the design keeps it invisible
    Submenu,   // its items follow it, with its path as their prefix
    Separator, // caption "-"
};

enum class CommandKind : unsigned char {
    None,        // a submenu, a separator, or a leaf without a command
    TableDialog, // the generic dialog over catalogue tables: an editor, a list or pages
    Dedicated,   // a dedicated dialog class
    Sibling,     // a sibling program of the management suite
    Ddm,         // a DDM dialog builder of the catalogue
    Refresh,     // rebuild the front panels
    Help,        // the help file at its contents page
    About,       // the about box
    Nothing,     // bound, but does nothing
};

// The input validators that a checker names; the engine maps them to the check functions.
enum class InputCheck : unsigned char {
    None,
    CheckIPv4Text,
    CheckIPv6HexText,
    IsNetmaskText,
    IsMacText,
    IsHexWordText,
    CheckZeroOr60To1000000Text,
    CheckZeroOr8To10240000Text,
    CheckMinusOneOr1To2048Text,
    CheckMinusOneOr60To1000000Text,
};
const char* InputCheckName(InputCheck check);

// A catalogue table: one for every model, or a model set whose copy the switch's model picks.
struct MenuTable {
    const MibTableRow* Table = nullptr;
    const MibModelSet* Set = nullptr;

    constexpr bool Empty() const { return !Table && !Set; }
};

// One tuning call on a panel, run in the order the command lists them.
enum class TuningOp : unsigned char {
    None,
    Format,                // Row gets the constraint Text
    Checker,               // ... and Check replaces the constraint's built-in checks
    Bits,                  // Row becomes a bit editor: N boxes labelled X+1 .. X+N, Y per line
    Note,                  // the rows panel shows Text in bold red, font size N, at X, Y (unscaled)
    EditWidth,             // every field N wide, scaled
    EditWidthUnscaled,     // every field N wide
    EditWidthPlus,         // every field as wide as field 0 plus the scaled N
    MayBeEmpty,            // a ticked empty Row is written empty (Tag 99)
    KeepActive,            // Row is written while it reads "active" and stays in the Edit dialog (Tag 100)
    ShiftJisFont,          // the list view's and Row's font use the Shift-JIS character set
    HideEdit,              // the double-click still opens the Edit dialog
    HideEditNoDoubleClick, // nothing opens the Edit dialog
    NoDoubleClick,         // Edit stays; the double-click does nothing
    HideAddDelete,         // the button column is laid out again
    HideAddDeleteEdit,     // ... and no double-click: a read-only list
    HideDeleteKeepPlace,   // Delete hidden, its place in the column left empty
    StopButton,            // Stop shown above Close
};

struct Tuning {
    TuningOp Op = TuningOp::None;
    InputCheck Check = InputCheck::None;
    int Row = -1;
    const char* Text = nullptr;
    int N = 0;
    int X = 0;
    int Y = 0;
};

// A size set after the tunings (or before the pages, see MenuEntry::SizesBeforePages).
enum class SizeOp : unsigned char {
    None,
    Height,         // trunc(scale * Value)
    HeightUnscaled, // Value
    HeightPlus,     // Height + trunc(scale * Value); Value may be negative
    WidthPlus,      // Width + trunc(scale * Value)
    WidthUnscaled,  // Value
};

struct SizeStep {
    SizeOp Op = SizeOp::None;
    int Value = 0;
};

// Constructors of tunings and sizes, so that an entry reads like its command's settings.
namespace tune {
constexpr Tuning Format(int row, const char* constraint) {
    return {TuningOp::Format, InputCheck::None, row, constraint};
}
constexpr Tuning Checker(int row, const char* constraint, InputCheck check) {
    return {TuningOp::Checker, check, row, constraint};
}
constexpr Tuning Bits(int row, int count, int first, int perLine) {
    return {TuningOp::Bits, InputCheck::None, row, nullptr, count, first, perLine};
}
constexpr Tuning Note(const char* text, int fontSize, int left, int top) {
    return {TuningOp::Note, InputCheck::None, -1, text, fontSize, left, top};
}
constexpr Tuning EditWidth(int width) {
    return {TuningOp::EditWidth, InputCheck::None, -1, nullptr, width};
}
constexpr Tuning EditWidthUnscaled(int width) {
    return {TuningOp::EditWidthUnscaled, InputCheck::None, -1, nullptr, width};
}
constexpr Tuning EditWidthPlus(int width) {
    return {TuningOp::EditWidthPlus, InputCheck::None, -1, nullptr, width};
}
constexpr Tuning MayBeEmpty(int row) {
    return {TuningOp::MayBeEmpty, InputCheck::None, row};
}
constexpr Tuning KeepActive(int row) {
    return {TuningOp::KeepActive, InputCheck::None, row};
}
constexpr Tuning ShiftJisFont(int row) {
    return {TuningOp::ShiftJisFont, InputCheck::None, row};
}
constexpr Tuning HideEdit() {
    return {TuningOp::HideEdit};
}
constexpr Tuning HideEditNoDoubleClick() {
    return {TuningOp::HideEditNoDoubleClick};
}
constexpr Tuning NoDoubleClick() {
    return {TuningOp::NoDoubleClick};
}
constexpr Tuning HideAddDelete() {
    return {TuningOp::HideAddDelete};
}
constexpr Tuning HideAddDeleteEdit() {
    return {TuningOp::HideAddDeleteEdit};
}
constexpr Tuning HideDeleteKeepPlace() {
    return {TuningOp::HideDeleteKeepPlace};
}
constexpr Tuning StopButton() {
    return {TuningOp::StopButton};
}

constexpr SizeStep Height(int value) {
    return {SizeOp::Height, value};
}
constexpr SizeStep HeightUnscaled(int value) {
    return {SizeOp::HeightUnscaled, value};
}
constexpr SizeStep HeightPlus(int value) {
    return {SizeOp::HeightPlus, value};
}
constexpr SizeStep WidthPlus(int value) {
    return {SizeOp::WidthPlus, value};
}
constexpr SizeStep WidthUnscaled(int value) {
    return {SizeOp::WidthUnscaled, value};
}
} // namespace tune

enum class PanelLayout : unsigned char { Editor, List };

// The request class of a panel. OAM renders the "Functions Supported" column (at
// kOamFunctionsColumn) as capability names.
enum class RequestClass : unsigned char { Edits, OAM };
constexpr int kOamFunctionsColumn = 6;

constexpr int kMaxTunings = 16;

// One panel of a table dialog: the whole dialog of an editor or a list, or one page.
struct MenuPanel {
    const char* Caption = nullptr; // the page's caption; null outside a paged dialog
    PanelLayout Layout = PanelLayout::Editor;
    MenuTable Table = {};
    VarListKind Kind = SVT_SV;
    int Keys = 0;
    // When FirmwareMode is exactly Edition ("KC" or "KA"), EditionTable replaces Table.
    const char* Edition = nullptr;
    MenuTable EditionTable = {};
    int AddRow = -1;
    const char* AddValue = nullptr;
    int DeleteRow = -1;
    const char* DeleteValue = nullptr;
    int Timeout = 0; // reply time-out in 10 ms units for this request; 0 keeps the session's
    RequestClass Request = RequestClass::Edits;
    Tuning Tunings[kMaxTunings] = {};

    std::span<const Tuning> TuningList() const;
};

// The start-up passes of the main window that show, hide or enable this item.
struct MenuPasses {
    bool HideAtStart = false;   // hidden in every edition
    bool HideInKA = false;      // hidden when FirmwareMode is "KA"
    bool ShowInKC = false;      // shown when FirmwareMode is "KC"
    bool HideInKC = false;      // hidden when FirmwareMode is "KC"
    bool StackModeOnly = false; // shown while the stack mode reads "enabled", hidden otherwise
    bool EnableWithV3 = false;  // enabled only when the program talks SNMPv3
};

enum class DialogOwner : unsigned char { Application, MainForm };

enum class DdmBuilder : unsigned char {
    None,
    ShowDDMInformationSettings,
    ShowDDMStatusTable,
    ShowDDMThresholdManagementTable,
    ShowDDMPortManagementTable,
};
const char* DdmBuilderName(DdmBuilder builder);

constexpr int kMaxMenuDepth = 6;

struct MenuEntry {
    const char* Path[kMaxMenuDepth] = {}; // captions from the menu bar down to this item
    MenuItemKind Item = MenuItemKind::Item;
    const char* Name = nullptr;    // component name; null: the handler's name without "Click"
    const char* Handler = nullptr; // the main window's published handler
    bool Visible = true;           // visibility as the menu is defined
    MenuPasses Passes = {};
    CommandKind Command = CommandKind::None;

    // The dialog caption: Title, TitleJoin and the device address (TitleOnly: Title alone).
    const char* Title = nullptr;
    const char* TitleJoin = nullptr;
    bool TitleOnly = false;

    // TableDialog: one panel, or the pages in order (the panel is then unused).
    MenuPanel Panel = {};
    std::span<const MenuPanel> Pages = {};
    SizeStep Sizes[2] = {};
    bool SizesBeforePages = false; // the pages may still grow the dialog
    bool RaiseToV2c = false;       // an SNMPv1 session talks v2c for this dialog (64-bit counters)

    // Dedicated
    const char* Dialog = nullptr; // the class name
    DialogOwner Owner = DialogOwner::Application;
    bool LocalPointer = false; // the class's instance pointer is not set
    bool HasArgument = false;
    int Argument = 0;
    int MulticastIpVersion = 0; // written before the dialog is created when not 0
    bool StpVersionFirst = false;

    const char* ModuleKey = nullptr; // Sibling
    DdmBuilder Ddm = DdmBuilder::None;

    int Depth() const;
    const char* Caption() const { return Path[Depth() - 1]; }
    bool IsPaged() const { return !Pages.empty(); }
};

// The component name of the entry's item ("" for an unnamed submenu or separator).
std::string ComponentName(const MenuEntry& entry);
// The dialog caption for a device address.
std::string DialogCaption(const MenuEntry& entry, const std::string& address);
// The panels of a table dialog: its one panel, or its pages.
std::span<const MenuPanel> Panels(const MenuEntry& entry);
