#include "TForm.h"

#include "QtBridge.h"
#include "TApplication.h"
#include "TMainMenu.h"
#include "TScreen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QMenuBar>
#include <QScreen>
#include <QSet>
#include <QWidget>
#include <algorithm>
#include <utility>

namespace {
ModalHook CurrentModalHook;

// Holds a flag set for the life of a scope, also when a handler throws.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : Flag(flag) { Flag = true; }
    ~FlagScope() { Flag = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& Flag;
};
} // namespace

void SetModalHook(ModalHook hook) {
    CurrentModalHook = std::move(hook);
}
ModalHook GetModalHook() {
    return CurrentModalHook;
}

// While a form shown inside another window is modal, input for the windows that were open when it
// began is dropped unless it is meant for the modal form itself (a top-level modal form gets the
// same from the window system). Windows opened later, a message box for one, are not blocked.
class ModalInputBlocker : public QObject {
public:
    explicit ModalInputBlocker(QWidget* modal) : Modal(modal) {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible()) {
                Blocked.insert(w);
            }
        }
        qApp->installEventFilter(this);
    }
    ~ModalInputBlocker() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Wheel:
        case QEvent::Shortcut:
        case QEvent::Close: {
            auto* w = qobject_cast<QWidget*>(watched);
            return w && Blocked.contains(w->window()) && w != Modal && !Modal->isAncestorOf(w);
        }
        default:
            return false;
        }
    }
    QWidget* Modal;
    QSet<QWidget*> Blocked;
};

// The form's own widget: a user's close request becomes Close().
class FormWindow : public QWidget {
public:
    explicit FormWindow(TForm* form) : Form(form) {}
    void closeEvent(QCloseEvent* event) override {
        event->ignore();
        Dispatch([this] { Form->Close(); });
    }
    TForm* Form;
};

// Follows the application's focus to raise OnExit: only when the focus moves between two controls
// of the same form. A message box or popup taking the focus is no exit; while an OnExit handler
// runs, the focus moves it makes (back to the refused field) raise nothing, so two refusing fields
// cannot pass the focus back and forth for ever.
class FocusTracker : public QObject {
public:
    static void Install() {
        static FocusTracker* tracker = nullptr;
        if (!tracker && qApp) {
            tracker = new FocusTracker();
            tracker->setParent(qApp);
            QObject::connect(qApp, &QApplication::focusChanged, tracker,
                             [](QWidget*, QWidget* now) { OnFocus(now); });
        }
    }
    static void OnFocus(QWidget* now) {
        TControl* control = ControlOfWidget(now);
        if (!control) {
            return;
        }
        if (TForm* form = control->ParentForm()) {
            Dispatch([&] { form->FocusChanged(control); });
        }
    }
};

void TForm::FocusChanged(TControl* now) {
    TControl* previous = IsAlive(ActiveToken) ? Active : nullptr;
    if (previous == now) {
        return;
    }
    Active = now;
    ActiveToken = now->AliveToken();
    if (InExit) {
        return;
    }
    if (previous && previous->OnExit) {
        FlagScope scope(InExit);
        previous->OnExit(previous);
    }
    if (Active == now && now->OnEnter) {
        now->OnEnter(now);
    }
}

TForm::TForm(TComponent* owner) : TControl(owner) {
    FocusTracker::Install();
    Window = new FormWindow(this);
    Client = new QWidget(Window);
    Window->setAttribute(Qt::WA_DeleteOnClose, false);
    SetWidget(Window, 320, 240);
    SetVisible(false);
    ApplyWindowFlags();
    LayoutInner();
}

TForm::~TForm() {
    if (ModalLoop) {
        ModalLoop->quit();
    }
    if (Application->MainWindow == this) {
        Application->MainWindow = nullptr;
    }
    if (MainMenu) {
        MainMenu->DetachFrom(this);
    }
}

void TForm::BeforeDestruction() {
    if (OnDestroy) {
        OnDestroy(this);
    }
    TControl::BeforeDestruction();
}

void TForm::AfterConstruction() {
    if (IsCreated) {
        return;
    }
    IsCreated = true;
    // An escaping creation error is shown and the form is still made, as any handler's would be.
    DispatchEvent(OnCreate, this);
}

std::string TForm::Caption() const {
    return FromQ(Window->windowTitle());
}
void TForm::SetCaption(const std::string& caption) {
    TControl::SetCaption(caption);
    Window->setWindowTitle(ToQ(caption));
}

void TForm::SetBorderStyle(TFormBorderStyle style) {
    FormBorder = style;
    ApplyWindowFlags();
    ApplyBounds();
}

