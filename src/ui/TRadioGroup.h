// A group of radio buttons made from Items, in Columns. Setting ItemIndex from code fires OnClick
// (when it changes), as a click does.
#pragma once

#include "TGroupBox.h"
#include "TStrings.h"

#include <vector>

class QRadioButton;

class TRadioGroup : public TGroupBox {
public:
    explicit TRadioGroup(TComponent* owner);

    TStrings& Items() { return ItemList; }
    const TStrings& Items() const { return ItemList; }
    int ItemIndex() const { return Index; }
    void SetItemIndex(int index);
    int Columns() const { return ColumnCount; }
    void SetColumns(int columns);

    TNotifyEvent OnClick;

protected:
    void Resized() override;

private:
    void Rebuild();
    void ArrangeButtons();
    TStrings ItemList;
    std::vector<QRadioButton*> Buttons;
    int Index = -1;
    int ColumnCount = 1;
};
