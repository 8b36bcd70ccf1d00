// A hook for whole-program tests, off unless the environment variable ZQS_TEST_HOOK names a script
// file. It answers the program's message boxes from the script and writes what the main window
// shows into a report file, so a test can run the program as a subprocess and read the outcome.
//
// Script lines (tab-separated fields):
//   report<TAB>PATH          where the report goes (required)
//   box<TAB>ANSWER<TAB>TEXT  the next message box: its text, answered ok, cancel, yes or no
//   snapshot                 after start-up: write what the main window shows
//   click<TAB>NAME           after start-up: click the menu item of that component name
//   quit                     after start-up: close the main window
// Start-up is over once the main window is shown, activated and no modal form is open; the
// commands after it run in order inside the message loop.
//
// Report lines (tab-separated): "box KIND TITLE TEXT ANSWER expected|unexpected" for every message
// box as it comes (an unexpected one is answered Cancel, or OK when it has no Cancel); "modal CAPTION"
// for every window as it is shown modally; for a snapshot
// "caption", "model", "sysobjectid", "stackmode", "firmware", "unitcount", one "unit CAPTION SUB..."
// per unit row, "status0", "window VISIBLE ENABLED", one "menu NAME PATH VISIBLE ENABLED" per menu
// item, then "end"; "exit CODE" last.
#pragma once

// Installs the hook when ZQS_TEST_HOOK is set; an unreadable script ends the program with code 3.
void InstallTestHookFromEnvironment();
// Writes the exit line (nothing without the hook).
void FinishTestHook(int exitCode);
