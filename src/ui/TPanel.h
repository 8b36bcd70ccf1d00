// A panel: a container with raised or lowered bevels and a caption drawn in its middle.
#pragma once

#include "TControl.h"

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

class PanelWidget;

class TPanel : public TControl {
public:
    explicit TPanel(TComponent* owner);

    std::string Caption() const override { return TControl::Caption(); }
    void SetCaption(const std::string& caption) override;
    TBevelCut BevelOuter() const { return Outer; }
    void SetBevelOuter(TBevelCut bevel);
    TBevelCut BevelInner() const { return Inner; }
    void SetBevelInner(TBevelCut bevel);
    int BevelWidth() const { return BevelPixels; }
    void SetBevelWidth(int width);
    int BorderWidth() const { return BorderPixels; }
    void SetBorderWidth(int width);
    TAlignment Alignment() const { return CaptionAlignment; }
    void SetAlignment(TAlignment alignment);

    TNotifyEvent OnClick;

protected:
    void AlignRect(int& left, int& top, int& right, int& bottom) const override;
    bool WidgetEvent(QObject* watched, QEvent* event) override;

private:
    friend class PanelWidget;
    int FrameWidth() const;
    PanelWidget* Panel;
    TBevelCut Outer = bvRaised;
    TBevelCut Inner = bvNone;
    int BevelPixels = 1;
    int BorderPixels = 0;
    TAlignment CaptionAlignment = taCenter;
};
