#include "WindowRegion.h"

#include "TControl.h"

#include <QPolygon>
#include <QRegion>
#include <QWidget>

struct RegionData {
    QRegion Region;
};

HRGN CreatePolygonRgn(const TPoint* points, int count, int fillMode) {
    if (!points || count < 3) {
        return nullptr;
    }
    QPolygon polygon;
    for (int i = 0; i < count; ++i) {
        polygon << QPoint(points[i].X, points[i].Y);
    }
    return new RegionData{QRegion(polygon, fillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill)};
}

void DeleteObject(HRGN region) {
    delete region;
}

int SetWindowRgn(TControl* control, HRGN region, bool redraw) {
    std::unique_ptr<RegionData> owned(region);
    QWidget* w = control ? control->Widget() : nullptr;
    if (!w) {
        return 0;
    }
    if (owned) {
        w->setMask(owned->Region);
    } else {
        w->clearMask();
    }
    if (redraw) {
        w->update();
    }
    return 1;
}

bool PtInWindowRgn(const TControl* control, int x, int y) {
    QWidget* w = control ? control->Widget() : nullptr;
    if (!w) {
        return false;
    }
    QRegion mask = w->mask();
    return mask.isEmpty() ? w->rect().contains(x, y) : mask.contains(QPoint(x, y));
}
