#include "TListView.h"

#include "QtBridge.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTreeView>
#include <stdexcept>

// The items and columns as Qt's view reads them; the toolkit objects stay the only copy.
class ListViewModel : public QAbstractTableModel {
public:
    explicit ListViewModel(TListView* list) : List(list) {}
    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : List->ItemList.Count();
    }
    int columnCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : List->ColumnList.Count();
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role == Qt::ToolTipRole) {
            return List->ShowHint() && !List->Hint().empty() ? QVariant(ToQ(List->Hint())) : QVariant();
        }
        if (role != Qt::DisplayRole) {
            return {};
        }
        const TListItem* item = List->ItemList[index.row()];
        int column = index.column();
        if (column == 0) {
            return ToQ(item->Caption());
        }
        return column - 1 < item->SubItems().Count() ? ToQ(item->SubItems()[column - 1]) : QString();
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section < List->ColumnList.Count()) {
            return ToQ(List->ColumnList[section]->Caption());
        }
        return {};
    }
    using QAbstractTableModel::beginInsertColumns;
    using QAbstractTableModel::beginInsertRows;
    using QAbstractTableModel::beginRemoveRows;
    using QAbstractTableModel::beginResetModel;
    using QAbstractTableModel::endInsertColumns;
    using QAbstractTableModel::endInsertRows;
    using QAbstractTableModel::endRemoveRows;
    using QAbstractTableModel::endResetModel;
    TListView* List;
};

// The view reports the mouse events of its rows area to the list view.
class ListTreeView : public QTreeView {
public:
    explicit ListTreeView(TListView* list) : List(list) {}
    void mousePressEvent(QMouseEvent* e) override {
        Dispatch([&] { List->ViewMouse(e); });
        QTreeView::mousePressEvent(e);
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        QTreeView::mouseReleaseEvent(e);
        Dispatch([&] { List->ViewMouse(e); });
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override {
        QTreeView::mouseDoubleClickEvent(e);
        Dispatch([&] { List->ViewMouse(e); });
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        QTreeView::mouseMoveEvent(e);
        Dispatch([&] { List->ViewMouse(e); });
    }
    TListView* List;
};

namespace {
// Draws the cell borders of a list view with grid lines.
class GridDelegate : public QStyledItemDelegate {
public:
    explicit GridDelegate(TListView* list, QObject* parent) : QStyledItemDelegate(parent), List(list) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        if (List->GridLines()) {
            painter->save();
            painter->setPen(option.palette.color(QPalette::Mid));
            painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
            painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
            painter->restore();
        }
    }
    TListView* List;
};
} // namespace

TListItem::TListItem(TListView* owner, int row)
    : Owner(owner), Row(row), Cells([this](TStrings::Change change, int index) {
          if (change == TStrings::Change::Inserted || change == TStrings::Change::Replaced) {
              Owner->CellChanged(Row, index + 1);
          } else {
              Owner->CellChanged(Row, -1);
          }
      }) {}

void TListItem::SetCaption(const std::string& caption) {
    if (caption == ItemCaption || !Owner->ItemChanging(this, ctText)) {
        return;
    }
    ItemCaption = caption;
    Owner->CellChanged(Row, 0);
    Owner->ItemChanged(this, ctText);
}

bool TListItem::Selected() const {
    return Owner->SelectedRow == Row;
}

void TListItem::SetSelected(bool selected) {
    if (selected) {
        Owner->SelectRow(Row);
    } else if (Selected()) {
        Owner->SelectRow(-1);
    }
}

void TListItem::Delete() {
    Owner->ItemList.Delete(Row);
}

TListItem* TListItems::Add() {
    int row = Count();
    Owner->Model->beginInsertRows(QModelIndex(), row, row);
    Items.push_back(std::unique_ptr<TListItem>(new TListItem(Owner, row)));
    Owner->Model->endInsertRows();
    TListItem* item = Items.back().get();
    Owner->ItemChanging(item, ctText);
    Owner->ItemChanged(item, ctText);
    return item;
}

void TListItems::Clear() {
    if (Items.empty()) {
        return;
    }
    Owner->SelectRow(-1);
    Owner->Model->beginResetModel();
    Items.clear();
    Owner->Model->endResetModel();
}

