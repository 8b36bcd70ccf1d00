#include "TComboBox.h"

#include "QtBridge.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

TComboBox::TComboBox(TComponent* owner)
    : TControl(owner), Box(new QComboBox()),
      ItemList([this](TStrings::Change c, int i) { ItemsChanged(c, i); }) {
    Box->setInsertPolicy(QComboBox::NoInsert);
    SetWidget(Box, 145, 21);
    SetStyle(csDropDown);
    QObject::connect(Box, &QComboBox::activated, SignalContext(), [this](int) {
        Dispatch([this] {
            if (OnClick) {
                OnClick(this);
            }
            if (OnChange) {
                OnChange(this);
            }
        });
    });
}

void TComboBox::SetStyle(TComboBoxStyle style) {
    BoxStyle = style;
    QSignalBlocker block(Box);
    int index = Box->currentIndex();
    Box->setEditable(style == csDropDown);
    if (style == csDropDownList) {
        HookedEdit = nullptr; // the box deleted its line edit
    }
    Box->setCurrentIndex(index);
    QLineEdit* edit = Box->lineEdit();
    // The box keeps its line edit while it stays editable: connect each one once.
    if (edit && edit != HookedEdit) {
        HookedEdit = edit;
        WatchWidget(edit);
        QObject::connect(edit, &QLineEdit::textEdited, SignalContext(),
                         [this] { DispatchEvent(OnChange, this); });
    }
}

void TComboBox::ItemsChanged(TStrings::Change change, int index) {
    QSignalBlocker block(Box);
    int current = Box->currentIndex();
    QString text = Box->isEditable() ? Box->currentText() : QString();
    switch (change) {
    case TStrings::Change::Inserted:
        Box->insertItem(index, ToQ(ItemList[index]));
        break;
    case TStrings::Change::Removed:
        Box->removeItem(index);
        break;
    case TStrings::Change::Replaced:
        Box->setItemText(index, ToQ(ItemList[index]));
        break;
    case TStrings::Change::Cleared:
        Box->clear();
        return;
    }
    // Qt makes the first item added to an empty box current; nothing was chosen.
    if (current < 0 && Box->currentIndex() >= 0) {
        Box->setCurrentIndex(-1);
        if (Box->isEditable()) {
            Box->setEditText(text);
        }
    }
}

int TComboBox::ItemIndex() const {
    return Box->currentIndex();
}

void TComboBox::SetItemIndex(int index) {
    QSignalBlocker block(Box);
    Box->setCurrentIndex(index >= 0 && index < Box->count() ? index : -1);
}

std::string TComboBox::Text() const {
    return FromQ(Box->currentText());
}

void TComboBox::SetText(const std::string& text) {
    QSignalBlocker block(Box);
    if (Box->isEditable()) {
        int index = ItemList.IndexOf(text);
        Box->setCurrentIndex(index);
        Box->setEditText(ToQ(text));
    } else {
        Box->setCurrentIndex(ItemList.IndexOf(text));
    }
}

void TComboBox::Clear() {
    ItemList.Clear();
    QSignalBlocker block(Box);
    if (Box->isEditable()) {
        Box->setEditText(QString());
    }
}

void TComboBox::SetDropDownCount(int count) {
    Box->setMaxVisibleItems(count);
}
