// What the front panels reach of the main window: its unit-digit images (ImageList1), the status
// panel their LED requests report in (StatusBar panel 0), and the device facts that choose the
// status table (SysObjectId) and the stack LEDs (StackMode).
//
// The program points it at its main window once at start (RegisterFrontPanelForms); tests of the
// panels give it a window of their own.
#pragma once

#include <functional>
#include <string>

class TImageList;
class TStatusPanel;

struct FrontPanelHost {
    TImageList* UnitDigits = nullptr;
    TStatusPanel* StatusPanel = nullptr;
    std::string SysObjectId;
    std::string StackMode;
};

using FrontPanelHostSource = std::function<FrontPanelHost()>;

// Puts a source in force and returns the one it replaces.
FrontPanelHostSource SetFrontPanelHostSource(FrontPanelHostSource source);
// The host as the source gives it now; an empty host without a source.
FrontPanelHost CurrentFrontPanelHost();
