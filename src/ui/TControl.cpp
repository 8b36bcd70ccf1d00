#include "TControl.h"

#include "ApplicationFont.h"
#include "QtBridge.h"
#include "TForm.h"

#include <QApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <stdexcept>

namespace {
const char* const kControlProperty = "zqsControl";
}

QColor ToQColor(TColor color) {
    QPalette palette = QApplication::palette();
    switch (color) {
    case clWindow:
        return palette.color(QPalette::Base);
    case clMenu:
    case clBtnFace:
        return palette.color(QPalette::Button);
    case clWindowText:
        return palette.color(QPalette::WindowText);
    default:
        return QColor(ColorRed(color), ColorGreen(color), ColorBlue(color));
    }
}

TControl* ControlOfWidget(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        QVariant v = w->property(kControlProperty);
        if (v.isValid()) {
            return reinterpret_cast<TControl*>(v.value<quintptr>());
        }
    }
    return nullptr;
}

// Forwards the events of a control's widgets to TControl::WidgetEvent, inside Dispatch.
class ControlEventProxy : public QObject {
public:
    explicit ControlEventProxy(TControl* control) : Control(control) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        bool eaten = false;
        Dispatch([&] { eaten = Control->WidgetEvent(watched, event); });
        return eaten;
    }
    TControl* Control;
};

struct TControl::WidgetHolder {
    QPointer<QWidget> Widget;
};

void TFont::SetName(std::string name) {
    FontName = std::move(name);
    Control->ApplyFont();
}
void TFont::SetSize(int size) {
    FontSize = size;
    FontPixels = size > 0 ? PointsToPixelsAt96(size) : 0;
    Control->ApplyFont();
}
void TFont::SetHeight(int height) {
    FontPixels = height < 0 ? -height : height;
    FontSize = (FontPixels * 72 + 48) / 96;
    Control->ApplyFont();
}
void TFont::SetColor(TColor color) {
    FontColor = color;
    Control->ApplyFont();
}
void TFont::SetCharset(int charset) {
    FontCharset = charset;
    Control->ApplyFont();
}
void TFont::SetStyle(unsigned style) {
    FontStyle = style;
    Control->ApplyFont();
}

TControl::TControl(TComponent* owner)
    : TComponent(owner), Holder(std::make_unique<WidgetHolder>()), Signals(new QObject()) {}

QObject* TControl::SignalContext() const {
    return Signals;
}

void TControl::BeforeDestruction() {
    delete Signals;
    Signals = nullptr;
}

TControl::~TControl() {
    Destroying = true;
    delete Signals; // a control that was not deleted with delete (one on the stack)
    while (!Children.empty()) {
        delete Children.back();
    }
    if (ParentControl) {
        ParentControl->RemoveChild(this);
    }
    if (QWidget* w = Holder->Widget) {
        w->setProperty(kControlProperty, QVariant());
        w->removeEventFilter(Proxy);
        delete w;
    }
    delete Proxy;
}

QWidget* TControl::Widget() const {
    return Holder->Widget;
}

void TControl::SetWidget(QWidget* widget, int width, int height) {
    Holder->Widget = widget;
    widget->setProperty(kControlProperty, QVariant::fromValue(reinterpret_cast<quintptr>(this)));
    widget->setFocusPolicy(widget->focusPolicy() == Qt::NoFocus ? Qt::NoFocus : Qt::StrongFocus);
    Proxy = new ControlEventProxy(this);
    widget->installEventFilter(Proxy);
    BoundsWidth = width;
    BoundsHeight = height;
    widget->resize(width, height);
}

void TControl::WatchWidget(QObject* object) {
    object->installEventFilter(Proxy);
}

bool TControl::IsLeftClick(QObject* watched, QEvent* event) const {
    return watched == Widget() && event->type() == QEvent::MouseButtonRelease &&
           static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
}

QWidget* TControl::ClientWidget() const {
    return Widget();
}

void TControl::SetParent(TControl* parent) {
    if (parent == ParentControl) {
        return;
    }
    for (TControl* p = parent; p; p = p->ParentControl) {
        if (p == this) {
            throw std::invalid_argument("A control cannot be its own parent");
        }
    }
    TControl* old = ParentControl;
    if (old) {
        old->RemoveChild(this);
        if (QWidget* w = Widget()) {
            w->hide();
            w->setParent(nullptr);
        }
    }
    ParentControl = parent;
    if (parent) {
        parent->Children.push_back(this);
        parent->AttachChildWidget(this);
        ApplyBounds();
        ApplyVisible();
        if (Alignment != alNone) {
            parent->Realign();
        }
    }
    if (old && Alignment != alNone) {
        old->Realign();
    }
}

