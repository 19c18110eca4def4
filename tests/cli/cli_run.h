#pragma once
// Runs the real command-line program as a script would, with its own settings
// folder, and measures it: exit status, both outputs, the time taken. A run past
// its time limit is killed and marked. Or simply, as a shell line: the status and
// both outputs together.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#ifdef ORRELIN_CLI_PATH
#include "temp_folder.h"
#endif

namespace orrelin::testing {

struct ProgramRun {
  int status = -1;  // the exit status; -1 when killed or ended by a signal
  std::string out, err;
  double seconds = 0;
  bool timedOut = false;
};

inline ProgramRun RunProgram(const std::vector<std::string>& argv, const std::filesystem::path& configHome,
                             double limitSeconds) {
  ProgramRun r;
  int out[2], err[2];
  if (pipe(out) != 0 || pipe(err) != 0) return r;
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    dup2(out[1], 1);
    dup2(err[1], 2);
    close(out[0]);
    close(err[0]);
    setenv("XDG_CONFIG_HOME", configHome.c_str(), 1);
    std::vector<char*> args;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    execv(args[0], args.data());
    _exit(127);
  }
  close(out[1]);
  close(err[1]);
  pollfd fds[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
  std::string* texts[2] = {&r.out, &r.err};
  int open = 2;
  while (open > 0) {
    const double left = limitSeconds - std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (left <= 0) {
      r.timedOut = true;
      kill(child, SIGKILL);
      break;
    }
    if (poll(fds, 2, static_cast<int>(left * 1000) + 1) <= 0) continue;
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP))) continue;
      char buffer[65536];
      const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
      if (n > 0) {
        texts[i]->append(buffer, static_cast<std::size_t>(n));
      } else {
        close(fds[i].fd);
        fds[i].fd = -1;
        --open;
      }
    }
  }
  for (const pollfd& f : fds) {
    if (f.fd >= 0) close(f.fd);
  }
  int status = 0;
  waitpid(child, &status, 0);
  r.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return r;
}

struct CliResult {
  int status = -1;
  std::string out;  // the output and the error stream together, as a terminal shows them
};

// A shell command line run to its end.
inline CliResult RunShell(const std::string& command) {
  CliResult r;
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (pipe == nullptr) return r;
  std::array<char, 4096> buffer{};
  while (fgets(buffer.data(), buffer.size(), pipe) != nullptr) r.out += buffer.data();
  const int status = pclose(pipe);
  r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return r;
}

#ifdef ORRELIN_CLI_PATH
// The command-line program with the arguments as a shell reads them, in a settings
// folder of its own.
inline CliResult RunCli(const std::string& arguments) {
  TempFolder config;
  return RunShell("XDG_CONFIG_HOME='" + config.Path().string() + "' " + ORRELIN_CLI_PATH + " " + arguments);
}
#endif

}  // namespace orrelin::testing
