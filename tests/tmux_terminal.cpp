#include "tests/tmux_terminal.h"

#include <dirent.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

namespace {

double nowSeconds() {
  struct timespec ts;
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return ts.tv_sec + ts.tv_nsec / 1e9;
}

// Runs argv (no shell) and returns its standard output; the exit status goes
// to *status when asked for.
std::string capture(const std::vector<std::string>& argv, int* status) {
  int out[2];
  if (::pipe(out) != 0) return "";
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::dup2(out[1], 1);
    ::close(out[0]);
    ::close(out[1]);
    // A test run from inside tmux must not talk to the user's own server,
    // and the private server needs some terminal type to emulate.
    ::unsetenv("TMUX");
    if (!::getenv("TERM") || !*::getenv("TERM")) ::setenv("TERM", "xterm", 1);
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    ::execvp(args[0], args.data());
    ::_exit(127);
  }
  ::close(out[1]);
  std::string text;
  char buf[4096];
  ssize_t n;
  while ((n = ::read(out[0], buf, sizeof buf)) > 0 || (n < 0 && errno == EINTR)) {
    if (n > 0) text.append(buf, static_cast<size_t>(n));
  }
  ::close(out[0]);
  int st = 0;
  ::waitpid(pid, &st, 0);
  if (status) *status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
  return text;
}

}  // namespace

bool TmuxTerminal::available() {
  int status = -1;
  capture({"tmux", "-V"}, &status);
  return status == 0;
}

TmuxTerminal::TmuxTerminal(const std::string& dir, const std::string& command, int cols, int rows) {
  static std::atomic<int> counter{0};
  socket_ = "quizmora-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
  int status = -1;
  tmux({"new-session", "-d", "-x", std::to_string(cols), "-y", std::to_string(rows), "-c", dir, "/bin/sh", "-c",
        command},
       &status);
  started_ = status == 0;
  if (!started_) return;
  // The window keeps its size whatever clients attach.
  tmux({"set-option", "-g", "window-size", "manual"});
  socket_path_ = tmux({"display-message", "-p", "#{socket_path}"});
  while (!socket_path_.empty() && socket_path_.back() == '\n') socket_path_.pop_back();
}

TmuxTerminal::~TmuxTerminal() {
  tmux({"kill-server"});
  // A killed server leaves its socket file behind.
  if (!socket_path_.empty()) ::unlink(socket_path_.c_str());
}

std::string TmuxTerminal::tmux(std::initializer_list<std::string> args, int* status) const {
  std::vector<std::string> argv = {"tmux", "-L", socket_, "-f", "/dev/null"};
  argv.insert(argv.end(), args.begin(), args.end());
  return capture(argv, status);
}

void TmuxTerminal::type(const std::string& text) const { tmux({"send-keys", "-t", "0", "-l", "--", text}); }

void TmuxTerminal::press(const std::string& key) const { tmux({"send-keys", "-t", "0", key}); }

std::string TmuxTerminal::screen() const {
  std::string text = tmux({"capture-pane", "-p", "-t", "0"});
  // capture-pane already drops trailing blanks of each row; drop the empty
  // rows below the last written one as well.
  while (!text.empty() && text.back() == '\n') text.pop_back();
  return text + "\n";
}

bool TmuxTerminal::waitFor(const std::string& text, double timeoutSeconds) const {
  const double deadline = nowSeconds() + timeoutSeconds;
  for (;;) {
    if (screen().find(text) != std::string::npos) return true;
    if (nowSeconds() > deadline) return false;
    ::usleep(20 * 1000);
  }
}

namespace {

std::string trimmed(const std::string& s) {
  const size_t first = s.find_first_not_of(" \t\n");
  if (first == std::string::npos) return "";
  return s.substr(first, s.find_last_not_of(" \t\n") - first + 1);
}

std::string lastRow(const std::string& screen) {
  std::string last;
  size_t start = 0;
  for (size_t nl; (nl = screen.find('\n', start)) != std::string::npos; start = nl + 1) {
    const std::string row = trimmed(screen.substr(start, nl - start));
    if (!row.empty()) last = row;
  }
  return last;
}

}  // namespace

bool TmuxTerminal::waitForPrompt(const std::string& prompt, double timeoutSeconds) const {
  const std::string want = trimmed(prompt);
  const double deadline = nowSeconds() + timeoutSeconds;
  for (;;) {
    const std::string row = lastRow(screen());
    if (row.size() >= want.size() && row.compare(row.size() - want.size(), want.size(), want) == 0) return true;
    if (nowSeconds() > deadline) return false;
    ::usleep(20 * 1000);
  }
}

namespace {

// Returns the first child of `parent` found in /proc, or 0.
long childOf(long parent) {
  long found = 0;
  if (DIR* proc = ::opendir("/proc")) {
    while (const dirent* e = ::readdir(proc)) {
      const long pid = std::atol(e->d_name);
      if (pid <= 0) continue;
      std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
      std::string line;
      std::getline(stat, line);
      // The fields after the command name, which sits in parentheses.
      const size_t close = line.rfind(')');
      if (close == std::string::npos) continue;
      std::istringstream rest(line.substr(close + 1));
      std::string state;
      long ppid = 0;
      rest >> state >> ppid;
      if (ppid == parent) {
        found = pid;
        break;
      }
    }
    ::closedir(proc);
  }
  return found;
}

}  // namespace

bool TmuxTerminal::waitUntilReading(double timeoutSeconds) const {
  const long shell = std::atol(tmux({"display-message", "-p", "-t", "0", "#{pane_pid}"}).c_str());
  const double deadline = nowSeconds() + timeoutSeconds;
  for (;;) {
    const long program = childOf(shell);
    if (program > 0) {
      std::ifstream syscallFile("/proc/" + std::to_string(program) + "/syscall");
      long number = -1;
      if (syscallFile >> number && number == SYS_read) return true;
    }
    if (nowSeconds() > deadline) return false;
    ::usleep(10 * 1000);
  }
}
