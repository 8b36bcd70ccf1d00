// The command engine: runs the command of a menu entry. A table dialog is built over its catalogue
// tables, tuned, shown modally and deleted; a dedicated dialog is made from its registered class,
// kept in its instance pointer while it is shown, and deleted; a sibling program is launched; a DDM
// builder, Refresh, Help and About are called. Everything reads the device facts the main window
// wrote at start (DeviceAddress, SysObjectId, FirmwareMode), its scale and SessionParameters; a
// shared multicast dialog's command writes MulticastIpVersion first.
#pragma once

class DedicatedDialogRegistry;
class TConfigForm;
struct MenuEntry;
struct MenuPanel;
class TSNMPEditorPanel;

// The status line of a table dialog whose tables the switch's model does not have.
constexpr const char* kUnsupportedModelText = "Unsupported model";

void RunMenuCommand(const MenuEntry& entry, const DedicatedDialogRegistry& dialogs);
void RunMenuCommand(const MenuEntry& entry); // with ProgramDialogs()

// Builds a table dialog's panels, tunings and size into a new dialog without showing it (what
// RunMenuCommand does before ShowModal). The caller owns the dialog.
TConfigForm* BuildTableDialog(const MenuEntry& entry);

// Makes the main window build its whole menu from the entries, with every command item running
// its entry through RunMenuCommand, and take the items of its edition pass from the entries' marks.
// Call before the main window is created.
void InstallMainMenu();
