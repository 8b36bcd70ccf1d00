#include "TPanel.h"

#include "QtBridge.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

class PanelWidget : public QWidget {
public:
    explicit PanelWidget(TPanel* panel) : Panel(panel) {}
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        QRect r = rect();
        auto bevel = [&](TBevelCut cut) {
            if (cut == bvNone) {
                return;
            }
            QColor light = palette().color(QPalette::Light);
            QColor dark = palette().color(QPalette::Dark);
            if (cut == bvLowered) {
                std::swap(light, dark);
            }
            for (int i = 0; i < Panel->BevelPixels; ++i) {
                if (cut != bvSpace) {
                    p.setPen(light);
                    p.drawLine(r.topLeft(), r.topRight());
                    p.drawLine(r.topLeft(), r.bottomLeft());
                    p.setPen(dark);
                    p.drawLine(r.bottomLeft(), r.bottomRight());
                    p.drawLine(r.topRight(), r.bottomRight());
                }
                r.adjust(1, 1, -1, -1);
            }
        };
        bevel(Panel->Outer);
        r.adjust(Panel->BorderPixels, Panel->BorderPixels, -Panel->BorderPixels, -Panel->BorderPixels);
        bevel(Panel->Inner);
        if (!Panel->Caption().empty()) {
            p.setPen(palette().color(QPalette::WindowText));
            Qt::Alignment a =
                Qt::AlignVCenter | (Panel->CaptionAlignment == taCenter         ? Qt::AlignHCenter
                                    : Panel->CaptionAlignment == taRightJustify ? Qt::AlignRight
                                                                                : Qt::AlignLeft);
            p.drawText(r, static_cast<int>(a), ToQ(Panel->Caption()));
        }
    }
    TPanel* Panel;
};

TPanel::TPanel(TComponent* owner) : TControl(owner), Panel(new PanelWidget(this)) {
    Panel->setFocusPolicy(Qt::NoFocus);
    SetWidget(Panel, 185, 41);
    SetTabStop(false);
}

void TPanel::SetCaption(const std::string& caption) {
    TControl::SetCaption(caption);
    Panel->update();
}
void TPanel::SetBevelOuter(TBevelCut bevel) {
    Outer = bevel;
    Panel->update();
    Realign();
}
void TPanel::SetBevelInner(TBevelCut bevel) {
    Inner = bevel;
    Panel->update();
    Realign();
}
void TPanel::SetBevelWidth(int width) {
    BevelPixels = std::max(0, width);
    Panel->update();
    Realign();
}
void TPanel::SetBorderWidth(int width) {
    BorderPixels = std::max(0, width);
    Panel->update();
    Realign();
}
void TPanel::SetAlignment(TAlignment alignment) {
    CaptionAlignment = alignment;
    Panel->update();
}

int TPanel::FrameWidth() const {
    return (Outer != bvNone ? BevelPixels : 0) + BorderPixels + (Inner != bvNone ? BevelPixels : 0);
}

void TPanel::AlignRect(int& left, int& top, int& right, int& bottom) const {
    TControl::AlignRect(left, top, right, bottom);
    int f = FrameWidth();
    left += f;
    top += f;
    right -= f;
    bottom -= f;
}

bool TPanel::WidgetEvent(QObject* watched, QEvent* event) {
    if (OnClick && IsLeftClick(watched, event)) {
        OnClick(this);
    }
    return TControl::WidgetEvent(watched, event);
}
