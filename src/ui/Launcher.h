// Seam: starting a sibling program (the WinExec stand-in). The command is an argument list, one
// element per option, never a shell line: a value with a blank stays one argument. The program is
// looked up beside our executable first, then on PATH. Tests install a recording service.
#pragma once

#include <string>
#include <vector>

class LaunchService {
public:
    virtual ~LaunchService() = default;
    // argv[0] is the program as resolved (a full path). Returns true when the program was started.
    virtual bool Start(const std::vector<std::string>& argv) = 0;
};

void SetLaunchService(LaunchService* service); // null restores QProcess; caller keeps ownership
LaunchService* CurrentLaunchService();

// The full path of program: beside the executable, else on PATH; "" when found nowhere.
std::string ResolveProgram(const std::string& program);

constexpr int SW_HIDE = 0, SW_SHOWNORMAL = 1, SW_SHOW = 5;
constexpr unsigned ERROR_FILE_NOT_FOUND = 2;

// Starts argv[0] with the rest as its arguments. Returns a value above 31 on success, else
// ERROR_FILE_NOT_FOUND (also for an empty program name).
unsigned WinExec(const std::vector<std::string>& argv, int showCommand);
