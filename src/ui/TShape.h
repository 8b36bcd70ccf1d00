// A shape painted with a brush (fill) and a pen (outline): the LEDs of the front panels.
#pragma once

#include "TControl.h"

enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };
enum TBrushStyle { bsSolid, bsClear };

class ShapeWidget;
class TShape;

class TBrush {
public:
    TColor Color() const { return BrushColor; }
    void SetColor(TColor color);
    TBrushStyle Style() const { return BrushStyle; }
    void SetStyle(TBrushStyle style);

private:
    friend class TShape;
    explicit TBrush(TShape* shape) : Shape(shape) {}
    TShape* Shape;
    TColor BrushColor = clWhite;
    TBrushStyle BrushStyle = bsSolid;
};

class TPen {
public:
    TColor Color() const { return PenColor; }
    void SetColor(TColor color);
    int Width() const { return PenWidth; }
    void SetWidth(int width);

private:
    friend class TShape;
    explicit TPen(TShape* shape) : Shape(shape) {}
    TShape* Shape;
    TColor PenColor = clBlack;
    int PenWidth = 1;
};

class TShape : public TControl {
public:
    explicit TShape(TComponent* owner);

    TShapeType Shape() const { return Kind; }
    void SetShape(TShapeType shape);
    TBrush* Brush() { return &ShapeBrush; }
    TPen* Pen() { return &ShapePen; }

    TNotifyEvent OnClick;

protected:
    bool WidgetEvent(QObject* watched, QEvent* event) override;

private:
    friend class ShapeWidget;
    friend class TBrush;
    friend class TPen;
    void Repaint();
    TShapeType Kind = stRectangle;
    TBrush ShapeBrush{this};
    TPen ShapePen{this};
};
