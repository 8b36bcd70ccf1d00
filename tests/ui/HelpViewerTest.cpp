#include "HelpViewer.h"

#include "UiTesting.h"

#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>
#include <QWidget>
#include <gtest/gtest.h>
#include <string>

namespace help_viewer_test {

namespace {

// The program's own viewer instead of the strict one of the test main, for one test.
class ProgramViewerInstalled {
public:
    ProgramViewerInstalled() : Previous(CurrentHelpService()) { SetHelpService(&ProgramHelpViewer()); }
    ~ProgramViewerInstalled() {
        ShowHelp("", HELP_QUIT);
        SetHelpService(Previous);
    }

private:
    HelpService* Previous;
};

// A help of two files: the contents page (long enough to scroll) and a second page.
struct HelpFiles {
    HelpFiles() {
        QString filler;
        for (int i = 0; i < 80; ++i) {
            filler += "<p>Line " + QString::number(i) + " of the first part.</p>\n";
        }
        Write("help.html",
              "<html><head><title>Sample help</title></head><body>"
              "<h1 id=\"contents\">Contents</h1>"
              "<p><a href=\"#later\">Later part</a> <a href=\"second.html\">Second page</a></p>" +
                  filler + "<h2 id=\"later\">The later part</h2><p>End.</p></body></html>");
        Write("second.html", "<html><head><title>Second</title></head><body><h1>Second page</h1>"
                             "<p><a href=\"help.html\">Back</a></p></body></html>");
    }
    void Write(const char* name, const QString& html) {
        QFile file(Dir.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(html.toUtf8());
    }
    std::string Path(const char* name) const { return Dir.filePath(name).toStdString(); }
    QTemporaryDir Dir;
};

QTextBrowser* Browser() {
    QWidget* window = ProgramHelpWindow();
    return window ? window->findChild<QTextBrowser*>() : nullptr;
}

// Clicks the link with that text as a user does.
void ClickLink(QTextBrowser* browser, const QString& text) {
    QTextCursor found = browser->document()->find(text);
    ASSERT_FALSE(found.isNull()) << text.toStdString();
    QTextCursor inside(browser->document());
    inside.setPosition(found.selectionStart() + 1);
    const QPoint at = browser->cursorRect(inside).center();
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, at);
}

} // namespace

// The viewer is the program's own window: modeless, the contents page first, links inside the help
// followed, and the next Help back at the contents in the same window.
TEST(HelpViewer, ShowsTheContentsPageFirstAndFollowsTheHelpsLinks) {
    ProgramViewerInstalled installed;
    HelpFiles files;
    const QUrl contents = QUrl::fromLocalFile(QString::fromStdString(files.Path("help.html")));

    EXPECT_TRUE(ShowHelp(files.Path("help.html"), HELP_CONTENTS));
    QWidget* window = ProgramHelpWindow();
    ASSERT_NE(nullptr, window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ("Sample help", window->windowTitle().toStdString());
    QTextBrowser* browser = Browser();
    ASSERT_NE(nullptr, browser);
    EXPECT_EQ(contents, browser->source());
    EXPECT_EQ(0, browser->verticalScrollBar()->value());

    ClickLink(browser, "Later part");
    EXPECT_TRUE(WaitFor([&] { return browser->verticalScrollBar()->value() > 0; }, 2000));
    ClickLink(browser, "Second page");
    EXPECT_TRUE(WaitFor([&] { return browser->source().fileName() == "second.html"; }, 2000));
    EXPECT_NE(std::string::npos, browser->toPlainText().toStdString().find("Second page"));

    EXPECT_TRUE(ShowHelp(files.Path("help.html"), HELP_CONTENTS));
    EXPECT_EQ(window, ProgramHelpWindow());
    EXPECT_EQ(contents, browser->source());
    EXPECT_EQ(0, browser->verticalScrollBar()->value());

    EXPECT_TRUE(ShowHelp("", HELP_QUIT));
    EXPECT_EQ(nullptr, ProgramHelpWindow());
}

// A missing help file is the viewer's to report, in its own window.
TEST(HelpViewer, ReportsAFileItCannotReadInItsOwnWindow) {
    ProgramViewerInstalled installed;
    QTemporaryDir dir;
    const std::string missing = dir.filePath("zqs4410-help.html").toStdString();
    EXPECT_TRUE(ShowHelp(missing, HELP_CONTENTS));
    ASSERT_NE(nullptr, Browser());
    EXPECT_TRUE(ProgramHelpWindow()->isVisible());
    EXPECT_EQ("Cannot open the help file " + missing + ".", Browser()->toPlainText().toStdString());

    // The file made meanwhile: the next Help shows it.
    HelpFiles files;
    EXPECT_TRUE(ShowHelp(files.Path("help.html"), HELP_CONTENTS));
    EXPECT_EQ("Sample help", ProgramHelpWindow()->windowTitle().toStdString());
}

TEST(HelpViewer, TheHelpCallReachesTheInstalledViewerWithThePathAsGiven) {
    RecordingHelp help;
    EXPECT_TRUE(ShowHelp("/nowhere/zqs4410-help.html"));
    EXPECT_TRUE(ShowHelp("", HELP_QUIT));
    EXPECT_EQ(std::vector<std::string>{"/nowhere/zqs4410-help.html"}, help.Opened);
    EXPECT_EQ(nullptr, ProgramHelpWindow());
}

} // namespace help_viewer_test
