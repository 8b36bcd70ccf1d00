#include "TestHook.h"

#include "DeviceFacts.h"
#include "MainUnit.h"
#include "MenuTree.h"
#include "TApplication.h"
#include "TListView.h"
#include "TMainMenu.h"
#include "TStatusBar.h"
#include "UserDialogs.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::stringstream in(line);
    std::string field;
    while (std::getline(in, field, '\t')) {
        fields.push_back(field);
    }
    return fields;
}

// Tabs and line breaks inside a value would break the report's lines.
std::string Flat(std::string text) {
    for (char& c : text) {
        if (c == '\t' || c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    return text;
}

const char* KindName(DialogKind kind) {
    switch (kind) {
    case DialogKind::Message:
        return "message";
    case DialogKind::Dialog:
        return "dialog";
    case DialogKind::Box:
        return "box";
    case DialogKind::Exception:
        return "exception";
    }
    return "?";
}

int AnswerCode(const std::string& word) {
    if (word == "cancel") {
        return mrCancel;
    }
    if (word == "yes") {
        return mrYes;
    }
    if (word == "no") {
        return mrNo;
    }
    return mrOk;
}

class TestHook : public UserDialogService {
public:
    bool Load(const std::string& scriptPath) {
        std::ifstream script(scriptPath);
        if (!script) {
            return false;
        }
        std::string line;
        while (std::getline(script, line)) {
            std::vector<std::string> f = Fields(line);
            if (f.empty()) {
                continue;
            }
            if (f[0] == "report" && f.size() > 1) {
                Report.open(f[1], std::ios::trunc);
            } else if (f[0] == "box" && f.size() > 2) {
                Boxes.push_back({f[2], f[1]});
            } else {
                Commands.push_back(f);
            }
        }
        return Report.is_open();
    }

    int Show(const UserDialog& d) override {
        std::string answer;
        bool expected = !Boxes.empty() && Boxes.front().Text == d.Text;
        if (expected) {
            answer = Boxes.front().Answer;
            Boxes.pop_front();
        } else {
            answer = (d.Buttons & mbCancel) ? "cancel" : "ok";
        }
        Write({"box", KindName(d.Kind), d.Title, d.Text, answer, expected ? "expected" : "unexpected"});
        return AnswerCode(answer);
    }

    void Start() {
        qApp->installEventFilter(&ModalWatch);
        auto* timer = new QTimer(qApp);
        timer->setInterval(20);
        QObject::connect(timer, &QTimer::timeout, timer, [this, timer] {
            if (!StartupOver()) {
                return;
            }
            timer->stop();
            timer->deleteLater();
            RunCommands();
        });
        timer->start();
    }

    void Finish(int exitCode) {
        qApp->removeEventFilter(&ModalWatch);
        Write({"exit", std::to_string(exitCode)});
    }

private:
    struct Box {
        std::string Text;
        std::string Answer;
    };

    static bool StartupOver() {
        return MainForm && MainForm->Visible() && MainForm->ActivatedOnce &&
               !QApplication::activeModalWidget();
    }

    void RunCommands() {
        while (!Commands.empty()) {
            std::vector<std::string> c = Commands.front();
            Commands.pop_front();
            if (c[0] == "snapshot") {
                Snapshot();
            } else if (c[0] == "click" && c.size() > 1) {
                auto* item = dynamic_cast<TMenuItem*>(MainForm->FindComponent(c[1]));
                Write({"click", c[1], item ? "found" : "missing"});
                if (item) {
                    item->Click();
                }
            } else if (c[0] == "quit") {
                MainForm->Close();
                return;
            }
        }
    }

    void Snapshot() {
        TMainForm* f = MainForm;
        Write({"caption", f->Caption()});
        Write({"model", Facts().ModelName});
        Write({"sysobjectid", Facts().SysObjectId});
        Write({"stackmode", Facts().StackMode});
        Write({"firmware", Facts().FirmwareMode});
        Write({"unitcount", std::to_string(Facts().UnitCount())});
        for (int i = 0; i < f->UnitListView->Items().Count(); ++i) {
            TListItem* item = f->UnitListView->Items()[i];
            std::vector<std::string> line{"unit", item->Caption()};
            line.insert(line.end(), item->SubItems().List().begin(), item->SubItems().List().end());
            Write(line);
        }
        Write({"status0", f->StatusBar->Panels()[0]->Text()});
        Write({"window", f->Visible() ? "1" : "0", f->Enabled() ? "1" : "0"});
        WriteMenu(f->MainMenu1->Items());
        Write({"end"});
    }

    void WriteMenu(TMenuItem* parent) {
        for (int i = 0; i < parent->Count(); ++i) {
            TMenuItem* item = parent->Items(i);
            Write({"menu", item->Name(), MenuItemPath(item), item->Visible() ? "1" : "0",
                   item->Enabled() ? "1" : "0"});
            WriteMenu(item);
        }
    }

    void Write(const std::vector<std::string>& fields) {
        for (size_t i = 0; i < fields.size(); ++i) {
            Report << (i ? "\t" : "") << Flat(fields[i]);
        }
        Report << "\n" << std::flush;
    }

    // Sees every window as it is shown, so a modal form is reported even when it closes before
    // its loop takes an event.
    class ModalFilter : public QObject {
    public:
        explicit ModalFilter(TestHook* hook) : Hook(hook) {}
        bool eventFilter(QObject* watched, QEvent* event) override {
            auto* widget = qobject_cast<QWidget*>(watched);
            if (event->type() == QEvent::Show && widget && widget->isWindow() && widget->isModal()) {
                Hook->Write({"modal", widget->windowTitle().toStdString()});
            }
            return false;
        }

    private:
        TestHook* Hook;
    };

    std::ofstream Report;
    ModalFilter ModalWatch{this};
    std::deque<Box> Boxes;
    std::deque<std::vector<std::string>> Commands;
};

std::unique_ptr<TestHook> Hook;

} // namespace

void InstallTestHookFromEnvironment() {
    const char* script = std::getenv("ZQS_TEST_HOOK");
    if (!script || !*script) {
        return;
    }
    Hook = std::make_unique<TestHook>();
    if (!Hook->Load(script)) {
        std::fprintf(stderr, "ZQS_TEST_HOOK: cannot read the script or open its report: %s\n", script);
        std::exit(3);
    }
    SetUserDialogService(Hook.get());
    Hook->Start();
}

void FinishTestHook(int exitCode) {
    if (Hook) {
        Hook->Finish(exitCode);
        SetUserDialogService(nullptr);
        Hook.reset();
    }
}
