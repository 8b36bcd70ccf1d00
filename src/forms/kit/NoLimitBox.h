// A "No Limit" check box beside an edit whose value has a sentinel standing for no limit (0 for a
// rate, -1 for a learning limit). The box is the one way the edit shows the sentinel: ticked, the
// edit is disabled and grey (clBtnFace) and holds the sentinel, so a write sends it as it is;
// unticked, the edit is enabled (clWindow) and empty for a number. The list shows the sentinel as a
// text of its own ("No Limit"), which a selection may put into the edit.
#pragma once

#include <string>

class TCheckBox;
class TEdit;

class NoLimitBox {
public:
    NoLimitBox() = default;
    NoLimitBox(const NoLimitBox&) = delete;
    NoLimitBox& operator=(const NoLimitBox&) = delete;

    // Binds the box's click (a tick changed by the user or by code) to the edit's state. The click
    // holds what it needs itself, so it does not depend on this object's life.
    void Attach(TCheckBox* box, TEdit* edit, std::string sentinel, std::string rendered = "No Limit");

    // Sets the box and the edit from a value read (a row's cell or a scalar): the sentinel or its
    // rendered text ticks the box and puts the sentinel in the disabled edit; any other text unticks
    // the box and puts the text in the enabled edit.
    void SetFromText(const std::string& text);

    TCheckBox* Box = nullptr;
    TEdit* Edit = nullptr;

private:
    std::string Sentinel;
    std::string Rendered;
};
