#pragma once
// Starting programs from the server tests: the world server itself and PostgreSQL's tools.

#include <sys/types.h>

#include <string>
#include <vector>

namespace worldtest {

// Starts argv[0] (looked up in PATH) with argv, its standard output going to stdoutFd and its
// standard error to stderrFd (-1: inherited). Throws std::runtime_error when it cannot start.
pid_t StartProcess(const std::vector<std::string>& argv, int stdoutFd = -1, int stderrFd = -1);

// Runs argv to its end with both outputs appended to logPath; throws std::runtime_error, with the
// log, unless it exits 0.
void RunProcess(const std::vector<std::string>& argv, const std::string& logPath);

// The exit code of pid once it ended, or -1 when a signal killed it.
int WaitForExit(pid_t pid);

// Like WaitForExit, but kills pid and returns -2 when it has not ended within limitMs.
int WaitForExitWithin(pid_t pid, int limitMs);

}  // namespace worldtest
