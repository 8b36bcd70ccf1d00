#include "UiTesting.h"

#include "QtBridge.h"
#include "TApplication.h"
#include "TComboBox.h"
#include "TControl.h"
#include "TListView.h"
#include "TPageControl.h"
#include "TScreen.h"
#include "TTimer.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

std::string Describe(const UserDialog& d) {
    return "\"" + d.Text + "\" (title \"" + d.Title + "\")";
}

class StrictDialogs : public UserDialogService {
public:
    int Show(const UserDialog& d) override {
        ADD_FAILURE() << "Unexpected message box " << Describe(d);
        return (d.Buttons & mbCancel) ? mrCancel : (d.Buttons & mbNo) ? mrNo : mrOk;
    }
};

class StrictLauncher : public LaunchService {
public:
    bool Start(const std::vector<std::string>& argv) override {
        ADD_FAILURE() << "Unexpected program start: " << (argv.empty() ? "" : argv[0]);
        return false;
    }
};

class StrictHelp : public HelpService {
public:
    bool Open(const std::string& path) override {
        ADD_FAILURE() << "Unexpected help: " << path;
        return false;
    }
};

class SilentBeeper : public BeepService {
public:
    void Beep(int, int) override {}
    void DefaultBeep() override {}
};

StrictDialogs Dialogs;
StrictLauncher Launcher;
StrictHelp Help;
SilentBeeper Beeper;

void StrictModalHook(TForm* form) {
    ADD_FAILURE() << "Unexpected modal form \"" << form->Caption() << "\"";
    form->SetModalResult(mrCancel);
}

QWidget* WidgetOf(TControl* control) {
    if (!control || !control->Widget()) {
        throw std::invalid_argument("control without a widget");
    }
    return control->Widget();
}

} // namespace

void InstallStrictSeams() {
    SetUserDialogService(&Dialogs);
    SetLaunchService(&Launcher);
    SetHelpService(&Help);
    SetBeepService(&Beeper);
    SetModalHook(StrictModalHook);
}

ScriptedDialogs::ScriptedDialogs() : Previous(CurrentUserDialogService()) {
    SetUserDialogService(this);
}

ScriptedDialogs::~ScriptedDialogs() {
    SetUserDialogService(Previous);
    for (const Step& s : Script) {
        ADD_FAILURE() << "Expected message box \"" << s.Text << "\" never came";
    }
}

ScriptedDialogs& ScriptedDialogs::Expect(std::string text, int answer) {
    Script.push_back({false, DialogKind::Message, "", std::move(text), answer});
    return *this;
}

ScriptedDialogs& ScriptedDialogs::Expect(DialogKind kind, std::string title, std::string text, int answer) {
    Script.push_back({true, kind, std::move(title), std::move(text), answer});
    return *this;
}

int ScriptedDialogs::Show(const UserDialog& dialog) {
    Log.push_back(dialog);
    if (Script.empty()) {
        return Previous->Show(dialog);
    }
    Step step = Script.front();
    Script.pop_front();
    EXPECT_EQ(step.Text, dialog.Text) << "message box " << Describe(dialog);
    if (step.CheckKind) {
        EXPECT_EQ(static_cast<int>(step.Kind), static_cast<int>(dialog.Kind))
            << "message box " << Describe(dialog);
        EXPECT_EQ(step.Title, dialog.Title) << "message box " << Describe(dialog);
    }
    return step.Answer;
}

ModalDriver::ModalDriver() {
    SetModalHook([this](TForm* form) {
        if (Handlers.empty()) {
            StrictModalHook(form);
            return;
        }
        auto handler = std::move(Handlers.front());
        Handlers.pop_front();
        auto token = form->AliveToken();
        // A handler that throws must not leave the form waiting for input that never comes: the
        // test would hang until ctest's time-out instead of failing here.
        std::string thrown;
        try {
            handler(form);
        } catch (const std::exception& e) {
            thrown = e.what();
        } catch (...) {
            thrown = "a non-standard exception";
        }
        if (!IsAlive(token)) {
            if (!thrown.empty()) {
                ADD_FAILURE() << "Modal handler threw: " << thrown;
            }
            return;
        }
        if (!thrown.empty()) {
            ADD_FAILURE() << "Modal handler for \"" << form->Caption() << "\" threw: " << thrown;
        } else if (form->Modal() && form->ModalResult() == mrNone) {
            ADD_FAILURE() << "Modal form \"" << form->Caption() << "\" left open by the test";
        }
        if (form->Modal() && form->ModalResult() == mrNone) {
            form->SetModalResult(mrCancel);
        }
    });
}

ModalDriver::~ModalDriver() {
    SetModalHook(StrictModalHook);
    if (!Handlers.empty()) {
        ADD_FAILURE() << Handlers.size() << " expected modal form(s) never came";
    }
}

ModalDriver& ModalDriver::Then(std::function<void(TForm*)> handler) {
    Handlers.push_back(std::move(handler));
    return *this;
}

