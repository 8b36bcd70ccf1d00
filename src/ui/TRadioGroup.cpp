#include "TRadioGroup.h"

#include "QtBridge.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QSignalBlocker>

TRadioGroup::TRadioGroup(TComponent* owner)
    : TGroupBox(owner), ItemList([this](TStrings::Change, int) { Rebuild(); }) {}

void TRadioGroup::Rebuild() {
    for (QRadioButton* b : Buttons) {
        delete b;
    }
    Buttons.clear();
    for (int i = 0; i < ItemList.Count(); ++i) {
        auto* button = new QRadioButton(ToQ(ItemList[i]), Box);
        button->setChecked(i == Index);
        button->show();
        QObject::connect(button, &QRadioButton::clicked, SignalContext(), [this, i] {
            if (i != Index) {
                Index = i;
                DispatchEvent(OnClick, this);
            }
        });
        Buttons.push_back(button);
    }
    if (Index >= ItemList.Count()) {
        Index = -1;
    }
    ArrangeButtons();
}

void TRadioGroup::SetItemIndex(int index) {
    if (index < -1 || index >= ItemList.Count()) {
        index = -1;
    }
    if (index == Index) {
        return;
    }
    Index = index;
    for (size_t i = 0; i < Buttons.size(); ++i) {
        QSignalBlocker block(Buttons[i]);
        Buttons[i]->setAutoExclusive(false);
        Buttons[i]->setChecked(static_cast<int>(i) == index);
        Buttons[i]->setAutoExclusive(true);
    }
    if (OnClick) {
        OnClick(this);
    }
}

void TRadioGroup::SetColumns(int columns) {
    ColumnCount = std::max(1, columns);
    ArrangeButtons();
}

void TRadioGroup::Resized() {
    TGroupBox::Resized();
    ArrangeButtons();
}

void TRadioGroup::ArrangeButtons() {
    if (Buttons.empty()) {
        return;
    }
    int left, top, right, bottom;
    AlignRect(left, top, right, bottom);
    int count = static_cast<int>(Buttons.size());
    int rows = (count + ColumnCount - 1) / ColumnCount;
    int columnWidth = (right - left - 6) / ColumnCount;
    int rowHeight = std::max(1, (bottom - top) / rows);
    for (int i = 0; i < count; ++i) {
        int column = i / rows;
        int row = i % rows;
        int h = Buttons[i]->sizeHint().height();
        Buttons[i]->setGeometry(left + 6 + column * columnWidth, top + row * rowHeight + (rowHeight - h) / 2,
                                columnWidth, h);
    }
}
