// A picture on the form (front-panel picture, unit digit, PoE button).
#pragma once

#include "TControl.h"
#include "TGraphics.h"

class QLabel;

class TImage : public TControl {
public:
    explicit TImage(TComponent* owner);

    // Loading into the picture shows it.
    TBitmap* Picture() { return &Bitmap; }
    void SetBitmap(const TBitmap& bitmap);
    bool Stretch() const { return IsStretch; }
    void SetStretch(bool stretch);
    void SetCenter(bool center);
    void SetTransparent(bool transparent);

    TNotifyEvent OnClick;

protected:
    bool WidgetEvent(QObject* watched, QEvent* event) override;

private:
    void PictureChanged();
    QLabel* Label;
    TBitmap Bitmap;
    bool IsStretch = false;
};
