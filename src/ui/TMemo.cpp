#include "TMemo.h"

#include "QtBridge.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalBlocker>

TMemo::TMemo(TComponent* owner)
    : TControl(owner), Editor(new QPlainTextEdit()),
      LineList([this](TStrings::Change c, int i) { LinesChanged(c, i); }) {
    SetWidget(Editor, 185, 89);
    QObject::connect(Editor, &QPlainTextEdit::textChanged, SignalContext(), [this] {
        // Typed by the user (changes by code block the signal): take the lines over.
        Syncing = true;
        LineList.SetText(FromQ(Editor->toPlainText()));
        Syncing = false;
        DispatchEvent(OnChange, this);
    });
}

void TMemo::LinesChanged(TStrings::Change change, int index) {
    if (Syncing) {
        return;
    }
    QSignalBlocker block(Editor);
    if (change == TStrings::Change::Inserted && index == LineList.Count() - 1) {
        Editor->appendPlainText(ToQ(LineList[index]));
    } else {
        std::string text = LineList.Text();
        if (!text.empty()) {
            text.pop_back();
        }
        Editor->setPlainText(ToQ(text));
    }
    if (OnChange) {
        OnChange(this);
    }
}

std::string TMemo::Text() const {
    return LineList.Text();
}
void TMemo::SetText(const std::string& text) {
    LineList.SetText(text);
}
bool TMemo::ReadOnly() const {
    return Editor->isReadOnly();
}
void TMemo::SetReadOnly(bool readOnly) {
    Editor->setReadOnly(readOnly);
}

void TMemo::SetScrollBars(TScrollStyle style) {
    bool h = style == ssHorizontal || style == ssBoth;
    bool v = style == ssVertical || style == ssBoth;
    Editor->setHorizontalScrollBarPolicy(h ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    Editor->setVerticalScrollBarPolicy(v ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

void TMemo::SetWordWrap(bool wrap) {
    Editor->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}
