#include "TForm.h"
#include "TApplication.h"
#include "TButton.h"
#include "TEdit.h"
#include "TPanel.h"
#include "TProgressBar.h"
#include "TTimer.h"
#include "UiTesting.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <stdexcept>

namespace t_form_test {

namespace {

// A small address dialog: OK refuses an empty address with a message box and returns the focus.
class TAddressForm : public TForm {
public:
    explicit TAddressForm(TComponent* owner) : TForm(owner) {
        SetCaption("Address");
        SetBounds(0, 0, 300, 150);
        AddressEdit = new TEdit(this);
        AddressEdit->SetParent(this);
        AddressEdit->SetBounds(10, 10, 150, 21);
        NameEdit = new TEdit(this);
        NameEdit->SetParent(this);
        NameEdit->SetBounds(10, 40, 150, 21);
        OkButton = new TButton(this);
        OkButton->SetParent(this);
        OkButton->SetCaption("OK");
        OkButton->SetBounds(10, 80, 75, 25);
        OkButton->OnClick = Bind(this, &TAddressForm::OkButtonClick);
    }
    void OkButtonClick(TObject*) {
        if (AddressEdit->Text().empty()) {
            ShowMessage("Please input a valid IP.");
            AddressEdit->SetFocus();
            return;
        }
        SetModalResult(mrOk);
    }
    TEdit* AddressEdit;
    TEdit* NameEdit;
    TButton* OkButton;
};

} // namespace

TEST(TForm, ModalFormIsDrivenThroughTheModalHook) {
    std::unique_ptr<TAddressForm> form(CreateForm<TAddressForm>(nullptr));
    ScriptedDialogs dialogs;
    dialogs.Expect(DialogKind::Message, Application->Title(), "Please input a valid IP.", mrOk);
    ModalDriver driver;
    driver.Then([](TForm* f) {
        auto* dialog = static_cast<TAddressForm*>(f);
        TypeText(dialog->NameEdit, "core-1");
        ClickControl(dialog->OkButton); // refused: the scripted box answers, the focus goes back
        EXPECT_TRUE(dialog->AddressEdit->Focused());
        EXPECT_EQ(mrNone, dialog->ModalResult());
        TypeText(dialog->AddressEdit, "10.90.90.90");
        ClickControl(dialog->OkButton);
    });
    EXPECT_EQ(mrOk, form->ShowModal());
    EXPECT_EQ("10.90.90.90", form->AddressEdit->Text());
    EXPECT_EQ("core-1", form->NameEdit->Text());
    EXPECT_FALSE(form->Visible());
    EXPECT_EQ(1u, dialogs.Shown().size());
}

// A test whose modal handler throws fails at once and the form ends, instead of the dialog waiting
// for input until the suite's time-out.
TEST(TForm, ThrowingModalHandlerFailsTheTestAndEndsTheForm) {
    static int result = mrNone;
    EXPECT_NONFATAL_FAILURE(
        {
            std::unique_ptr<TForm> form(CreateForm<TForm>(nullptr));
            form->SetCaption("Broken");
            ModalDriver driver;
            driver.Then([](TForm*) { throw std::runtime_error("handler broke"); });
            result = form->ShowModal();
        },
        "threw: handler broke");
    EXPECT_EQ(mrCancel, result);
}

TEST(TForm, ShowModalNestsAndEachLevelReturnsItsOwnResult) {
    std::unique_ptr<TForm> outer(CreateForm<TForm>(nullptr));
    std::unique_ptr<TForm> inner(CreateForm<TForm>(nullptr));
    int innerResult = mrNone;
    ModalDriver driver;
    driver
        .Then([&](TForm* f) {
            EXPECT_EQ(outer.get(), f);
            innerResult = inner->ShowModal();
            EXPECT_TRUE(outer->Modal());
            f->SetModalResult(mrOk);
        })
        .Then([&](TForm* f) {
            EXPECT_EQ(inner.get(), f);
            f->SetModalResult(mrYes);
        });
    EXPECT_EQ(mrOk, outer->ShowModal());
    EXPECT_EQ(mrYes, innerResult);
}

namespace {
class CountedForm : public TForm {
public:
    CountedForm(TComponent* owner, int& destroyed) : TForm(owner), Destroyed(destroyed) {}
    ~CountedForm() override { ++Destroyed; }
    int& Destroyed;
};
} // namespace

TEST(TForm, CaFreeOnAModalFormThatItsCallerDeletesIsFreedOnce) {
    for (bool callerDeletes : {true, false}) {
        SCOPED_TRACE(callerDeletes ? "caller deletes" : "caller keeps");
        int destroyed = 0;
        auto* form = CreateForm<CountedForm>(nullptr, destroyed);
        form->OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
        ModalDriver driver;
        driver.Then([](TForm* f) { f->Close(); });
        EXPECT_EQ(mrCancel, form->ShowModal());
        EXPECT_EQ(0, destroyed); // still there for the caller to read
        if (callerDeletes) {
            delete form;
        }
        Application->ProcessMessages();
        EXPECT_EQ(1, destroyed);
    }
}

TEST(TForm, OnActivateRunsOncePerShowingNotOnReactivation) {
    std::unique_ptr<TForm> form(CreateForm<TForm>(nullptr));
    std::unique_ptr<TForm> other(CreateForm<TForm>(nullptr));
    int activations = 0;
    form->OnActivate = [&](TObject*) { ++activations; };
    ScriptedDialogs dialogs;
    dialogs.Expect("Get data not complete.");
    ModalDriver driver;
    driver
        .Then([&](TForm* f) {
            ShowMessage("Get data not complete.");
            // Another window takes the activation and gives it back, as a closing box does.
            other->Show();
            ActivateForm(other.get());
            ActivateForm(f);
            Application->ProcessMessages();
            f->SetModalResult(mrOk);
        })
        .Then([](TForm* f) { f->SetModalResult(mrOk); });
    form->ShowModal();
    EXPECT_EQ(1, activations);
    form->ShowModal();
    EXPECT_EQ(2, activations);
}

TEST(TForm, CloseQueryVetoKeepsTheModalFormOpen) {
    std::unique_ptr<TForm> form(CreateForm<TForm>(nullptr));
    int queries = 0;
    form->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = ++queries > 1; };
    ModalDriver driver;
    driver.Then([](TForm* f) {
        f->Close();
        Application->ProcessMessages();
        EXPECT_TRUE(f->Modal());
        EXPECT_EQ(mrNone, f->ModalResult());
        f->Close();
    });
    EXPECT_EQ(mrCancel, form->ShowModal());
    EXPECT_EQ(2, queries);
}

