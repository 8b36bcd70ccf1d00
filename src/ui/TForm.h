// Forms: top-level windows, modal dialogs, or child forms shown inside another control.
//
// Every form is made by CreateForm<T>(owner, args...): it constructs the most-derived class and
// then runs OnCreate, so a creation handler sees every member that the derived constructors set,
// and the creator continues only after it. Show and ShowModal fire OnShow and then OnActivate once
// per showing: a form does not run OnActivate again when a message box over it closes.
// Width and Height are the outer size of a top-level form (client area plus the frame modelled for
// its BorderStyle, plus its menu bar); ClientWidth and ClientHeight the area its controls share.
#pragma once

#include "TControl.h"

#include <functional>
#include <stdexcept>
#include <type_traits>
#include <vector>

class QEventLoop;
class TMainMenu;
class FormWindow;

enum TPosition {
    poDesigned,
    poDefault,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter
};
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIconFlag : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
using TBorderIcons = unsigned;
enum TFormStyle { fsNormal, fsStayOnTop };
enum TCloseAction { caNone, caHide, caFree, caMinimize };

using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;
using TCloseQueryEvent = std::function<void(TObject* sender, bool& canClose)>;

class TForm : public TControl {
public:
    explicit TForm(TComponent* owner);
    ~TForm() override;

    // Runs OnCreate; CreateForm calls it once, right after construction.
    void AfterConstruction();
    bool Created() const { return IsCreated; }

    std::string Caption() const override;
    void SetCaption(const std::string& caption) override;

    TPosition Position() const { return FormPosition; }
    void SetPosition(TPosition position) { FormPosition = position; }
    TFormBorderStyle BorderStyle() const { return FormBorder; }
    void SetBorderStyle(TFormBorderStyle style);
    TBorderIcons BorderIcons() const { return FormIcons; }
    void SetBorderIcons(TBorderIcons icons);
    TFormStyle FormStyle() const { return Style; }
    void SetFormStyle(TFormStyle style);
    TMainMenu* Menu() const { return MainMenu; }
    void SetMenu(TMainMenu* menu);

    void SetParent(TControl* parent) override;
    bool Embedded() const { return Parent() != nullptr; }
    void SetVisible(bool visible) override;
    int ClientWidth() const override;
    int ClientHeight() const override;

    // Shows the form modally and returns its ModalResult. Nested ShowModal calls are allowed.
    int ShowModal();
    bool Modal() const { return ModalLoop != nullptr; }
    TModalResult ModalResult() const { return ModalRes; }
    // A non-zero result closes a modal form after the current event (through OnCloseQuery/OnClose).
    void SetModalResult(TModalResult result);

    // A modal form: ModalResult := mrCancel. Otherwise OnCloseQuery, then OnClose with caHide
    // (caFree for the main form), then hide, minimise or free; closing the main form ends the program.
    void Close();
    // Deletes the form after the current event, unless someone deletes it first.
    void Release();

    // The control of this form that has (or last had) the focus.
    TControl* ActiveControl() const;
    // Moves the focus to the next (or previous) control in tab order.
    void SelectNext(bool forward = true);

    // WM_CLOSE closes the form; WM_NEXTDLGCTL (0, 0) moves the focus to the next control.
    void WndProc(TMessage& message) override;

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnActivate;
    TNotifyEvent OnHide;
    TNotifyEvent OnDestroy;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

    // The frame that Width/Height add to the client area of a top-level form of this style.
    static void FrameExtents(TFormBorderStyle style, int& horizontal, int& vertical);

protected:
    QWidget* ClientWidget() const override;
    void ApplyBounds() override;
    void ApplyVisible() override;
    void BeforeDestruction() override;
    bool WidgetEvent(QObject* watched, QEvent* event) override;

private:
    friend class FormWindow;
    friend class FocusTracker;
    void ShowWindow();
    void HideWindow();
    void BringToFront();
    void CloseModal();
    void ApplyWindowFlags();
    void ApplyPosition();
    void LayoutInner();
    int MenuHeight() const;
    void NonClient(int& horizontal, int& vertical) const;
    void FocusChanged(TControl* now);
    // True (and `fn` queued for after the outermost FormClosingDeferral) while one is held.
    bool DeferClosing(std::function<void()> fn);

    FormWindow* Window = nullptr;
    QWidget* Client = nullptr;
    TMainMenu* MainMenu = nullptr;
    TPosition FormPosition = poDesigned;
    TFormBorderStyle FormBorder = bsSizeable;
    TBorderIcons FormIcons = biSystemMenu | biMinimize | biMaximize;
    TFormStyle Style = fsNormal;
    TModalResult ModalRes = mrNone;
    QEventLoop* ModalLoop = nullptr;
    bool CloseQueued = false;
    bool PendingFree = false;
    bool IsCreated = false;
    bool InExit = false;
    bool Closing = false;
    TControl* Active = nullptr;
    std::weak_ptr<const bool> ActiveToken;
};

// The one way to make a form: construct T, then run its OnCreate.
template <class T, class... A> T* CreateForm(TComponent* owner, A&&... args) {
    static_assert(std::is_base_of_v<TForm, T>, "CreateForm makes forms");
    T* form = new T(owner, std::forward<A>(args)...);
    form->AfterConstruction();
    return form;
}

// Closing under a running handler. A handler that lets pending events run while it still needs its
// objects (a reply handler that repaints the list during a walk) holds a FormClosingDeferral: while
// one is held, a form asked to close (Close, a modal result, WM_CLOSE) or to free itself (Release)
// does so only after the outermost deferral has ended, from the event loop, so that nothing is
// destroyed under the handler. The holder learns which forms waited and can wind its work up.
class FormClosingDeferral {
public:
    FormClosingDeferral();
    ~FormClosingDeferral();
    FormClosingDeferral(const FormClosingDeferral&) = delete;
    FormClosingDeferral& operator=(const FormClosingDeferral&) = delete;

    // Whether closing or freeing `form` was put off while this deferral was held.
    bool Deferred(const TForm* form) const;
    // Whether any deferral is held now.
    static bool Active();

private:
    friend class TForm;
    std::vector<const TForm*> Forms;
};

// Seam: runs test code each time a form becomes modal, from inside its modal loop (after OnShow and
// OnActivate). Null removes it.
using ModalHook = std::function<void(TForm* form)>;
void SetModalHook(ModalHook hook);
ModalHook GetModalHook();