void TListItems::Delete(int index) {
    if (index < 0 || index >= Count()) {
        throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
    }
    if (Owner->SelectedRow == index) {
        Owner->SelectRow(-1);
    }
    Owner->Model->beginRemoveRows(QModelIndex(), index, index);
    Items.erase(Items.begin() + index);
    for (int i = index; i < Count(); ++i) {
        Items[i]->Row = i;
    }
    if (Owner->SelectedRow > index) {
        --Owner->SelectedRow;
    }
    Owner->Model->endRemoveRows();
}

void TListItems::BeginUpdate() {
    ++Owner->UpdateCount;
    Owner->View->setUpdatesEnabled(false);
}

void TListItems::EndUpdate() {
    if (Owner->UpdateCount > 0 && --Owner->UpdateCount == 0) {
        Owner->View->setUpdatesEnabled(true);
    }
}

void TListColumn::SetCaption(const std::string& caption) {
    ColumnCaption = caption;
    Owner->Model->headerDataChanged(Qt::Horizontal, Column, Column);
    if (ColumnWidth != 0 && !IsAutoSize) {
        Owner->ApplyColumnWidth(this);
    }
}

void TListColumn::SetWidth(int width) {
    ColumnWidth = width;
    Owner->ApplyColumnWidth(this);
}

void TListColumn::SetAutoSize(bool autoSize) {
    IsAutoSize = autoSize;
    Owner->ApplyColumnWidth(this);
}

TListColumn* TListColumns::Add() {
    int column = Count();
    Owner->Model->beginInsertColumns(QModelIndex(), column, column);
    Columns.push_back(std::unique_ptr<TListColumn>(new TListColumn(Owner, column)));
    Owner->Model->endInsertColumns();
    Owner->ApplyColumnWidth(Columns.back().get());
    return Columns.back().get();
}

void TListColumns::Clear() {
    Owner->Model->beginResetModel();
    Columns.clear();
    Owner->Model->endResetModel();
}

TListView::TListView(TComponent* owner)
    : TControl(owner), View(new ListTreeView(this)), Model(new ListViewModel(this)) {
    View->setModel(Model);
    View->setRootIsDecorated(false);
    View->setItemsExpandable(false);
    View->setUniformRowHeights(true);
    View->setAllColumnsShowFocus(true);
    View->setSelectionMode(QAbstractItemView::SingleSelection);
    View->setSelectionBehavior(QAbstractItemView::SelectRows);
    View->setEditTriggers(QAbstractItemView::NoEditTriggers);
    View->setItemDelegate(new GridDelegate(this, View));
    View->header()->setStretchLastSection(false);
    View->header()->setSectionsMovable(false);
    View->viewport()->setMouseTracking(true);
    SetWidget(View, 250, 150);
    QObject::connect(View->selectionModel(), &QItemSelectionModel::selectionChanged, SignalContext(),
                     [this] { Dispatch([this] { UserSelectionChanged(); }); });
}

TListView::~TListView() {
    TControl::BeforeDestruction(); // the view must not report the model going
    View->setModel(nullptr);
    delete Model;
}

void TListView::SetGridLines(bool gridLines) {
    HasGridLines = gridLines;
    View->viewport()->update();
}

void TListView::SetHideSelection(bool hide) {
    IsHideSelection = hide;
    // Shown selection: the selected row keeps its colour when the list loses the focus.
    QPalette p = View->palette();
    QPalette app = QApplication::palette();
    p.setColor(QPalette::Inactive, QPalette::Highlight,
               app.color(hide ? QPalette::Inactive : QPalette::Active, QPalette::Highlight));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText,
               app.color(hide ? QPalette::Inactive : QPalette::Active, QPalette::HighlightedText));
    View->setPalette(p);
}

TListItem* TListView::Selected() const {
    return SelectedRow >= 0 ? ItemList[SelectedRow] : nullptr;
}

void TListView::SetSelected(TListItem* item) {
    SelectRow(item ? item->Index() : -1);
}

void TListView::SelectRow(int row) {
    if (row >= ItemList.Count()) {
        row = -1;
    }
    if (row == SelectedRow) {
        return;
    }
    TListItem* old = Selected();
    SelectedRow = row;
    {
        QSignalBlocker block(View->selectionModel());
        if (row >= 0) {
            QModelIndex index = Model->index(row, 0);
            View->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                               QItemSelectionModel::Rows);
        } else {
            View->selectionModel()->clearSelection();
        }
    }
    View->viewport()->update();
    if (old) {
        if (OnSelectItem) {
            OnSelectItem(this, old, false);
        }
        ItemChanged(old, ctState);
    }
    if (TListItem* now = Selected()) {
        if (OnSelectItem) {
            OnSelectItem(this, now, true);
        }
        ItemChanged(now, ctState);
    }
}

