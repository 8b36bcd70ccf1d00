// A check box. Setting Checked from code fires OnClick when the state changes, as a click does.
#pragma once

#include "TControl.h"

class QCheckBox;

class TCheckBox : public TControl {
public:
    explicit TCheckBox(TComponent* owner);

    std::string Caption() const override;
    void SetCaption(const std::string& caption) override;
    bool Checked() const;
    void SetChecked(bool checked);

    TNotifyEvent OnClick;

private:
    QCheckBox* Box;
};
