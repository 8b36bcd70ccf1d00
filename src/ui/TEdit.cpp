#include "TEdit.h"

#include "QtBridge.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QValidator>

// Refuses an edit that makes the text longer than MaxLength; shorter edits of a longer text that
// code has set stay possible. Text set by code is never validated.
class MaxLengthValidator : public QValidator {
public:
    MaxLengthValidator(TEdit* edit, QObject* parent) : QValidator(parent), Edit(edit) {}
    State validate(QString& input, int&) const override {
        int max = Edit->MaxChars;
        if (max > 0 && input.size() > max && input.size() > Edit->AcceptedLength) {
            return Invalid;
        }
        return Acceptable;
    }
    TEdit* Edit;
};

TEdit::TEdit(TComponent* owner) : TControl(owner), Line(new QLineEdit()) {
    Line->setValidator(new MaxLengthValidator(this, Line));
    SetWidget(Line, 121, 21);
    QObject::connect(Line, &QLineEdit::textChanged, SignalContext(),
                     [this](const QString& text) { AcceptedLength = text.size(); });
    QObject::connect(Line, &QLineEdit::textEdited, SignalContext(),
                     [this] { DispatchEvent(OnChange, this); });
}

std::string TEdit::Text() const {
    return FromQ(Line->text());
}

void TEdit::SetText(const std::string& text) {
    QString q = ToQ(text);
    if (q == Line->text()) {
        return;
    }
    {
        // Known before setText validates, so that text set by code counts as valid input.
        AcceptedLength = q.size();
        QSignalBlocker block(Line);
        Line->setText(q);
        // Qt leaves the cursor at the end, which scrolls a text longer than the box to its end; a
        // value shown from code reads from its start (an IPv6 address would show only its tail).
        Line->setCursorPosition(0);
    }
    if (OnChange) {
        OnChange(this);
    }
}

bool TEdit::ReadOnly() const {
    return Line->isReadOnly();
}
void TEdit::SetReadOnly(bool readOnly) {
    Line->setReadOnly(readOnly);
}
void TEdit::SetPasswordChar(char c) {
    Line->setEchoMode(c ? QLineEdit::Password : QLineEdit::Normal);
}
int TEdit::SelStart() const {
    return Line->cursorPosition();
}
void TEdit::SetSelStart(int position) {
    Line->setCursorPosition(position);
}
void TEdit::SelectAll() {
    Line->selectAll();
}

bool TEdit::WidgetEvent(QObject* watched, QEvent* event) {
    if (watched != Line) {
        return TControl::WidgetEvent(watched, event);
    }
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (OnKeyDown) {
            unsigned short vk = VirtualKey(key);
            if (vk) {
                OnKeyDown(this, vk, ShiftStateOf(key->modifiers()));
                if (vk == 0) {
                    return true;
                }
            }
        }
        char c = KeyPressChar(key);
        if (c && OnKeyPress && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            char typed = c;
            OnKeyPress(this, typed);
            if (typed == 0) {
                return true;
            }
            if (typed != c && typed >= 32) {
                Line->insert(QString(QChar(typed)));
                return true;
            }
        }
        break;
    }
    case QEvent::MouseButtonRelease:
        if (OnClick && IsLeftClick(watched, event)) {
            OnClick(this);
        }
        break;
    default:
        break;
    }
    return TControl::WidgetEvent(watched, event);
}
