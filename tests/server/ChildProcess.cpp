#include "server/ChildProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace worldtest {

pid_t StartProcess(const std::vector<std::string>& argv, int stdoutFd, int stderrFd) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (stdoutFd >= 0)
        posix_spawn_file_actions_adddup2(&actions, stdoutFd, STDOUT_FILENO);
    if (stderrFd >= 0)
        posix_spawn_file_actions_adddup2(&actions, stderrFd, STDERR_FILENO);
    std::vector<char*> pointers;
    for (const std::string& argument : argv)
        pointers.push_back(const_cast<char*>(argument.c_str()));
    pointers.push_back(nullptr);
    pid_t pid = 0;
    const int failed = posix_spawnp(&pid, pointers[0], &actions, nullptr, pointers.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0)
        throw std::runtime_error("cannot start " + argv[0] + ": " + std::strerror(failed));
    return pid;
}

void RunProcess(const std::vector<std::string>& argv, const std::string& logPath) {
    const int log = open(logPath.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (log < 0)
        throw std::runtime_error("cannot write " + logPath);
    int code = -1;
    try {
        code = WaitForExit(StartProcess(argv, log, log));
    } catch (...) {
        close(log);
        throw;
    }
    close(log);
    if (code != 0) {
        std::ostringstream text;
        text << argv[0] << " exited with " << code << ":\n" << std::ifstream(logPath).rdbuf();
        throw std::runtime_error(text.str());
    }
}

int WaitForExit(pid_t pid) {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0)
        if (errno != EINTR)
            return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int WaitForExitWithin(pid_t pid, int limitMs) {
    for (int waited = 0; waited < limitMs; waited += 10) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid)
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        usleep(10'000);
    }
    kill(pid, SIGKILL);
    WaitForExit(pid);
    return -2;
}

}  // namespace worldtest
