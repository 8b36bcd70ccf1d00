// Where everything lies on the six front panels: one description per model, shared by the
// picture generator (which draws an LED window, a port socket or an SFP cage under every part)
// and by the panel forms (which place their LED panels, bodies and strips from it). Drawing and
// placing from the same numbers is what keeps every LED shape on a window of the picture.
//
// Widget-free: the generator runs at build time without Qt.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// In the order of the shell's SupportedModels (and of the sysObjectID arcs 2 to 7).
enum class PanelModel { M24RA, M24DA, M24ZO, M48DA, M48RO, M24ZODC };
inline constexpr int kPanelModelCount = 6;

enum class PartKind {
    SystemLed,  // 4 x 4 system LED (Power, Console, RPS, Master, Stack1/2, Fan, SD card)
    ModeLed,    // Link and PoE mode LEDs of the PoE models
    PortLed,    // the LED of a plain port, or the copper LED of a combo or uplink port
    SfpLed,     // the SFP LED of a combo or uplink port
    Body,       // the bar over a port's socket
    Strip,      // the 3-pixel strip beside a body
    SdCardBar,  // the SD-card slot bar
    Digit,      // Image2: the unit digit
    ModeButton, // PoEButtonImage: the LED-mode toggle
};

// The window region of an LED panel: odd ports point up, even ports down.
enum class LedOutline { Square, Up, Down };

struct PanelPart {
    std::string Name; // the component name the forms look up ("Port21LedPanelF", "P7Panel")
    PartKind Kind;
    int Left, Top, Width, Height;
    LedOutline Outline = LedOutline::Square;
    bool Dark = false; // no outer bevel and clBlack in the design (stack and mode LEDs)
    int Port = 0;      // the front port a port part belongs to (0: none)
    bool Sfp = false;  // a body, strip or LED of an SFP cage
};

// A text printed on the faceplate (our own glyphs; Size 1 is 3 x 5 pixels, 2 is 5 x 7).
struct PanelText {
    std::string Text;
    int Left, Top;
    int Size = 1;
};

struct PanelDesign {
    PanelModel Model;
    std::string ModelName;         // "24RA"
    int ClientWidth, ClientHeight; // the form's client area
    int PictureWidth, PictureHeight;
    std::vector<PanelPart> Parts;
    std::vector<PanelText> Texts;

    // The part of that name, or null.
    const PanelPart* Find(std::string_view name) const;
};

const PanelDesign& DesignOf(PanelModel model);