TEST(TForm, PostedCloseFromOnActivateRunsAfterTheHandlerInsideTheModalLoop) {
    std::unique_ptr<TForm> form(CreateForm<TForm>(nullptr));
    std::vector<std::string> order;
    form->OnActivate = [&](TObject* sender) {
        PostMessage(static_cast<TForm*>(sender), WM_CLOSE);
        order.push_back("activate done");
    };
    form->OnClose = [&](TObject*, TCloseAction&) { order.push_back("close"); };
    EXPECT_EQ(mrCancel, form->ShowModal());
    EXPECT_EQ((std::vector<std::string>{"activate done", "close"}), order);
}

TEST(TForm, ClosingAndFreeingWaitForTheHandlerThatLetsEventsRun) {
    std::unique_ptr<TForm> modal(CreateForm<TForm>(nullptr));
    TForm* modeless = CreateForm<TForm>(nullptr);
    auto modelessAlive = modeless->AliveToken();
    modeless->OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
    std::vector<std::string> order;
    modal->OnClose = [&](TObject*, TCloseAction&) { order.push_back("modal closed"); };
    ModalDriver driver;
    driver.Then([&](TForm* f) {
        // A handler in the middle of its work lets events run, and the user closes both forms.
        {
            FormClosingDeferral deferral;
            f->Close();
            modeless->Close();
            Application->ProcessMessages();
            Application->ProcessMessages();
            EXPECT_TRUE(f->Modal());
            EXPECT_TRUE(IsAlive(modelessAlive));
            EXPECT_TRUE(deferral.Deferred(f));
            EXPECT_TRUE(deferral.Deferred(modeless));
            EXPECT_TRUE(order.empty());
            order.push_back("handler done");
        }
        EXPECT_FALSE(FormClosingDeferral::Active());
        EXPECT_TRUE(f->Modal()); // the deferred closes are queued, not run by the deferral's end
    });
    EXPECT_EQ(mrCancel, modal->ShowModal());
    EXPECT_TRUE(WaitFor([&] { return !IsAlive(modelessAlive); }));
    EXPECT_EQ((std::vector<std::string>{"handler done", "modal closed"}), order);
}

