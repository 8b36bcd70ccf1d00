// Window regions: a control clipped to a polygon (a triangular LED). CreatePolygonRgn makes a
// region; SetWindowRgn hands it to the control, which owns it from then on and shows and takes
// clicks only inside it.
#pragma once

#include <memory>

class TControl;

struct TPoint {
    int X;
    int Y;
};

struct RegionData;
using HRGN = RegionData*;

constexpr int ALTERNATE = 1, WINDING = 2;

// A region from the polygon's points (in the control's coordinates); null for fewer than 3 points.
HRGN CreatePolygonRgn(const TPoint* points, int count, int fillMode);
// Frees a region that no control took.
void DeleteObject(HRGN region);
// Clips the control to the region (null removes the clip); the control takes the region over.
int SetWindowRgn(TControl* control, HRGN region, bool redraw);
// True when the point (control coordinates) lies inside the control's region, or the control has none.
bool PtInWindowRgn(const TControl* control, int x, int y);
