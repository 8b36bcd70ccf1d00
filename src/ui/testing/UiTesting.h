// Test support for suites that drive forms: scripted message boxes, modal forms run by test code,
// recorded beeps, launches and help, a clock and timers under the test's control, and user input
// (typing, clicks, choices) that reaches the controls as a user's would.
//
// Link zqs_ui_testing, and zqs_ui_test_main for a main() that runs Qt offscreen and installs strict
// seams: a message box or modal form that no script expects fails the test (and is answered with
// Cancel so nothing hangs); a launch or help call that no recorder expects fails it too.
#pragma once

#include "Beeper.h"
#include "Clock.h"
#include "HelpViewer.h"
#include "Launcher.h"
#include "TForm.h"
#include "UserDialogs.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

class TComboBox;
class TControl;
class TEdit;
class TListView;
class TPageControl;

// Answers message boxes from a script, in order. Each shown box is recorded. A box that does not
// match the next expected text, or comes when the script is used up, fails the test.
class ScriptedDialogs : public UserDialogService {
public:
    ScriptedDialogs();
    ~ScriptedDialogs() override; // fails the test when expected boxes never came
    ScriptedDialogs& Expect(std::string text, int answer = mrOk);
    // Also checks the kind and the title.
    ScriptedDialogs& Expect(DialogKind kind, std::string title, std::string text, int answer = mrOk);
    int Show(const UserDialog& dialog) override;
    const std::vector<UserDialog>& Shown() const { return Log; }
    int Pending() const { return static_cast<int>(Script.size()); }

private:
    struct Step {
        bool CheckKind;
        DialogKind Kind;
        std::string Title;
        std::string Text;
        int Answer;
    };
    std::deque<Step> Script;
    std::vector<UserDialog> Log;
    UserDialogService* Previous;
};

// Runs test code on each form that becomes modal, handlers taken in order. A handler must end the
// form (a button with a modal result, Close, SetModalResult); a form left open fails the test and
// is cancelled.
class ModalDriver {
public:
    ModalDriver();
    ~ModalDriver(); // fails the test when handlers were left unused
    ModalDriver& Then(std::function<void(TForm*)> handler);
    int Pending() const { return static_cast<int>(Handlers.size()); }

private:
    std::deque<std::function<void(TForm*)>> Handlers;
};

class CountingBeeper : public BeepService {
public:
    CountingBeeper();
    ~CountingBeeper() override;
    void Beep(int frequency, int durationMs) override { Beeps.push_back({frequency, durationMs}); }
    void DefaultBeep() override { ++DefaultBeeps; }
    struct Tone {
        int Frequency;
        int DurationMs;
    };
    std::vector<Tone> Beeps;
    int DefaultBeeps = 0;

private:
    BeepService* Previous;
};

// Records launches instead of starting programs.
class RecordingLauncher : public LaunchService {
public:
    RecordingLauncher();
    ~RecordingLauncher() override;
    bool Start(const std::vector<std::string>& argv) override {
        Launches.push_back(argv);
        return true;
    }
    std::vector<std::vector<std::string>> Launches;

private:
    LaunchService* Previous;
};

class RecordingHelp : public HelpService {
public:
    RecordingHelp();
    ~RecordingHelp() override;
    bool Open(const std::string& path) override {
        Opened.push_back(path);
        return true;
    }
    std::vector<std::string> Opened;

private:
    HelpService* Previous;
};

// A clock that moves only when told (and by StepPerRead on every reading, so bounded waits end).
class FakeClock : public ClockService {
public:
    explicit FakeClock(uint64_t stepPerRead = 0);
    ~FakeClock() override;
    uint64_t TickCount() override {
        Ticks += StepPerRead;
        return Ticks;
    }
    std::chrono::system_clock::time_point Now() override {
        return std::chrono::system_clock::time_point(std::chrono::milliseconds(Ticks)) + WallOffset;
    }
    void Advance(uint64_t ms) { Ticks += ms; }
    void SetWallClock(std::chrono::system_clock::time_point now);
    uint64_t Ticks = 0;
    uint64_t StepPerRead;

private:
    std::chrono::system_clock::duration WallOffset{};
    ClockService* Previous;
};

// No timer ticks by itself while it lives; FireTimers ticks them.
class ManualTimers {
public:
    ManualTimers();
    ~ManualTimers();
    int Fire(); // one tick for each running timer
};

// Screen.PixelsPerInch while it lives.
class ScreenDpi {
public:
    explicit ScreenDpi(int pixelsPerInch);
    ~ScreenDpi();
};

// User input, delivered as Qt events (so handlers run through Dispatch as on a real desktop).
void ActivateForm(TForm* form);
// Focuses the control as a mouse click does (OnExit of the previous control fires).
void FocusControl(TControl* control);
// Focuses the edit and types text at its end.
void TypeText(TControl* control, const std::string& text);
void PressKey(TControl* control, int qtKey, int qtModifiers = 0);
void ClickControl(TControl* control);
void ClickAt(TControl* control, int x, int y);
void DoubleClickAt(TControl* control, int x, int y);
void MoveMouseTo(TControl* control, int x, int y);
// Chooses the item from the drop-down list.
void ChooseComboItem(TComboBox* combo, int index);
// Clicks row `row` of a list view (its first column); scrolls it into view first.
void ClickListRow(TListView* list, int row);
// Clicks the tab of page `index`.
void ClickTab(TPageControl* pages, int index);
// Lets events run until done() holds, at most boundMs; true when it holds.
bool WaitFor(const std::function<bool()>& done, uint64_t boundMs = 5000);

// Installs the strict seams of the test main (also usable by a suite with its own main).
void InstallStrictSeams();