void TControl::AttachChildWidget(TControl* child) {
    if (QWidget* w = child->Widget()) {
        w->setParent(ClientWidget());
    }
}

void TControl::RemoveChild(TControl* child) {
    Children.erase(std::remove(Children.begin(), Children.end(), child), Children.end());
    if (child->Alignment != alNone && !Destroying) {
        Realign();
    }
}

void TControl::SetBounds(int left, int top, int width, int height) {
    width = std::max(0, width);
    height = std::max(0, height);
    if (left == BoundsLeft && top == BoundsTop && width == BoundsWidth && height == BoundsHeight) {
        return;
    }
    bool resized = width != BoundsWidth || height != BoundsHeight;
    StoreBounds(left, top, width, height);
    ApplyBounds();
    if (ParentControl && Alignment != alNone && !ParentControl->Aligning) {
        ParentControl->Realign();
    }
    if (resized) {
        Resized();
    }
}

void TControl::StoreBounds(int left, int top, int width, int height) {
    BoundsLeft = left;
    BoundsTop = top;
    BoundsWidth = width;
    BoundsHeight = height;
}

void TControl::ApplyBounds() {
    if (QWidget* w = Widget()) {
        w->setGeometry(BoundsLeft, BoundsTop, BoundsWidth, BoundsHeight);
    }
}

void TControl::Resized() {
    Realign();
    if (OnResize) {
        OnResize(this);
    }
}

bool TControl::WidgetEvent(QObject* watched, QEvent* event) {
    if (watched == Widget() && event->type() == QEvent::Resize && Widget()->parentWidget() &&
        (Widget()->width() != BoundsWidth || Widget()->height() != BoundsHeight)) {
        // A size given by Qt (a page control sizing its sheets, a scroll box its contents).
        StoreBounds(BoundsLeft, BoundsTop, Widget()->width(), Widget()->height());
        Resized();
    }
    return false;
}

void TControl::SetVisible(bool visible) {
    if (visible == IsVisibleFlag) {
        return;
    }
    IsVisibleFlag = visible;
    ApplyVisible();
    if (ParentControl && Alignment != alNone) {
        ParentControl->Realign();
    }
}

void TControl::ApplyVisible() {
    // A control without a parent is never shown: its widget would become a window of its own.
    if (QWidget* w = Widget(); w && ParentControl) {
        w->setVisible(IsVisibleFlag);
    }
}

bool TControl::Showing() const {
    QWidget* w = Widget();
    return w && w->isVisible();
}

void TControl::SetEnabled(bool enabled) {
    IsEnabled = enabled;
    if (QWidget* w = Widget()) {
        w->setEnabled(enabled);
    }
}

void TControl::SetColor(TColor color) {
    BackColor = color;
    ColorSet = true;
    if (QWidget* w = Widget()) {
        QPalette p = w->palette();
        QColor c = ToQColor(color);
        p.setColor(QPalette::Window, c);
        p.setColor(QPalette::Base, c);
        p.setColor(QPalette::Button, c);
        w->setPalette(p);
        w->setAutoFillBackground(true);
    }
}

void TControl::ApplyFont() {
    QWidget* w = Widget();
    if (!w) {
        return;
    }
    QFont f = QApplication::font();
    if (!ControlFont.Name().empty()) {
        f.setFamily(ToQ(ControlFont.Name()));
    }
    if (ControlFont.Charset() == TFont::kShiftJisCharset) {
        // Qt's text is Unicode already; what the character set still decides is which fonts
        // carry the Japanese glyphs, so they come before the one named.
        QStringList families{"Noto Sans CJK JP", "IPAGothic", "VL Gothic"};
        families.append(f.families().isEmpty() ? QStringList{f.family()} : f.families());
        f.setFamilies(families);
    }
    if (ControlFont.FontPixels > 0) {
        f.setPixelSize(ScaledFontPixels(ControlFont.FontPixels));
    }
    f.setBold(ControlFont.Style() & fsBold);
    f.setItalic(ControlFont.Style() & fsItalic);
    f.setUnderline(ControlFont.Style() & fsUnderline);
    f.setStrikeOut(ControlFont.Style() & fsStrikeOut);
    w->setFont(f);
    QPalette p = w->palette();
    QColor c = ToQColor(ControlFont.Color());
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::Text, c);
    p.setColor(QPalette::ButtonText, c);
    w->setPalette(p);
}

