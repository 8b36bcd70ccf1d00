#include "TApplication.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TForm.h"
#include "TTimer.h"
#include "UiTesting.h"

#include <QApplication>
#include <QTimer>
#include <gtest/gtest.h>
#include <stdexcept>

namespace application_test {

TEST(TApplication, TerminateBeforeRunEndsTheProgramAtOnce) {
    bool safetyFired = false;
    QTimer::singleShot(10000, qApp, [&] {
        safetyFired = true;
        QCoreApplication::quit();
    });
    Application->Terminate();
    Application->Run();
    EXPECT_FALSE(safetyFired);
    Application->ResetTerminated();
}

TEST(TApplication, ClosingTheMainFormEndsTheMessageLoop) {
    TForm* main = nullptr;
    Application->CreateForm(main);
    ASSERT_EQ(main, Application->MainForm());
    main->OnActivate = [](TObject* sender) { PostMessage(static_cast<TForm*>(sender), WM_CLOSE); };
    bool safetyFired = false;
    QTimer::singleShot(10000, qApp, [&] {
        safetyFired = true;
        QCoreApplication::quit();
    });
    Application->Run();
    EXPECT_FALSE(safetyFired);
    EXPECT_TRUE(Application->Terminated());
    Application->ResetTerminated();
    delete main;
    EXPECT_EQ(nullptr, Application->MainForm());
}

namespace {
class FailingCreateForm : public TForm {
public:
    explicit FailingCreateForm(TComponent* owner) : TForm(owner) {
        OnCreate = [](TObject*) { throw std::runtime_error("create failed"); };
    }
};
} // namespace

TEST(TApplication, ExceptionEscapingAnyHandlerIsShownOnceAndTheProgramGoesOn) {
    std::unique_ptr<TForm> form(CreateForm<TForm>(nullptr));
    auto* button = new TButton(form.get());
    button->SetParent(form.get());
    button->OnClick = [](TObject*) { throw std::runtime_error("button failed"); };
    auto* timer = new TTimer(form.get());
    timer->SetInterval(100);
    timer->OnTimer = [](TObject*) { throw std::runtime_error("tick failed"); };
    form->Show();
    ManualTimers timers;

    struct Case {
        const char* Message;
        std::function<void()> Raise;
    } cases[] = {
        {"button failed", [&] { ClickControl(button); }},
        {"tick failed", [&] { timers.Fire(); }},
        {"create failed",
         [] {
             std::unique_ptr<TForm> made(CreateForm<FailingCreateForm>(nullptr));
             EXPECT_TRUE(made->Created()); // the form is still made
         }},
        {"queued call failed",
         [] {
             PostCall([] { throw std::runtime_error("queued call failed"); });
             Application->ProcessMessages();
         }},
        {"Unknown exception",
         [] {
             PostCall([] { throw 42; });
             Application->ProcessMessages();
         }},
    };
    Application->SetTitle("ZQS-4410-Series");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Message);
        ScriptedDialogs dialogs;
        dialogs.Expect(DialogKind::Exception, "ZQS-4410-Series", c.Message);
        c.Raise();
        EXPECT_EQ(1u, dialogs.Shown().size());
    }
}

TEST(TApplication, EventRaisedByCodeLetsItsExceptionReachTheCode) {
    std::unique_ptr<TForm> form(CreateForm<TForm>(nullptr));
    auto* box = new TCheckBox(form.get());
    box->OnClick = [](TObject*) { throw std::runtime_error("handler failed"); };
    EXPECT_THROW(box->SetChecked(true), std::runtime_error); // no box: the caller handles it
}

TEST(TApplication, WaitSleepsOnTheEventQueueUntilDone) {
    bool done = false;
    int checks = 0;
    QTimer::singleShot(200, qApp, [&] { done = true; });
    EXPECT_TRUE(Application->WaitUntil(
        [&] {
            ++checks;
            return done;
        },
        5000));
    // A busy loop would check many thousand times in 200 ms.
    EXPECT_LT(checks, 20);
}

TEST(TApplication, WaitEndsAtItsBoundOnTheClockSeam) {
    FakeClock clock(/*stepPerRead=*/250);
    int checks = 0;
    EXPECT_FALSE(Application->WaitUntil(
        [&] {
            ++checks;
            return false;
        },
        1000));
    EXPECT_LE(checks, 6);
}

TEST(TApplication, ReplyWaitBoundCoversEveryTryAndOneSecond) {
    struct Case {
        int TimeoutCs, Retries;
        uint64_t BoundMs;
    } cases[] = {{100, 1, 3000}, {600, 5, 37000}, {0, 0, 1000}, {100, 0, 2000}};
    for (const Case& c : cases) {
        EXPECT_EQ(c.BoundMs, ReplyWaitBoundMs(c.TimeoutCs, c.Retries)) << c.TimeoutCs << " x " << c.Retries;
    }
}

} // namespace application_test