void TForm::SetBorderIcons(TBorderIcons icons) {
    FormIcons = icons;
    ApplyWindowFlags();
}

void TForm::SetFormStyle(TFormStyle style) {
    Style = style;
    ApplyWindowFlags();
}

void TForm::SetMenu(TMainMenu* menu) {
    if (MainMenu) {
        MainMenu->DetachFrom(this);
    }
    MainMenu = menu;
    if (menu) {
        menu->AttachTo(this, Window);
    }
    LayoutInner();
    Realign();
}

int TForm::MenuHeight() const {
    QMenuBar* bar = MainMenu ? MainMenu->MenuBar() : nullptr;
    return bar ? bar->sizeHint().height() : 0;
}

void TForm::FrameExtents(TFormBorderStyle style, int& horizontal, int& vertical) {
    // Borders and caption bar of a classic desktop frame: the dialogs size their forms with them.
    switch (style) {
    case bsNone:
        horizontal = 0;
        vertical = 0;
        break;
    case bsSingle:
    case bsDialog:
        horizontal = 6;
        vertical = 6 + 22;
        break;
    case bsSizeable:
        horizontal = 8;
        vertical = 8 + 22;
        break;
    case bsToolWindow:
        horizontal = 6;
        vertical = 6 + 16;
        break;
    case bsSizeToolWin:
        horizontal = 8;
        vertical = 8 + 16;
        break;
    }
}

void TForm::NonClient(int& horizontal, int& vertical) const {
    horizontal = 0;
    vertical = 0;
    if (!Embedded()) {
        FrameExtents(FormBorder, horizontal, vertical);
    }
    vertical += MenuHeight();
}

int TForm::ClientWidth() const {
    int h, v;
    NonClient(h, v);
    return std::max(0, Width() - h);
}

int TForm::ClientHeight() const {
    int h, v;
    NonClient(h, v);
    return std::max(0, Height() - v);
}

QWidget* TForm::ClientWidget() const {
    return Client;
}

void TForm::LayoutInner() {
    int menu = MenuHeight();
    if (MainMenu && MainMenu->MenuBar()) {
        MainMenu->MenuBar()->setGeometry(0, 0, Window->width(), menu);
    }
    Client->setGeometry(0, menu, Window->width(), std::max(0, Window->height() - menu));
}