TEST(TForm, PostedMessageToADeletedFormIsDropped) {
    TForm* form = CreateForm<TForm>(nullptr);
    int closes = 0;
    form->OnClose = [&](TObject*, TCloseAction&) { ++closes; };
    PostMessage(form, WM_CLOSE);
    delete form;
    Application->ProcessMessages();
    EXPECT_EQ(0, closes);
}

TEST(TForm, FormMadeWithoutCreateFormRefusesToShow) {
    TForm form(nullptr);
    EXPECT_THROW(form.Show(), std::logic_error);
}

TEST(TForm, WidthAndHeightIncludeTheFrameOfTheBorderStyle) {
    std::unique_ptr<TForm> form(CreateForm<TForm>(nullptr));
    form->SetBorderStyle(bsSingle);
    form->SetClientWidth(768);
    form->SetClientHeight(138);
    int h, v;
    TForm::FrameExtents(bsSingle, h, v);
    EXPECT_EQ(768 + h, form->Width());
    EXPECT_EQ(138 + v, form->Height());
    form->SetWidth(800);
    EXPECT_EQ(800 - h, form->ClientWidth());
    EXPECT_EQ(800 - h, form->Widget()->width());
}

TEST(TForm, PositionCentresOnScreenOwnerOrMainForm) {
    std::unique_ptr<TForm> owner(CreateForm<TForm>(nullptr));
    owner->SetBounds(100, 50, 600, 400);
    owner->Show();
    struct Case {
        TPosition Position;
        int Left, Top; // -1: centred on the screen
    } cases[] = {{poOwnerFormCenter, 100 + (600 - 200) / 2, 50 + (400 - 100) / 2}, {poScreenCenter, -1, -1}};
    for (const Case& c : cases) {
        TForm* form = CreateForm<TForm>(owner.get());
        form->SetBounds(0, 0, 200, 100);
        form->SetPosition(c.Position);
        form->Show();
        if (c.Left >= 0) {
            EXPECT_EQ(c.Left, form->Left());
            EXPECT_EQ(c.Top, form->Top());
        } else {
            QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
            EXPECT_EQ(screen.x() + (screen.width() - 200) / 2, form->Left());
            EXPECT_EQ(screen.y() + (screen.height() - 100) / 2, form->Top());
        }
        delete form;
    }
}

TEST(TForm, BorderIconsAndStayOnTopBecomeWindowFlags) {
    std::unique_ptr<TForm> form(CreateForm<TForm>(nullptr));
    form->SetBorderStyle(bsSingle);
    form->SetBorderIcons(biSystemMenu | biMinimize);
    form->SetFormStyle(fsStayOnTop);
    Qt::WindowFlags flags = form->Widget()->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);
    form->SetBorderIcons(0);
    EXPECT_FALSE(form->Widget()->windowFlags() & Qt::WindowCloseButtonHint);
}

TEST(TForm, AFormEmbeddedInAPanelShowsInsideItAndBackAsAWindow) {
    std::unique_ptr<TForm> main(CreateForm<TForm>(nullptr));
    main->SetBounds(0, 0, 400, 300);
    auto* panel = new TPanel(main.get());
    panel->SetParent(main.get());
    panel->SetAlign(alClient);
    TForm* child = CreateForm<TForm>(main.get());
    child->SetBorderStyle(bsNone);
    child->SetParent(panel);
    child->SetBounds(0, 10, 200, 80);
    int shows = 0;
    child->OnShow = [&](TObject*) { ++shows; };
    main->Show();
    child->Show();
    EXPECT_FALSE(child->Widget()->isWindow());
    EXPECT_TRUE(child->Widget()->isVisible());
    EXPECT_EQ(200, child->ClientWidth());
    EXPECT_EQ(1, shows);
    child->SetParent(nullptr);
    EXPECT_TRUE(child->Widget()->isWindow());
}

