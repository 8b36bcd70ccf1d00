// The dot3 pause table: each interface's administration and operational pause mode, its received
// and sent pause frames polled at a chosen interval, and "Set" of the administration mode.
#pragma once

#include "Dot3Form.h"
#include "FieldSet.h"

class TComboBox;
class TEdit;
class TLabel;

class Tdot3PauseForm : public TDot3Form {
public:
    explicit Tdot3PauseForm(TComponent* owner);

    TLabel* Label3; // "Admin Mode"
    TComboBox* cbxAdminMode;
    TEdit* edtIndex; // hidden: the interface the write addresses
    FieldSet Fields;

protected:
    void BindTable(DialogRequest& request) override;
    void ClearOwn() override;
    void EnableOwn() override;
    int WrittenColumn() const override;
};

extern Tdot3PauseForm* dot3PauseForm;
