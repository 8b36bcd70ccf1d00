// A radio button; the buttons of one parent exclude each other. OnClick fires when the button
// becomes checked, by a click or by code; not when code unchecks it.
#pragma once

#include "TControl.h"

class QRadioButton;

class TRadioButton : public TControl {
public:
    explicit TRadioButton(TComponent* owner);

    std::string Caption() const override;
    void SetCaption(const std::string& caption) override;
    bool Checked() const;
    void SetChecked(bool checked);

    TNotifyEvent OnClick;

private:
    QRadioButton* Button;
    bool Setting = false;
};
