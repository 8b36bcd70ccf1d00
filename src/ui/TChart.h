// A line chart: line series of (position, value) points with a text label each, drawn with the
// labels along the bottom axis. No zoom and no panning. The 3-D view draws every line over a
// darker copy set a little back and up (Qt Charts has no 3-D lines); off, the lines are flat.
#pragma once

#include "TControl.h"

#include <string>
#include <vector>

class QLineSeries;
class ChartView;
class TChart;

class TLineSeries : public TComponent {
public:
    explicit TLineSeries(TComponent* owner);
    ~TLineSeries() override;

    const std::string& Title() const { return SeriesTitle; }
    void SetTitle(const std::string& title);
    TColor SeriesColor() const { return Color; }
    void SetSeriesColor(TColor color);
    TChart* ParentChart() const { return Chart; }
    void SetParentChart(TChart* chart);

    // Adds a point at x = Count() with a label; clTeeColor (clNone) keeps the series' colour.
    int Add(double y, const std::string& label = "", TColor color = clNone);
    void Clear();
    int Count() const { return static_cast<int>(Values.size()); }
    double YValue(int index) const { return Values.at(index); }
    const std::string& XLabel(int index) const { return Labels.at(index); }

private:
    friend class TChart;
    TChart* Chart = nullptr;
    std::string SeriesTitle;
    TColor Color = clRed;
    std::vector<double> Values;
    std::vector<std::string> Labels;
    QLineSeries* Line;
    QLineSeries* Depth;
};

class TChart : public TControl {
public:
    explicit TChart(TComponent* owner);
    ~TChart() override;

    int SeriesCount() const { return static_cast<int>(SeriesList.size()); }
    TLineSeries* Series(int index) const { return SeriesList.at(index); }
    bool View3D() const { return Is3D; }
    void SetView3D(bool on);
    void SetTitle(const std::string& title);
    void SetBackWallColor(TColor color);
    void SetLegendVisible(bool visible);

    // Draws the series now (changes are otherwise drawn once after the current event).
    void Refresh();
    // The labels shown along the bottom axis, in order.
    std::vector<std::string> AxisLabels() const;
    // The x offset (in points) of the depth copy: 0 when flat.
    double DepthOffset() const;

private:
    friend class TLineSeries;
    void Attach(TLineSeries* series);
    void Detach(TLineSeries* series);
    void Changed();

    ChartView* View;
    std::vector<TLineSeries*> SeriesList;
    bool Is3D = false;
    bool RefreshQueued = false;
};
