// A caption on the form. With AutoSize (the default) the label takes the size of its text.
#pragma once

#include "TControl.h"

class QLabel;

class TLabel : public TControl {
public:
    explicit TLabel(TComponent* owner);

    std::string Caption() const override;
    void SetCaption(const std::string& caption) override;
    bool AutoSize() const { return IsAutoSize; }
    void SetAutoSize(bool autoSize);
    TAlignment Alignment() const { return TextAlignment; }
    void SetAlignment(TAlignment alignment);
    bool WordWrap() const { return IsWordWrap; }
    void SetWordWrap(bool wrap);
    void SetTransparent(bool transparent);

    TNotifyEvent OnClick;

protected:
    bool WidgetEvent(QObject* watched, QEvent* event) override;
    void FitToText();
    QLabel* Label;

private:
    bool IsAutoSize = true;
    bool IsWordWrap = false;
    TAlignment TextAlignment = taLeftJustify;
};
