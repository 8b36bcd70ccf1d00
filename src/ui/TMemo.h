// A multi-line edit; Lines.Add appends a line (a request's status target may be a memo).
#pragma once

#include "TControl.h"
#include "TStrings.h"

class QPlainTextEdit;

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TMemo : public TControl {
public:
    explicit TMemo(TComponent* owner);

    TStrings& Lines() { return LineList; }
    std::string Text() const;
    void SetText(const std::string& text);
    bool ReadOnly() const;
    void SetReadOnly(bool readOnly);
    void SetScrollBars(TScrollStyle style);
    void SetWordWrap(bool wrap);
    void Clear() { LineList.Clear(); }

    TNotifyEvent OnChange;

private:
    void LinesChanged(TStrings::Change change, int index);
    QPlainTextEdit* Editor;
    TStrings LineList;
    bool Syncing = false;
};
