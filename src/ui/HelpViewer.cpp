#include "HelpViewer.h"

#include "QtBridge.h"
#include "TApplication.h"

#include "Seam.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {
class DesktopHelp : public HelpService {
public:
    bool Open(const std::string& path) override {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(ToQ(path)));
    }
};
DesktopHelp Desktop;
Seam<HelpService> Installed(Desktop);
} // namespace

void SetHelpService(HelpService* service) {
    Installed.Set(service);
}
HelpService* CurrentHelpService() {
    return Installed.Get();
}

bool WinHelp(const std::string& helpFile, unsigned command, unsigned long) {
    if (command == HELP_QUIT) {
        return true;
    }
    QFileInfo file(QDir(ToQ(Application->ExeDir())), ToQ(helpFile));
    if (helpFile.empty() || !file.isFile()) {
        return false;
    }
    return CurrentHelpService()->Open(FromQ(file.absoluteFilePath()));
}
