// The main window. It writes the device facts (DeviceFacts.h) that the whole program reads.
//
// Constructing the window starts the SNMP session, loads the message tables and reads the command
// line; creating it identifies the switch by its sysObjectID, reads the stack units, the stack mode
// and the firmware edition, and shows or hides the menus by edition and stack mode. A switch that
// does not answer leaves the reason in status panel 0 and the window usable.
#pragma once

#include "CommandLine.h"
#include "MenuTree.h"
#include "TForm.h"

#include <functional>
#include <string>
#include <vector>

class TFrontPanelForm;
class TImageList;
class TLabel;
class TListItem;
class TListView;
class TMainMenu;
class TMenuItem;
class TScrollBox;
class TStaticText;
class TStatusBar;
class VqSNMPRequest2Edits;

// The command-line values as typed (AddressText ... PrivProtocolText) are members through
// CommandLineTexts; sibling command lines are built from them.
class TMainForm : public TForm, public CommandLineTexts {
public:
    explicit TMainForm(TComponent* owner);
    ~TMainForm() override;

    TScrollBox* ScrollBox1;     // holds the front panels
    TLabel* ST_StackMode;       // hidden: "enabled" or "disabled" as read
    TLabel* Mode_KB_KA;         // hidden: the firmware type as read
    TLabel* ST_ModuleOID;       // hidden: the agent's sysObjectID
    TListView* UnitListView;    // hidden: the stack unit table
    TStaticText* ST_STPVersion; // hidden: the STP version, read on demand by StpVersionRequest
    TStatusBar* StatusBar;      // panel 0: start-up, unit and front-panel texts of the whole program
    TImageList* ImageList1;     // the unit digits 1 to 11; image n - 1 for unit n
    TMainMenu* MainMenu1;

    std::string DialogCaption; // scratch text in which menu commands compose dialog captions
    // The six model names, in the order of the model numbers 2 to 7.
    std::vector<std::string> SupportedModels;
    double ScaleFactor = 1.0; // 1.25 when the screen is not at 96 pixels per inch
    bool FirstBuild = true;
    bool ActivatedOnce = false;
    std::vector<TFrontPanelForm*> UnitPanels; // the front panels, in build order
    TFrontPanelForm* LastPanel = nullptr;
    int UnitPanelCount = 0;
    // What the edition pass shows and hides, as the menu's builder gave it (none without one).
    EditionMenus EditionMenuLists;

    // Start-up requests, synchronous, owned by the window. The unit-information ones are built by
    // the first LoadUnitInformation.
    VqSNMPRequest2Edits* UnitTableRequest = nullptr;
    VqSNMPRequest2Edits* StackModeRequest = nullptr;
    VqSNMPRequest2Edits* FirmwareTypeRequest = nullptr;
    VqSNMPRequest2Edits* StpVersionRequest = nullptr; // a caller runs Get, then reads ST_STPVersion
    VqSNMPRequest2Edits* ModuleOidRequest = nullptr;  // a caller runs Get, then reads ST_ModuleOID

    void FormCreate(TObject* sender);
    void FormActivate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);

    // Reads the stack mode, the unit table and the firmware type into the device facts. False after
    // a failure, whose text is then in status panel 0.
    bool LoadUnitInformation();
    void ApplyFirmwareModeMenus();
    void ApplyStackModeMenus();

    // The argument list of a sibling program for a key such as "/TMIB_IFTable".
    std::vector<std::string> BuildModuleCommandLine(const std::string& key) const;
    // Starts the sibling program; when it cannot be started, status panel 0 says which.
    void LaunchModule(const std::string& key, int unused = 0);

    void About1Click(TObject* sender);
    void Help2Click(TObject* sender);

    // The front panels, built inside a modal TWaitingForm at the first activation and by Refresh:
    // one per present unit of a stack (or one for a stand-alone switch), one below the other in
    // ScrollBox1, the window fitted around them; from five units on, the panel area scrolls.
    void BuildUnitPanels();
    void BuildStandalonePanel();
    void FreeUnitPanels();
    void AddUnitPanel(const std::string& moduleName, const std::string& unitId);
    // What the waiting form runs: the unit information read again and, when it could be read, the
    // panels built anew (a refresh frees the old ones first) and the stack menus set; when it cannot
    // be read, the old panels stay.
    void RebuildUnitPanels();
    // Refresh: after a confirmation, the unit information is read again and the panels are built
    // anew; when it cannot be read, the old panels stay.
    void RefreshPanel1Click(TObject* sender);

    // Status panel 0, where the window reports what it could not do.
    void SetStatusText(const std::string& text);
    std::string StatusText() const;

    // The menu item of that component name; raises std::logic_error when there is none.
    TMenuItem* MenuItem(const char* name) const;

private:
    void IdentifyModel();
    void ShowWaitingForm(const char* caption);
    void PlaceUnitPanel(TFrontPanelForm* panel, int width, int height);
    void ApplyScrollingLayout();
    int PanelsClientWidth = 0; // the client width the panels of the last build need
    // The text of a unit row under the column of that caption ("" when there is none).
    std::string UnitCell(const TListItem* row, const std::string& column) const;
    void SetMenuVisible(std::initializer_list<const char*> names, bool visible);
    void SetMenuVisible(const std::vector<std::string>& names, bool visible);
    void CloseUnitTableRequest();
};

// Builds the whole main menu over the items the shell made, while the main window is constructed
// and before its start-up passes show and hide items, and gives the items the edition pass shows
// and hides, which the menu data marks; empty: the shell's items only, and no edition pass.
extern std::function<EditionMenus(TMainForm*)> MainMenuBuilder;

// The help file beside the executable.
constexpr const char* kHelpFileName = "zqs4410-help.html";

// The main window; the device facts it reads at start-up are in DeviceFacts.h.
extern TMainForm* MainForm;
