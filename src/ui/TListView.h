// A report-style list view: rows of a caption and sub-items under columns.
//
// Event rules the dialogs rely on:
//  - OnSelectItem(item, selected) fires for every change of the selection, made by the user or by
//    code, and for the deselection of the item that was selected (first the old item with false,
//    then the new one with true). Clearing or deleting the selected item deselects it first.
//  - OnClick fires on a click anywhere in the list; a click on empty space deselects.
//  - OnChanging and OnChange fire after an item is added (so Items.Count already counts it), when
//    an item's caption changes and when its selection state changes.
//  - Handlers are plain callables: a binder may keep the old handler and call it from its own.
// Columns: Add with Caption and Width; a width of 0 hides the column, -2 fits the caption, -1 the
// contents. An invisible list view holds its items all the same. Adding 10,000 rows stays fast.
#pragma once

#include "TControl.h"
#include "TStrings.h"

#include <memory>
#include <vector>

class TListView;
class ListViewModel;
class QTreeView;
class QMouseEvent;

enum TItemChange { ctText, ctImage, ctState };
enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };

class TListItem {
public:
    TListItem(const TListItem&) = delete;
    TListItem& operator=(const TListItem&) = delete;

    const std::string& Caption() const { return ItemCaption; }
    void SetCaption(const std::string& caption);
    TStrings& SubItems() { return Cells; }
    const TStrings& SubItems() const { return Cells; }
    int Index() const { return Row; }
    bool Selected() const;
    void SetSelected(bool selected);
    void* Data() const { return UserData; }
    void SetData(void* data) { UserData = data; }
    TListView* ListView() const { return Owner; }
    // Removes the item from its list and deletes it.
    void Delete();

private:
    friend class TListView;
    friend class TListItems;
    TListItem(TListView* owner, int row);
    TListView* Owner;
    int Row;
    std::string ItemCaption;
    TStrings Cells;
    void* UserData = nullptr;
};

class TListItems {
public:
    TListItem* Add();
    void Clear();
    void Delete(int index);
    int Count() const { return static_cast<int>(Items.size()); }
    TListItem* operator[](int index) const { return Items.at(index).get(); }
    TListItem* Item(int index) const { return Items.at(index).get(); }
    void BeginUpdate();
    void EndUpdate();

private:
    friend class TListView;
    friend class TListItem;
    friend class ListViewModel;
    explicit TListItems(TListView* owner) : Owner(owner) {}
    TListView* Owner;
    std::vector<std::unique_ptr<TListItem>> Items;
};

class TListColumn {
public:
    const std::string& Caption() const { return ColumnCaption; }
    void SetCaption(const std::string& caption);
    int Width() const { return ColumnWidth; }
    // 0 hides the column, -1 fits the contents, -2 fits the caption.
    void SetWidth(int width);
    bool AutoSize() const { return IsAutoSize; }
    void SetAutoSize(bool autoSize);
    int Index() const { return Column; }

private:
    friend class TListColumns;
    friend class TListView;
    TListColumn(TListView* owner, int column) : Owner(owner), Column(column) {}
    TListView* Owner;
    int Column;
    std::string ColumnCaption;
    int ColumnWidth = 50;
    bool IsAutoSize = false;
};

class TListColumns {
public:
    TListColumn* Add();
    void Clear();
    int Count() const { return static_cast<int>(Columns.size()); }
    TListColumn* operator[](int index) const { return Columns.at(index).get(); }
    TListColumn* Items(int index) const { return Columns.at(index).get(); }

private:
    friend class TListView;
    friend class ListViewModel;
    explicit TListColumns(TListView* owner) : Owner(owner) {}
    TListView* Owner;
    std::vector<std::unique_ptr<TListColumn>> Columns;
};

using TLVSelectItemEvent = std::function<void(TObject* sender, TListItem* item, bool selected)>;
using TLVChangeEvent = std::function<void(TObject* sender, TListItem* item, TItemChange change)>;
using TLVChangingEvent =
    std::function<void(TObject* sender, TListItem* item, TItemChange change, bool& allowChange)>;

class TListView : public TControl {
public:
    explicit TListView(TComponent* owner);
    ~TListView() override;

    TListItems& Items() { return ItemList; }
    TListColumns& Columns() { return ColumnList; }

    bool ReadOnly() const { return IsReadOnly; }
    void SetReadOnly(bool readOnly) { IsReadOnly = readOnly; }
    bool RowSelect() const { return IsRowSelect; }
    void SetRowSelect(bool rowSelect) { IsRowSelect = rowSelect; }
    bool GridLines() const { return HasGridLines; }
    void SetGridLines(bool gridLines);
    bool HideSelection() const { return IsHideSelection; }
    void SetHideSelection(bool hide);
    TViewStyle ViewStyle() const { return Style; }
    void SetViewStyle(TViewStyle style) { Style = style; }

    TListItem* Selected() const;
    // Selects the item (null: none), firing OnSelectItem as a user's choice does.
    void SetSelected(TListItem* item);
    int ItemIndex() const { return SelectedRow; }
    // The item under a point of the list view (its own coordinates, header included), or null.
    TListItem* GetItemAt(int x, int y) const;
    // Where row `row` is drawn, in the list view's coordinates (for tests that click rows).
    bool RowRect(int row, int& left, int& top, int& width, int& height) const;
    void ScrollToTop();

    TLVSelectItemEvent OnSelectItem;
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TLVChangeEvent OnChange;
    TLVChangingEvent OnChanging;
    TMouseMoveEvent OnMouseMove;

private:
    friend class ListTreeView;
    void ViewMouse(QMouseEvent* mouse);
    friend class TListItem;
    friend class TListItems;
    friend class TListColumn;
    friend class TListColumns;
    friend class ListViewModel;
    void SelectRow(int row);
    void ItemChanged(TListItem* item, TItemChange change);
    bool ItemChanging(TListItem* item, TItemChange change);
    void CellChanged(int row, int column);
    void ApplyColumnWidth(TListColumn* column);
    void UserSelectionChanged();

    QTreeView* View;
    ListViewModel* Model;
    TListItems ItemList{this};
    TListColumns ColumnList{this};
    int SelectedRow = -1;
    int UpdateCount = 0;
    bool RepaintQueued = false;
    bool IsReadOnly = false;
    bool IsRowSelect = false;
    bool HasGridLines = false;
    bool IsHideSelection = true;
    TViewStyle Style = vsReport;
};
