#include "HelpViewer.h"

#include "QtBridge.h"
#include "TApplication.h"
#include "TScreen.h"

#include "Seam.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>

namespace {

constexpr int kWindowWidth = 640;
constexpr int kWindowHeight = 520;

int Scaled(int pixels) {
    return Screen->PixelsPerInch() == 96 ? pixels : pixels * 5 / 4;
}

class ProgramViewer : public HelpService {
public:
    bool Open(const std::string& path) override {
        QTextBrowser* browser = Browser();
        const QFileInfo file(ToQ(path));
        QFile probe(file.absoluteFilePath());
        if (!file.isFile() || !probe.open(QIODevice::ReadOnly)) {
            // The viewer tells what it could not show, in its own window, as a help viewer does.
            browser->setSource(QUrl());
            browser->setHtml("<p>Cannot open the help file " + ToQ(path).toHtmlEscaped() + ".</p>");
            Window->setWindowTitle("Help");
        } else {
            // Always from the top of the file, its contents page, even when the window was open at
            // another place.
            browser->setSource(QUrl());
            browser->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
            const QString title = browser->documentTitle();
            Window->setWindowTitle(title.isEmpty() ? QString("Help") : title);
        }
        Window->show();
        Window->raise();
        Window->activateWindow();
        return true;
    }

    void Quit() override { delete Window; }

    QWidget* OpenWindow() const { return Window; }

private:
    QTextBrowser* Browser() {
        if (!Window) {
            Window = new QWidget(nullptr, Qt::Window);
            Window->setAttribute(Qt::WA_DeleteOnClose);
            Window->resize(Scaled(kWindowWidth), Scaled(kWindowHeight));
            auto* layout = new QVBoxLayout(Window);
            layout->setContentsMargins(0, 0, 0, 0);
            auto* browser = new QTextBrowser(Window);
            browser->setObjectName("HelpBrowser");
            // Links inside the help move within it; a web address goes to the desktop's browser.
            browser->setOpenLinks(true);
            browser->setOpenExternalLinks(true);
            layout->addWidget(browser);
            if (!PostRoutineAdded) {
                qAddPostRoutine(DeleteWindow);
                PostRoutineAdded = true;
            }
        }
        return Window->findChild<QTextBrowser*>("HelpBrowser");
    }

    // A window still open when the program ends goes while Qt still exists.
    static void DeleteWindow();

    QPointer<QWidget> Window;
    bool PostRoutineAdded = false;
};

ProgramViewer Viewer;
Seam<HelpService> Installed(Viewer);

void ProgramViewer::DeleteWindow() {
    delete Viewer.Window;
}

} // namespace

void SetHelpService(HelpService* service) {
    Installed.Set(service);
}
HelpService* CurrentHelpService() {
    return Installed.Get();
}

HelpService& ProgramHelpViewer() {
    return Viewer;
}

QWidget* ProgramHelpWindow() {
    return Viewer.OpenWindow();
}

bool ShowHelp(const std::string& path, unsigned command) {
    if (command == HELP_QUIT) {
        CurrentHelpService()->Quit();
        return true;
    }
    return CurrentHelpService()->Open(path);
}
