#include "TCheckBox.h"

#include "QtBridge.h"

#include <QCheckBox>
#include <QSignalBlocker>

TCheckBox::TCheckBox(TComponent* owner) : TControl(owner), Box(new QCheckBox()) {
    SetWidget(Box, 97, 17);
    QObject::connect(Box, &QCheckBox::clicked, SignalContext(), [this] { DispatchEvent(OnClick, this); });
}

std::string TCheckBox::Caption() const {
    return FromQ(Box->text());
}
void TCheckBox::SetCaption(const std::string& caption) {
    TControl::SetCaption(caption);
    Box->setText(ToQ(caption));
}

bool TCheckBox::Checked() const {
    return Box->isChecked();
}

void TCheckBox::SetChecked(bool checked) {
    if (checked == Box->isChecked()) {
        return;
    }
    {
        QSignalBlocker block(Box);
        Box->setChecked(checked);
    }
    if (OnClick) {
        OnClick(this);
    }
}
