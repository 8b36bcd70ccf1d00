#include "TLabel.h"

#include "QtBridge.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

namespace {
Qt::Alignment ToQtAlignment(TAlignment a) {
    switch (a) {
    case taRightJustify:
        return Qt::AlignRight | Qt::AlignVCenter;
    case taCenter:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case taLeftJustify:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}
} // namespace

TLabel::TLabel(TComponent* owner) : TControl(owner), Label(new QLabel()) {
    Label->setFocusPolicy(Qt::NoFocus);
    Label->setTextFormat(Qt::PlainText);
    SetWidget(Label, 32, 13);
    SetTabStop(false);
}

std::string TLabel::Caption() const {
    return FromQ(Label->text());
}

void TLabel::SetCaption(const std::string& caption) {
    TControl::SetCaption(caption);
    Label->setText(ToQ(caption));
    FitToText();
}

void TLabel::SetAutoSize(bool autoSize) {
    IsAutoSize = autoSize;
    FitToText();
}

void TLabel::SetAlignment(TAlignment alignment) {
    TextAlignment = alignment;
    Label->setAlignment(ToQtAlignment(alignment));
}

void TLabel::SetWordWrap(bool wrap) {
    IsWordWrap = wrap;
    Label->setWordWrap(wrap);
    FitToText();
}

void TLabel::SetTransparent(bool transparent) {
    Label->setAutoFillBackground(!transparent);
}

void TLabel::FitToText() {
    if (!IsAutoSize) {
        return;
    }
    if (IsWordWrap) {
        SetHeight(Label->heightForWidth(Width()));
    } else {
        QSize size = Label->sizeHint();
        SetBounds(Left(), Top(), size.width(), size.height());
    }
}

bool TLabel::WidgetEvent(QObject* watched, QEvent* event) {
    if (OnClick && IsLeftClick(watched, event)) {
        OnClick(this);
    }
    if (watched == Label && event->type() == QEvent::FontChange) {
        FitToText();
    }
    return TControl::WidgetEvent(watched, event);
}
