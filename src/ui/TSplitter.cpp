#include "TSplitter.h"

#include <QMouseEvent>
#include <QWidget>

TSplitter::TSplitter(TComponent* owner) : TControl(owner) {
    auto* w = new QWidget();
    w->setFocusPolicy(Qt::NoFocus);
    SetWidget(w, 3, 100);
    SetTabStop(false);
    SetAlign(alLeft);
}

TControl* TSplitter::Neighbour() const {
    TControl* parent = Parent();
    if (!parent) {
        return nullptr;
    }
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* c = parent->Controls(i);
        if (c == this || c->Align() != Align() || !c->Visible()) {
            continue;
        }
        bool touches = (Align() == alLeft && c->Left() + c->Width() == Left()) ||
                       (Align() == alRight && c->Left() == Left() + Width()) ||
                       (Align() == alTop && c->Top() + c->Height() == Top()) ||
                       (Align() == alBottom && c->Top() == Top() + Height());
        if (touches) {
            return c;
        }
    }
    return nullptr;
}

void TSplitter::DragBy(int delta) {
    TControl* c = Neighbour();
    if (!c) {
        return;
    }
    switch (Align()) {
    case alLeft:
        c->SetWidth(std::max(Minimum, c->Width() + delta));
        break;
    case alRight:
        c->SetWidth(std::max(Minimum, c->Width() - delta));
        break;
    case alTop:
        c->SetHeight(std::max(Minimum, c->Height() + delta));
        break;
    case alBottom:
        c->SetHeight(std::max(Minimum, c->Height() - delta));
        break;
    default:
        break;
    }
}

bool TSplitter::WidgetEvent(QObject* watched, QEvent* event) {
    if (watched == Widget()) {
        bool vertical = Align() == alLeft || Align() == alRight;
        auto pos = [&](QEvent* e) {
            QPoint p = static_cast<QMouseEvent*>(e)->globalPosition().toPoint();
            return vertical ? p.x() : p.y();
        };
        switch (event->type()) {
        case QEvent::Enter:
            Widget()->setCursor(vertical ? Qt::SplitHCursor : Qt::SplitVCursor);
            break;
        case QEvent::MouseButtonPress:
            Dragging = true;
            DragStart = pos(event);
            return true;
        case QEvent::MouseMove:
            if (Dragging) {
                int p = pos(event);
                DragBy(p - DragStart);
                DragStart = p;
            }
            return true;
        case QEvent::MouseButtonRelease:
            Dragging = false;
            return true;
        default:
            break;
        }
    }
    return TControl::WidgetEvent(watched, event);
}