void TListView::UserSelectionChanged() {
    QModelIndexList rows = View->selectionModel()->selectedRows();
    SelectRow(rows.isEmpty() ? -1 : rows.first().row());
}

bool TListView::ItemChanging(TListItem* item, TItemChange change) {
    bool allow = true;
    if (OnChanging) {
        OnChanging(this, item, change, allow);
    }
    return allow;
}

void TListView::ItemChanged(TListItem* item, TItemChange change) {
    if (OnChange) {
        OnChange(this, item, change);
    }
}

void TListView::CellChanged(int, int) {
    // The view reads the cells when it paints: a changed cell only needs one repaint after the
    // current event. Announcing every cell to the view instead makes it search its rows for each
    // one, which a walk of thousands of rows turns quadratic.
    if (RepaintQueued || UpdateCount > 0) {
        return;
    }
    RepaintQueued = true;
    PostCall(this, [this] {
        RepaintQueued = false;
        View->viewport()->update();
    });
}

void TListView::ApplyColumnWidth(TListColumn* column) {
    QHeaderView* header = View->header();
    int c = column->Column;
    if (c >= header->count()) {
        return;
    }
    if (column->IsAutoSize) {
        header->showSection(c);
        header->setSectionResizeMode(c, QHeaderView::Stretch);
        return;
    }
    header->setSectionResizeMode(c, QHeaderView::Interactive);
    int width = column->ColumnWidth;
    if (width == 0) {
        header->hideSection(c);
        return;
    }
    header->showSection(c);
    if (width == -2) {
        // Fits the caption: its text and the header's own margins.
        width = header->fontMetrics().horizontalAdvance(ToQ(column->ColumnCaption)) + 16;
        column->ColumnWidth = width;
    } else if (width == -1) {
        // Fits the widest cell of the column.
        QFontMetrics metrics = View->fontMetrics();
        width = header->sectionSizeHint(c);
        for (const auto& item : ItemList.Items) {
            const std::string& text = c == 0                             ? item->Caption()
                                      : c - 1 < item->SubItems().Count() ? item->SubItems()[c - 1]
                                                                         : std::string();
            width = std::max(width, metrics.horizontalAdvance(ToQ(text)) + 12);
        }
        column->ColumnWidth = width;
    }
    header->resizeSection(c, width);
}

TListItem* TListView::GetItemAt(int x, int y) const {
    QPoint inViewport = View->viewport()->mapFrom(View, QPoint(x, y));
    QModelIndex index = View->indexAt(inViewport);
    return index.isValid() ? ItemList[index.row()] : nullptr;
}

bool TListView::RowRect(int row, int& left, int& top, int& width, int& height) const {
    if (row < 0 || row >= ItemList.Count() || ColumnList.Count() == 0) {
        return false;
    }
    QRect r = View->visualRect(Model->index(row, 0));
    if (!r.isValid()) {
        return false;
    }
    QPoint topLeft = View->viewport()->mapTo(View, r.topLeft());
    left = topLeft.x();
    top = topLeft.y();
    width = r.width();
    height = r.height();
    return true;
}

void TListView::ScrollToTop() {
    View->scrollToTop();
}

void TListView::ViewMouse(QMouseEvent* mouse) {
    switch (mouse->type()) {
    case QEvent::MouseButtonPress:
        if (!View->indexAt(mouse->position().toPoint()).isValid()) {
            SelectRow(-1); // a click on empty space deselects
        }
        break;
    case QEvent::MouseButtonRelease:
        if (OnClick && mouse->button() == Qt::LeftButton) {
            OnClick(this);
        }
        break;
    case QEvent::MouseButtonDblClick:
        if (OnDblClick) {
            OnDblClick(this);
        }
        break;
    case QEvent::MouseMove:
        if (OnMouseMove) {
            QPoint p = View->viewport()->mapTo(View, mouse->position().toPoint());
            OnMouseMove(this, ShiftStateOf(mouse->modifiers()), p.x(), p.y());
        }
        break;
    default:
        break;
    }
}
