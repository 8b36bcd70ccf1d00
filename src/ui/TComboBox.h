// A drop-down list (csDropDownList) or an editable combo box (csDropDown).
//  - OnChange and OnClick fire on user action only: a choice from the list fires OnClick, then
//    OnChange; typing in an editable box fires OnChange. Setting ItemIndex or Text from code fires
//    nothing.
//  - Adding items keeps ItemIndex at -1 until something is chosen.
#pragma once

#include "TControl.h"
#include "TStrings.h"

class QComboBox;
class QObject;

enum TComboBoxStyle { csDropDown, csDropDownList };

class TComboBox : public TControl {
public:
    explicit TComboBox(TComponent* owner);

    TComboBoxStyle Style() const { return BoxStyle; }
    void SetStyle(TComboBoxStyle style);
    TStrings& Items() { return ItemList; }
    const TStrings& Items() const { return ItemList; }
    int ItemIndex() const;
    void SetItemIndex(int index);
    // The edit text (csDropDown) or the chosen item's text (csDropDownList).
    std::string Text() const;
    // csDropDownList: chooses the item of that text, or none.
    void SetText(const std::string& text);
    void Clear();
    void SetDropDownCount(int count);

    TNotifyEvent OnChange;
    TNotifyEvent OnClick;

private:
    void ItemsChanged(TStrings::Change change, int index);
    QComboBox* Box;
    TComboBoxStyle BoxStyle = csDropDown;
    QObject* HookedEdit = nullptr;
    TStrings ItemList;
};
