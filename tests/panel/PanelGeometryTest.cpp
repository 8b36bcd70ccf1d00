#include "PanelGeometry.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace panel_geometry_test {

namespace {

constexpr PanelModel kModels[] = {PanelModel::M24RA, PanelModel::M24DA, PanelModel::M24ZO,
                                  PanelModel::M48DA, PanelModel::M48RO, PanelModel::M24ZODC};

bool Overlap(const PanelPart& a, const PanelPart& b) {
    return a.Left < b.Left + b.Width && b.Left < a.Left + a.Width && a.Top < b.Top + b.Height &&
           b.Top < a.Top + a.Height;
}

} // namespace

// Every part inside the form and the picture, every name once, and no part over another: a
// shape that covered a neighbour's window would hide it.
TEST(PanelGeometryTest, PartsLieInsideThePanelWithoutOverlapping) {
    for (PanelModel model : kModels) {
        const PanelDesign& d = DesignOf(model);
        std::set<std::string> names;
        for (size_t i = 0; i < d.Parts.size(); ++i) {
            const PanelPart& p = d.Parts[i];
            EXPECT_TRUE(names.insert(p.Name).second) << d.ModelName << " " << p.Name;
            EXPECT_GE(p.Left, 0) << d.ModelName << " " << p.Name;
            EXPECT_GE(p.Top, 0) << d.ModelName << " " << p.Name;
            EXPECT_LE(p.Left + p.Width, d.ClientWidth) << d.ModelName << " " << p.Name;
            EXPECT_LE(p.Top + p.Height, d.ClientHeight) << d.ModelName << " " << p.Name;
            for (size_t j = i + 1; j < d.Parts.size(); ++j)
                EXPECT_FALSE(Overlap(p, d.Parts[j]))
                    << d.ModelName << " " << p.Name << " " << d.Parts[j].Name;
        }
        EXPECT_LE(d.ClientWidth, d.PictureWidth);
        EXPECT_LE(d.ClientHeight, d.PictureHeight);
    }
}

