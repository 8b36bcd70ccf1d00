// A status bar (aligned to the bottom) with panels of given widths, the last one taking what is
// left; or, with SimplePanel, one simple text. The simple text is not shown while the panels are.
#pragma once

#include "TControl.h"

#include <memory>
#include <vector>

class QLabel;
class TStatusBar;

class TStatusPanel {
public:
    const std::string& Text() const { return PanelText; }
    void SetText(const std::string& text);
    int Width() const { return PanelWidth; }
    void SetWidth(int width);
    int Index() const { return PanelIndex; }

private:
    friend class TStatusPanels;
    friend class TStatusBar;
    TStatusPanel(TStatusBar* bar, int index);
    TStatusBar* Bar;
    int PanelIndex;
    std::string PanelText;
    int PanelWidth = 50;
    QLabel* Label;
};

class TStatusPanels {
public:
    TStatusPanel* Add();
    void Clear();
    int Count() const { return static_cast<int>(Panels.size()); }
    TStatusPanel* operator[](int index) const { return Panels.at(index).get(); }
    TStatusPanel* Items(int index) const { return Panels.at(index).get(); }

private:
    friend class TStatusBar;
    explicit TStatusPanels(TStatusBar* bar) : Bar(bar) {}
    TStatusBar* Bar;
    std::vector<std::unique_ptr<TStatusPanel>> Panels;
};

class TStatusBar : public TControl {
public:
    explicit TStatusBar(TComponent* owner);
    ~TStatusBar() override;

    TStatusPanels& Panels() { return PanelList; }
    bool SimplePanel() const { return IsSimple; }
    void SetSimplePanel(bool simple);
    const std::string& SimpleText() const { return Simple; }
    void SetSimpleText(const std::string& text);
    // The text shown at the moment (what a user reads): the simple text or the panels' texts.
    std::string ShownText() const;

protected:
    void Resized() override;

private:
    friend class TStatusPanel;
    friend class TStatusPanels;
    void Arrange();
    TStatusPanels PanelList{this};
    bool IsSimple = false;
    std::string Simple;
    QLabel* SimpleLabel;
};
