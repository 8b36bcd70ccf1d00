#include "TButton.h"

#include "QtBridge.h"
#include "TForm.h"

#include <QKeyEvent>
#include <QPushButton>

TButton::TButton(TComponent* owner) : TControl(owner), Button(new QPushButton()) {
    Button->setAutoDefault(false);
    SetWidget(Button, 75, 25);
    QObject::connect(Button, &QPushButton::clicked, SignalContext(),
                     [this] { Dispatch([this] { Click(); }); });
}

std::string TButton::Caption() const {
    return FromQ(Button->text());
}
void TButton::SetCaption(const std::string& caption) {
    TControl::SetCaption(caption);
    Button->setText(ToQ(caption));
}

void TButton::Click() {
    if (Result != mrNone) {
        if (TForm* form = ParentForm()) {
            form->SetModalResult(Result);
        }
    }
    if (OnClick) {
        OnClick(this);
    }
}

bool TButton::WidgetEvent(QObject* watched, QEvent* event) {
    if (watched == Button && event->type() == QEvent::KeyPress && OnKeyDown) {
        auto* key = static_cast<QKeyEvent*>(event);
        unsigned short vk = VirtualKey(key);
        if (vk) {
            OnKeyDown(this, vk, ShiftStateOf(key->modifiers()));
            if (vk == 0) {
                return true;
            }
        }
    }
    return TControl::WidgetEvent(watched, event);
}
