// The application object: title, executable name, the main form, the message loop and the
// standard exception box.
#pragma once

#include "TComponent.h"
#include "TForm.h"

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>

class QApplication;

class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override;

    // Creates the Qt application when none exists yet (tests create their own) and sets the
    // application font (ApplicationFont.h).
    void Initialize(int& argc, char** argv);

    const std::string& Title() const { return AppTitle; }
    void SetTitle(std::string title) { AppTitle = std::move(title); }
    // Full path of the executable, and its folder.
    std::string ExeName() const;
    std::string ExeDir() const;
    // Tests place a fake executable path to steer the launcher and help look-ups.
    void SetExeName(std::string path) { ExeOverride = std::move(path); }

    // Creates a form owned by the application (through CreateForm, so its OnCreate runs); the first
    // form created becomes the main form.
    template <class T, class... A> void CreateForm(T*& reference, A&&... args) {
        reference = ::CreateForm<T>(this, std::forward<A>(args)...);
        if (!MainWindow) {
            MainWindow = reference;
        }
    }
    TForm* MainForm() const { return MainWindow; }

    // Shows the main form and runs the message loop until Terminate or the main form closes. A
    // Terminate before Run makes Run return at once.
    void Run();
    void Terminate();
    bool Terminated() const { return IsTerminated; }
    // Withdraws a Terminate that the loop has not acted on (a test that ran one loop runs another).
    void ResetTerminated() { IsTerminated = false; }

    // Handles the pending events once, without waiting.
    void ProcessMessages();
    // Lets events run until done() holds or boundMs have passed on the clock seam. It sleeps on the
    // event queue (no busy spin). Returns done().
    bool WaitUntil(const std::function<bool()>& done, uint64_t boundMs);

    void ShowException(const std::exception& e) { ShowException(e.what()); }
    void ShowException(const std::string& message);
    int MessageBox(const std::string& text, const std::string& caption, unsigned flags);

    // Deletes every form the application owns (run from the Qt application's destructor).
    void DestroyForms();

private:
    friend class TForm;
    std::string AppTitle;
    std::string ExeOverride;
    TForm* MainWindow = nullptr;
    bool IsTerminated = false;
    bool Running = false;
    std::unique_ptr<QApplication> OwnQtApp;
};

extern TApplication* const Application;

// The bound of a wait for a request's reply: its time-out (in units of 10 ms) times every try,
// plus one second for the reply to be handled.
constexpr uint64_t ReplyWaitBoundMs(int timeoutCentiseconds, int retries) {
    return static_cast<uint64_t>(timeoutCentiseconds) * 10u * static_cast<uint64_t>(retries + 1) + 1000u;
}
