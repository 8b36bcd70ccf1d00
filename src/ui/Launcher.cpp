#include "Launcher.h"

#include "QtBridge.h"
#include "TApplication.h"

#include "Seam.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace {
class ProcessLauncher : public LaunchService {
public:
    bool Start(const std::vector<std::string>& argv) override {
        QStringList args;
        for (size_t i = 1; i < argv.size(); ++i) {
            args << ToQ(argv[i]);
        }
        return QProcess::startDetached(ToQ(argv.at(0)), args);
    }
};
ProcessLauncher Processes;
Seam<LaunchService> Installed(Processes);
} // namespace

void SetLaunchService(LaunchService* service) {
    Installed.Set(service);
}
LaunchService* CurrentLaunchService() {
    return Installed.Get();
}

std::string ResolveProgram(const std::string& program) {
    if (program.empty()) {
        return "";
    }
    QString name = ToQ(program);
    QFileInfo beside(QDir(ToQ(Application->ExeDir())), name);
    if (beside.isFile() && beside.isExecutable()) {
        return FromQ(beside.absoluteFilePath());
    }
    if (name.contains('/')) {
        return "";
    }
    return FromQ(QStandardPaths::findExecutable(name));
}

unsigned WinExec(const std::vector<std::string>& argv, int) {
    if (argv.empty()) {
        return ERROR_FILE_NOT_FOUND;
    }
    std::string path = ResolveProgram(argv[0]);
    if (path.empty()) {
        return ERROR_FILE_NOT_FOUND;
    }
    std::vector<std::string> resolved = argv;
    resolved[0] = path;
    return CurrentLaunchService()->Start(resolved) ? 33 : ERROR_FILE_NOT_FOUND;
}
