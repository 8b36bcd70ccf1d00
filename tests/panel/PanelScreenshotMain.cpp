// Pictures of the main window with the six-unit mixed stack of the simulated switch, to look at:
//   xvfb-run -a ./panel_screenshots DIR
// writes DIR/six-units.png (the window as it opens), DIR/six-units-bottom.png (its panel area
// scrolled to the end) and DIR/six-units-detail.png (the top left, enlarged).
// Run it with DIR as the current directory: the program keeps its SNMPv3 boot counter there.
// Not a test: nothing here is checked automatically.
#include "MessageWait.h"
#include "SixUnitStack.h"
#include "TApplication.h"
#include "TScrollBox.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    QApplication qtApp(argc, argv);
    Application->Initialize(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString(".");
    try {
        const std::unique_ptr<SimAgent> agent = OpenSixUnitMainWindow();
        MainForm->Show();
        // A second poll of every panel, then the picture.
        WaitOnEventQueue([] { return false; }, 6000);
        QWidget* window = MainForm->Widget()->window();
        const QPixmap shot = window->grab();
        shot.save(dir + "/six-units.png");
        shot.copy(0, 0, 400, 260).scaled(1200, 780).save(dir + "/six-units-detail.png");
        MainForm->ScrollBox1->SetVertScrollPosition(10000);
        WaitOnEventQueue([] { return false; }, 200);
        window->grab().save(dir + "/six-units-bottom.png");
        std::printf("%s/six-units.png %dx%d, status: %s\n", dir.toLocal8Bit().constData(), shot.width(),
                    shot.height(), MainForm->StatusText().c_str());
        delete MainForm;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "panel_screenshots: %s\n", e.what());
        return 1;
    }
    Application->DestroyForms();
    return 0;
}