void TForm::ApplyBounds() {
    int h, v;
    NonClient(h, v);
    int menu = MenuHeight();
    int w = std::max(0, Width() - h);
    int ht = std::max(0, Height() - v + menu);
    bool fixed = !Embedded() && FormBorder != bsSizeable && FormBorder != bsSizeToolWin;
    if (fixed) {
        Window->setFixedSize(w, ht);
    } else {
        Window->setMinimumSize(0, 0);
        Window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    if (Embedded()) {
        Window->setGeometry(Left(), Top(), w, ht);
    } else {
        Window->move(Left(), Top());
        Window->resize(w, ht);
    }
    LayoutInner();
}

bool TForm::WidgetEvent(QObject* watched, QEvent* event) {
    if (watched == Window && event->type() == QEvent::Resize) {
        LayoutInner();
        int h, v;
        NonClient(h, v);
        int width = Window->width() + h;
        int height = Window->height() - MenuHeight() + v;
        if (width != Width() || height != Height()) {
            StoreBounds(Left(), Top(), width, height);
            Resized();
        } else {
            Realign();
        }
        return false;
    }
    if (watched == Window && event->type() == QEvent::Move && !Embedded() && Window->isVisible()) {
        StoreBounds(Window->x(), Window->y(), Width(), Height());
    }
    return false;
}

void TForm::ApplyWindowFlags() {
    Qt::WindowFlags flags;
    if (Embedded()) {
        flags = Qt::Widget;
    } else {
        flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        switch (FormBorder) {
        case bsNone:
            flags = Qt::Window | Qt::FramelessWindowHint;
            break;
        case bsDialog:
            flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
            break;
        case bsToolWindow:
        case bsSizeToolWin:
            flags = Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
            break;
        default:
            break;
        }
        if (FormBorder != bsNone) {
            if (FormIcons & biSystemMenu) {
                flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
                // The minimise and maximise buttons come with the system menu only, and never on
                // dialog or tool frames.
                bool frameHasButtons = FormBorder == bsSingle || FormBorder == bsSizeable;
                if ((FormIcons & biMinimize) && frameHasButtons) {
                    flags |= Qt::WindowMinimizeButtonHint;
                }
                if ((FormIcons & biMaximize) && frameHasButtons) {
                    flags |= Qt::WindowMaximizeButtonHint;
                }
                if (FormIcons & biHelp) {
                    flags |= Qt::WindowContextHelpButtonHint;
                }
            }
        }
        if (Style == fsStayOnTop) {
            flags |= Qt::WindowStaysOnTopHint;
        }
    }
    // A form leaving its parent while it closes (OnClose setting Parent to none) must not flash
    // up as a window of its own.
    bool shown = Window->isVisible() && !Closing;
    Window->setWindowFlags(flags);
    if (shown) {
        Window->show();
    }
}

void TForm::SetParent(TControl* parent) {
    bool wasEmbedded = Embedded();
    if (!parent && wasEmbedded) {
        TControl::SetParent(nullptr);
        ApplyWindowFlags();
        ApplyBounds();
        return;
    }
    TControl::SetParent(parent);
    if (parent && !wasEmbedded) {
        ApplyWindowFlags();
        ApplyBounds();
        ApplyVisible();
    }
}

void TForm::ApplyVisible() {
    if (Embedded()) {
        Window->setVisible(Visible());
    }
}

void TForm::SetVisible(bool visible) {
    if (visible) {
        ShowWindow();
    } else {
        HideWindow();
    }
}

void TForm::ApplyPosition() {
    auto centreOn = [this](const QRect& area) {
        StoreBounds(area.x() + (area.width() - Width()) / 2, area.y() + (area.height() - Height()) / 2,
                    Width(), Height());
    };
    QRect screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->availableGeometry()
                                                    : QRect(0, 0, Screen->Width(), Screen->Height());
    auto formRect = [](const TForm* f) { return QRect(f->Left(), f->Top(), f->Width(), f->Height()); };
    switch (FormPosition) {
    case poScreenCenter:
    case poDesktopCenter:
        centreOn(screen);
        break;
    case poMainFormCenter: {
        TForm* main = Application->MainForm();
        centreOn(main && main != this && main->Visible() ? formRect(main) : screen);
        break;
    }
    case poOwnerFormCenter: {
        auto* owner = dynamic_cast<TForm*>(Owner());
        centreOn(owner && owner != this && owner->Visible() ? formRect(owner) : screen);
        break;
    }
    case poDesigned:
    case poDefault:
        break;
    }
    ApplyBounds();
}

void TForm::ShowWindow() {
    if (!IsCreated) {
        throw std::logic_error("A form must be made with CreateForm");
    }
    bool wasVisible = TControl::Visible();
    if (Embedded()) {
        TControl::SetVisible(true);
        if (!wasVisible) {
            DispatchEvent(OnShow, this);
            if (Modal() && TControl::Visible()) {
                DispatchEvent(OnActivate, this);
            }
        }
        return;
    }
    if (wasVisible) {
        BringToFront();
        return;
    }
    ApplyPosition();
    TControl::SetVisible(true);
    Window->show();
    BringToFront();
    DispatchEvent(OnShow, this);
    // Once per showing: closing a message box over the form activates it again in the desktop's
    // eyes, but work done here (reading the first values) must not run again over what the user typed.
    if (TControl::Visible()) {
        DispatchEvent(OnActivate, this);
    }
}

void TForm::BringToFront() {
    // The offscreen platform of the tests has no stacking order to change.
    if (QGuiApplication::platformName() != "offscreen") {
        Window->raise();
    }
    Window->activateWindow();
    QApplication::setActiveWindow(Window);
}

void TForm::HideWindow() {
    if (!TControl::Visible()) {
        return;
    }
    TControl::SetVisible(false);
    Window->hide();
    DispatchEvent(OnHide, this);
}

int TForm::ShowModal() {
    if (TControl::Visible() || Modal()) {
        throw std::runtime_error("Cannot make a visible window modal");
    }
    ModalRes = mrNone;
    PendingFree = false;
    // A form with a Parent (a progress form inside its dialog) is modal inside that window.
    std::unique_ptr<ModalInputBlocker> blocker;
    if (Embedded()) {
        blocker = std::make_unique<ModalInputBlocker>(Window);
    } else {
        Window->setWindowModality(Qt::ApplicationModal);
    }
    auto token = AliveToken();
    QEventLoop loop;
    ModalLoop = &loop;
    ShowWindow();
    if (IsAlive(token) && CurrentModalHook) {
        ModalHook hook = CurrentModalHook;
        PostCall(this, [this, hook] {
            if (Modal() && ModalRes == mrNone) {
                hook(this);
            }
        });
    }
    if (IsAlive(token) && ModalRes == mrNone && !Application->Terminated()) {
        loop.exec();
    }
    blocker.reset();
    if (!IsAlive(token)) {
        return mrCancel;
    }
    ModalLoop = nullptr;
    HideWindow();
    Window->setWindowModality(Qt::NonModal);
    if (PendingFree) {
        // caFree from OnClose: the caller of ShowModal usually deletes the form itself; whichever
        // comes first frees it, the other finds it gone.
        Release();
    }
    return ModalRes == mrNone ? mrCancel : ModalRes;
}

void TForm::SetModalResult(TModalResult result) {
    ModalRes = result;
    if (Modal() && result != mrNone && !CloseQueued) {
        CloseQueued = true;
        PostCall(this, [this] {
            CloseQueued = false;
            CloseModal();
        });
    }
}

void TForm::CloseModal() {
    if (!Modal() || ModalRes == mrNone || DeferClosing([this] { CloseModal(); })) {
        return;
    }
    TModalResult result = ModalRes;
    ModalRes = mrNone; // kept at none while the handlers run, so a veto or an exception leaves it open
    bool canClose = true;
    if (OnCloseQuery) {
        OnCloseQuery(this, canClose);
    }
    if (!canClose) {
        return;
    }
    TCloseAction action = caHide;
    if (OnClose) {
        FlagScope scope(Closing);
        OnClose(this, action);
    }
    if (action == caNone) {
        return;
    }
    ModalRes = result;
    PendingFree = action == caFree;
    ModalLoop->quit();
}

void TForm::Close() {
    if (Modal()) {
        SetModalResult(mrCancel);
        return;
    }
    if (DeferClosing([this] { Close(); })) {
        return;
    }
    bool canClose = true;
    if (OnCloseQuery) {
        OnCloseQuery(this, canClose);
    }
    if (!canClose) {
        return;
    }
    bool isMain = Application->MainForm() == this;
    TCloseAction action = isMain ? caFree : caHide;
    if (OnClose) {
        OnClose(this, action);
    }
    if (action == caNone) {
        return;
    }
    if (isMain) {
        HideWindow();
        Application->Terminate();
        return;
    }
    switch (action) {
    case caHide:
        HideWindow();
        break;
    case caMinimize:
        Window->showMinimized();
        break;
    case caFree:
        HideWindow();
        Release();
        break;
    case caNone:
        break;
    }
}

void TForm::Release() {
    PostCall(this, [this] {
        if (!DeferClosing([this] { delete this; })) {
            delete this;
        }
    });
}

namespace {

struct ClosingDeferrals {
    std::vector<FormClosingDeferral*> Held;
    std::vector<std::pair<std::weak_ptr<const bool>, std::function<void()>>> Waiting;
};

ClosingDeferrals& Deferrals() {
    static ClosingDeferrals deferrals;
    return deferrals;
}

} // namespace

FormClosingDeferral::FormClosingDeferral() {
    Deferrals().Held.push_back(this);
}

FormClosingDeferral::~FormClosingDeferral() {
    ClosingDeferrals& d = Deferrals();
    std::erase(d.Held, this);
    if (!d.Held.empty()) {
        return;
    }
    // Queued, not run here: the handler that held the deferral has not returned yet.
    for (auto& [token, fn] : std::exchange(d.Waiting, {})) {
        PostCall([token = token, fn = std::move(fn)] {
            if (IsAlive(token)) {
                fn();
            }
        });
    }
}

bool FormClosingDeferral::Deferred(const TForm* form) const {
    return std::find(Forms.begin(), Forms.end(), form) != Forms.end();
}

bool FormClosingDeferral::Active() {
    return !Deferrals().Held.empty();
}

bool TForm::DeferClosing(std::function<void()> fn) {
    ClosingDeferrals& d = Deferrals();
    if (d.Held.empty()) {
        return false;
    }
    for (FormClosingDeferral* held : d.Held) {
        held->Forms.push_back(this);
    }
    d.Waiting.emplace_back(AliveToken(), std::move(fn));
    return true;
}

TControl* TForm::ActiveControl() const {
    return IsAlive(ActiveToken) ? Active : nullptr;
}

void TForm::SelectNext(bool forward) {
    QWidget* start = QApplication::focusWidget();
    if (!start || start->window() != Window) {
        start = Window;
    }
    QWidget* w = start;
    do {
        w = forward ? w->nextInFocusChain() : w->previousInFocusChain();
        if (w->window() == Window && w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
            ControlOfWidget(w) && ControlOfWidget(w)->TabStop()) {
            w->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    } while (w != start);
}

void TForm::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_CLOSE:
        Close();
        break;
    case WM_NEXTDLGCTL:
        SelectNext(message.WParam == 0);
        break;
    default:
        break;
    }
}
