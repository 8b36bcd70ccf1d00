// A picture on the form (front-panel picture, unit digit, PoE button).
#pragma once

#include "TControl.h"
#include "TGraphics.h"

class QLabel;

class TImage : public TControl {
public:
    explicit TImage(TComponent* owner);

    // The picture; call PictureChanged after loading into it.
    TBitmap* Picture() { return &Bitmap; }
    void PictureChanged();
    void SetBitmap(const TBitmap& bitmap);
    bool Stretch() const { return IsStretch; }
    void SetStretch(bool stretch);
    void SetCenter(bool center);
    void SetTransparent(bool transparent);

    TNotifyEvent OnClick;

protected:
    bool WidgetEvent(QObject* watched, QEvent* event) override;

private:
    QLabel* Label;
    TBitmap Bitmap;
    bool IsStretch = false;
};
