// A scroll box: its children live on a content area as large as they need. With AutoScroll the
// box shows scroll bars when the content is larger than the box; without, it clips.
#pragma once

#include "TControl.h"

class QScrollArea;

class TScrollBox : public TControl {
public:
    explicit TScrollBox(TComponent* owner);

    bool AutoScroll() const { return IsAutoScroll; }
    void SetAutoScroll(bool autoScroll);
    int VertScrollPosition() const;
    void SetVertScrollPosition(int position);
    void ScrollToTop() { SetVertScrollPosition(0); }
    int ClientWidth() const override;
    int ClientHeight() const override;
    // Makes the content area fit the children again (after they moved or grew).
    void FitContent();

protected:
    QWidget* ClientWidget() const override;
    bool WidgetEvent(QObject* watched, QEvent* event) override;

private:
    QScrollArea* Area;
    QWidget* Content;
    bool IsAutoScroll = true;
};