void TControl::SetAlign(TAlign align) {
    if (align == Alignment) {
        return;
    }
    Alignment = align;
    if (ParentControl) {
        ParentControl->Realign();
    }
}

void TControl::SetHint(std::string hint) {
    HintText = std::move(hint);
    if (QWidget* w = Widget()) {
        w->setToolTip(IsShowHint ? ToQ(HintText) : QString());
    }
}

void TControl::SetShowHint(bool show) {
    IsShowHint = show;
    SetHint(HintText);
}

void TControl::SetCaption(const std::string& caption) {
    CaptionText = caption;
}

void TControl::SetTabStop(bool tabStop) {
    IsTabStop = tabStop;
    if (QWidget* w = Widget(); w && w->focusPolicy() != Qt::NoFocus) {
        w->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

bool TControl::CanFocus() const {
    QWidget* w = Widget();
    if (!w || !w->isVisible() || !w->isEnabled() || w->focusPolicy() == Qt::NoFocus) {
        return false;
    }
    return true;
}

bool TControl::Focused() const {
    QWidget* focus = QApplication::focusWidget();
    return focus && ControlOfWidget(focus) == this;
}

void TControl::SetFocus() {
    if (!CanFocus()) {
        throw std::runtime_error("Cannot focus a disabled or invisible window");
    }
    QWidget* w = Widget();
    QWidget* window = w->window();
    if (!window->isActiveWindow()) {
        window->activateWindow();
        QApplication::setActiveWindow(window);
    }
    w->setFocus(Qt::OtherFocusReason);
}

TForm* TControl::ParentForm() const {
    TForm* form = nullptr;
    for (const TControl* c = this; c; c = c->ParentControl) {
        if (auto* f = dynamic_cast<TForm*>(const_cast<TControl*>(c))) {
            form = f;
        }
    }
    return form;
}

void TControl::AlignRect(int& left, int& top, int& right, int& bottom) const {
    left = 0;
    top = 0;
    right = ClientWidth();
    bottom = ClientHeight();
}

void TControl::Realign() {
    if (Aligning) {
        return;
    }
    Aligning = true;
    int left, top, right, bottom;
    AlignRect(left, top, right, bottom);
    auto place = [&](TAlign which, auto less) {
        std::vector<TControl*> list;
        for (TControl* c : Children) {
            if (c->Alignment == which && c->IsVisibleFlag) {
                list.push_back(c);
            }
        }
        std::stable_sort(list.begin(), list.end(), less);
        for (TControl* c : list) {
            switch (which) {
            case alTop:
                c->SetBounds(left, top, right - left, c->BoundsHeight);
                top += c->BoundsHeight;
                break;
            case alBottom:
                c->SetBounds(left, bottom - c->BoundsHeight, right - left, c->BoundsHeight);
                bottom -= c->BoundsHeight;
                break;
            case alLeft:
                c->SetBounds(left, top, c->BoundsWidth, bottom - top);
                left += c->BoundsWidth;
                break;
            case alRight:
                c->SetBounds(right - c->BoundsWidth, top, c->BoundsWidth, bottom - top);
                right -= c->BoundsWidth;
                break;
            case alClient:
                c->SetBounds(left, top, right - left, bottom - top);
                break;
            case alNone:
                break;
            }
        }
    };
    // Within one alignment, the earlier position goes first (a splitter placed between two
    // panels stays between them); equal positions keep creation order.
    place(alTop, [](TControl* a, TControl* b) { return a->BoundsTop < b->BoundsTop; });
    place(alBottom, [](TControl* a, TControl* b) {
        return a->BoundsTop + a->BoundsHeight > b->BoundsTop + b->BoundsHeight;
    });
    place(alLeft, [](TControl* a, TControl* b) { return a->BoundsLeft < b->BoundsLeft; });
    place(alRight, [](TControl* a, TControl* b) {
        return a->BoundsLeft + a->BoundsWidth > b->BoundsLeft + b->BoundsWidth;
    });
    place(alClient, [](TControl*, TControl*) { return false; });
    Aligning = false;
}
