// A one-line edit.
//  - Setting Text from code fires OnChange (when the text differs), as typing does.
//    It puts the cursor at the start, so a text longer than the box shows its start.
//  - MaxLength limits typing only: a longer text set by code stays whole.
//  - OnKeyPress sees each typed character (Backspace as 8); setting the key to 0 drops it.
//  - OnExit: see TForm (only a move to another control of the same form).
#pragma once

#include "TControl.h"

#include <cstddef>

class QLineEdit;

class TEdit : public TControl {
public:
    explicit TEdit(TComponent* owner);

    std::string Text() const;
    void SetText(const std::string& text);
    std::string Caption() const override { return Text(); }
    void SetCaption(const std::string& caption) override { SetText(caption); }
    bool ReadOnly() const;
    void SetReadOnly(bool readOnly);
    int MaxLength() const { return MaxChars; }
    void SetMaxLength(int maxLength) { MaxChars = maxLength; }
    void SetPasswordChar(char c);
    int SelStart() const;
    void SetSelStart(int position);
    void SelectAll();
    void Clear() { SetText(""); }

    TNotifyEvent OnChange;
    TNotifyEvent OnClick;
    TKeyPressEvent OnKeyPress;
    TKeyEvent OnKeyDown;

protected:
    bool WidgetEvent(QObject* watched, QEvent* event) override;

private:
    friend class MaxLengthValidator;
    QLineEdit* Line;
    int MaxChars = 0;
    std::ptrdiff_t AcceptedLength = 0; // the text's length before the edit being validated
};