namespace {
// A generic dialog posts itself its first read so that it runs inside the modal loop.
class TFirstReadForm : public TForm {
public:
    static constexpr unsigned WM_FIRSTREAD = WM_USER + 1;
    explicit TFirstReadForm(TComponent* owner) : TForm(owner) {
        OnShow = [this](TObject*) {
            PostMessage(this, WM_FIRSTREAD);
            Log.push_back("shown");
        };
    }
    void WndProc(TMessage& message) override {
        if (message.Msg == WM_FIRSTREAD) {
            Log.push_back(Modal() ? "first read inside the modal loop" : "first read outside");
            SetModalResult(mrOk);
            return;
        }
        TForm::WndProc(message);
    }
    std::vector<std::string> Log;
};
} // namespace

TEST(TForm, AnApplicationMessageReachesTheFormsOwnHandlerInsideTheModalLoop) {
    std::unique_ptr<TFirstReadForm> form(CreateForm<TFirstReadForm>(nullptr));
    EXPECT_EQ(mrOk, form->ShowModal());
    EXPECT_EQ((std::vector<std::string>{"shown", "first read inside the modal loop"}), form->Log);
}

TEST(TForm, OnResizeFollowsSizeChangesByCodeAndByTheWindow) {
    std::unique_ptr<TForm> form(CreateForm<TForm>(nullptr));
    std::vector<int> widths;
    form->OnResize = [&](TObject*) { widths.push_back(form->ClientWidth()); };
    form->SetClientWidth(400);
    form->Show();
    form->Widget()->resize(500, form->Widget()->height()); // as a user drags the frame
    Application->ProcessMessages();
    ASSERT_GE(widths.size(), 2u);
    EXPECT_EQ(400, widths.front());
    EXPECT_EQ(500, widths.back());
    EXPECT_EQ(500, form->ClientWidth());
}

namespace {
// A progress form shown modally inside the dialog that waits on it.
class TProgressForm : public TForm {
public:
    TProgressForm(TComponent* owner, TForm* parentForm) : TForm(owner) {
        SetBorderStyle(bsDialog);
        SetParent(parentForm);
        SetBounds(10, 10, 358, 66);
        Bar = new TProgressBar(this);
        Bar->SetParent(this);
        Bar->SetMax(6);
        Timer = new TTimer(this);
        Timer->SetEnabled(false);
        Timer->OnTimer = [this](TObject*) {
            if (Bar->Position() >= Bar->Max()) {
                Close();
            } else {
                Bar->StepBy(2);
            }
        };
        OnCreate = [this](TObject*) { Timer->SetEnabled(true); };
        OnClose = [this](TObject*, TCloseAction&) {
            Timer->SetEnabled(false);
            SetParent(nullptr);
        };
    }
    TProgressBar* Bar;
    TTimer* Timer;
};
} // namespace

TEST(TForm, AFormWithAParentRunsModallyInsideItsDialogAndBlocksTheDialog) {
    std::unique_ptr<TForm> dialog(CreateForm<TForm>(nullptr));
    dialog->SetBounds(0, 0, 400, 200);
    auto* set = new TButton(dialog.get());
    set->SetParent(dialog.get());
    set->SetBounds(300, 150, 75, 25);
    int setClicks = 0;
    set->OnClick = [&](TObject*) { ++setClicks; };
    dialog->Show();

    ManualTimers timers;
    std::unique_ptr<TProgressForm> progress(CreateForm<TProgressForm>(Application, dialog.get()));
    int ticks = 0;
    ModalDriver driver;
    driver.Then([&](TForm* f) {
        EXPECT_FALSE(f->Widget()->isWindow()); // inside the dialog
        EXPECT_TRUE(f->Widget()->isVisible());
        ClickControl(set); // the dialog takes no input meanwhile
        while (f->Modal() && f->ModalResult() == mrNone && ticks < 10) {
            timers.Fire();
            ++ticks;
        }
    });
    EXPECT_EQ(mrCancel, progress->ShowModal());
    EXPECT_EQ(4, ticks); // 0, 2, 4, 6, then the close
    EXPECT_EQ(0, setClicks);
    EXPECT_FALSE(progress->Embedded()); // its OnClose took it out of the dialog
    EXPECT_FALSE(progress->Widget()->isVisible());
    ClickControl(set); // and the dialog answers again
    EXPECT_EQ(1, setClicks);
}

} // namespace t_form_test
