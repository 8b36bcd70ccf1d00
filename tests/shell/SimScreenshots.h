// What the screenshot programs of dialogs filled from the simulated switch share: the session
// aimed at their own agent (SNMPv2c), and writing a form's picture (PictureFiles.h: main returns
// PicturesExitStatus()). Run them under scripts/with-display.sh.
#pragma once

#include "PictureFiles.h"
#include "SimAgent.h"
#include "TApplication.h"
#include "TForm.h"
#include "VqSNMPSession.h"

#include <QPixmap>
#include <QString>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdio>

// The global session aimed at the agent while it lives (its boot-counter file in a folder of its own).
class ScreenshotSession {
public:
    explicit ScreenshotSession(const SimAgent& agent) {
        CreateGlobalSession(Folder.path().toStdString());
        SessionParameters.Device = {agent.Address(), static_cast<uint16_t>(agent.Port())};
        SessionParameters.Security.Version = 1;
    }

private:
    QTemporaryDir Folder;
};

// Lets the form paint, writes its picture and prints its size.
inline void GrabForm(TForm* form, const QString& path) {
    for (int i = 0; i < 5; ++i) {
        Application->ProcessMessages();
    }
    QPixmap picture = form->Widget()->grab();
    if (SavePicture(picture, path)) {
        std::printf("%s: %dx%d\n", qPrintable(path), picture.width(), picture.height());
    }
}
