// The TLV chooser of the LLDP port configuration dialogs: one check box per name of a TLV name
// table, opened modally by a click into the list dialog's TLV field. Shown, it ticks the boxes
// whose names the field holds (it never unticks one); "Set Checked" writes the names text of the
// ticked boxes back into the field, and both buttons untick every box and close it. It writes
// nothing to the switch. A hidden box still takes and gives its name, so a bit the chooser does
// not offer passes through unchanged.
#pragma once

#include "LldpNames.h"
#include "TForm.h"

#include <span>
#include <vector>

class TButton;
class TCheckBox;
class TEdit;
class TPanel;

// What a chooser is: its names, the names whose boxes are hidden (placed after the others), its
// designed size and its caption (the device address follows it).
struct TlvChooserDesign {
    NameTable Names;
    std::span<const char* const> Hidden;
    int Width = 0;
    int Height = 0;
    const char* Caption = "";
};

class TLldpTlvChooserForm : public TForm {
public:
    // `field` is the list dialog's TLV field, which the chooser reads and writes.
    TLldpTlvChooserForm(TComponent* owner, const TlvChooserDesign& design, TEdit* field);

    TPanel* Panel1; // the buttons
    TButton* SetButton;
    TButton* CloseButton;
    TPanel* Panel2;                // the boxes
    std::vector<TCheckBox*> Boxes; // in the order of the name table

    void FormActivate(TObject* sender);
    void SetButtonClick(TObject* sender);
    void CloseButtonClick(TObject* sender);

private:
    void UncheckAll();

    const TlvChooserDesign Design;
    TEdit* Field;
};