// The positions the panels are specified with, and the LEDs that are triangles.
TEST(PanelGeometryTest, PartsSitWhereThePanelsPutThem) {
    struct Case {
        PanelModel Model;
        const char* Name;
        int Left, Top, Width, Height;
        LedOutline Outline;
    };
    const Case cases[] = {
        {PanelModel::M24RA, "Port1LedPanel", 216, 4, 6, 6, LedOutline::Up},
        {PanelModel::M24RA, "Port2LedPanel", 226, 4, 6, 6, LedOutline::Down},
        {PanelModel::M24RA, "Port13LedPanel", 384, 4, 6, 6, LedOutline::Up},
        {PanelModel::M24RA, "Port14LedPanel", 395, 4, 6, 6, LedOutline::Down},
        {PanelModel::M24RA, "Port23LedPanel", 522, 4, 6, 6, LedOutline::Up},
        {PanelModel::M24RA, "Port24LedPanel", 533, 4, 6, 6, LedOutline::Down},
        {PanelModel::M24RA, "Port22LedPanelF", 685, 70, 5, 5, LedOutline::Square},
        {PanelModel::M24RA, "Port13Panel", 383, 38, 23, 6, LedOutline::Square},
        {PanelModel::M24RA, "P2Panel", 212, 57, 23, 3, LedOutline::Square},
        {PanelModel::M24RA, "Port23Panel", 491, 52, 23, 5, LedOutline::Square},
        {PanelModel::M24RA, "Port28Panel", 651, 65, 27, 6, LedOutline::Square},
        {PanelModel::M24RA, "SDCardPanelLink", 150, 67, 45, 5, LedOutline::Square},
        {PanelModel::M24RA, "Image2", 726, 58, 14, 16, LedOutline::Square},
        {PanelModel::M24DA, "Port1LedPanel", 225, 4, 6, 6, LedOutline::Up},
        {PanelModel::M24DA, "Port2LedPanel", 235, 4, 6, 6, LedOutline::Down},
        {PanelModel::M24DA, "Port23LedPanel", 514, 4, 6, 6, LedOutline::Down},
        {PanelModel::M24DA, "Port26LedPanel", 702, 57, 5, 5, LedOutline::Square},
        {PanelModel::M24DA, "Port27Panel", 527, 52, 23, 5, LedOutline::Square},
        {PanelModel::M24DA, "PoEButtonImage", 114, 56, 13, 11, LedOutline::Square},
        {PanelModel::M24DA, "SDCardPanelLink", 167, 67, 45, 5, LedOutline::Square},
        {PanelModel::M24ZO, "Port1LedPanelF", 350, 4, 6, 6, LedOutline::Up},
        {PanelModel::M24ZO, "Port8LedPanel", 307, 4, 6, 6, LedOutline::Down},
        {PanelModel::M24ZO, "Port9LedPanel", 457, 4, 6, 6, LedOutline::Up},
        {PanelModel::M24ZO, "Port24LedPanel", 653, 4, 6, 6, LedOutline::Down},
        {PanelModel::M24ZO, "Port3FPanel", 375, 43, 23, 6, LedOutline::Square},
        {PanelModel::M24ZO, "P3FPanel", 376, 40, 23, 3, LedOutline::Square},
        {PanelModel::M24ZO, "Port4FPanel", 376, 52, 22, 6, LedOutline::Square},
        {PanelModel::M24ZO, "P2TPanel", 212, 58, 23, 3, LedOutline::Square},
        {PanelModel::M24ZO, "Image2", 676, 58, 14, 16, LedOutline::Square},
        {PanelModel::M48DA, "Port1LedPanel", 64, 2, 6, 6, LedOutline::Up},
        {PanelModel::M48DA, "Port26LedPanel", 372, 2, 6, 6, LedOutline::Down},
        {PanelModel::M48DA, "Port47LedPanel", 637, 2, 6, 6, LedOutline::Up},
        {PanelModel::M48DA, "Port48LedPanelF", 700, 2, 6, 6, LedOutline::Down},
        {PanelModel::M48DA, "Port17Panel", 264, 34, 22, 6, LedOutline::Square},
        {PanelModel::M48DA, "P17Panel", 264, 31, 22, 3, LedOutline::Square},
        {PanelModel::M48DA, "P48FPanel", 690, 52, 22, 3, LedOutline::Square},
        {PanelModel::M48DA, "SDCardPanel", 42, 66, 4, 4, LedOutline::Square},
        {PanelModel::M48RO, "Port2LedPanel", 113, 2, 6, 6, LedOutline::Down},
        {PanelModel::M48RO, "Port43LedPanel", 622, 2, 6, 6, LedOutline::Up},
        {PanelModel::M48RO, "Port47LedPanelF", 723, 2, 6, 6, LedOutline::Up},
        {PanelModel::M48RO, "Port18Panel", 299, 46, 22, 6, LedOutline::Square},
        {PanelModel::M48RO, "Port51Panel", 667, 46, 22, 6, LedOutline::Square},
        {PanelModel::M48RO, "Port52Panel", 723, 46, 22, 6, LedOutline::Square},
        {PanelModel::M48RO, "LinkPanel", 59, 48, 5, 5, LedOutline::Square},
        {PanelModel::M48RO, "Image2", 747, 50, 16, 16, LedOutline::Square},
        {PanelModel::M24ZODC, "Port1LedPanelF", 350, 4, 6, 6, LedOutline::Up},
    };
    for (const Case& c : cases) {
        const PanelDesign& d = DesignOf(c.Model);
        const PanelPart* p = d.Find(c.Name);
        ASSERT_NE(p, nullptr) << d.ModelName << " " << c.Name;
        EXPECT_EQ(p->Left, c.Left) << d.ModelName << " " << c.Name;
        EXPECT_EQ(p->Top, c.Top) << d.ModelName << " " << c.Name;
        EXPECT_EQ(p->Width, c.Width) << d.ModelName << " " << c.Name;
        EXPECT_EQ(p->Height, c.Height) << d.ModelName << " " << c.Name;
        EXPECT_EQ(p->Outline, c.Outline) << d.ModelName << " " << c.Name;
    }
}

TEST(PanelGeometryTest, EachModelHasItsPortsAndFormSize) {
    struct Case {
        PanelModel Model;
        int ClientWidth, ClientHeight, PictureWidth;
        int Leds, Bodies; // port LED panels (copper and SFP), port bodies
    };
    const Case cases[] = {
        {PanelModel::M24RA, 764, 83, 765, 28, 28}, {PanelModel::M24DA, 765, 83, 765, 28, 28},
        {PanelModel::M24ZO, 765, 82, 765, 32, 32}, {PanelModel::M48DA, 765, 83, 765, 52, 52},
        {PanelModel::M48RO, 766, 83, 766, 52, 52}, {PanelModel::M24ZODC, 765, 82, 765, 32, 32},
    };
    for (const Case& c : cases) {
        const PanelDesign& d = DesignOf(c.Model);
        EXPECT_EQ(d.ClientWidth, c.ClientWidth) << d.ModelName;
        EXPECT_EQ(d.ClientHeight, c.ClientHeight) << d.ModelName;
        EXPECT_EQ(d.PictureWidth, c.PictureWidth) << d.ModelName;
        EXPECT_EQ(d.PictureHeight, 83) << d.ModelName;
        int leds = 0, bodies = 0, strips = 0;
        for (const PanelPart& p : d.Parts) {
            leds += p.Kind == PartKind::PortLed || p.Kind == PartKind::SfpLed;
            bodies += p.Kind == PartKind::Body;
            strips += p.Kind == PartKind::Strip;
        }
        EXPECT_EQ(leds, c.Leds) << d.ModelName;
        EXPECT_EQ(bodies, c.Bodies) << d.ModelName;
        EXPECT_EQ(strips, c.Bodies) << d.ModelName;
    }
}

} // namespace panel_geometry_test
