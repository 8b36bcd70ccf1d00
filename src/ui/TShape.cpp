#include "TShape.h"

#include "QtBridge.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

class ShapeWidget : public QWidget {
public:
    explicit ShapeWidget(TShape* shape) : Shape(shape) {}
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing, Shape->Kind >= stRoundRect);
        int penWidth = Shape->ShapePen.Width();
        p.setPen(penWidth > 0 ? QPen(ToQColor(Shape->ShapePen.Color()), penWidth) : QPen(Qt::NoPen));
        p.setBrush(Shape->ShapeBrush.Style() == bsClear ? QBrush(Qt::NoBrush)
                                                        : QBrush(ToQColor(Shape->ShapeBrush.Color())));
        QRect r = rect().adjusted(penWidth / 2, penWidth / 2, -(penWidth + 1) / 2, -(penWidth + 1) / 2);
        if (Shape->Kind == stSquare || Shape->Kind == stRoundSquare || Shape->Kind == stCircle) {
            int side = std::min(r.width(), r.height());
            r = QRect(r.x() + (r.width() - side) / 2, r.y() + (r.height() - side) / 2, side, side);
        }
        switch (Shape->Kind) {
        case stRectangle:
        case stSquare:
            p.drawRect(r);
            break;
        case stRoundRect:
        case stRoundSquare: {
            qreal radius = std::min(r.width(), r.height()) / 4.0;
            p.drawRoundedRect(r, radius, radius);
            break;
        }
        case stEllipse:
        case stCircle:
            p.drawEllipse(r);
            break;
        }
    }
    TShape* Shape;
};

void TBrush::SetColor(TColor color) {
    BrushColor = color;
    Shape->Repaint();
}
void TBrush::SetStyle(TBrushStyle style) {
    BrushStyle = style;
    Shape->Repaint();
}
void TPen::SetColor(TColor color) {
    PenColor = color;
    Shape->Repaint();
}
void TPen::SetWidth(int width) {
    PenWidth = std::max(0, width);
    Shape->Repaint();
}

TShape::TShape(TComponent* owner) : TControl(owner) {
    auto* w = new ShapeWidget(this);
    w->setFocusPolicy(Qt::NoFocus);
    SetWidget(w, 65, 65);
    SetTabStop(false);
}

void TShape::SetShape(TShapeType shape) {
    Kind = shape;
    Repaint();
}

void TShape::Repaint() {
    if (QWidget* w = Widget()) {
        w->update();
    }
}

bool TShape::WidgetEvent(QObject* watched, QEvent* event) {
    if (OnClick && IsLeftClick(watched, event)) {
        OnClick(this);
    }
    return TControl::WidgetEvent(watched, event);
}
