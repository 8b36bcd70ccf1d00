// A framed box with a caption; aligned children share the area inside the frame.
#pragma once

#include "TControl.h"

class QGroupBox;

class TGroupBox : public TControl {
public:
    explicit TGroupBox(TComponent* owner);

    std::string Caption() const override;
    void SetCaption(const std::string& caption) override;

protected:
    void AlignRect(int& left, int& top, int& right, int& bottom) const override;
    QGroupBox* Box;
};
