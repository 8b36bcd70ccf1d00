// The dot3 MAC-control table: each interface's supported functions (the pause function shown) and
// its received unknown opcodes polled at a chosen interval. It writes nothing.
#pragma once

#include "Dot3Form.h"

class TCheckBox;
class TGroupBox;

class Tdot3ControlForm : public TDot3Form {
public:
    explicit Tdot3ControlForm(TComponent* owner);

    TGroupBox* GroupBox1; // "Function Support"
    // Bits 0 to 7 of the supported functions; only the first, "pause", is shown.
    TCheckBox* CheckBox1;
    TCheckBox* CheckBox2;
    TCheckBox* CheckBox3;
    TCheckBox* CheckBox4;
    TCheckBox* CheckBox5;
    TCheckBox* CheckBox6;
    TCheckBox* CheckBox7;
    TCheckBox* CheckBox8;

protected:
    void BindTable(DialogRequest& request) override;
    void ClearOwn() override;
    void EnableOwn() override;
};

extern Tdot3ControlForm* dot3ControlForm;
