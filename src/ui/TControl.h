// Controls: a component that shows a Qt widget, placed in a Parent control.
//
// Owner and Parent stay apart: the Owner deletes the control, the Parent shows it. Deleting a
// parent deletes its child controls first (each leaves its owner's list), so a Qt widget is never
// deleted behind the control that holds it. Bounds are the toolkit's own numbers (Left, Top, Width,
// Height, relative to the parent's client area); Align lays children out in creation order within
// their alignment (alTop stacks downwards, alBottom upwards, alLeft and alRight inwards, alClient
// takes what is left).
#pragma once

#include "Dispatch.h"
#include "Events.h"
#include "TColor.h"
#include "TComponent.h"

#include <memory>
#include <string>
#include <vector>

class QWidget;
class QObject;
class QEvent;
class TForm;
class ControlEventProxy;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

class TFont {
public:
    const std::string& Name() const { return FontName; }
    void SetName(std::string name);
    // Points, as the forms give them (0: the application font's size). A size is drawn at its pixels
    // at 96 pixels per inch, scaled as the application font is (ApplicationFont.h).
    int Size() const { return FontSize; }
    void SetSize(int size);
    // The character height in pixels at 96 pixels per inch, negative as the forms give it (-11 for
    // 8 points; 0: the application font's). Setting one sets the other.
    int Height() const { return -FontPixels; }
    void SetHeight(int height);
    TColor Color() const { return FontColor; }
    void SetColor(TColor color);
    unsigned Style() const { return FontStyle; }
    void SetStyle(unsigned style);
    bool Bold() const { return (FontStyle & fsBold) != 0; }
    void SetBold(bool bold) { SetStyle(bold ? (FontStyle | fsBold) : (FontStyle & ~fsBold)); }
    // The character set the text is meant for: kDefaultCharset, or kShiftJisCharset, which puts
    // fonts with Japanese glyphs first.
    int Charset() const { return FontCharset; }
    void SetCharset(int charset);
    static constexpr int kDefaultCharset = 1;
    static constexpr int kShiftJisCharset = 128;

private:
    friend class TControl;
    explicit TFont(TControl* control) : Control(control) {}
    TControl* Control;
    std::string FontName;
    int FontSize = 0;
    int FontPixels = 0;
    TColor FontColor = clWindowText;
    unsigned FontStyle = 0;
    int FontCharset = kDefaultCharset;
};

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    QWidget* Widget() const;

    TControl* Parent() const { return ParentControl; }
    virtual void SetParent(TControl* parent);
    int ControlCount() const { return static_cast<int>(Children.size()); }
    TControl* Controls(int index) const { return Children.at(index); }

    int Left() const { return BoundsLeft; }
    int Top() const { return BoundsTop; }
    int Width() const { return BoundsWidth; }
    int Height() const { return BoundsHeight; }
    void SetLeft(int v) { SetBounds(v, BoundsTop, BoundsWidth, BoundsHeight); }
    void SetTop(int v) { SetBounds(BoundsLeft, v, BoundsWidth, BoundsHeight); }
    void SetWidth(int v) { SetBounds(BoundsLeft, BoundsTop, v, BoundsHeight); }
    void SetHeight(int v) { SetBounds(BoundsLeft, BoundsTop, BoundsWidth, v); }
    virtual void SetBounds(int left, int top, int width, int height);
    // The client area: the whole control unless a subclass has a frame, a caption or a menu bar.
    virtual int ClientWidth() const { return BoundsWidth; }
    virtual int ClientHeight() const { return BoundsHeight; }
    void SetClientWidth(int w) { SetWidth(BoundsWidth - ClientWidth() + w); }
    void SetClientHeight(int h) { SetHeight(BoundsHeight - ClientHeight() + h); }

    bool Visible() const { return IsVisibleFlag; }
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible and every parent up to a shown form visible.
    bool Showing() const;
    bool Enabled() const { return IsEnabled; }
    virtual void SetEnabled(bool enabled);

    TColor Color() const { return BackColor; }
    void SetColor(TColor color);
    TFont* Font() { return &ControlFont; }

    TAlign Align() const { return Alignment; }
    void SetAlign(TAlign align);

    const std::string& Hint() const { return HintText; }
    void SetHint(std::string hint);
    bool ShowHint() const { return IsShowHint; }
    void SetShowHint(bool show);

    virtual std::string Caption() const { return CaptionText; }
    virtual void SetCaption(const std::string& caption);

    bool TabStop() const { return IsTabStop; }
    void SetTabStop(bool tabStop);
    bool CanFocus() const;
    bool Focused() const;
    // Throws when the control cannot take the focus (hidden or disabled).
    void SetFocus();

    // The top-level form that shows this control (through embedded forms), or null.
    TForm* ParentForm() const;

    // Lays the aligned children out again.
    void Realign();

    // Messages delivered by PostMessage; the base ignores them.
    virtual void WndProc(TMessage& message) {}

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TNotifyEvent OnResize;

protected:
    // The context of every signal connection of a subclass: it goes in BeforeDestruction, while the
    // whole control still exists, so no signal that Qt emits while it deletes the widgets (a tab
    // widget losing its pages, a view its model) reaches a control whose derived part is gone.
    QObject* SignalContext() const;
    void BeforeDestruction() override;
    // Subclasses give their widget once, in their constructor; the control owns it.
    void SetWidget(QWidget* widget, int width, int height);
    // The widget that holds child controls' widgets (a form's client area, a scroll box's contents).
    virtual QWidget* ClientWidget() const;
    // Puts the child's widget into this control's client widget (a page control adds a tab instead).
    virtual void AttachChildWidget(TControl* child);
    // The rectangle that aligned children share, in client coordinates.
    virtual void AlignRect(int& left, int& top, int& right, int& bottom) const;
    // Moves the widget to the stored bounds.
    virtual void ApplyBounds();
    // An event of the control's widget (or of a widget passed to WatchWidget); true eats it. It runs
    // inside Dispatch, so a handler may throw.
    virtual bool WidgetEvent(QObject* watched, QEvent* event);
    void WatchWidget(QObject* object);
    // A left-button release on the control's widget: a click.
    bool IsLeftClick(QObject* watched, QEvent* event) const;
    // Called after the widget's size changed (by layout, user or code).
    virtual void Resized();
    void StoreBounds(int left, int top, int width, int height);
    void ApplyFont();
    virtual void ApplyVisible();

    friend class TFont;
    friend class TForm;
    friend class ControlEventProxy;

private:
    void RemoveChild(TControl* child);
    bool AlignedChildrenNeedRealign(const TControl* child) const;

    struct WidgetHolder;
    std::unique_ptr<WidgetHolder> Holder;
    ControlEventProxy* Proxy = nullptr;
    QObject* Signals;
    TControl* ParentControl = nullptr;
    std::vector<TControl*> Children;
    int BoundsLeft = 0, BoundsTop = 0, BoundsWidth = 0, BoundsHeight = 0;
    bool IsVisibleFlag = true;
    bool IsEnabled = true;
    bool IsTabStop = true;
    bool IsShowHint = false;
    bool Aligning = false;
    bool Destroying = false;
    TColor BackColor = clBtnFace;
    bool ColorSet = false;
    TFont ControlFont{this};
    TAlign Alignment = alNone;
    std::string HintText;
    std::string CaptionText;
};
