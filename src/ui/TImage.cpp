#include "TImage.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>

TImage::TImage(TComponent* owner) : TControl(owner), Label(new QLabel()) {
    Bitmap.OnChange = [this] { PictureChanged(); };
    Label->setFocusPolicy(Qt::NoFocus);
    Label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetWidget(Label, 105, 105);
    SetTabStop(false);
}

void TImage::PictureChanged() {
    Label->setPixmap(Bitmap.Empty() ? QPixmap() : QPixmap::fromImage(Bitmap.Image()));
}

void TImage::SetBitmap(const TBitmap& bitmap) {
    Bitmap = bitmap;
}

void TImage::SetStretch(bool stretch) {
    IsStretch = stretch;
    Label->setScaledContents(stretch);
}

void TImage::SetCenter(bool center) {
    Label->setAlignment(center ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignTop));
}

void TImage::SetTransparent(bool transparent) {
    Label->setAutoFillBackground(!transparent);
}

bool TImage::WidgetEvent(QObject* watched, QEvent* event) {
    if (OnClick && IsLeftClick(watched, event)) {
        OnClick(this);
    }
    return TControl::WidgetEvent(watched, event);
}
