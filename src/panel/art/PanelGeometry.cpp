#include "PanelGeometry.h"

#include <array>
#include <stdexcept>

namespace {

std::string PortName(int n, const char* suffix) {
    return "Port" + std::to_string(n) + suffix;
}
std::string StripName(int n, const char* suffix) {
    return "P" + std::to_string(n) + suffix;
}

class DesignBuilder {
public:
    DesignBuilder(PanelModel model, std::string name, int clientWidth, int clientHeight, int pictureWidth) {
        D.Model = model;
        D.ModelName = std::move(name);
        D.ClientWidth = clientWidth;
        D.ClientHeight = clientHeight;
        D.PictureWidth = pictureWidth;
        D.PictureHeight = 83;
    }

    void Add(PanelPart part) { D.Parts.push_back(std::move(part)); }
    void Text(std::string text, int left, int top, int size = 1) {
        D.Texts.push_back({std::move(text), left, top, size});
    }

    // Power, Console, RPS and Master in column a; Stack1, Stack2, Fan and SD card in column b;
    // each column at the four tops. The labels go right of the LEDs, or left where the columns
    // stand close.
    void SystemLeds(int a, int b, std::array<int, 4> tops, bool labelsLeft = false) {
        static constexpr std::array<const char*, 4> kLeft = {"PowerLedPanel", "ConsoleLedPanel", "RPSPanel",
                                                             "MasterPanel"};
        static constexpr std::array<const char*, 4> kRight = {"Stack1Panel", "Stack2Panel", "FanPanel",
                                                              "SDCardPanel"};
        static constexpr std::array<const char*, 4> kLeftLabel = {"PWR", "CON", "RPS", "MST"};
        static constexpr std::array<const char*, 4> kRightLabel = {"S1", "S2", "FAN", "SD"};
        for (size_t i = 0; i < 4; ++i) {
            Add({kLeft[i], PartKind::SystemLed, a, tops[i], 4, 4});
            Add({kRight[i], PartKind::SystemLed, b, tops[i], 4, 4, LedOutline::Square, i < 2});
            const int leftWidth = static_cast<int>(std::string_view(kLeftLabel[i]).size()) * 4 - 1;
            const int rightWidth = static_cast<int>(std::string_view(kRightLabel[i]).size()) * 4 - 1;
            Text(kLeftLabel[i], labelsLeft ? a - 3 - leftWidth : a + 7, tops[i] - 1);
            Text(kRightLabel[i], labelsLeft ? b - 3 - rightWidth : b + 7, tops[i] - 1);
        }
    }

    // An LED of front port `port`: odd ports point up, even ports down, unless square.
    void Led(std::string name, PartKind kind, int port, int left, int top, int size, bool triangle,
             bool sfp = false) {
        const LedOutline outline =
            !triangle ? LedOutline::Square : (port % 2 == 1 ? LedOutline::Up : LedOutline::Down);
        Add({std::move(name), kind, left, top, size, size, outline, false, port, sfp});
    }

    // The body and strip over one socket or cage.
    void Jack(std::string body, std::string strip, int port, bool sfp, int left, int width, int bodyTop,
              int bodyHeight, int stripTop, int stripLeft = -1, int stripWidth = -1) {
        Add({std::move(body), PartKind::Body, left, bodyTop, width, bodyHeight, LedOutline::Square, false,
             port, sfp});
        Add({std::move(strip), PartKind::Strip, stripLeft < 0 ? left : stripLeft, stripTop,
             stripWidth < 0 ? width : stripWidth, 3, LedOutline::Square, false, port, sfp});
    }

    void Digit(int left, int top, int width, int height, bool label = true) {
        Add({"Image2", PartKind::Digit, left, top, width, height});
        if (label)
            Text("UNIT", left, top - 8);
    }

