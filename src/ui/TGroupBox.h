// A framed box with a caption on its frame's top line, as the toolkit draws it; aligned children
// share the area inside the frame.
#pragma once

#include "TControl.h"

class QGroupBox;

class TGroupBox : public TControl {
public:
    explicit TGroupBox(TComponent* owner);

    std::string Caption() const override;
    void SetCaption(const std::string& caption) override;
    // Pixels the caption has before it meets the frame's right side.
    int TitleRoom() const;

    static constexpr int kTitleLeft = 8;    // where the caption's gap in the frame starts
    static constexpr int kTitlePadding = 2; // the gap on each side of the caption

protected:
    void AlignRect(int& left, int& top, int& right, int& bottom) const override;
    QGroupBox* Box;
};
