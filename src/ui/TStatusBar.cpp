#include "TStatusBar.h"

#include "QtBridge.h"

#include <QLabel>
#include <QWidget>

TStatusPanel::TStatusPanel(TStatusBar* bar, int index) : Bar(bar), PanelIndex(index), Label(new QLabel()) {
    Label->setParent(bar->Widget());
    Label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Label->setTextFormat(Qt::PlainText);
}

void TStatusPanel::SetText(const std::string& text) {
    PanelText = text;
    Label->setText(ToQ(text));
}

void TStatusPanel::SetWidth(int width) {
    PanelWidth = width;
    Bar->Arrange();
}

TStatusPanel* TStatusPanels::Add() {
    Panels.push_back(std::unique_ptr<TStatusPanel>(new TStatusPanel(Bar, Count())));
    Bar->Arrange();
    return Panels.back().get();
}

void TStatusPanels::Clear() {
    for (auto& panel : Panels) {
        delete panel->Label;
    }
    Panels.clear();
    Bar->Arrange();
}

TStatusBar::TStatusBar(TComponent* owner) : TControl(owner), SimpleLabel(new QLabel()) {
    auto* w = new QWidget();
    w->setFocusPolicy(Qt::NoFocus);
    SetWidget(w, 200, 19);
    SetTabStop(false);
    SimpleLabel->setParent(w);
    SimpleLabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    SimpleLabel->setTextFormat(Qt::PlainText);
    SetAlign(alBottom);
    Arrange();
}

TStatusBar::~TStatusBar() {
    PanelList.Panels.clear();
}

void TStatusBar::SetSimplePanel(bool simple) {
    IsSimple = simple;
    Arrange();
}

void TStatusBar::SetSimpleText(const std::string& text) {
    Simple = text;
    SimpleLabel->setText(ToQ(text));
}

std::string TStatusBar::ShownText() const {
    if (IsSimple) {
        return Simple;
    }
    std::string text;
    for (const auto& panel : PanelList.Panels) {
        if (!text.empty()) {
            text += " | ";
        }
        text += panel->PanelText;
    }
    return text;
}

void TStatusBar::Resized() {
    TControl::Resized();
    Arrange();
}

void TStatusBar::Arrange() {
    SimpleLabel->setVisible(IsSimple);
    SimpleLabel->setGeometry(0, 0, Width(), Height());
    int left = 0;
    int count = PanelList.Count();
    for (int i = 0; i < count; ++i) {
        TStatusPanel* panel = PanelList[i];
        panel->Label->setVisible(!IsSimple);
        int width = i == count - 1 ? std::max(panel->PanelWidth, Width() - left) : panel->PanelWidth;
        panel->Label->setGeometry(left, 0, width, Height());
        left += width;
    }
}
