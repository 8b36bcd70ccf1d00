#include "TChart.h"

#include "QtBridge.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QFontMetrics>
#include <QLegendMarker>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>
#include <set>

class ChartView : public QChartView {
public:
    ChartView() : QChartView(new QChart()) {
        setRubberBand(QChartView::NoRubberBand); // no zoom
        setRenderHint(QPainter::Antialiasing);
        chart()->setAnimationOptions(QChart::NoAnimation);
        chart()->setPlotAreaBackgroundBrush(Qt::white);
        chart()->setPlotAreaBackgroundVisible(true);
        XAxis = new QCategoryAxis();
        XAxis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
        YAxis = new QValueAxis();
        YAxis->setLabelFormat("%.0f");
        chart()->addAxis(XAxis, Qt::AlignBottom);
        chart()->addAxis(YAxis, Qt::AlignLeft);
    }
    QCategoryAxis* XAxis;
    QValueAxis* YAxis;
};

TLineSeries::TLineSeries(TComponent* owner)
    : TComponent(owner), Line(new QLineSeries()), Depth(new QLineSeries()) {}

TLineSeries::~TLineSeries() {
    if (Chart) {
        Chart->Detach(this);
    }
    delete Line;
    delete Depth;
}

void TLineSeries::SetTitle(const std::string& title) {
    SeriesTitle = title;
    Line->setName(ToQ(title));
}

void TLineSeries::SetSeriesColor(TColor color) {
    Color = color;
    if (Chart) {
        Chart->Changed();
    }
}

void TLineSeries::SetParentChart(TChart* chart) {
    if (Chart == chart) {
        return;
    }
    if (Chart) {
        Chart->Detach(this);
    }
    if (chart) {
        chart->Attach(this);
    }
}

int TLineSeries::Add(double y, const std::string& label, TColor) {
    Values.push_back(y);
    Labels.push_back(label);
    if (Chart) {
        Chart->Changed();
    }
    return Count() - 1;
}

void TLineSeries::Clear() {
    Values.clear();
    Labels.clear();
    if (Chart) {
        Chart->Changed();
    }
}

TChart::TChart(TComponent* owner) : TControl(owner), View(new ChartView()) {
    View->setFocusPolicy(Qt::NoFocus);
    SetWidget(View, 400, 250);
    SetTabStop(false);
    View->chart()->legend()->setVisible(true);
}

TChart::~TChart() {
    while (!SeriesList.empty()) {
        Detach(SeriesList.back());
    }
}

void TChart::Attach(TLineSeries* series) {
    series->Chart = this;
    SeriesList.push_back(series);
    QChart* chart = View->chart();
    chart->addSeries(series->Depth);
    chart->addSeries(series->Line);
    for (QLineSeries* line : {series->Depth, series->Line}) {
        line->attachAxis(View->XAxis);
        line->attachAxis(View->YAxis);
    }
    // The depth copy has no entry of its own in the legend.
    for (auto* marker : chart->legend()->markers(series->Depth)) {
        marker->setVisible(false);
    }
    Changed();
}

void TChart::Detach(TLineSeries* series) {
    auto it = std::find(SeriesList.begin(), SeriesList.end(), series);
    if (it == SeriesList.end()) {
        return;
    }
    SeriesList.erase(it);
    View->chart()->removeSeries(series->Line);
    View->chart()->removeSeries(series->Depth);
    series->Chart = nullptr;
    Changed();
}

void TChart::SetView3D(bool on) {
    Is3D = on;
    Changed();
}

void TChart::SetTitle(const std::string& title) {
    View->chart()->setTitle(ToQ(title));
}

void TChart::SetBackWallColor(TColor color) {
    View->chart()->setPlotAreaBackgroundBrush(ToQColor(color));
}

void TChart::SetLegendVisible(bool visible) {
    View->chart()->legend()->setVisible(visible);
}

double TChart::DepthOffset() const {
    return Is3D ? 0.35 : 0.0;
}

void TChart::Changed() {
    if (!RefreshQueued) {
        RefreshQueued = true;
        PostCall(this, [this] { Refresh(); });
    }
}

void TChart::Refresh() {
    RefreshQueued = false;
    double maxY = 0;
    int maxCount = 0;
    for (TLineSeries* s : SeriesList) {
        for (double v : s->Values) {
            maxY = std::max(maxY, v);
        }
        maxCount = std::max(maxCount, s->Count());
    }
    double top = maxY > 0 ? maxY * 1.1 : 1.0;
    double dx = DepthOffset();
    double dy = Is3D ? top * 0.03 : 0.0;
    for (TLineSeries* s : SeriesList) {
        QList<QPointF> points, depth;
        for (int i = 0; i < s->Count(); ++i) {
            points << QPointF(i, s->Values[i]);
            depth << QPointF(i + dx, s->Values[i] + dy);
        }
        QColor colour = ToQColor(s->Color);
        s->Line->setPen(QPen(colour, Is3D ? 2.5 : 1.5));
        s->Line->replace(points);
        s->Depth->setPen(QPen(colour.darker(160), 2.5));
        s->Depth->replace(depth);
        s->Depth->setVisible(Is3D);
    }
    View->YAxis->setRange(0, top);
    QCategoryAxis* axis = View->XAxis;
    for (const QString& label : axis->categoriesLabels()) {
        axis->remove(label);
    }
    axis->setRange(0, std::max(1.0, maxCount - 1 + dx));
    // The labels of the first series that has any, thinned to about ten, each text once.
    for (TLineSeries* s : SeriesList) {
        bool any =
            std::any_of(s->Labels.begin(), s->Labels.end(), [](const std::string& l) { return !l.empty(); });
        if (!any) {
            continue;
        }
        // As many labels as fit side by side under the plot area.
        QFontMetrics metrics(axis->labelsFont());
        int widest = 1;
        for (const std::string& label : s->Labels) {
            widest = std::max(widest, metrics.horizontalAdvance(ToQ(label)) + 12);
        }
        int plotWidth = static_cast<int>(View->chart()->plotArea().width());
        if (plotWidth <= 0) {
            plotWidth = std::max(100, View->width() - 80);
        }
        int fitting = std::max(2, plotWidth / widest);
        int stride = std::max(1, (s->Count() + fitting - 1) / fitting);
        std::set<std::string> used;
        for (int i = 0; i < s->Count(); i += stride) {
            const std::string& label = s->Labels[i];
            if (!label.empty() && used.insert(label).second) {
                axis->append(ToQ(label), i);
            }
        }
        break;
    }
}

std::vector<std::string> TChart::AxisLabels() const {
    std::vector<std::string> labels;
    for (const QString& l : View->XAxis->categoriesLabels()) {
        labels.push_back(FromQ(l));
    }
    return labels;
}
