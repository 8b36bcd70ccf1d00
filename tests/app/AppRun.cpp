#include "AppRun.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <poll.h>
#include <sstream>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string ProgramPath() {
    return ZQS_APP_PATH;
}

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::stringstream in(line);
    std::string field;
    while (std::getline(in, field, '\t')) {
        fields.push_back(field);
    }
    if (!line.empty() && line.back() == '\t') {
        fields.push_back("");
    }
    return fields;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Waits for the child to end, at most boundMs, on a process file descriptor (no polling loop).
bool WaitForExit(pid_t pid, int boundMs, int& status) {
    int fd = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
    if (fd >= 0) {
        pollfd p{fd, POLLIN, 0};
        int ready = poll(&p, 1, boundMs);
        close(fd);
        if (ready <= 0) {
            return false;
        }
    }
    return waitpid(pid, &status, 0) == pid;
}

} // namespace

std::string AppRun::Value(const std::string& key) const {
    for (const auto& line : Lines) {
        if (!line.empty() && line[0] == key) {
            return line.size() > 1 ? line[1] : "";
        }
    }
    return "";
}

bool AppRun::Has(const std::string& key) const {
    return !All(key).empty();
}

std::vector<std::vector<std::string>> AppRun::All(const std::string& key) const {
    std::vector<std::vector<std::string>> found;
    for (const auto& line : Lines) {
        if (!line.empty() && line[0] == key) {
            found.push_back(line);
        }
    }
    return found;
}

std::vector<BoxShown> AppRun::Boxes() const {
    std::vector<BoxShown> boxes;
    for (const auto& f : All("box")) {
        if (f.size() >= 6) {
            boxes.push_back({f[1], f[2], f[3], f[4], f[5] == "expected"});
        }
    }
    return boxes;
}

std::vector<MenuState> AppRun::Menus() const {
    std::vector<MenuState> menus;
    for (const auto& f : All("menu")) {
        if (f.size() >= 5) {
            menus.push_back({f[1], f[2], f[3] == "1", f[4] == "1"});
        }
    }
    return menus;
}

MenuState AppRun::Menu(const std::string& name) const {
    for (const MenuState& m : Menus()) {
        if (m.Name == name) {
            return m;
        }
    }
    ADD_FAILURE() << "no menu item " << name << " in the report";
    return {};
}

AppRun RunApp(const std::vector<std::string>& arguments, const std::vector<std::string>& boxes,
              const std::vector<FileInRunFolder>& files) {
    constexpr int kBoundMs = 30000;
    static int runs = 0;
    fs::path folder = fs::temp_directory_path() /
                      ("zqs-app-test-" + std::to_string(getpid()) + "-" + std::to_string(++runs));
    fs::remove_all(folder);
    fs::create_directories(folder);
    for (const FileInRunFolder& file : files) {
        fs::create_directories((folder / file.Path).parent_path());
        std::ofstream(folder / file.Path) << file.Content;
    }
    const fs::path script = folder / "script.txt";
    const fs::path report = folder / "report.txt";
    const fs::path errors = folder / "stderr.txt";
    {
        std::ofstream s(script);
        s << "report\t" << report.string() << "\n";
        for (const std::string& box : boxes) {
            s << "box\t" << box << "\n";
        }
        s << "snapshot\nquit\n";
    }

    std::vector<std::string> argv{ProgramPath()};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    auto start = std::chrono::steady_clock::now();
    pid_t pid = fork();
    if (pid == 0) {
        // The program keeps its boot counter in, and reads errmsg/ from, its current directory.
        if (chdir(folder.c_str()) != 0) {
            _exit(126);
        }
        int err = open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (err >= 0) {
            dup2(err, STDERR_FILENO);
        }
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("ZQS_TEST_HOOK", script.c_str(), 1);
        std::vector<char*> args;
        for (std::string& a : argv) {
            args.push_back(a.data());
        }
        args.push_back(nullptr);
        execv(args[0], args.data());
        _exit(127);
    }
    AppRun run;
    int status = 0;
    run.Finished = pid > 0 && WaitForExit(pid, kBoundMs, status);
    if (pid > 0 && !run.Finished) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
    }
    run.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.Stderr = ReadFile(errors);
    std::stringstream lines(ReadFile(report));
    std::string line;
    while (std::getline(lines, line)) {
        run.Lines.push_back(SplitTabs(line));
    }
    fs::remove_all(folder);
    return run;
}

std::vector<std::string> V3Arguments(const std::string& address, int port) {
    return {"/I" + address, "/v3", "/t" + std::to_string(port), "/m3", "/l1", "/nzqs-noauth"};
}
