#include "TScrollBox.h"

#include <QChildEvent>
#include <QEvent>
#include <QScrollArea>
#include <QScrollBar>

TScrollBox::TScrollBox(TComponent* owner) : TControl(owner), Area(new QScrollArea()), Content(new QWidget()) {
    Area->setWidget(Content);
    Area->setWidgetResizable(false);
    Area->setFrameShape(QFrame::StyledPanel);
    Area->setFocusPolicy(Qt::NoFocus);
    SetWidget(Area, 185, 41);
    SetTabStop(false);
    WatchWidget(Content);
    WatchWidget(Area->viewport());
    SetAutoScroll(true);
}

void TScrollBox::SetAutoScroll(bool autoScroll) {
    IsAutoScroll = autoScroll;
    Qt::ScrollBarPolicy policy = autoScroll ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
    Area->setHorizontalScrollBarPolicy(policy);
    Area->setVerticalScrollBarPolicy(policy);
    FitContent();
}

int TScrollBox::VertScrollPosition() const {
    return Area->verticalScrollBar()->value();
}
void TScrollBox::SetVertScrollPosition(int position) {
    Area->verticalScrollBar()->setValue(position);
}

int TScrollBox::ClientWidth() const {
    return Area->viewport()->width();
}
int TScrollBox::ClientHeight() const {
    return Area->viewport()->height();
}

QWidget* TScrollBox::ClientWidget() const {
    return Content;
}

void TScrollBox::FitContent() {
    int right = 0, bottom = 0;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (c->Visible() && c->Align() == alNone) {
            right = std::max(right, c->Left() + c->Width());
            bottom = std::max(bottom, c->Top() + c->Height());
        }
    }
    QSize viewport = Area->viewport()->size();
    Content->resize(std::max(right, viewport.width()), std::max(bottom, viewport.height()));
}

bool TScrollBox::WidgetEvent(QObject* watched, QEvent* event) {
    // The viewport's own resize, not the area's: the area's event comes before it has laid out its
    // viewport and scroll bars, and a content fitted to the old viewport shows scroll bars that
    // nothing needs.
    bool fit = (watched == Area->viewport() && event->type() == QEvent::Resize) ||
               (watched == Content &&
                (event->type() == QEvent::ChildAdded || event->type() == QEvent::ChildRemoved ||
                 event->type() == QEvent::LayoutRequest));
    bool handled = TControl::WidgetEvent(watched, event);
    if (fit) {
        FitContent();
    }
    return handled;
}
