#include "TRadioButton.h"

#include "QtBridge.h"

#include <QRadioButton>

TRadioButton::TRadioButton(TComponent* owner) : TControl(owner), Button(new QRadioButton()) {
    SetWidget(Button, 113, 17);
    QObject::connect(Button, &QRadioButton::toggled, SignalContext(), [this](bool on) {
        if (on && !Setting) {
            DispatchEvent(OnClick, this);
        }
    });
}

std::string TRadioButton::Caption() const {
    return FromQ(Button->text());
}
void TRadioButton::SetCaption(const std::string& caption) {
    TControl::SetCaption(caption);
    Button->setText(ToQ(caption));
}

bool TRadioButton::Checked() const {
    return Button->isChecked();
}

void TRadioButton::SetChecked(bool checked) {
    if (checked == Button->isChecked()) {
        return;
    }
    Setting = true;
    if (checked) {
        Button->setChecked(true);
    } else {
        // An exclusive button cannot be unchecked on its own.
        Button->setAutoExclusive(false);
        Button->setChecked(false);
        Button->setAutoExclusive(true);
    }
    Setting = false;
    if (checked && OnClick) {
        OnClick(this);
    }
}