CountingBeeper::CountingBeeper() : Previous(CurrentBeepService()) {
    SetBeepService(this);
}
CountingBeeper::~CountingBeeper() {
    SetBeepService(Previous);
}
RecordingLauncher::RecordingLauncher() : Previous(CurrentLaunchService()) {
    SetLaunchService(this);
}
RecordingLauncher::~RecordingLauncher() {
    SetLaunchService(Previous);
}
RecordingHelp::RecordingHelp() : Previous(CurrentHelpService()) {
    SetHelpService(this);
}
RecordingHelp::~RecordingHelp() {
    SetHelpService(Previous);
}

FakeClock::FakeClock(uint64_t stepPerRead) : StepPerRead(stepPerRead), Previous(CurrentClockService()) {
    SetClockService(this);
}
FakeClock::~FakeClock() {
    SetClockService(Previous);
}
void FakeClock::SetWallClock(std::chrono::system_clock::time_point now) {
    WallOffset = now - std::chrono::system_clock::time_point(std::chrono::milliseconds(Ticks));
}

ManualTimers::ManualTimers() {
    TTimer::SetManualTimers(true);
}
ManualTimers::~ManualTimers() {
    TTimer::SetManualTimers(false);
}
int ManualTimers::Fire() {
    return TTimer::FireTimers();
}

ScreenDpi::ScreenDpi(int pixelsPerInch) {
    Screen->SetPixelsPerInch(pixelsPerInch);
}
ScreenDpi::~ScreenDpi() {
    Screen->SetPixelsPerInch(std::nullopt);
}

void ActivateForm(TForm* form) {
    QWidget* w = form->Widget()->window();
    w->activateWindow();
    QApplication::setActiveWindow(w);
}

void FocusControl(TControl* control) {
    QWidget* w = WidgetOf(control);
    QWidget* window = w->window();
    if (!window->isActiveWindow()) {
        window->activateWindow();
        QApplication::setActiveWindow(window);
    }
    w->setFocus(Qt::MouseFocusReason);
}

void TypeText(TControl* control, const std::string& text) {
    FocusControl(control);
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : WidgetOf(control);
    QTest::keyClick(target, Qt::Key_End);
    QTest::keyClicks(target, QString::fromStdString(text));
}

void PressKey(TControl* control, int qtKey, int qtModifiers) {
    QWidget* target = WidgetOf(control);
    if (QApplication::focusWidget() && ControlOfWidget(QApplication::focusWidget()) == control) {
        target = QApplication::focusWidget();
    }
    QTest::keyClick(target, static_cast<Qt::Key>(qtKey), Qt::KeyboardModifiers(qtModifiers));
}

void ClickControl(TControl* control) {
    QWidget* w = WidgetOf(control);
    // A check box or radio button answers on its indicator and caption, not on empty space.
    bool indicator = qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w);
    QPoint at = indicator ? QPoint(6, w->height() / 2) : w->rect().center();
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, at);
}

namespace {
// The widget a pointer at (x, y) of the control reaches (the deepest child there), and the point in it.
QWidget* TargetAt(TControl* control, int x, int y, QPoint& at) {
    QWidget* w = WidgetOf(control);
    QWidget* child = w->childAt(x, y);
    at = child ? child->mapFrom(w, QPoint(x, y)) : QPoint(x, y);
    return child ? child : w;
}
} // namespace

void ClickAt(TControl* control, int x, int y) {
    QPoint at;
    QWidget* target = TargetAt(control, x, y, at);
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, at);
}

void DoubleClickAt(TControl* control, int x, int y) {
    QPoint at;
    QWidget* target = TargetAt(control, x, y, at);
    // A double click arrives after the first click of the pair.
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(target, Qt::LeftButton, Qt::NoModifier, at);
}

void MoveMouseTo(TControl* control, int x, int y) {
    QPoint at;
    QWidget* target = TargetAt(control, x, y, at);
    QTest::mouseMove(target, at);
}

void ChooseComboItem(TComboBox* combo, int index) {
    auto* box = static_cast<QComboBox*>(WidgetOf(combo));
    FocusControl(combo);
    // What the drop-down list does when the user picks an item.
    box->setCurrentIndex(index);
    emit box->activated(index);
}

void ClickListRow(TListView* list, int row) {
    auto* view = static_cast<QTreeView*>(WidgetOf(list));
    view->scrollTo(view->model()->index(row, 0));
    int left, top, width, height;
    if (!list->RowRect(row, left, top, width, height)) {
        throw std::invalid_argument("row not shown");
    }
    QPoint inViewport = view->viewport()->mapFrom(view, QPoint(left + width / 2, top + height / 2));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, inViewport);
}

void ClickTab(TPageControl* pages, int index) {
    auto* tabs = static_cast<QTabWidget*>(WidgetOf(pages));
    QTabBar* bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(index).center());
}

bool WaitFor(const std::function<bool()>& done, uint64_t boundMs) {
    return Application->WaitUntil(done, boundMs);
}
