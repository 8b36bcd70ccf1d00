#include "TPageControl.h"

#include "QtBridge.h"

#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>

TTabSheet::TTabSheet(TComponent* owner) : TControl(owner) {
    auto* w = new QWidget();
    w->setFocusPolicy(Qt::NoFocus);
    SetWidget(w, 200, 150);
    SetTabStop(false);
}

TTabSheet::~TTabSheet() {
    if (Pages) {
        Pages->RemoveSheet(this);
    }
}

void TTabSheet::SetPageControl(TPageControl* pages) {
    SetParent(pages);
}

void TTabSheet::SetParent(TControl* parent) {
    if (Pages && parent != Pages) {
        Pages->RemoveSheet(this);
    }
    TControl::SetParent(parent);
}

void TTabSheet::SetCaption(const std::string& caption) {
    TControl::SetCaption(caption);
    if (Pages) {
        Pages->Tabs->setTabText(PageIndex(), ToQ(caption));
    }
}

void TTabSheet::SetTabVisible(bool visible) {
    IsTabVisible = visible;
    if (Pages) {
        Pages->Setting = true;
        Pages->Tabs->setTabVisible(PageIndex(), visible);
        Pages->Setting = false;
    }
}

void TTabSheet::ApplyVisible() {
    if (!Pages) {
        TControl::ApplyVisible();
    }
}

int TTabSheet::PageIndex() const {
    if (!Pages) {
        return -1;
    }
    auto it = std::find(Pages->Sheets.begin(), Pages->Sheets.end(), this);
    return it == Pages->Sheets.end() ? -1 : static_cast<int>(it - Pages->Sheets.begin());
}

TPageControl::TPageControl(TComponent* owner) : TControl(owner), Tabs(new QTabWidget()) {
    SetWidget(Tabs, 289, 193);
    QObject::connect(Tabs, &QTabWidget::currentChanged, SignalContext(), [this] {
        if (!Setting) {
            DispatchEvent(OnChange, this);
        }
    });
}

TPageControl::~TPageControl() {
    // The sheets go with the base part, after this part is gone: they must not call back, nor the
    // tab widget that loses them.
    BeforeDestruction();
    for (TTabSheet* sheet : Sheets) {
        sheet->Pages = nullptr;
    }
    Sheets.clear();
}

void TPageControl::AttachChildWidget(TControl* child) {
    auto* sheet = dynamic_cast<TTabSheet*>(child);
    if (!sheet) {
        TControl::AttachChildWidget(child);
        return;
    }
    if (sheet->Pages != this) {
        sheet->Pages = this;
    }
    Setting = true;
    Sheets.push_back(sheet);
    Tabs->addTab(sheet->Widget(), ToQ(sheet->Caption()));
    Tabs->setTabVisible(static_cast<int>(Sheets.size()) - 1, sheet->IsTabVisible);
    Setting = false;
}

void TPageControl::RemoveSheet(TTabSheet* sheet) {
    auto it = std::find(Sheets.begin(), Sheets.end(), sheet);
    if (it == Sheets.end()) {
        return;
    }
    Setting = true;
    Tabs->removeTab(static_cast<int>(it - Sheets.begin()));
    Sheets.erase(it);
    Setting = false;
    sheet->Pages = nullptr;
}

TTabSheet* TPageControl::ActivePage() const {
    int index = Tabs->currentIndex();
    return index >= 0 && index < PageCount() ? Sheets[index] : nullptr;
}

void TPageControl::SetActivePage(TTabSheet* sheet) {
    int index = sheet ? sheet->PageIndex() : -1;
    if (index >= 0) {
        SetActivePageIndex(index);
    }
}

int TPageControl::ActivePageIndex() const {
    return Tabs->currentIndex();
}

void TPageControl::SetActivePageIndex(int index) {
    Setting = true;
    Tabs->setCurrentIndex(index);
    Setting = false;
}
