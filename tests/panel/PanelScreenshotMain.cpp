// Pictures of the main window, with the whole main menu, over stacks of the simulated switch, to
// look at:
//   bash scripts/with-display.sh build/test/tests/panel/panel_screenshots DIR
// writes DIR/one-unit.png and DIR/two-units.png (the first one and two units of the mixed stack),
// DIR/six-units.png (the six-unit mixed stack as it opens), DIR/six-units-bottom.png (its panel
// area scrolled to the end), DIR/six-units-detail.png (the top left, enlarged) and DIR/about.png
// (Help > About over the six units).
// Run it with DIR as the current directory: the program keeps its SNMPv3 boot counter there.
// Not a test: nothing here is checked automatically.
#include "MenuCommands.h"
#include "MessageWait.h"
#include "PictureFiles.h"
#include "SixUnitStack.h"
#include "TApplication.h"
#include "TScrollBox.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <cstdio>
#include <exception>

namespace {

// The main window shown and its panels polled twice; the caller deletes it.
QPixmap ShowMainWindow() {
    MainForm->Show();
    // A second poll of every panel, then the picture.
    WaitOnEventQueue([] { return false; }, 6000);
    return MainForm->Widget()->window()->grab();
}

void Report(const QString& path, const QPixmap& shot) {
    std::printf("%s %dx%d, status: %s\n", path.toLocal8Bit().constData(), shot.width(), shot.height(),
                MainForm->StatusText().c_str());
}

} // namespace

int main(int argc, char** argv) {
    QApplication qtApp(argc, argv);
    Application->Initialize(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString(".");
    MakePictureFolder(dir);
    try {
        InstallMainMenu();
        const struct {
            int Count;
            const char* Name;
        } smaller[] = {{1, "one-unit"}, {2, "two-units"}};
        for (const auto& stack : smaller) {
            const std::unique_ptr<SimAgent> agent = OpenSixUnitMainWindow(stack.Count);
            const QPixmap shot = ShowMainWindow();
            const QString path = dir + "/" + stack.Name + ".png";
            SavePicture(shot, path);
            Report(path, shot);
            delete MainForm;
        }

        const std::unique_ptr<SimAgent> agent = OpenSixUnitMainWindow();
        const QPixmap shot = ShowMainWindow();
        SavePicture(shot, dir + "/six-units.png");
        SavePicture(shot.copy(0, 0, 400, 260).scaled(1200, 780), dir + "/six-units-detail.png");
        Report(dir + "/six-units.png", shot);
        QWidget* window = MainForm->Widget()->window();
        MainForm->ScrollBox1->SetVertScrollPosition(10000);
        WaitOnEventQueue([] { return false; }, 200);
        SavePicture(window->grab(), dir + "/six-units-bottom.png");

        SetModalHook([&](TForm* form) {
            WaitOnEventQueue([] { return false; }, 200);
            SavePicture(form->Widget()->window()->grab(), dir + "/about.png");
            form->Close();
        });
        MainForm->About1Click(nullptr);
        SetModalHook(nullptr);
        delete MainForm;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "panel_screenshots: %s\n", e.what());
        return 1;
    }
    Application->DestroyForms();
    return PicturesExitStatus();
}