    PanelDesign Take() { return std::move(D); }

private:
    PanelDesign D;
};

// The 24RA and the 24DA share their twelve columns of copper ports and the four SFP cages; the
// 24DA's columns lie `shift` pixels further right.
void TwelveColumnPorts(DesignBuilder& b, int shift, bool poeNames) {
    auto column = [shift](int k) { return 212 + shift + 27 * (k - 1) + (k >= 7 ? 9 : 0); };
    for (int k = 1; k <= 12; ++k) {
        const int col = column(k);
        const int upper = 2 * k - 1, lower = 2 * k;
        // The LED windows of the right half sit closer to their column's edge.
        const int upperLed = k <= 6 ? col + 4 : col + 1 + (k - 7) * 3 / 5;
        const int lowerLed = upperLed + (k <= 6 ? 10 : 11);
        if (k <= 10) {
            b.Led(PortName(upper, "LedPanel"), PartKind::PortLed, upper, upperLed, 4, 6, true);
            b.Led(PortName(lower, "LedPanel"), PartKind::PortLed, lower, lowerLed, 4, 6, true);
            b.Jack(PortName(upper, "Panel"), StripName(upper, "Panel"), upper, false, col, 23, 38, 6, 35);
            b.Jack(PortName(lower, "Panel"), StripName(lower, "Panel"), lower, false, col, 23, 52, 5, 57);
            continue;
        }
        // Columns 11 and 12: the copper side of the combo (uplink) ports 21-24. Their bodies are
        // named after every other number (Port21Panel, Port23Panel, ...), the SFP bodies take
        // the numbers between.
        const int portUp = 21 + 2 * (k - 11), portDown = portUp + 1;
        const int bodyUp = 21 + 4 * (k - 11), bodyDown = bodyUp + 2;
        b.Led(PortName(poeNames ? bodyUp : portUp, "LedPanel"), PartKind::PortLed, portUp, upperLed, 4, 6,
              true);
        b.Led(PortName(poeNames ? bodyDown : portDown, "LedPanel"), PartKind::PortLed, portDown, lowerLed, 4,
              6, true);
        b.Jack(PortName(bodyUp, "Panel"), StripName(bodyUp, "Panel"), portUp, false, col, 23, 38, 6, 35);
        b.Jack(PortName(bodyDown, "Panel"), StripName(bodyDown, "Panel"), portDown, false, col, 23, 52, 5,
               57);
    }
    // The four SFP cages of ports 21-24 in one row, bodies Port22Panel .. Port28Panel.
    for (int i = 0; i < 4; ++i) {
        const int port = 21 + i, body = 22 + 2 * i;
        b.Jack(PortName(body, "Panel"), StripName(body, "Panel"), port, true, 561 + 30 * i, 27, 65, 6, 62);
    }
}

PanelDesign Make24RA() {
    DesignBuilder b(PanelModel::M24RA, "24RA", 764, 83, 765);
    b.SystemLeds(53, 90, {24, 37, 50, 63});
    b.Add({"SDCardPanelLink", PartKind::SdCardBar, 150, 67, 45, 5});
    TwelveColumnPorts(b, 0, false);
    const std::array<std::array<int, 2>, 4> sfpLeds = {{{685, 56}, {685, 70}, {702, 56}, {702, 70}}};
    for (int i = 0; i < 4; ++i)
        b.Led(PortName(21 + i, "LedPanelF"), PartKind::SfpLed, 21 + i, sfpLeds[i][0], sfpLeds[i][1], 5, false,
              true);
    b.Digit(726, 58, 14, 16);
    b.Text("ZQS", 8, 22, 2);
    b.Text("4410", 8, 34, 1);
    b.Text("24RA", 8, 44, 2);
    b.Text("SD", 138, 67);
    b.Text("COMBO", 603, 44);
    return b.Take();
}

PanelDesign Make24DA() {
    DesignBuilder b(PanelModel::M24DA, "24DA", 765, 83, 765);
    b.SystemLeds(48, 75, {24, 37, 50, 63}, true);
    b.Add({"SDCardPanelLink", PartKind::SdCardBar, 167, 67, 45, 5});
    b.Add({"LinkPanel", PartKind::ModeLed, 92, 53, 5, 5, LedOutline::Square, true});
    b.Add({"PoEPanel", PartKind::ModeLed, 92, 66, 5, 5, LedOutline::Square, true});
    b.Add({"PoEButtonImage", PartKind::ModeButton, 114, 56, 13, 11});
    b.Text("LNK", 99, 53);
    b.Text("POE", 99, 66);
    b.Text("MODE", 113, 49);
    TwelveColumnPorts(b, 9, true);
    // The SFP LEDs are named between the copper ones: Port22LedPanel .. Port28LedPanel.
    const std::array<std::array<int, 2>, 4> sfpLeds = {{{685, 57}, {685, 71}, {702, 57}, {702, 71}}};
    for (int i = 0; i < 4; ++i)
        b.Led(PortName(22 + 2 * i, "LedPanel"), PartKind::SfpLed, 21 + i, sfpLeds[i][0], sfpLeds[i][1], 5,
              false, true);
    b.Digit(727, 58, 14, 16);
    b.Text("ZQS", 5, 22, 2);
    b.Text("4410", 5, 34, 1);
    b.Text("24DA", 5, 44, 2);
    b.Text("SD", 155, 67);
    b.Text("POE", 5, 56, 1);
    b.Text("UPLINK", 601, 44);
    return b.Take();
}

PanelDesign Make24ZO(PanelModel model, const char* name) {
    DesignBuilder b(model, name, 765, 82, 765);
    b.SystemLeds(53, 90, {24, 37, 50, 63});
    b.Add({"SDCardPanelLink", PartKind::SdCardBar, 150, 67, 45, 5});
    // Combo ports 1-8: copper sockets in four columns, SFP cages in four more.
    const std::array<int, 8> copperLeds = {216, 226, 242, 253, 269, 280, 296, 307};
    const std::array<int, 8> sfpLeds = {350, 360, 376, 387, 403, 414, 430, 441};
    for (int k = 1; k <= 4; ++k) {
        const int col = 212 + 27 * (k - 1), cage = 350 + 25 * (k - 1);
        for (int n : {2 * k - 1, 2 * k}) {
            const bool up = n % 2 == 1;
            b.Led(PortName(n, "LedPanel"), PartKind::PortLed, n, copperLeds[n - 1], 4, 6, true);
            b.Led(PortName(n, "LedPanelF"), PartKind::SfpLed, n, sfpLeds[n - 1], 4, 6, true, true);
            b.Jack(PortName(n, "TPanel"), StripName(n, "TPanel"), n, false, col, 23, up ? 38 : 52, 6,
                   up ? 35 : 58);
            if (up)
                b.Jack(PortName(n, "FPanel"), StripName(n, "FPanel"), n, true, cage, 23, 43, 6, 40, cage + 1);
            else
                b.Jack(PortName(n, "FPanel"), StripName(n, "FPanel"), n, true, cage + 1, 22, 52, 6, 58);
        }
    }
    // Plain ports 9-24 in eight columns.
    const std::array<int, 8> columns = {457, 482, 507, 532, 563, 588, 613, 638};
    for (int k = 1; k <= 8; ++k) {
        const int col = columns[static_cast<size_t>(k - 1)];
        const int upper = 7 + 2 * k, lower = upper + 1;
        const int upperLed = col + (k - 1) / 2;
        b.Led(PortName(upper, "LedPanel"), PartKind::PortLed, upper, upperLed, 4, 6, true);
        b.Led(PortName(lower, "LedPanel"), PartKind::PortLed, lower, upperLed + 12, 4, 6, true);
        b.Jack(PortName(upper, "Panel"), StripName(upper, "Panel"), upper, false, col, 22, 43, 6, 40);
        b.Jack(PortName(lower, "Panel"), StripName(lower, "Panel"), lower, false, col, 22, 52, 6, 58);
    }
    b.Digit(676, 58, 14, 16);
    b.Text("ZQS", 8, 22, 2);
    b.Text("4410", 8, 34, 1);
    b.Text("24ZO", 8, 44, 2);
    if (model == PanelModel::M24ZODC)
        b.Text("DC", 8, 54, 1);
    b.Text("SD", 138, 67);
    b.Text("COMBO", 238, 72);
    b.Text("SFP", 387, 72);
    if (model == PanelModel::M24ZODC)
        b.Text("DC 48V", 676, 10);
    return b.Take();
}

// The 48-port models: columns of two ports in groups of eight; `first` is the left edge of the
// first column, `groupGap` the extra space after each group.
int Column48(int first, int groupGap, int k) {
    return first + 24 * (k - 1) + groupGap * ((k - 1) / 8);
}

PanelDesign Make48DA() {
    DesignBuilder b(PanelModel::M48DA, "48DA", 765, 83, 765);
    b.SystemLeds(17, 42, {29, 41, 54, 66}, true);
    for (int k = 1; k <= 24; ++k) {
        const int col = Column48(62, 10, k);
        const int group = (k - 1) / 8;
        const int upper = 2 * k - 1, lower = 2 * k;
        const int upperLed = col + (group == 0 ? 2 : 3);
        const int lowerLed = upperLed + (group == 1 ? 9 : 11);
        const int upperTop = group == 1 ? 34 : 33;
        b.Led(PortName(upper, "LedPanel"), PartKind::PortLed, upper, upperLed, 2, 6, true);
        b.Led(PortName(lower, "LedPanel"), PartKind::PortLed, lower, lowerLed, 2, 6, true);
        b.Jack(PortName(upper, "Panel"), StripName(upper, "Panel"), upper, false, col, 22, upperTop, 6,
               upperTop - 3);
        b.Jack(PortName(lower, "Panel"), StripName(lower, "Panel"), lower, false, col, 22, 46, 6, 52);
    }
    // The SFP side of combo ports 45-48.
    const std::array<int, 4> sfpLeds = {666, 677, 689, 700};
    for (int i = 0; i < 4; ++i) {
        const int n = 45 + i;
        const bool up = n % 2 == 1;
        const int cage = i < 2 ? 664 : 690;
        b.Led(PortName(n, "LedPanelF"), PartKind::SfpLed, n, sfpLeds[static_cast<size_t>(i)], 2, 6, true,
              true);
        b.Jack(PortName(n, "FPanel"), StripName(n, "FPanel"), n, true, cage, 22, up ? 33 : 46, 6,
               up ? 30 : 52);
    }
    b.Digit(727, 58, 14, 16);
    b.Text("ZQS", 718, 8, 2);
    b.Text("48DA", 718, 20);
    b.Text("4410", 718, 30);
    return b.Take();
}

PanelDesign Make48RO() {
    DesignBuilder b(PanelModel::M48RO, "48RO", 766, 83, 766);
    b.SystemLeds(17, 42, {29, 41, 54, 66}, true);
    b.Add({"LinkPanel", PartKind::ModeLed, 59, 48, 5, 5, LedOutline::Square, true});
    b.Add({"PoEPanel", PartKind::ModeLed, 59, 60, 5, 5, LedOutline::Square, true});
    b.Add({"PoEButtonImage", PartKind::ModeButton, 76, 50, 13, 11});
    b.Text("L", 66, 48);
    b.Text("P", 66, 60);
    b.Text("MODE", 75, 42);
    for (int k = 1; k <= 22; ++k) {
        const int col = Column48(99, 8, k);
        const int upper = 2 * k - 1, lower = 2 * k;
        const int upperTop = k >= 9 && k <= 16 ? 34 : 33;
        b.Led(PortName(upper, "LedPanel"), PartKind::PortLed, upper, col + 3, 2, 6, true);
        b.Led(PortName(lower, "LedPanel"), PartKind::PortLed, lower, col + 14, 2, 6, true);
        b.Jack(PortName(upper, "Panel"), StripName(upper, "Panel"), upper, false, col, 22, upperTop, 6,
               upperTop - 3);
        b.Jack(PortName(lower, "Panel"), StripName(lower, "Panel"), lower, false, col, 22, 46, 6, 52);
    }
    // Uplink ports 45-48: copper bodies Port45/47/49/51Panel, SFP bodies Port46/48/50/52Panel.
    const std::array<int, 4> copperLeds = {646, 657, 670, 681};
    const std::array<int, 4> sfpLeds = {699, 710, 723, 733};
    for (int i = 0; i < 4; ++i) {
        const int n = 45 + i;
        const bool up = n % 2 == 1;
        const int copperBody = 45 + 2 * i, sfpBody = copperBody + 1;
        const int copperLeft = i < 2 ? 643 : 667, sfpLeft = i < 2 ? 697 : 723;
        b.Led(PortName(n, "LedPanel"), PartKind::PortLed, n, copperLeds[static_cast<size_t>(i)], 2, 6, true);
        b.Led(PortName(n, "LedPanelF"), PartKind::SfpLed, n, sfpLeds[static_cast<size_t>(i)], 2, 6, true,
              true);
        b.Jack(PortName(copperBody, "Panel"), StripName(copperBody, "Panel"), n, false, copperLeft, 22,
               up ? 33 : 46, 6, up ? 30 : 52);
        b.Jack(PortName(sfpBody, "Panel"), StripName(sfpBody, "Panel"), n, true, sfpLeft, 22, up ? 33 : 46, 6,
               up ? 30 : 52);
    }
    b.Digit(747, 50, 16, 16, false);
    b.Text("ZQS", 4, 6, 2);
    b.Text("48RO", 26, 8);
    b.Text("POE", 99, 70);
    return b.Take();
}

PanelDesign MakeDesign(PanelModel model) {
    switch (model) {
    case PanelModel::M24RA:
        return Make24RA();
    case PanelModel::M24DA:
        return Make24DA();
    case PanelModel::M24ZO:
        return Make24ZO(model, "24ZO");
    case PanelModel::M48DA:
        return Make48DA();
    case PanelModel::M48RO:
        return Make48RO();
    case PanelModel::M24ZODC:
        return Make24ZO(model, "24ZO-DC");
    }
    throw std::out_of_range("panel model");
}

} // namespace

const PanelPart* PanelDesign::Find(std::string_view name) const {
    for (const PanelPart& part : Parts)
        if (part.Name == name)
            return &part;
    return nullptr;
}

const PanelDesign& DesignOf(PanelModel model) {
    static const std::array<PanelDesign, kPanelModelCount> designs = {
        MakeDesign(PanelModel::M24RA), MakeDesign(PanelModel::M24DA), MakeDesign(PanelModel::M24ZO),
        MakeDesign(PanelModel::M48DA), MakeDesign(PanelModel::M48RO), MakeDesign(PanelModel::M24ZODC)};
    const int index = static_cast<int>(model);
    if (index < 0 || index >= kPanelModelCount)
        throw std::out_of_range("panel model");
    return designs[static_cast<size_t>(index)];
}
