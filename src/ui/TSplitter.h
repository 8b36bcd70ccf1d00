// A splitter: aligned between two aligned controls, dragging it resizes the control before it
// (the one on the splitter's alignment side), never below MinSize.
#pragma once

#include "TControl.h"

class TSplitter : public TControl {
public:
    explicit TSplitter(TComponent* owner);

    int MinSize() const { return Minimum; }
    void SetMinSize(int size) { Minimum = size; }
    // Moves the splitter by delta pixels, as a drag does.
    void DragBy(int delta);

protected:
    bool WidgetEvent(QObject* watched, QEvent* event) override;

private:
    TControl* Neighbour() const;
    int Minimum = 30;
    int DragStart = 0;
    bool Dragging = false;
};
