// Pages with tabs. Sheets are made at run time and given their PageControl. TabVisible false hides
// a sheet's tab (its page keeps its controls). OnChange fires when the user picks another tab, not
// when code sets ActivePage or hides the active sheet.
#pragma once

#include "TControl.h"

#include <vector>

class QTabWidget;
class TPageControl;

class TTabSheet : public TControl {
public:
    explicit TTabSheet(TComponent* owner);
    ~TTabSheet() override;

    TPageControl* PageControl() const { return Pages; }
    void SetPageControl(TPageControl* pages);
    void SetParent(TControl* parent) override;
    std::string Caption() const override { return TControl::Caption(); }
    void SetCaption(const std::string& caption) override;
    bool TabVisible() const { return IsTabVisible; }
    void SetTabVisible(bool visible);
    int PageIndex() const;

protected:
    // The tab widget shows the active page and hides the others; a sheet never shows itself.
    void ApplyVisible() override;

private:
    friend class TPageControl;
    TPageControl* Pages = nullptr;
    bool IsTabVisible = true;
};

class TPageControl : public TControl {
public:
    explicit TPageControl(TComponent* owner);
    ~TPageControl() override;

    int PageCount() const { return static_cast<int>(Sheets.size()); }
    TTabSheet* Pages(int index) const { return Sheets.at(index); }
    TTabSheet* ActivePage() const;
    void SetActivePage(TTabSheet* sheet);
    int ActivePageIndex() const;
    void SetActivePageIndex(int index);

    TNotifyEvent OnChange;

protected:
    void AttachChildWidget(TControl* child) override;

private:
    friend class TTabSheet;
    void RemoveSheet(TTabSheet* sheet);
    QTabWidget* Tabs;
    std::vector<TTabSheet*> Sheets;
    bool Setting = false;
};
