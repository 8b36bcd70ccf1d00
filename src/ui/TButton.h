// A push button. A click sets the form's ModalResult to the button's own (when not mrNone), then
// runs OnClick. Click() does the same from code.
#pragma once

#include "TControl.h"

class QPushButton;

class TButton : public TControl {
public:
    explicit TButton(TComponent* owner);

    std::string Caption() const override;
    void SetCaption(const std::string& caption) override;
    TModalResult ModalResult() const { return Result; }
    void SetModalResult(TModalResult result) { Result = result; }
    virtual void Click();

    TNotifyEvent OnClick;
    TKeyEvent OnKeyDown;

protected:
    bool WidgetEvent(QObject* watched, QEvent* event) override;
    QPushButton* Button;

private:
    TModalResult Result = mrNone;
};
