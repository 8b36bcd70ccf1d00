#include "TApplication.h"
#include "TChart.h"
#include "TForm.h"
#include "TImage.h"
#include "TImageList.h"
#include "TPanel.h"
#include "TShape.h"
#include "UiTesting.h"
#include "WindowRegion.h"

#include <QChartView>
#include <QImage>
#include <QWidget>
#include <gtest/gtest.h>

namespace graphics_test {

TEST(WindowRegion, TriangleMaskContainsAndExcludesTheRightPoints) {
    std::unique_ptr<TForm> form(CreateForm<TForm>(nullptr));
    auto* led = new TPanel(form.get());
    led->SetParent(form.get());
    led->SetBounds(10, 10, 7, 7);
    const TPoint triangle[] = {{3, 0}, {0, 6}, {6, 6}};
    ASSERT_EQ(1, SetWindowRgn(led, CreatePolygonRgn(triangle, 3, ALTERNATE), true));
    struct Case {
        int X, Y;
        bool Inside;
    } cases[] = {{3, 1, true},  {3, 4, true},  {1, 5, true},  {5, 5, true},
                 {0, 0, false}, {6, 0, false}, {0, 2, false}, {6, 2, false}};
    for (const Case& c : cases) {
        EXPECT_EQ(c.Inside, PtInWindowRgn(led, c.X, c.Y)) << c.X << "," << c.Y;
    }
    SetWindowRgn(led, nullptr, true); // no region: the whole control again
    EXPECT_TRUE(PtInWindowRgn(led, 0, 0));
    EXPECT_EQ(nullptr, CreatePolygonRgn(triangle, 2, ALTERNATE));
}

TEST(TShape, PaintsItsBrushColourInsideItsPen) {
    std::unique_ptr<TForm> form(CreateForm<TForm>(nullptr));
    auto* led = new TShape(form.get());
    led->SetParent(form.get());
    led->SetBounds(0, 0, 20, 20);
    led->SetShape(stCircle);
    led->Brush()->SetColor(clLime);
    led->Pen()->SetColor(clBlack);
    QImage picture = led->Widget()->grab().toImage();
    EXPECT_EQ(QColor(0, 255, 0), picture.pixelColor(10, 10));
    EXPECT_NE(QColor(0, 255, 0), picture.pixelColor(1, 1)); // outside the circle
}

TEST(TImageList, ImagesAreTakenByIndex) {
    QImage strip(16 * 11, 16, QImage::Format_RGB32);
    for (int digit = 0; digit < 11; ++digit) {
        for (int x = 0; x < 16; ++x) {
            for (int y = 0; y < 16; ++y) {
                strip.setPixelColor(digit * 16 + x, y, QColor(digit * 20, 0, 0));
            }
        }
    }
    TBitmap bitmap;
    bitmap.SetImage(strip);
    TImageList list(nullptr);
    EXPECT_EQ(11, list.AddStrip(bitmap));
    TBitmap digit;
    ASSERT_TRUE(list.GetBitmap(3, &digit));
    EXPECT_EQ(QColor(60, 0, 0), digit.Image().pixelColor(5, 5));
    EXPECT_FALSE(list.GetBitmap(11, &digit));
    EXPECT_FALSE(list.GetBitmap(-1, &digit));

    std::unique_ptr<TForm> form(CreateForm<TForm>(nullptr));
    auto* image = new TImage(form.get());
    image->SetParent(form.get());
    image->SetBitmap(digit);
    EXPECT_EQ(16, image->Picture()->Width());
}

TEST(TChart, ThreeSeriesWithLabelledPointsAClearAndA3DFlag) {
    std::unique_ptr<TForm> form(CreateForm<TForm>(nullptr));
    auto* chart = new TChart(form.get());
    chart->SetParent(form.get());
    struct Line {
        const char* Title;
        TColor Colour;
    } lines[] = {{"Input Frames", clRed}, {"Output Frames", clGreen}, {"Discard Frames", clYellow}};
    for (const Line& l : lines) {
        auto* series = new TLineSeries(form.get());
        series->SetTitle(l.Title);
        series->SetSeriesColor(l.Colour);
        series->SetParentChart(chart);
    }
    ASSERT_EQ(3, chart->SeriesCount());
    for (int k = 0; k < 3; ++k) {
        for (int i = 0; i < 10; ++i) {
            chart->Series(k)->Add(i * (k + 1), " 12:00:0" + std::to_string(i) + " ");
        }
    }
    Application->ProcessMessages(); // drawn once after the changes
    std::vector<std::string> labels = chart->AxisLabels();
    ASSERT_GE(labels.size(), 2u); // thinned to what fits side by side
    EXPECT_LE(labels.size(), 10u);
    EXPECT_EQ(" 12:00:00 ", labels.front());
    EXPECT_EQ(27, chart->Series(2)->YValue(9));
    EXPECT_EQ(0.0, chart->DepthOffset());
    chart->SetView3D(true);
    EXPECT_GT(chart->DepthOffset(), 0.0);
    EXPECT_EQ(QChartView::NoRubberBand, static_cast<QChartView*>(chart->Widget())->rubberBand());

    chart->Series(0)->Clear();
    EXPECT_EQ(0, chart->Series(0)->Count());
    for (int i = 0; i < 10; ++i) {
        chart->Series(0)->Add(0, ""); // a reset history: zero points without labels
    }
    chart->Refresh();
    EXPECT_EQ(labels, chart->AxisLabels()); // the labels come from the first series that has any
    delete chart->Series(1);                // a series deleted before its chart leaves it
    EXPECT_EQ(2, chart->SeriesCount());
}

} // namespace graphics_test
