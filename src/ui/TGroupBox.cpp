#include "TGroupBox.h"

#include "QtBridge.h"

#include <QGroupBox>

TGroupBox::TGroupBox(TComponent* owner) : TControl(owner), Box(new QGroupBox()) {
    Box->setFocusPolicy(Qt::NoFocus);
    SetWidget(Box, 185, 105);
}

std::string TGroupBox::Caption() const {
    return FromQ(Box->title());
}
void TGroupBox::SetCaption(const std::string& caption) {
    TControl::SetCaption(caption);
    Box->setTitle(ToQ(caption));
}

void TGroupBox::AlignRect(int& left, int& top, int& right, int& bottom) const {
    TControl::AlignRect(left, top, right, bottom);
    left += 2;
    top += Box->fontMetrics().height() + 2;
    right -= 2;
    bottom -= 2;
}
