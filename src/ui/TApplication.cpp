#include "TApplication.h"

#include "ApplicationFont.h"
#include "Clock.h"
#include "QtBridge.h"
#include "UserDialogs.h"

#include <QApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>
#include <algorithm>

namespace {
TApplication TheApplication;

// The forms must go while Qt still exists: the application's components are destroyed from the Qt
// application's destructor, not at static destruction.
void DestroyApplicationForms() {
    TheApplication.DestroyForms();
}
} // namespace

TApplication* const Application = &TheApplication;

TApplication::TApplication() : TComponent(nullptr) {}

TApplication::~TApplication() {
    DestroyForms();
    OwnQtApp.reset();
}

void TApplication::DestroyForms() {
    DestroyComponents();
    MainWindow = nullptr;
}

void TApplication::Initialize(int& argc, char** argv) {
    if (!QCoreApplication::instance()) {
        OwnQtApp = std::make_unique<QApplication>(argc, argv);
    }
    InstallApplicationFont();
    qAddPostRoutine(DestroyApplicationForms);
}

std::string TApplication::ExeName() const {
    if (!ExeOverride.empty()) {
        return ExeOverride;
    }
    return QCoreApplication::instance() ? FromQ(QCoreApplication::applicationFilePath()) : std::string();
}

std::string TApplication::ExeDir() const {
    return FromQ(QFileInfo(ToQ(ExeName())).absolutePath());
}

void TApplication::Run() {
    if (IsTerminated) {
        return;
    }
    if (MainWindow && !MainWindow->Visible()) {
        MainWindow->Show();
    }
    if (IsTerminated) {
        return;
    }
    Running = true;
    QApplication::exec();
    Running = false;
}

void TApplication::Terminate() {
    IsTerminated = true;
    if (Running) {
        QCoreApplication::quit();
    }
}

void TApplication::ProcessMessages() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

bool TApplication::WaitUntil(const std::function<bool()>& done, uint64_t boundMs) {
    // The wake-up timer bounds each sleep on the event queue; the slice also lets an injected
    // clock be read again while no event comes.
    constexpr uint64_t kSliceMs = 100;
    const uint64_t start = GetTickCount();
    QTimer wake;
    wake.setSingleShot(true);
    for (;;) {
        if (done()) {
            return true;
        }
        uint64_t elapsed = GetTickCount() - start;
        if (elapsed >= boundMs) {
            return done();
        }
        wake.start(static_cast<int>(std::min(boundMs - elapsed, kSliceMs)));
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

void TApplication::ShowException(const std::string& message) {
    std::string title = AppTitle.empty() ? FromQ(QFileInfo(ToQ(ExeName())).completeBaseName()) : AppTitle;
    CurrentUserDialogService()->Show({DialogKind::Exception, title, message, mtError, mbOK});
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
    return ::MessageBox(MainWindow, text, caption.empty() ? AppTitle : caption, flags);
}
